// The Qt back end behind `zrlss dialog --gui`, when built with it: a plug-in
// of the command (libzrlss_gui.so in the library folder), loaded only here.
#include "gui.h"

#include "command.h"

#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace zrlss {

#if ZRLSS_WITH_QT

std::unique_ptr<GuiSession> startGui() {
    auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return !value || !*value;
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM"))
        throw Failure{"--gui: no display (set DISPLAY, or QT_QPA_PLATFORM=offscreen)"};
    // The plug-in's place relative to the command's, fixed at build time.
    std::error_code ec;
    const std::filesystem::path file = std::filesystem::read_symlink("/proc/self/exe", ec)
                                           .parent_path() /
                                       ZRLSS_GUI_FROM_PROGRAM / ZRLSS_GUI_PLUGIN;
    void* plugin = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!plugin) {
        const char* why = dlerror();
        throw Failure{std::string("--gui: cannot load the Qt back end: ") + (why ? why : "")};
    }
    // The plug-in stays loaded for the life of the process.
    auto start = reinterpret_cast<GuiSession* (*)()>(dlsym(plugin, "zrlss_gui_start"));
    GuiSession* session = start ? start() : nullptr;
    if (!session) throw Failure{"--gui: the Qt back end could not be started"};
    return std::unique_ptr<GuiSession>(session);
}

#else

std::unique_ptr<GuiSession> startGui() {
    throw Failure{"--gui: this zrlss was built without the Qt back end (-DZRLSS_QT=ON)"};
}

#endif

} // namespace zrlss
