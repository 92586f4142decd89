// Layout of a designed dialog: pixels and fractions of the picture, adding,
// copying, removing, sizing and aligning the selected controls.
//
// Every operation that changes places needs the picture (pixels mean nothing
// without it): without one it refuses and leaves the fractions as stored.
#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "designer/dlg_designer_data.h"
#include "frame/dlg_prompt_string.h"
#include "platform/core/number_text.h"
#include "platform/core/numbered_texts.h"
#include "platform/host/command_line.h"
#include "platform/text/number.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"

#include <algorithm>
#include <cmath>

namespace {

// Whole pixels of a pixel value: rounded to the nearest, and kept within
// what a window coordinate can be.
int wholePixels(double pixels) {
    if (!std::isfinite(pixels)) return 0;
    const double r = ObjectExportRoundTo(pixels, 1.0);
    return static_cast<int>(std::clamp(r, -1.0e7, 1.0e7));
}

} // namespace

double Zrl_DlgDesignerData::factorToPixels(bool horizontal, double factor) const {
    return factor * (horizontal ? imageWidth : imageHeight);
}

double Zrl_DlgDesignerData::pixelsToFactor(bool horizontal, double pixels) const {
    const int size = horizontal ? imageWidth : imageHeight;
    return size > 0 ? pixels / size : 0.0;
}

int Zrl_DlgDesignerData::getTopLeftX(const Zrl_DesignerControl& c) const {
    return wholePixels(factorToPixels(true, c.topLeftX));
}
int Zrl_DlgDesignerData::getTopLeftY(const Zrl_DesignerControl& c) const {
    return wholePixels(factorToPixels(false, c.topLeftY));
}
int Zrl_DlgDesignerData::getBottomRightX(const Zrl_DesignerControl& c) const {
    return wholePixels(factorToPixels(true, c.bottomRightX));
}
int Zrl_DlgDesignerData::getBottomRightY(const Zrl_DesignerControl& c) const {
    return wholePixels(factorToPixels(false, c.bottomRightY));
}
void Zrl_DlgDesignerData::setTopLeftX(Zrl_DesignerControl& c, double pixels) const {
    if (hasImage()) c.topLeftX = pixelsToFactor(true, pixels);
}
void Zrl_DlgDesignerData::setTopLeftY(Zrl_DesignerControl& c, double pixels) const {
    if (hasImage()) c.topLeftY = pixelsToFactor(false, pixels);
}
void Zrl_DlgDesignerData::setBottomRightX(Zrl_DesignerControl& c, double pixels) const {
    if (hasImage()) c.bottomRightX = pixelsToFactor(true, pixels);
}
void Zrl_DlgDesignerData::setBottomRightY(Zrl_DesignerControl& c, double pixels) const {
    if (hasImage()) c.bottomRightY = pixelsToFactor(false, pixels);
}
int Zrl_DlgDesignerData::getWidth(const Zrl_DesignerControl& c) const {
    return getBottomRightX(c) - getTopLeftX(c);
}
int Zrl_DlgDesignerData::getHeight(const Zrl_DesignerControl& c) const {
    return getBottomRightY(c) - getTopLeftY(c);
}
void Zrl_DlgDesignerData::setWidth(Zrl_DesignerControl& c, double pixels) const {
    setBottomRightX(c, getTopLeftX(c) + pixels);
}
void Zrl_DlgDesignerData::setHeight(Zrl_DesignerControl& c, double pixels) const {
    setTopLeftY(c, getBottomRightY(c) - pixels);
}

win::Rect Zrl_DlgDesignerData::pixelRect(const Zrl_DesignerControl& c) const {
    return {getTopLeftX(c), getTopLeftY(c), getBottomRightX(c), getBottomRightY(c)};
}

void Zrl_DlgDesignerData::getCurSelIds(AcArray<int>& resourceIds) const {
    resourceIds.removeAll();
    if (!tracker) return;
    for (const CControlRect* drawn : tracker->selected())
        resourceIds.append(drawn->resourceId());
}

