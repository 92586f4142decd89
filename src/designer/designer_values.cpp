// Values of a designed dialog's live controls, by window identifier: texts,
// check boxes with their indeterminate state, the yes/no list, read-only
// switching and the icon of flex buttons.
#include "designer/control_rect.h"
#include "designer/dlg_designer_data.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/constants.h"

namespace {

win::Window* windowOf(win::Window* dlg, const Zrl_DesignerControl& control) {
    return dlg && control.resourceId != 0 ? dlg->child(control.resourceId) : nullptr;
}

} // namespace

bool Zrl_DlgDesignerData::getSetCheckValue(bool get, Zrl_DesignerControl& control,
                                           Zrl_String& value) {
    auto* button = dynamic_cast<win::Button*>(windowOf(getDlgPtr(), control));
    if (!button) return false;
    if (get) {
        const int state = button->checkState();
        value = state == win::BST_INDETERMINATE ? dialString(695)
                                                : Zrl_String(state == win::BST_CHECKED ? 1 : 0);
        return true;
    }
    // Only the button kind (the low four style bits) changes.
    if (value.equal(dialString(695), false)) {
        button->modifyStyle(win::BS_TYPEMASK, win::BS_AUTO3STATE);
        button->setCheck(win::BST_INDETERMINATE);
    } else {
        button->modifyStyle(win::BS_TYPEMASK, win::BS_AUTOCHECKBOX);
        button->setCheck(value.toDouble() > 0.0 ? win::BST_CHECKED : win::BST_UNCHECKED);
    }
    button->invalidate();
    return true;
}

bool Zrl_DlgDesignerData::getSetComboValue(bool get, Zrl_DesignerControl& control,
                                           Zrl_String& value) {
    auto* combo = dynamic_cast<win::ComboBox*>(windowOf(getDlgPtr(), control));
    if (!combo) return false;
    if (get) {
        value = Zrl_String(combo->getCurSel());
        return true;
    }
    bool ok = false;
    const int index = value.trimmed().toInt(&ok);
    if (!ok || index < 0 || index >= combo->getCount()) return false;
    combo->setCurSel(index);
    return true;
}

bool Zrl_DlgDesignerData::getCheckValue(Zrl_DesignerControl& control, Zrl_String& value) {
    return getSetCheckValue(true, control, value);
}

bool Zrl_DlgDesignerData::setCheckValue(Zrl_DesignerControl& control, const Zrl_String& value) {
    Zrl_String v = value;
    return getSetCheckValue(false, control, v);
}

bool Zrl_DlgDesignerData::getComboValue(Zrl_DesignerControl& control, Zrl_String& value) {
    return getSetComboValue(true, control, value);
}

bool Zrl_DlgDesignerData::setComboValue(Zrl_DesignerControl& control, const Zrl_String& value) {
    Zrl_String v = value;
    return getSetComboValue(false, control, v);
}

bool Zrl_DlgDesignerData::getCtrlValue(int resourceId, Zrl_String& value) {
    Zrl_DesignerControl* control = getControlFromRes(resourceId);
    win::Window* window = control ? windowOf(getDlgPtr(), *control) : nullptr;
    if (!window) return false;
    if (control->type == ctCheckBox) return getCheckValue(*control, value);
    if (control->type == ctYesNoList) return getComboValue(*control, value);
    value = window->text();
    return true;
}

bool Zrl_DlgDesignerData::setCtrlValue(int resourceId, const Zrl_String& value) {
    Zrl_DesignerControl* control = getControlFromRes(resourceId);
    win::Window* window = control ? windowOf(getDlgPtr(), *control) : nullptr;
    if (!window) return false;
    switch (control->type) {
    case ctCheckBox: return setCheckValue(*control, value);
    case ctYesNoList: return setComboValue(*control, value);
    case ctExtButton:
    case ctExtCheckButton: return true; // their captions are the design's
    default: window->setText(value.str()); return true;
    }
}

bool Zrl_DlgDesignerData::setCtrlReadOnly(int resourceId, bool readOnlyState) {
    Zrl_DesignerControl* control = getControlFromRes(resourceId);
    if (!control || (control->type != ctEdit && control->type != ctCombo)) return false;
    win::Window* window = windowOf(getDlgPtr(), *control);
    if (!window) return false;
    if (window->isEnabled() == readOnlyState) window->enable(!readOnlyState);
    return true;
}

bool Zrl_DlgDesignerData::isADynControl(int resourceId) const {
    int index = -1;
    CControlRect* drawn = nullptr;
    return attached && findDrawnCtrlFromResource(resourceId, index, drawn);
}

bool Zrl_DlgDesignerData::getDynControlType(int resourceId, Zrl_ControlType& controlType) const {
    int index = -1;
    if (!findCtrlFromResource(resourceId, index)) return false;
    controlType = controls[index].type;
    return true;
}

bool Zrl_DlgDesignerData::isTypeBoltCount(int resourceId) const {
    Zrl_ControlType t = ctText;
    return getDynControlType(resourceId, t) && isBoltCountType(t);
}

bool Zrl_DlgDesignerData::setBtnIcon(Zrl_DesignerControl& control, int iconId) {
    if (!isButtonType(control.type) || control.resourceId == 0) return false;
    int index = -1;
    CControlRect* drawn = nullptr;
    if (!findDrawnCtrlFromResource(control.resourceId, index, drawn)) return false;
    if (flexIcon == 0) flexIcon = iconId; // loaded once for the model
    drawn->iconId = flexIcon;
    drawn->window()->modifyStyle(0, win::BS_ICON);
    return true;
}
