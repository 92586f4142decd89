#include "platform/core/dialog_sizes.h"

#include "platform/core/files.h"
#include "platform/core/properties_list.h"
#include "platform/core/settings.h"
#include "platform/win/window.h"

#include <algorithm>

namespace {

constexpr int kMinSide = 50;

Zrl_String storePath() {
    return Zrl_Settings::configDir() + L"dialogs.txt";
}

// The store as it is on disk. False when it exists but cannot be read: it
// must then not be overwritten.
bool loadStore(Zrl_PropertiesList& store) {
    ErrorStatus es = store.readFromFile(storePath());
    if (es == Acad::eOk) return true;
    return es == Acad::eFileNotFound && !fileExists(storePath());
}

bool saveStore(const Zrl_PropertiesList& store) {
    return ObjectExportCreateDirectory(Zrl_Settings::configDir()) &&
           store.writeToFile(storePath()) == Acad::eOk;
}

} // namespace

bool getDlgSize(win::Window* dlg, int& width, int& height) {
    if (!dlg) return false;
    width = dlg->rect().width();
    height = dlg->rect().height();
    return true;
}

bool readStoredDlgSize(const Zrl_String& name, int& width, int& height) {
    Zrl_PropertiesList store;
    if (name.isEmpty() || !loadStore(store)) return false;
    int w = 0, h = 0;
    if (store.getProperty(name + L".width", w) != Acad::eOk ||
        store.getProperty(name + L".height", h) != Acad::eOk)
        return false;
    width = w;
    height = h;
    return true;
}

bool ChangeDlgSize(win::Window* dlg, const Zrl_String& name, int minWidth, int minHeight) {
    int w = 0, h = 0;
    if (!dlg || !readStoredDlgSize(name, w, h)) return false;
    w = std::max(w, minWidth);
    h = std::max(h, minHeight);
    getSafeDlgSize(w, h);
    const win::Rect r = dlg->rect();
    dlg->setRect({r.left, r.top, r.left + w, r.top + h});
    return true;
}

bool WriteDlgSize(win::Window* dlg, const Zrl_String& name) {
    Zrl_PropertiesList store;
    if (!dlg || name.isEmpty() || !loadStore(store)) return false;
    store.setProperty(name + L".width", dlg->rect().width());
    store.setProperty(name + L".height", dlg->rect().height());
    return saveStore(store);
}

bool getSafeDlgSize(int& width, int& height) {
    win::Rect frame = win::mainWindow().rect();
    int maxW = frame.width() > 0 ? frame.width() : 1920;
    int maxH = frame.height() > 0 ? frame.height() : 1080;
    maxW = std::max(maxW, kMinSide);
    maxH = std::max(maxH, kMinSide);
    const int w = std::clamp(width, kMinSide, maxW);
    const int h = std::clamp(height, kMinSide, maxH);
    const bool changed = w != width || h != height;
    width = w;
    height = h;
    return changed;
}

bool readDlgRegBool(const Zrl_String& name, const Zrl_String& key, bool defaultValue) {
    Zrl_PropertiesList store;
    int value = 0;
    if (!loadStore(store) || store.getProperty(name + L"\\" + key, value) != Acad::eOk)
        return defaultValue;
    return value != 0;
}

bool writeDlgRegBool(const Zrl_String& name, const Zrl_String& key, bool value) {
    Zrl_PropertiesList store;
    if (name.isEmpty() || !loadStore(store)) return false;
    store.setProperty(name + L"\\" + key, value ? 1 : 0);
    return saveStore(store);
}
