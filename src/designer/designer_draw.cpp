// Drawing a designed dialog's controls as windows over its picture.
#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "designer/designer_files.h"
#include "designer/dlg_designer_data.h"
#include "platform/core/dialog_services.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/win/combo_box.h"
#include "platform/win/constants.h"

#include <algorithm>
#include <cmath>

namespace {

struct WindowKind {
    const wchar_t* className;
    std::uint32_t style;
};

WindowKind windowKindOf(int type) {
    using namespace win;
    switch (controlTypeInfo(type).window) {
    case DesignWindow::GroupBox: return {L"BUTTON", BS_GROUPBOX};
    case DesignWindow::Edit: return {L"EDIT", WS_BORDER | ES_AUTOHSCROLL};
    case DesignWindow::MultiEdit: return {L"EDIT", WS_BORDER | ES_MULTILINE};
    case DesignWindow::PushButton: return {L"BUTTON", BS_PUSHBUTTON};
    case DesignWindow::EditCombo: return {L"COMBOBOX", WS_VSCROLL | CBS_DROPDOWN};
    case DesignWindow::ListCombo: return {L"COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST};
    case DesignWindow::FlexButton:
        return {L"BUTTON", BS_AUTOCHECKBOX | BS_PUSHLIKE | BS_ICON | 0x0C00u /* vcenter */};
    case DesignWindow::Static: break;
    }
    return {L"STATIC", SS_LEFT};
}

} // namespace

bool Zrl_DlgDesignerData::drawControl(Zrl_DesignerControl& control) {
    win::Window* dlg = getDlgPtr();
    if (!dlg) return false;
    win::Rect r = pixelRect(control);
    const WindowKind kind = windowKindOf(control.type);
    if (!designMode) {
        // A combo box's height includes its drop-down list.
        if (isComboWindowType(control.type) && r.height() < 200) r.bottom = r.top + 200;
        if (isBoltCountType(control.type)) {
            // Multi-line edits grow with large fonts.
            const double extra = 18.0 * designerTextScale() - 18.0;
            const double h = r.height();
            const double grown = extra > 0 ? std::ceil(h + extra / 1.6) : std::ceil(h);
            if (grown < 36 && grown > h) r.bottom = r.top + static_cast<int>(grown);
        }
    }
    auto drawn = std::make_unique<CControlRect>(r);
    const std::uint32_t style = win::WS_CHILD | win::WS_VISIBLE | kind.style;
    if (!drawn->create(kind.className, control.contents.str(), style, dlg, control.resourceId))
        return false;
    const bool isStatic = controlTypeInfo(control.type).window == DesignWindow::Static;
    if (control.readOnly || (designMode && !isStatic)) drawn->window()->enable(false);
    CControlRect* raw = drawn.release();
    drawnControls.push_back(raw);
    if (designMode && tracker) tracker->add(raw);

    if (isComboWindowType(control.type)) FillDesCombo(dlg, control);
    if (control.type == ctYesNoList) setComboValue(control, control.contents);
    if (control.type == ctCheckBox) setCheckValue(control, control.comboList);
    if (control.type == ctFlexButton) setBtnIcon(control, 239);
    return true;
}

void Zrl_DlgDesignerData::FillDesCombo(win::Window* dlg, Zrl_DesignerControl& control) const {
    if (!dlg || control.resourceId == 0) return;
    auto* combo = dynamic_cast<win::ComboBox*>(dlg->child(control.resourceId));
    if (!combo) return;
    Zrl_StringArray items;
    if (control.type == ctYesNoList) {
        for (int text : {1395, 1396, 1397, 1398, 695})
            items.append(dialString(text));
    } else if (!control.comboItems.isEmpty()) {
        items = control.comboItems;
    } else {
        const Zrl_String folder =
            name.isEmpty() ? Zrl_String() : getPath(getDesignerRootFolder() + name);
        if (redrawLists) {
            auto [at, added] = redrawLists->try_emplace(control.comboList);
            if (added) control.getComboItemsFromFile(at->second, folder);
            items = at->second;
        } else {
            control.getComboItemsFromFile(items, folder);
        }
    }
    if (items.isEmpty()) return;
    FillCombo(dlg, control.resourceId, items);
    if (control.type == ctYesNoList) return;
    for (int i = 0; i < items.length(); ++i) {
        if (items[i].equal(control.contents, false)) {
            combo->setCurSel(i);
            return;
        }
    }
    combo->setText(control.contents.str());
}

bool Zrl_DlgDesignerData::findDrawnCtrlFromResource(int resourceId, int& index,
                                                    CControlRect*& drawn) const {
    if (resourceId == 0) return false;
    for (size_t i = 0; i < drawnControls.size(); ++i) {
        if (drawnControls[i]->resourceId() == resourceId) {
            index = static_cast<int>(i);
            drawn = drawnControls[i];
            return true;
        }
    }
    return false;
}

bool Zrl_DlgDesignerData::removeDrawnCtrlOnly(int resourceId) {
    if (!tracker) return false;
    int index = -1;
    CControlRect* drawn = nullptr;
    if (!findDrawnCtrlFromResource(resourceId, index, drawn)) return false;
    tracker->remove(drawn);
    drawnControls.erase(drawnControls.begin() + index);
    delete drawn;
    return true;
}

void Zrl_DlgDesignerData::removeAllDrawnCtrls() {
    if (tracker) tracker->clearSelection();
    // Every drawn window goes, also those of controls without an
    // identifier, and also in run mode (a redraw must not leave two windows
    // for one control).
    for (CControlRect* drawn : drawnControls) {
        if (tracker) tracker->remove(drawn);
        delete drawn;
    }
    drawnControls.clear();
}

void Zrl_DlgDesignerData::redrawAllControls() {
    if (!designMode) sortAllControls();
    if (tracker) tracker->clearSelection();
    removeAllDrawnCtrls();
    redrawLists.emplace();
    for (Zrl_DesignerControl& control : controls)
        drawControl(control);
    redrawLists.reset();
}
