// Rows files: a list of rows of texts in one text file (the section tables
// and other tables of the library). The syntax is described in
// docs/core-files.md: one line per row, cells separated by TAB, with
// backslash escapes so that every text, including tabs, line breaks and
// backslashes, reads back exactly as written.
#pragma once

#include "platform/core/text_helpers.h"

#include <functional>
#include <string>
#include <string_view>

// Reads the rows of the file at `path`. `name` receives the table's name: the
// file's name without folder and extension. False when the file cannot be
// read; `name` and `rows` are then unchanged.
bool readFile(const Zrl_String& path, Zrl_String& name, Zrl_StringArrayArray& rows);
// Writes the rows as the whole file (replaced atomically); false when it
// could not be written (an existing file is then unchanged).
bool writeFile(const Zrl_String& path, const Zrl_StringArrayArray& rows);

// A rows file put together row by row as the bytes it will hold, for writers
// whose rows are not in one list; written as writeFile writes.
class RowsFileText {
public:
    void add(const Zrl_StringArray& row);
    bool writeTo(const Zrl_String& path) const;

private:
    std::string bytes_;
};

// One row as a line of the file and back.
Zrl_String encodeRow(const Zrl_StringArray& row);
Zrl_StringArray decodeRow(const Zrl_String& line);
Zrl_StringArray decodeRow(std::wstring_view line);
// The cells of a line as decodeRow reads them, each handed to fn in order
// (the text is fn's to copy: it lasts only for the call).
void forEachRowCell(std::wstring_view line, const std::function<void(std::wstring_view)>& fn);
