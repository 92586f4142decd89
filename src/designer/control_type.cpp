#include "designer/control_type.h"

#include "platform/core/numbered_texts.h"

namespace {

using W = DesignWindow;
using L = ListUse;

// One row per type, in type order.
const ControlTypeInfo kTypes[kControlTypeCount] = {
    {W::Static, 827, L::Whole, {1403}},                      // 0 text
    {W::GroupBox, 827, L::Whole, {1403}},                    // 1 group box
    {W::Edit, 828, L::None, {}},                             // 2 named edit field
    {W::EditCombo, 828, L::Whole, {833}},                    // 3 combo box, items from a file
    {W::MultiEdit, 829, L::None, {}},                        // 4 bolt count 1
    {W::MultiEdit, 829, L::None, {}},                        // 5 bolt count 2
    {W::PushButton, 829, L::None, {}},                       // 6
    {W::ListCombo, 0, L::None, {}},                          // 7
    {W::Edit, 0, L::None, {}},                               // 8
    {W::Edit, 0, L::None, {}},                               // 9
    {W::Edit, 0, L::None, {}},                               // 10
    {W::Edit, 0, L::None, {}},                               // 11
    {W::PushButton, 0, L::None, {}},                         // 12
    {W::ListCombo, 830, L::None, {}},                        // 13
    {W::PushButton, 830, L::None, {}},                       // 14
    {W::ListCombo, 830, L::None, {}},                        // 15
    {W::EditCombo, 830, L::None, {}},                        // 16
    {W::PushButton, 830, L::None, {}},                       // 17
    {W::Edit, 831, L::None, {}},                             // 18
    {W::Edit, 831, L::None, {}},                             // 19
    {W::Edit, 831, L::None, {}},                             // 20
    {W::Edit, 831, L::None, {}},                             // 21
    {W::Edit, 831, L::None, {}},                             // 22
    {W::Edit, 831, L::Whole, {834}},                         // 23
    {W::PushButton, 831, L::None, {}},                       // 24
    {W::PushButton, 827, L::FiveParts, {1316, 1317, 1318, 1319}}, // 25
    {W::PushButton, 827, L::FiveParts, {1316, 1317, 1320, 1319}}, // 26
    {W::ListCombo, 0, L::Whole, {1342}},                     // 27 language list
    {W::ListCombo, 1406, L::None, {}},                       // 28 yes/no list
    {W::PushButton, 827, L::Whole, {828}},                   // 29 check box
    {W::FlexButton, 1429, L::FourParts, {705, 1430, 1431}},  // 30 flex button
};

// Numbered text of the name of each type; 0 for the bolt counts (built).
const int kNameTexts[kControlTypeCount] = {799, 800, 801, 802, 0,   0,    804,  805,
                                           806, 807, 808, 809, 810, 811,  812,  813,
                                           814, 815, 816, 817, 818, 819,  820,  821,
                                           822, 823, 1315, 1341, 1404, 1405, 1428};

} // namespace

bool isKnownControlType(int type) {
    return type >= 0 && type < kControlTypeCount;
}

const ControlTypeInfo& controlTypeInfo(int type) {
    return kTypes[isKnownControlType(type) ? type : 0];
}

Zrl_String controlTypeName(int type) {
    if (!isKnownControlType(type)) return Zrl_String();
    if (isBoltCountType(type))
        return string(2220) + L" " + Zrl_String(type - 3) + L": " + dialString(803);
    return dialString(kNameTexts[type]);
}

Zrl_StringArray controlTypeNames() {
    Zrl_StringArray names;
    for (int t = 0; t < kControlTypeCount; ++t)
        names.append(controlTypeName(t));
    return names;
}

Zrl_String controlContentsCaption(int type) {
    const int text = controlTypeInfo(type).contentsCaption;
    return text ? dialString(text) : Zrl_String();
}

Zrl_String controlListHint(int type) {
    Zrl_String hint;
    for (int text : controlTypeInfo(type).hints) {
        if (!text) break;
        if (!hint.isEmpty()) hint += L";";
        hint += dialString(text);
    }
    return hint;
}

bool isComboWindowType(int type) {
    const DesignWindow w = controlTypeInfo(type).window;
    return w == DesignWindow::EditCombo || w == DesignWindow::ListCombo;
}

bool isComboPtrType(int type) {
    return type == ctCombo || type == ctBoltList || type == ctAssemblyList ||
           type == ctDiameterList;
}

bool isButtonType(int type) {
    switch (type) {
    case ctGroupBox: case ctButton: case ctProfileButton: case ctBoltButton:
    case ctBoltSettingsButton: case ctVariableButton: case ctExtButton:
    case ctExtCheckButton: case ctCheckBox: case ctFlexButton:
        return true;
    default:
        return false;
    }
}

bool isEditType(int type) {
    if (!isKnownControlType(type)) return false;
    const DesignWindow w = kTypes[type].window;
    return w == DesignWindow::Edit || w == DesignWindow::MultiEdit;
}

bool isBoltCountType(int type) {
    return type == ctBoltCount1 || type == ctBoltCount2;
}
