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

// Where a file named in a sheet is looked for, as the evaluation does: a
// child sheet (`child`) or a data or standard-size file.
std::vector<Zrl_String> placesFor(const Zrl_String& sheetFile, const Zrl_String& name, bool child);
// The first of the file's places that holds it; empty when none does.
Zrl_String foundPlace(const Zrl_String& sheetFile, const Zrl_String& name, bool child);

// A child call of a sheet: its line, the child as named and the number of
// names it hands over, as the evaluation reads the call.
struct ChildCall {
    int line = 0;
    Zrl_String file;
    int names = 0;
};
// The child calls below the sheet's "Calc" title; a Failure as for
// readDeclarations.
std::vector<ChildCall> childCallsOf(const Zrl_String& path);

// The same file, however its path is written.
std::string fileKey(const Zrl_String& path);

// Every sheet the sheet's child calls reach, directly or through other
// children, each once, in the order first met; children that are not found
// or cannot be read are left out (the evaluation tells of them).
std::vector<Zrl_String> childSheetsOf(const Zrl_String& path);

} // namespace zrlss
