// Rows files: a list of rows of texts in one text file (the section tables
// and other tables of the library). The syntax is described in
// docs/core-files.md: one line per row, cells separated by TAB, with
// backslash escapes so that every text, including tabs, line breaks and
// backslashes, reads back exactly as written.
#pragma once

#include "platform/core/text_helpers.h"

// Reads the rows of the file at `path`. `name` receives the table's name: the
// file's name without folder and extension. False when the file cannot be
// read; `name` and `rows` are then unchanged.
bool readFile(const Zrl_String& path, Zrl_String& name, Zrl_StringArrayArray& rows);
// Writes the rows as the whole file (replaced atomically); false when it
// could not be written (an existing file is then unchanged).
bool writeFile(const Zrl_String& path, const Zrl_StringArrayArray& rows);

// One row as a line of the file and back.
Zrl_String encodeRow(const Zrl_StringArray& row);
Zrl_StringArray decodeRow(const Zrl_String& line);
