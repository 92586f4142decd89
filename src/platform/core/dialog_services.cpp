#include "platform/core/dialog_services.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/text_helpers.h"
#include "platform/text/fold.h"
#include "platform/win/win.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

Zrl_String fileFilter(const Zrl_String& extension, const Zrl_String& fileType) {
    Zrl_String ext = extension.startsWith(L".", true) ? extension.getSubStringAt(1) : extension;
    Zrl_String filter;
    if (!ext.isEmpty()) {
        filter = fileType + L" (*." + ext + L")|*." + ext + L"|";
    }
    return filter + L"All files (*.*)|*.*||";
}

win::FileDialogRequest request(bool save, const Zrl_String& extension, const Zrl_String& fileType,
                               const Zrl_String& title, const Zrl_String& startFolder,
                               win::Window* parent) {
    win::FileDialogRequest r;
    r.save = save;
    r.parent = parent;
    r.title = title.str();
    r.filter = fileFilter(extension, fileType).str();
    r.defaultExt =
        extension.startsWith(L".", true) ? extension.getSubStringAt(1).str() : extension.str();
    r.initialDir = startFolder.str();
    return r;
}

// A sorted box places each item after the items equal to it. Given in that
// order already (a stable sort by the box's own rule), each item goes to the
// end, and a long list fills without moving what it holds at every step.
template <class Box> bool fill(Box* box, const Zrl_StringArray& items, std::uint32_t sortStyle) {
    if (!box) return false;
    box->resetContent();
    std::vector<const Zrl_String*> order;
    order.reserve(static_cast<size_t>(items.length()));
    for (const Zrl_String& item : items)
        order.push_back(&item);
    if (box->style() & sortStyle)
        std::stable_sort(order.begin(), order.end(), [](const Zrl_String* a, const Zrl_String* b) {
            return zrltext::compareNoCase(a->str(), b->str()) < 0;
        });
    for (const Zrl_String* item : order)
        box->addString(item->str());
    return true;
}

} // namespace

bool DlgOpenSave(bool open, const Zrl_String& extension, const Zrl_String& fileType,
                 const Zrl_String& title, const Zrl_String& startFolder, Zrl_String& path,
                 win::Window* parent) {
    win::FileDialogRequest r = request(!open, extension, fileType, title, startFolder, parent);
    r.fileName = path.str();
    win::FileDialogResult answer = win::fileDialog(r);
    if (!answer.ok || answer.path().empty()) return false;
    // A file to open must exist; the module's paths are checked the module's
    // way (separators and case as paths.h maps them).
    if (open && !fileExists(Zrl_String(answer.path()))) return false;
    path = Zrl_String(answer.path());
    return true;
}

bool DlgOpenMulti(bool mustExist, const Zrl_String& extension, const Zrl_String& fileType,
                  const Zrl_String& title, const Zrl_String& startFolder, Zrl_StringArray& paths,
                  win::Window* parent) {
    win::FileDialogRequest r = request(false, extension, fileType, title, startFolder, parent);
    r.multiSelect = true;
    // Folders may be chosen too: nothing is added to the chosen names.
    r.defaultExt.clear();
    win::FileDialogResult answer = win::fileDialog(r);
    if (!answer.ok) return false;
    Zrl_StringArray chosen;
    for (const std::wstring& p : answer.paths) {
        if (mustExist && !fileExists(p) && !folderExists(p)) continue;
        chosen.append(Zrl_String(p));
    }
    if (chosen.isEmpty()) return false;
    paths = std::move(chosen);
    return true;
}

bool FillCombo(win::Window* dlg, int id, const Zrl_StringArray& items) {
    return fill(dlg ? dynamic_cast<win::ComboBox*>(dlg->child(id)) : nullptr, items, win::CBS_SORT);
}

bool FillList(win::Window* dlg, int id, const Zrl_StringArray& items) {
    return fill(dlg ? dynamic_cast<win::ListBox*>(dlg->child(id)) : nullptr, items, win::LBS_SORT);
}

bool ShowOrHideCtrl(win::Window* dlg, int id, bool show) {
    win::Window* ctrl = dlg ? dlg->child(id) : nullptr;
    if (!ctrl) return false;
    ctrl->show(show);
    return true;
}

bool EnDisCtrl(win::Window* dlg, int id, bool enable) {
    win::Window* ctrl = dlg ? dlg->child(id) : nullptr;
    if (!ctrl) return false;
    ctrl->enable(enable);
    return true;
}

bool resizeCtrl(win::Window* dlg, int id, int delta, int side) {
    win::Window* ctrl = dlg ? dlg->child(id) : nullptr;
    if (!ctrl || side < 0 || side > 3) return false;
    win::Rect r = ctrl->rect();
    switch (side) {
    case 0:
        r.top = std::min(r.top - delta, r.bottom);
        break;
    case 1:
        r.bottom = std::max(r.bottom + delta, r.top);
        break;
    case 2:
        r.left = std::min(r.left - delta, r.right);
        break;
    default:
        r.right = std::max(r.right + delta, r.left);
        break;
    }
    ctrl->setRect(r);
    return true;
}

int getCtrlHeight(win::Window* dlg, int id) {
    win::Window* ctrl = dlg ? dlg->child(id) : nullptr;
    return ctrl ? ctrl->rect().height() : 0;
}

bool warnInvalidFileName(const Zrl_String& name, win::Window* parent) {
    if (!hasInvalidFileNameChars(name)) return false;
    win::messageBox(parent,
                    (L"\"" + name +
                     L"\"\nA name may not hold any of these characters:\n"
                     L"\\ / : * ? \" < > |")
                        .str(),
                    L"Invalid name", win::MB_OK | win::MB_ICONEXCLAMATION);
    return true;
}
