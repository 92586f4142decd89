// Flex buttons (type 30): push-like check buttons grouped by the first part
// of their list text.
#include "designer/dlg_designer_data.h"
#include "platform/core/dialog_services.h"
#include "platform/win/button.h"
#include "platform/win/constants.h"

namespace {

bool inGroup(const Zrl_DesignerControl& c, const Zrl_String& group) {
    return c.type == ctFlexButton && c.flexGroup.equal(group, false);
}

} // namespace

bool Zrl_DlgDesignerData::getFlexBtnsInGroup(const Zrl_String& group, AcArray<int>& all,
                                             AcArray<int>& withThirdPart) const {
    all.removeAll();
    withThirdPart.removeAll();
    if (group.isEmpty()) return true;
    for (int i = 0; i < controls.length(); ++i) {
        if (!inGroup(controls[i], group)) continue;
        all.append(i);
        if (!controls[i].flexField3.isEmpty()) withThirdPart.append(i);
    }
    return true;
}

void Zrl_DlgDesignerData::getFlexBtnsGroups(Zrl_StringArray& groups) const {
    groups.removeAll();
    for (const Zrl_DesignerControl& c : controls)
        if (c.type == ctFlexButton && !groups.contains(c.flexGroup, false)) groups.append(c.flexGroup);
}

bool Zrl_DlgDesignerData::findFlexButton(const Zrl_String& group, const Zrl_String& contents,
                                         int& index) const {
    for (int i = 0; i < controls.length(); ++i) {
        if (inGroup(controls[i], group) && controls[i].contents == contents) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Zrl_DlgDesignerData::getAllFlexVarsOfGroup(const Zrl_String& group,
                                                Zrl_StringArray& contentsList) const {
    contentsList.removeAll();
    for (const Zrl_DesignerControl& c : controls)
        if (inGroup(c, group)) contentsList.append(c.contents);
    return true;
}

bool Zrl_DlgDesignerData::getFlexBtnGroupName(int resourceId, Zrl_String& group,
                                              Zrl_String& contents) const {
    int index = -1;
    if (!findCtrlFromResource(resourceId, index) || controls[index].type != ctFlexButton)
        return false;
    group = controls[index].flexGroup;
    contents = controls[index].contents;
    return true;
}

bool Zrl_DlgDesignerData::getSetFlexBtnStatus(bool set, int index, int& status) {
    Zrl_DesignerControl* c = getControlWrite(index);
    if (!c || c->type != ctFlexButton) return false;
    win::Button* button = c->getButtonPtr(getDlgPtr());
    if (!button) return false;
    if (set) {
        if (status == win::BST_INDETERMINATE) status = win::BST_UNCHECKED;
        button->setCheck(status);
    } else {
        status = button->checkState();
    }
    return true;
}

bool Zrl_DlgDesignerData::getFlexBtnStatus(int index, int& status) {
    return getSetFlexBtnStatus(false, index, status);
}

bool Zrl_DlgDesignerData::setFlexBtnStatus(const Zrl_String& group, const Zrl_String& contents,
                                           int status) {
    int index = -1;
    return findFlexButton(group, contents, index) && getSetFlexBtnStatus(true, index, status);
}

bool Zrl_DlgDesignerData::hideAllFlexBtns(const Zrl_String& group) {
    win::Window* dlg = getDlgPtr();
    if (!dlg) return false;
    for (const Zrl_DesignerControl& c : controls)
        if (inGroup(c, group) && c.resourceId != 0) ShowOrHideCtrl(dlg, c.resourceId, false);
    return true;
}
