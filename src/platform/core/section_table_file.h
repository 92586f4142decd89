// Section table files: the ".pr" files of the library's "prof\" folder, one
// table of steel sections each.
//
// A table file is a rows file (rows_file.h). Its rows, in order:
//   1. one text: the section shape, a number 1 to 24 or a drawing "X.dwg";
//   2. the captions, one per column;
//   3. one row per section size.
// Columns: 0 the system name ("200"), 1 the active flag ("1" or "0"), then
// the section's user name in each language (4 languages, or 5 when column 6
// is captioned "Korean"), then the dimension values as numbers.
//
// The table's name is the file's name without ".pr"; it prefixes system
// names in the core's look-ups ("HEA-200").
#pragma once

#include "platform/core/text_helpers.h"

#include <vector>

struct SectionTableFile {
    Zrl_String picture;
    Zrl_StringArray headers;
    Zrl_StringArrayArray rows;
};

// The folder of the section tables: libDir() + "prof\".
Zrl_String sectionTableFolder();
// The path of a table of the library: the folder, the name, and ".pr" unless
// the name already ends with it (without case).
Zrl_String sectionTablePath(const Zrl_String& tableName);
// The table names of the library: its ".pr" files without the extension, in
// natural order. Empty when the folder is missing.
Zrl_StringArray sectionTableNames();

// The number of user-name languages of a table with these captions: 5 when
// there are more than 6 columns and column 6 is "Korean" (without case),
// else 4. Values start at column 2 + that number.
int sectionLanguageCount(const Zrl_StringArray& headers);
// The shape number of a shape text ("1" to "24", blanks around allowed),
// 0 for anything else.
int sectionShapeNumber(const Zrl_String& picture);
// True for a shape text the product knows: a shape number, or a name ending
// in ".dwg" (without case).
bool isSectionShape(const Zrl_String& picture);

// The file's rows split into shape, captions and sections (`rows` becomes
// the sections). With fewer than two rows nothing is split: the rows stay as
// read, the shape and captions keep what they held (an old file may hold
// rows alone). An empty first row keeps the shape.
void splitSectionRows(Zrl_StringArrayArray& rows, Zrl_String& picture, Zrl_StringArray& headers);
// The rows a file holds for a table: the shape, the captions, the sections.
Zrl_StringArrayArray joinSectionRows(const Zrl_String& picture, const Zrl_StringArray& headers,
                                     const Zrl_StringArrayArray& rows);

// Reads a table file. False with the reason in `error` when it cannot be
// read (the table is then unchanged); `name` receives the table's name.
bool readSectionTableFile(const Zrl_String& path, SectionTableFile& table, Zrl_String& name,
                          Zrl_String* error = nullptr);
// Writes the table as the whole file, replacing it atomically: a failed
// write leaves the old file whole. False with the reason in `error`.
bool writeSectionTableFile(const Zrl_String& path, const Zrl_String& picture,
                           const Zrl_StringArray& headers, const Zrl_StringArrayArray& rows,
                           Zrl_String* error = nullptr);

// The problems of a table file's rows (as read, shape and captions first),
// one line each, in row order; empty for a sound table:
//   fewer than two rows, a shape neither 1-24 nor ".dwg", a row not as long
//   as the captions, an empty or repeated system name (without case), a flag
//   other than "0" or "1", a value that is not a number.
// Rows are numbered from 1 as the file holds them (the first section is
// row 3). At most `limit` problems are listed (0: all).
std::vector<Zrl_String> checkSectionRows(const Zrl_StringArrayArray& rows, size_t limit = 0);
