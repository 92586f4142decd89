// Translations of section names for an export: a file of rows, each a
// section name and the name to write for it (syntax of rows files in
// docs/core-files.md), and the core's dialog in which the user edits them.
#pragma once

#include "platform/core/zrl_stringarray.h"

namespace win {
class Window;
}

// Reads the names and their translations (two lists of equal length). A
// missing file is an empty table (true). A file that cannot be read, or a
// row that is not a name and a translation, gives false with `message`
// saying why; the lists are then unchanged.
bool readSectionTranslation(const Zrl_String& path, Zrl_StringArray& names,
                            Zrl_StringArray& translations, Zrl_String& message);

// Shows the names with their translations for editing (caption `title`, the
// line `subtitle` above them). OK writes the table to `path` (replaced
// atomically) and answers true when it was written; Cancel writes nothing
// and answers false. `translations` receives what OK wrote.
bool writeSectionTranslation(const Zrl_String& path, const Zrl_StringArray& names,
                             Zrl_StringArray& translations, const Zrl_String& title,
                             const Zrl_String& subtitle, win::Window* parent = nullptr);

// The dialog template's number and the ids of its controls.
inline constexpr int kSectionNamesTemplate = 30902;
inline constexpr int kSectionNamesSubtitle = 1001;
inline constexpr int kSectionNamesList = 1002;        // the names
inline constexpr int kSectionNamesTranslation = 1003; // the selected name's translation
