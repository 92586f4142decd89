// Loading a sheet for a subcommand, with the one-line reason on failure.
#pragma once

#include "command.h"
#include "platform/core/zrl_string.h"
#include "platform/spread/sheet.h"
#include "platform/spread/workbook.h"

#include <iostream>
#include <string>

namespace zrlss {

// UTF-8 text of a wide message, for the terminal.
inline std::string utf8(const std::wstring& text) {
    return Zrl_String(text).toUtf8();
}

// Loads `path` (a workbook's sheet chosen by "#NAME" at its end) into
// `sheet`; on failure prints "zrlss CMD: cannot load PATH: REASON" to
// standard error and returns false. Each cell the load kept but not as the
// file meant it (a formula that does not parse, an unknown function, another
// sheet) is printed to standard error as "zrlss CMD: warning: ..."; with
// `strict` such a cell fails the load.
inline bool loadSheetOrSay(spread::Sheet& sheet, const std::string& path, const char* cmd,
                           bool strict = false) {
    Doing loading("loading " + path);
    std::wstring why;
    spread::LoadReport report;
    if (!spread::loadSheetFile(sheet, path, &report, &why)) {
        std::cerr << "zrlss " << cmd << ": cannot load " << path << ": " << utf8(why) << "\n";
        return false;
    }
    for (const spread::LoadWarning& w : report.warnings) {
        std::cerr << "zrlss " << cmd << ": " << (strict ? "error" : "warning") << ": ";
        if (!w.sheet.empty()) std::cerr << utf8(w.sheet) << "!";
        std::cerr << utf8(spread::columnName(w.col)) << w.row << "  " << utf8(w.formula) << "  "
                  << utf8(w.reason) << "\n";
    }
    return !strict || report.warnings.empty();
}

} // namespace zrlss