bool Zrl_DlgDesignerData::getSizeFromControl(int index) {
    if (!attached || !hasImage() || drawnControls.size() != static_cast<size_t>(controls.length()))
        return false;
    Zrl_DesignerControl* c = getControlWrite(index);
    if (!c) return false;
    const win::Rect r = drawnControls[static_cast<size_t>(index)]->trueRect();
    c->topLeftX = pixelsToFactor(true, r.left);
    c->topLeftY = pixelsToFactor(false, r.top);
    c->bottomRightX = pixelsToFactor(true, r.right);
    c->bottomRightY = pixelsToFactor(false, r.bottom);
    return true;
}

void Zrl_DlgDesignerData::getSizeFromAllControls() {
    for (int i = 0; i < controls.length(); ++i)
        getSizeFromControl(i);
}

void Zrl_DlgDesignerData::selectCtrls(const AcArray<int>& resourceIds) {
    if (!tracker) return;
    tracker->clearSelection();
    for (int id : resourceIds) {
        int index = -1;
        CControlRect* drawn = nullptr;
        if (findDrawnCtrlFromResource(id, index, drawn)) tracker->select(drawn);
    }
    if (win::Window* dlg = getDlgPtr()) dlg->invalidate();
}

void Zrl_DlgDesignerData::reselect(const AcArray<int>& resourceIds) {
    redrawAllControls();
    selectCtrls(resourceIds);
}

bool Zrl_DlgDesignerData::addNewControl(Zrl_ControlType controlType) {
    if (!windowsReady() || !hasImage()) return false;
    Zrl_DesignerControl control;
    control.type = controlType;
    control.contents = dialString(171);
    control.topLeftX = 0.2;
    control.topLeftY = 0.2;
    control.bottomRightX = 0.2 + pixelsToFactor(true, 30);
    control.bottomRightY = 0.2 + pixelsToFactor(false, 18);
    if (append(control) == 0) {
        controls.removeLast();
        return false;
    }
    return drawControl(controls[controls.length() - 1]);
}

bool Zrl_DlgDesignerData::copyCurCtrls() {
    AcArray<int> selected;
    getCurSelIds(selected);
    if (selected.isEmpty() || !windowsReady() || !hasImage()) return false;
    getSizeFromAllControls();
    AcArray<int> copies;
    for (int id : selected) {
        const Zrl_DesignerControl* from = getControlFromRes(id);
        if (!from) continue;
        Zrl_DesignerControl copy = *from;
        setTopLeftX(copy, getTopLeftX(copy) + 20);
        setTopLeftY(copy, getTopLeftY(copy) + 20);
        setBottomRightX(copy, getBottomRightX(copy) + 20);
        setBottomRightY(copy, getBottomRightY(copy) + 20);
        const int newId = append(copy);
        if (newId == 0) { // the identifiers are used up
            controls.removeLast();
            break;
        }
        copies.append(newId);
    }
    if (copies.isEmpty()) return false;
    reselect(copies);
    return true;
}

bool Zrl_DlgDesignerData::removeCurControls() {
    if (!tracker) return false;
    AcArray<int> selected; // a copy: removing changes the tracker's list
    getCurSelIds(selected);
    for (int id : selected) {
        int index = -1;
        if (id == 0 || !findCtrlFromResource(id, index)) continue;
        removeDrawnCtrlOnly(id);
        removeControl(index);
    }
    return true;
}

