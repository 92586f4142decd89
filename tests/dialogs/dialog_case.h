// A dialog case file of tests/data/dialogs: a record, an action script and
// the record expected back, in sections that start with "=== ":
//
//   # what the case shows (lines before the first section are comments)
//   === record NAME [--sheet FILE]     the dialog, its options; then the
//   { ...JSON... }                     record (none: the default record)
//   === script                         the action script (section absent:
//   dialog "Caption" ... end           no script, every dialog cancels)
//   === expect RESULT                  the starter's result as JSON (true,
//   { ...JSON... }                     "IDOK", null) and the record back
//   === fails STATUS                   or: the run fails with STATUS and
//   MESSAGE                            this message (one line)
//   === requires grid-script           only when the module's grid takes
//                                      grid actions (cell, select, ...)
#pragma once

#include <optional>
#include <string>

namespace dialogtest {

struct DialogCase {
    std::string file;
    std::string name;  // the dialog
    std::string sheet; // --sheet, relative to the data folder
    std::optional<std::string> record;
    std::optional<std::string> script;
    int scriptLine = 0; // file line of the script's first line
    bool fails = false;
    int status = 0;
    std::string result; // expect: the result's JSON; fails: the message
    std::string expect; // expect: the record's JSON
    int expectLine = 0; // file line of the expect or fails section
    bool needsGridScript = false;
};

// Reads a case file; false with a reason ("line 4: unknown section").
bool readDialogCase(const std::string& path, DialogCase& c, std::string& error);

} // namespace dialogtest
