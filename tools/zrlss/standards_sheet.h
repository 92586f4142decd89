// A standards sheet as the zrlss subcommands read it without the module:
// where a sheet name leads, and what the sheet declares.
#pragma once

#include "platform/core/zrl_string.h"
#include "standards/var_cell.h"

#include <string>
#include <vector>

namespace zrlss {

bool fileExists(const Zrl_String& path);

// The sheet's path as the module's load resolves a name (a path, else the
// library's native file, then a workbook); a Failure when there is none.
Zrl_String sheetPath(const std::string& sheet);

// A declaration "Int Name", "Double Name" or "String Name" (the type word
// is a prefix, leading blanks skipped).
bool readDeclaration(const Zrl_String& text, VkValueType& type, Zrl_String& name);

// One declaration of the sheet: its kind and type, its name, its sheet line
// (cell.row) and the note written beside it.
struct Declaration {
    VkVarCell cell;
    Zrl_String note;
};

// The sheet's inputs, outputs and locals in declaration order; `calcRow`
// (if given) gets the row of the title "Calc" (0: none). A Failure when the
// sheet cannot be read or lacks "Input" or "Output".
std::vector<Declaration> readDeclarations(const Zrl_String& path, int* calcRow = nullptr);

} // namespace zrlss
