// Dialog sizes and switches remembered by name across runs (syntax of the
// store in docs/core-files.md: "dialogs.txt" in Zrl_Settings::configDir()).
//
// Sizes are the dialog window's outer size in pixels.
#pragma once

#include "platform/core/zrl_string.h"

namespace win {
class Window;
}

// The window's current size; false (values unchanged) for a null window.
bool getDlgSize(win::Window* dlg, int& width, int& height);
// Gives the window the size stored under `name`, kept at least
// minWidth x minHeight and made safe with getSafeDlgSize; its top-left corner
// stays. False (window unchanged) when nothing is stored under the name.
bool ChangeDlgSize(win::Window* dlg, const Zrl_String& name, int minWidth = 0, int minHeight = 0);
// Stores the window's current size under `name`. False when it could not be
// stored (the store is then unchanged).
bool WriteDlgSize(win::Window* dlg, const Zrl_String& name);
// Adjusts a size so that a window of it fits the host's main window (or
// 1920 x 1080 when that has no size) and is at least 50 x 50 pixels. True
// when the size was changed.
bool getSafeDlgSize(int& width, int& height);

// A yes/no switch stored under a dialog's name; `defaultValue` when none is
// stored.
bool readDlgRegBool(const Zrl_String& name, const Zrl_String& key, bool defaultValue = false);
bool writeDlgRegBool(const Zrl_String& name, const Zrl_String& key, bool value);

// The stored size under `name`, without a window; false when none is stored.
bool readStoredDlgSize(const Zrl_String& name, int& width, int& height);
