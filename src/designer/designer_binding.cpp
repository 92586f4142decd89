// Binding a designed dialog to a dialog window: the canvas's mouse and
// painting, and the designer's property panel for the selected control.
#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "designer/dlg_designer_data.h"
#include "platform/core/dialog_services.h"
#include "platform/win/combo_box.h"

namespace {

enum Panel { kTypeList, kContentsCaption, kContentsField, kListCaption, kListField };

} // namespace

bool Zrl_DlgDesignerData::initialize(win::Window* dlg, int firstId, int lastId, int typeListId,
                                     int contentsCaptionId, int contentsFieldId,
                                     int listCaptionId, int listFieldId, bool inDesignMode) {
    if (!dlg) return false;
    dlgHandle = dlg->handle();
    firstResourceId = firstId;
    lastResourceId = lastId;
    attached = true;
    designMode = inDesignMode;
    if (!designMode) return true;
    if (!tracker) tracker = new CControlTracker(dlg);
    tracker->setCanvas(dlg);
    const int ids[5] = {typeListId, contentsCaptionId, contentsFieldId, listCaptionId, listFieldId};
    for (int i = 0; i < 5; ++i)
        panelIds[i] = ids[i];
    FillCombo(dlg, panelIds[kTypeList], controlTypeNames());
    updatePropsOfCurSel();
    return true;
}

void Zrl_DlgDesignerData::OnLButtonDown(win::WPARAM flags, win::Point point) {
    if (tracker) tracker->OnLButtonDown(flags, point, true);
}

bool Zrl_DlgDesignerData::OnSetCursor(win::Point point) {
    if (!tracker) return false;
    for (const CControlRect* drawn : drawnControls)
        if (drawn->SetCursor(getDlgPtr(), point)) return true;
    return false;
}

void Zrl_DlgDesignerData::OnPaint(win::Bitmap& canvas) const {
    if (tracker) tracker->drawSelected(canvas);
}

int Zrl_DlgDesignerData::OnEraseBkgnd(win::Bitmap& canvas) const {
    if (!attached) return 0;
    if (designMode) canvas.fill(win::rgb(240, 240, 240)); // the button face
    // The picture with white transparent: where the mask is white the
    // canvas shows through.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (mask.pixel(x, y).r == 0) canvas.setPixel(x, y, image.pixel(x, y));
    return 0;
}

int Zrl_DlgDesignerData::getCurSel() const {
    if (!tracker || tracker->selected().size() != 1) return -1;
    const CControlRect* drawn = tracker->selected().front();
    for (size_t i = 0; i < drawnControls.size(); ++i)
        if (drawnControls[i] == drawn) return static_cast<int>(i);
    return -1;
}

void Zrl_DlgDesignerData::updatePropsOfCurSel() {
    if (!tracker) return;
    updatingProps = true;
    updateProps(getCurSel());
    updatingProps = false;
}

void Zrl_DlgDesignerData::updateProps(int index) {
    win::Window* dlg = getDlgPtr();
    if (!designMode || !dlg) return;
    auto setText = [&](int panel, const Zrl_String& text) {
        if (win::Window* w = dlg->child(panelIds[panel])) w->setText(text.str());
    };
    auto* typeList = dynamic_cast<win::ComboBox*>(dlg->child(panelIds[kTypeList]));
    const Zrl_DesignerControl* c = getControl(index);
    const bool one = c != nullptr;
    if (typeList) typeList->setCurSel(one && isKnownControlType(c->type) ? c->type : -1);
    setText(kContentsCaption, one ? controlContentsCaption(c->type) : Zrl_String());
    setText(kContentsField, one ? c->contents : Zrl_String());
    for (Panel p : {kTypeList, kContentsCaption, kContentsField})
        EnDisCtrl(dlg, panelIds[p], one);
    const bool list = one && controlTypeInfo(c->type).list != ListUse::None &&
                      isKnownControlType(c->type);
    setText(kListCaption, list ? controlListHint(c->type) : Zrl_String());
    setText(kListField, list ? c->getMergedExtComboList() : Zrl_String());
    EnDisCtrl(dlg, panelIds[kListCaption], list);
    EnDisCtrl(dlg, panelIds[kListField], list);
}

void Zrl_DlgDesignerData::readProps(int index) {
    win::Window* dlg = getDlgPtr();
    Zrl_DesignerControl* c = getControlWrite(index);
    if (!designMode || !dlg || !c) return;
    if (auto* typeList = dynamic_cast<win::ComboBox*>(dlg->child(panelIds[kTypeList])))
        if (typeList->getCurSel() >= 0) c->type = static_cast<Zrl_ControlType>(typeList->getCurSel());
    if (win::Window* field = dlg->child(panelIds[kContentsField])) c->contents = field->text();
    // A disabled list field shows nothing: the stored list text stays.
    win::Window* list = dlg->child(panelIds[kListField]);
    if (list && list->isEnabled()) c->setSplitExtComboList(list->text());
}

bool Zrl_DlgDesignerData::propsOfCurSelUpdated() {
    if (!tracker || updatingProps || !designMode) return false;
    const int index = getCurSel();
    if (index < 0) return false;
    const Zrl_DesignerControl before = controls[index];
    readProps(index);
    const Zrl_DesignerControl& after = controls[index];
    bool changed = false;
    if (!after.contents.equal(before.contents, true)) {
        if (win::Control* w = drawnControls[static_cast<size_t>(index)]->window()) {
            w->setText(after.contents.str());
            w->invalidate();
        }
        changed = true;
    }
    if (after.getMergedExtComboList() != before.getMergedExtComboList()) changed = true;
    if (after.type != before.type) {
        getSizeFromAllControls();
        redrawAllControls();
        AcArray<int> ids;
        ids.append(after.resourceId);
        selectCtrls(ids);
        changed = true;
    }
    return changed;
}
