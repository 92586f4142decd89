#include "designer/designer_control.h"

#include "designer/designer_files.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/text_helpers.h"
#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/edit.h"

#include <charconv>
#include <cmath>

Zrl_String designerKey(const wchar_t* base, int index) {
    // Digits written straight into the key: a template of 1,000 controls
    // makes 7,000 keys to read or write it.
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, index).ptr;
    std::wstring key(base);
    key.append(digits, end);
    return Zrl_String(std::move(key));
}

namespace {

void readCoordinate(const Zrl_PropertiesList& list, const wchar_t* base, int index,
                    double& value) {
    double read = 0.0;
    if (list.getProperty(designerKey(base, index), read) == Acad::eOk)
        value = std::isfinite(read) ? read : 0.0;
}

Zrl_String part(const Zrl_StringArray& parts, int i) {
    return i < parts.length() ? parts[i] : Zrl_String();
}

} // namespace

void Zrl_DesignerControl::getFromPropList(const Zrl_PropertiesList& list, int index) {
    int t = 0;
    if (list.getProperty(designerKey(L"type", index), t) == Acad::eOk)
        type = static_cast<Zrl_ControlType>(t);
    readCoordinate(list, L"topLeftX", index, topLeftX);
    readCoordinate(list, L"topLeftY", index, topLeftY);
    readCoordinate(list, L"bottomRightX", index, bottomRightX);
    readCoordinate(list, L"bottomRightY", index, bottomRightY);
    list.getProperty(designerKey(L"contents", index), contents);
    Zrl_String merged;
    if (list.getProperty(designerKey(L"comboList", index), merged) == Acad::eOk)
        setSplitExtComboList(merged);
}

void Zrl_DesignerControl::setToPropList(Zrl_PropertiesList& list, int index) const {
    auto finite = [](double v) { return std::isfinite(v) ? v : 0.0; };
    list.setProperty(designerKey(L"type", index), static_cast<int>(type));
    list.setProperty(designerKey(L"topLeftX", index), finite(topLeftX));
    list.setProperty(designerKey(L"topLeftY", index), finite(topLeftY));
    list.setProperty(designerKey(L"bottomRightX", index), finite(bottomRightX));
    list.setProperty(designerKey(L"bottomRightY", index), finite(bottomRightY));
    list.setProperty(designerKey(L"contents", index), contents);
    list.setProperty(designerKey(L"comboList", index), getMergedExtComboList());
}

Zrl_String Zrl_DesignerControl::getMergedExtComboList() const {
    switch (controlTypeInfo(type).list) {
    case ListUse::FourParts:
        return appStrs(flexGroup, L";", flexField2, L";", flexField3) + L";" + flexField4;
    case ListUse::FiveParts:
        return appStrs(extField1, L";", extField2, L";", extField3) + L";" + extField4 + L";" +
               comboList;
    default:
        break;
    }
    return comboList;
}

bool Zrl_DesignerControl::setSplitExtComboList(const Zrl_String& text) {
    const ListUse use = controlTypeInfo(type).list;
    if (use != ListUse::FourParts && use != ListUse::FiveParts) {
        comboList = text;
        return true;
    }
    Zrl_StringArray parts;
    strToArr(text, parts, L';');
    if (use == ListUse::FourParts) {
        flexGroup = part(parts, 0);
        flexField2 = part(parts, 1);
        flexField3 = part(parts, 2);
        flexField4 = part(parts, 3);
    } else {
        extField1 = part(parts, 0);
        extField2 = part(parts, 1);
        extField3 = part(parts, 2);
        extField4 = part(parts, 3);
        comboList = part(parts, 4);
    }
    return true;
}

void Zrl_DesignerControl::getComboItemsFromFile(Zrl_StringArray& items,
                                                const Zrl_String& templateFolder) const {
    if (comboList.isEmpty()) return;
    Zrl_StringArray candidates;
    candidates.append(comboList);
    if (getPath(comboList).isEmpty() || !fileExists(comboList)) {
        if (!templateFolder.isEmpty()) candidates.append(ensureEndBSlash(templateFolder) + comboList);
        candidates.append(getDesignerRootFolder() + comboList);
    }
    for (const Zrl_String& path : candidates) {
        if (fileExists(path) && ObjectExportReadFile(path, items)) return;
    }
}

bool Zrl_DesignerControl::getCtrlPtr(win::Window* dlg, win::Window*& window) const {
    if (!dlg || resourceId == 0) return false;
    win::Window* found = dlg->child(resourceId);
    if (!found) return false;
    window = found;
    return true;
}

win::ComboBox* Zrl_DesignerControl::getComboPtr(win::Window* dlg) const {
    win::Window* w = nullptr;
    if (!isComboPtrType(type) || !getCtrlPtr(dlg, w)) return nullptr;
    return dynamic_cast<win::ComboBox*>(w);
}

win::Button* Zrl_DesignerControl::getButtonPtr(win::Window* dlg) const {
    win::Window* w = nullptr;
    if (!isButtonType(type) || !getCtrlPtr(dlg, w)) return nullptr;
    return dynamic_cast<win::Button*>(w);
}

win::Edit* Zrl_DesignerControl::getEditPtr(win::Window* dlg) const {
    win::Window* w = nullptr;
    if (!isEditType(type) || !getCtrlPtr(dlg, w)) return nullptr;
    return dynamic_cast<win::Edit*>(w);
}
