// Tab order of a designed dialog in run mode: controls are taken row by row
// from the top, each row left to right, and Tab walks that order.
#include "designer/control_rect.h"
#include "designer/dlg_designer_data.h"
#include "platform/core/number_text.h"
#include "platform/win/constants.h"
#include "platform/win/edit.h"
#include "platform/win/script.h"

void Zrl_DlgDesignerData::sortAllControls() {
    AcArray<int> pending;
    for (int i = 0; i < controls.length(); ++i) {
        const Zrl_DesignerControl& c = controls[i];
        if (!c.readOnly && c.type != ctText && c.type != ctGroupBox) pending.append(i);
    }
    int counter = 1;
    while (!pending.isEmpty())
        sortNextRow(pending, counter);
}

void Zrl_DlgDesignerData::sortNextRow(AcArray<int>& pending, int& counter) {
    if (pending.isEmpty()) return;
    // The highest pending control opens the row; when none lies above the
    // bound (damaged factors) the first pending one does, so every call
    // takes at least one control.
    int opener = 0;
    double bound = 100.0;
    for (int p = 0; p < pending.length(); ++p) {
        const double top = controls[pending[p]].topLeftY;
        if (top < bound) {
            bound = top;
            opener = p;
        }
    }
    const double rowBottom = controls[pending[opener]].bottomRightY;
    AcArray<double> lefts;
    AcArray<int> row;
    AcArray<int> rest;
    for (int p = 0; p < pending.length(); ++p) {
        const Zrl_DesignerControl& c = controls[pending[p]];
        if (p == opener || c.topLeftY <= rowBottom) {
            row.append(pending[p]);
            lefts.append(c.topLeftX);
        } else {
            rest.append(pending[p]);
        }
    }
    ObjectExportSort(lefts, row);
    for (int index : row)
        controls[index].tabOrder = counter++;
    pending = rest;
}

bool Zrl_DlgDesignerData::findCtrlWithTabOrder(int order, int& index) const {
    for (int i = 0; i < controls.length(); ++i) {
        if (controls[i].tabOrder == order) {
            index = i;
            return true;
        }
    }
    return false;
}

bool Zrl_DlgDesignerData::containsEditableCtrls() const {
    for (const Zrl_DesignerControl& c : controls)
        if (!c.readOnly) return true;
    return false;
}

bool Zrl_DlgDesignerData::getFocusedDynControl(int& resourceId) const {
    win::Window* focus = win::Window::focus();
    win::Window* dlg = getDlgPtr();
    if (!focus || !dlg || focus->parent() != dlg || !isADynControl(focus->id())) return false;
    resourceId = focus->id();
    return true;
}

bool Zrl_DlgDesignerData::handleTabKey(int key, Zrl_TabMsgHandle& outcome) {
    outcome = tabNotHandled;
    int focusedId = 0;
    int index = -1;
    if (key != win::VK_TAB || !attached || !containsEditableCtrls() ||
        !getFocusedDynControl(focusedId) || !findCtrlFromResource(focusedId, index))
        return false;
    const int t = controls[index].tabOrder;
    int next = -1;
    if (win::getKeyState(win::VK_SHIFT) < 0) {
        if (t > 1 && findCtrlWithTabOrder(t - 1, next)) {
            setFocusToCtrl(next);
            outcome = tabMoved;
        } else {
            outcome = tabBeforeFirst;
        }
    } else if (findCtrlWithTabOrder(t + 1, next)) {
        setFocusToCtrl(next);
        outcome = tabMoved;
    } else {
        outcome = tabPastLast;
    }
    return true;
}

bool Zrl_DlgDesignerData::setFocusToCtrl(int index) {
    if (index < 0 || static_cast<size_t>(index) >= drawnControls.size()) return false;
    win::Control* window = drawnControls[static_cast<size_t>(index)]->window();
    if (!window || !window->setFocus()) return false;
    if (auto* edit = dynamic_cast<win::Edit*>(window)) edit->setSel(0, -1);
    return true;
}

bool Zrl_DlgDesignerData::setFocusToCtrl(bool first) {
    if (!containsEditableCtrls()) return false;
    int index = -1;
    if (first) {
        if (!findCtrlWithTabOrder(1, index)) return false;
    } else {
        int highest = 0;
        for (int i = 0; i < controls.length(); ++i) {
            if (controls[i].tabOrder > highest) {
                highest = controls[i].tabOrder;
                index = i;
            }
        }
        if (index < 0) return false;
    }
    setFocusToCtrl(index);
    return true;
}
