// The model of a designed dialog: its controls, their identifiers and
// look-ups, and its life (a model is used in place, never copied).
#include "designer/dlg_designer_data.h"

#include <vector>

namespace {

double gTextScale = 1.0;

} // namespace

double designerTextScale() {
    return gTextScale;
}

void setDesignerTextScale(double scale) {
    gTextScale = scale > 0.0 ? scale : 1.0;
}

int Zrl_DlgDesignerData::append(const Zrl_DesignerControl& control) {
    Zrl_DesignerControl copy = control;
    copy.resourceId = 0;
    const int first = firstResourceId;
    const int last = lastResourceId;
    if (first > 0 && last >= first) {
        std::vector<bool> taken(static_cast<size_t>(last - first) + 1, false);
        int free = static_cast<int>(taken.size());
        for (const Zrl_DesignerControl& c : controls) {
            if (c.resourceId >= first && c.resourceId <= last &&
                !taken[static_cast<size_t>(c.resourceId - first)]) {
                taken[static_cast<size_t>(c.resourceId - first)] = true;
                if (--free == 0) break;
            }
        }
        for (size_t i = 0; i < taken.size() && free > 0; ++i) {
            if (!taken[i]) {
                copy.resourceId = first + static_cast<int>(i);
                break;
            }
        }
    }
    controls.append(copy);
    return copy.resourceId;
}

const Zrl_DesignerControl* Zrl_DlgDesignerData::getControl(int index) const {
    return index >= 0 && index < controls.length() ? &controls[index] : nullptr;
}

Zrl_DesignerControl* Zrl_DlgDesignerData::getControlWrite(int index) {
    return index >= 0 && index < controls.length() ? &controls[index] : nullptr;
}

Zrl_DesignerControl* Zrl_DlgDesignerData::getControlFromRes(int resourceId) {
    int index = -1;
    return findCtrlFromResource(resourceId, index) ? &controls[index] : nullptr;
}

bool Zrl_DlgDesignerData::findCtrlFromResource(int resourceId, int& index) const {
    if (resourceId < 1) return false;
    for (int i = 0; i < controls.length(); ++i) {
        if (controls[i].resourceId == resourceId) {
            index = i;
            return true;
        }
    }
    return false;
}

void Zrl_DlgDesignerData::removeControl(int index) {
    controls.removeAt(index);
}

void Zrl_DlgDesignerData::getAllCtrlNames(Zrl_StringArray& names) const {
    names.setLogicalLength(0);
    for (const Zrl_DesignerControl& c : controls)
        if (c.type == ctEdit) names.append(c.contents);
}

bool Zrl_DlgDesignerData::findEditCtrlWithContents(const Zrl_String& text, int& index) const {
    for (int i = 0; i < controls.length(); ++i) {
        const Zrl_DesignerControl& c = controls[i];
        if ((c.type == ctEdit || c.type == ctCombo) && c.contents.equal(text, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

void Zrl_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = attached ? imageWidth : 0;
    height = attached ? imageHeight : 0;
}

win::Window* Zrl_DlgDesignerData::getDlgPtr() const {
    return attached ? win::Window::fromHandle(dlgHandle) : nullptr;
}

bool Zrl_DlgDesignerData::windowsReady() const {
    return getDlgPtr() != nullptr;
}
