#include "platform/core/settings.h"

#include "platform/core/paths.h"

#include <cstdlib>

namespace {

struct State {
    Zrl_String libDir, zrlDir, language, configDir;
    Zrl_DocSettings doc;
    State() { loadEnvironment(); }

    void loadEnvironment() {
        if (const char* v = std::getenv("ZRL_LIB_DIR"); v && *v) libDir = Zrl_String::fromUtf8(v);
        if (const char* v = std::getenv("ZRL_DIR"); v && *v) zrlDir = Zrl_String::fromUtf8(v);
        if (const char* v = std::getenv("ZRL_LANGUAGE"); v && *v)
            language = Zrl_String::fromUtf8(v);
        if (const char* v = std::getenv("ZRL_CONFIG_DIR"); v && *v)
            configDir = Zrl_String::fromUtf8(v);
        if (const char* v = std::getenv("ZRL_STANDARDS_DIAGNOSTICS"); v && *v)
            doc.standardsDiagnostics = Zrl_String::fromUtf8(v).trimmed() == L"1";
    }
};

State& state() {
    static State s;
    return s;
}

Zrl_String folderText(const Zrl_String& folder) {
    return ensureEndBSlash(folder);
}

} // namespace

Zrl_String Zrl_Settings::libDir() {
    static const Zrl_String example = folderText(Zrl_String::fromUtf8(ZRLSS_EXAMPLE_LIBRARY));
    const Zrl_String& v = state().libDir;
    return v.isEmpty() ? example : folderText(v);
}

Zrl_String Zrl_Settings::zrlDir() {
    static const Zrl_String resources = folderText(Zrl_String::fromUtf8(ZRLSS_RESOURCE_DIR));
    const Zrl_String& v = state().zrlDir;
    return v.isEmpty() ? resources : folderText(v);
}

Zrl_String Zrl_Settings::workLanguage() {
    const Zrl_String& v = state().language;
    return v.isEmpty() ? Zrl_String(L"English") : v;
}

Zrl_String Zrl_Settings::configDir() {
    const Zrl_String& v = state().configDir;
    if (!v.isEmpty()) return folderText(v);
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return folderText(Zrl_String::fromUtf8(xdg)) + L"zrlss\\";
    if (const char* home = std::getenv("HOME"); home && *home)
        return folderText(Zrl_String::fromUtf8(home)) + L".config\\zrlss\\";
    return Zrl_String(L".zrlss\\");
}

void Zrl_Settings::setLibDir(const Zrl_String& folder) {
    state().libDir = folder;
}
void Zrl_Settings::setZrlDir(const Zrl_String& folder) {
    state().zrlDir = folder;
}
void Zrl_Settings::setWorkLanguage(const Zrl_String& language) {
    state().language = language.trimmed();
}
void Zrl_Settings::setConfigDir(const Zrl_String& folder) {
    state().configDir = folder;
}

void Zrl_Settings::loadFromEnvironment() {
    state().loadEnvironment();
}

void Zrl_Settings::resetToDefaults() {
    State& s = state();
    s.libDir = s.zrlDir = s.language = s.configDir = Zrl_String();
    s.doc = Zrl_DocSettings();
}

Zrl_DocSettings& curDocSettings() {
    return state().doc;
}
