// Loading a sheet for a subcommand, with the one-line reason on failure.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/spread/sheet.h"

#include <iostream>
#include <string>

namespace zrlss {

// UTF-8 text of a wide message, for the terminal.
inline std::string utf8(const std::wstring& text) {
    return Zrl_String(text).toUtf8();
}

// Loads `path` into `sheet`; on failure prints "zrlss CMD: cannot load PATH:
// REASON" to standard error and returns false.
inline bool loadSheetOrSay(spread::Sheet& sheet, const std::string& path, const char* cmd) {
    std::wstring why;
    if (sheet.load(path, &why)) return true;
    std::cerr << "zrlss " << cmd << ": cannot load " << path << ": " << utf8(why) << "\n";
    return false;
}

} // namespace zrlss