bool Zrl_DlgDesignerData::changeCtrlSize(bool horizontal) {
    AcArray<int> selected;
    getCurSelIds(selected);
    if (selected.isEmpty() || !windowsReady() || !hasImage()) return false;
    Zrl_DlgPromptString prompt(dialString(horizontal ? 90 : 744),
                               dialString(horizontal ? 825 : 826), horizontal ? L"30" : L"18",
                               dialString(1), dialString(2), getDlgPtr());
    if (!prompt.ask()) return false;
    bool ok = false;
    const double pixels = prompt.value().toDouble(&ok);
    if (!ok || !(pixels > 0.0) || pixels > 1.0e6) {
        win::messageBox(getDlgPtr(), dialString(874).str(), dialString(843).str(),
                        win::MB_OK | win::MB_ICONWARNING);
        return false;
    }
    getSizeFromAllControls();
    for (int id : selected) {
        int index = -1;
        if (findCtrlFromResource(id, index)) changeCtrlSize(index, horizontal, pixels);
    }
    reselect(selected);
    return true;
}

bool Zrl_DlgDesignerData::changeCtrlSize(int index, bool horizontal, double pixels) {
    Zrl_DesignerControl* c = getControlWrite(index);
    if (!c || !hasImage() || !std::isfinite(pixels)) return false;
    if (horizontal) {
        c->bottomRightX = c->topLeftX + pixelsToFactor(true, pixels);
    } else {
        c->bottomRightY = c->topLeftY + pixelsToFactor(false, pixels);
    }
    return true;
}

bool Zrl_DlgDesignerData::findMostLeftCtrl(const AcArray<int>& resourceIds, int& index) const {
    double bound = 100000.0;
    bool found = false;
    for (int id : resourceIds) {
        int i = -1;
        if (!findCtrlFromResource(id, i)) continue;
        const double left = getTopLeftX(controls[i]);
        if (left < bound) {
            bound = left;
            index = i;
            found = true;
        }
    }
    return found;
}

bool Zrl_DlgDesignerData::outlineCurCtrls() {
    AcArray<int> selected;
    getCurSelIds(selected);
    if (selected.isEmpty() || !windowsReady() || !hasImage()) return false;
    getSizeFromAllControls();
    int left = -1;
    if (!findMostLeftCtrl(selected, left)) return false;
    const int reference = getBottomRightY(controls[left]);
    for (int id : selected) {
        int i = -1;
        if (!findCtrlFromResource(id, i) || i == left) continue;
        Zrl_DesignerControl& c = controls[i];
        const int height = getHeight(c);
        setBottomRightY(c, reference);
        setTopLeftY(c, reference - height);
    }
    reselect(selected);
    return true;
}

bool Zrl_DlgDesignerData::stickRightCurCtrls() {
    AcArray<int> selected;
    getCurSelIds(selected);
    if (selected.length() != 2 || !windowsReady() || !hasImage()) return false;
    getSizeFromAllControls();
    int left = -1;
    if (!findMostLeftCtrl(selected, left)) return false;
    int other = -1;
    const int otherId = controls[left].resourceId == selected[0] ? selected[1] : selected[0];
    if (!findCtrlFromResource(otherId, other) || other == left) return false;
    const Zrl_DesignerControl l = controls[left];
    Zrl_DesignerControl& o = controls[other];
    const int width = getWidth(o);
    setTopLeftY(o, getBottomRightY(l) - getHeight(l));
    setTopLeftX(o, getBottomRightX(l));
    setBottomRightY(o, getBottomRightY(l));
    setBottomRightX(o, getBottomRightX(l) + width);
    reselect(selected);
    return true;
}

void Zrl_DlgDesignerData::printPositions() const {
    for (const Zrl_DesignerControl& c : controls) {
        acutPrintf(L"**** Control %ls ****\n", c.contents.c_str());
        acutPrintf(L"Left: %ls - Right: %ls\n", zrltext::fixedText(c.topLeftX, 6).c_str(),
                   zrltext::fixedText(c.bottomRightX, 6).c_str());
        acutPrintf(L"Top: %ls - Bottom: %ls\n", zrltext::fixedText(c.topLeftY, 6).c_str(),
                   zrltext::fixedText(c.bottomRightY, 6).c_str());
    }
    acutPrintf(L"********\n");
}
