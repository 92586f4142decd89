// Zrl_ControlType: the kinds of control a designed dialog holds, and what
// each kind means: the window made for it, the caption of its contents field
// in the designer's panel, and how its list text is used.
//
// Values outside 0 to 30 may come from a damaged or newer template; they are
// kept as read and drawn as static text.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <cstdint>

enum Zrl_ControlType : std::int32_t {
    ctText = 0,
    ctGroupBox = 1,
    ctEdit = 2,
    ctCombo = 3,
    ctBoltCount1 = 4,
    ctBoltCount2 = 5,
    ctButton = 6,
    ctList = 7,
    ctProfile = 8,
    ctMaterial = 9,
    ctName = 10,
    ctNumber = 11,
    ctProfileButton = 12,
    ctBoltList = 13,
    ctBoltButton = 14,
    ctAssemblyList = 15,
    ctDiameterList = 16,
    ctBoltSettingsButton = 17,
    ctValue1 = 18,
    ctValue5 = 22,
    ctVariable = 23,
    ctVariableButton = 24,
    ctExtButton = 25,
    ctExtCheckButton = 26,
    ctLanguageList = 27,
    ctYesNoList = 28,
    ctCheckBox = 29,
    ctFlexButton = 30,
};

inline constexpr int kControlTypeCount = 31;

// The window a control type is drawn as.
enum class DesignWindow {
    Static,       // static text
    GroupBox,     // button with the group-box style
    Edit,         // single-line edit
    MultiEdit,    // multi-line edit
    PushButton,   // push button (type 29 becomes a check box when its value is set)
    EditCombo,    // editable drop-down combo box
    ListCombo,    // drop-down list
    FlexButton,   // push-like automatic check box with an icon
};

// How the list text of a type is used.
enum class ListUse {
    None,      // not used (the panel's list field is disabled; the text is kept)
    Whole,     // kept whole in comboList
    FiveParts, // extField1-4 and comboList (types 25, 26)
    FourParts, // flexGroup and flexField2-4 (type 30)
};

struct ControlTypeInfo {
    DesignWindow window;
    int contentsCaption; // numbered text, 0 = empty caption
    ListUse list;
    int hints[4];        // numbered texts of the list parts, 0 = none
};

bool isKnownControlType(int type);
// The table row of a type; an unknown type has the row of static text.
const ControlTypeInfo& controlTypeInfo(int type);
// The type's name in the designer's type list.
Zrl_String controlTypeName(int type);
// The 31 names in type order.
Zrl_StringArray controlTypeNames();
// The caption of the contents field (empty for types without one).
Zrl_String controlContentsCaption(int type);
// The hint of the list field: the hint texts joined with ";" (empty when
// the type does not use its list text).
Zrl_String controlListHint(int type);

// Groups of types that share a behaviour.
bool isComboWindowType(int type);  // drawn as a combo box
bool isComboPtrType(int type);     // types 3, 13, 15, 16
bool isButtonType(int type);       // 1, 6, 12, 14, 17, 24, 25, 26, 29, 30
bool isEditType(int type);         // 2, 4, 5, 8-11, 18-23
bool isBoltCountType(int type);    // 4, 5
