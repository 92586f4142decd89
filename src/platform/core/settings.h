// The core module's settings: the library folder, the installation folder
// and the work language, one set for the whole process; and the settings of
// the current document.
//
// Sources, later ones winning: the built-in defaults (the installation folder
// compiled into the library, the example library, "English"), the
// environment (ZRL_LIB_DIR, ZRL_DIR, ZRL_LANGUAGE, ZRL_CONFIG_DIR and
// ZRL_STANDARDS_DIAGNOSTICS=1), and the setters (the zrlss command's options,
// test fixtures).
//
// Folder paths are returned ending in "\" (the module appends "Connection
// Standards\" and the like); see paths.h for how such paths reach the disk.
#pragma once

#include "platform/core/zrl_string.h"

class Zrl_Settings {
public:
    // The library folder (standards, sections, dialog templates, stock files).
    static Zrl_String libDir();
    // The installation folder (numbered texts, icons).
    static Zrl_String zrlDir();
    // The name of the language the user works in ("English"): the numbered
    // texts are read from zrlDir() + "texts\" + language + ".txt".
    static Zrl_String workLanguage();
    // The folder for the user's own remembered settings (dialog sizes):
    // ZRL_CONFIG_DIR, else $XDG_CONFIG_HOME/zrlss, else ~/.config/zrlss.
    static Zrl_String configDir();

    // An empty folder or language restores the default.
    static void setLibDir(const Zrl_String& folder);
    static void setZrlDir(const Zrl_String& folder);
    static void setWorkLanguage(const Zrl_String& language);
    static void setConfigDir(const Zrl_String& folder);

    // Reads the environment variables again (overriding earlier setters).
    static void loadFromEnvironment();
    // Back to the built-in defaults, ignoring the environment.
    static void resetToDefaults();
};

// The settings of the current document.
struct Zrl_DocSettings {
    // Show the standards engine's diagnostic messages (variables that could
    // not be fetched, failed equations, invalid tolerances).
    bool standardsDiagnostics = false;
};

// The current document's settings (one per process in this stand-in).
Zrl_DocSettings& curDocSettings();
