// Numbered texts: the captions, labels, menu items and messages of the user
// interface, identified by number, in the work language.
//
// Each language has one file, zrlDir() + "texts\" + language + ".txt"
// (UTF-8; syntax in docs/core-files.md). It holds two tables: the dialog
// texts read by dialString and the plain strings read by string. A number
// missing from the work language is taken from English; missing there too,
// it shows as a visible placeholder ("#text 1234#", "#string 1234#") so that
// a forgotten text is noticed instead of showing an empty label.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <map>

// Dialog text n in the work language.
Zrl_String dialString(int n);
// Text n of the second table in the work language.
Zrl_String string(int n);
// Dialog text n in every available language, in the order of
// availableLanguages; `list` is replaced. Returns the number of languages.
int dialStringAllLangs(int n, Zrl_StringArray& list);
// The languages that have a text file, sorted by name.
int availableLanguages(Zrl_StringArray& languages);

// Forgets the texts read so far (after the files or the installation folder
// changed); the next look-up reads them again.
void reloadNumberedTexts();

// Parses one language file's text into its two tables; used by the loader
// and by checks of the shipped files. Malformed lines are skipped and
// counted in `badLines` when given; of a number given twice the first wins.
struct NumberedTextTables {
    std::map<int, Zrl_String> dialog;  // the "[dialString]" section (the default)
    std::map<int, Zrl_String> strings; // the "[string]" section
};
bool parseNumberedTexts(const Zrl_StringArray& lines, NumberedTextTables& tables,
                        int* badLines = nullptr);
