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

// Prints each cell the load of a sheet kept but not as the file meant it (a
// formula that does not parse, an unknown function, another sheet) to
// standard error as "zrlss CMD: warning: [WHERE: ]CELL  FORMULA  REASON"
// ("error" when `strict`); false when there was one and `strict`.
inline bool sayLoadWarnings(const spread::LoadReport& report, const char* cmd, bool strict,
                            const std::string& where = std::string()) {
    for (const spread::LoadWarning& w : report.warnings) {
        std::cerr << "zrlss " << cmd << ": " << (strict ? "error" : "warning") << ": ";
        if (!where.empty()) std::cerr << where << ": ";
        if (!w.sheet.empty()) std::cerr << utf8(w.sheet) << "!";
        std::cerr << utf8(spread::columnName(w.col)) << w.row << "  " << utf8(w.formula) << "  "
                  << utf8(w.reason) << "\n";
    }
    return !strict || report.warnings.empty();
}

// Loads `path` (a workbook's sheet chosen by "#NAME" at its end) into
// `sheet`; on failure prints "zrlss CMD: cannot load PATH: REASON" to
// standard error and returns false. What the load could not keep as written
// is told by sayLoadWarnings; with `strict` it fails the load.
inline bool loadSheetOrSay(spread::Sheet& sheet, const std::string& path, const char* cmd,
                           bool strict = false) {
    Doing loading("loading " + path);
    std::wstring why;
    spread::LoadReport report;
    if (!spread::loadSheetFile(sheet, path, &report, &why)) {
        std::cerr << "zrlss " << cmd << ": cannot load " << path << ": " << utf8(why) << "\n";
        return false;
    }
    return sayLoadWarnings(report, cmd, strict);
}

} // namespace zrlss
