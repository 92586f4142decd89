// MacroLangs: the table of translations of names and captions (macro names,
// section captions) into the product's languages, and its global gMacroLangs.
//
// The table is read from zrlDir() + "languages.txt" (syntax in
// docs/core-files.md) on first use, and again when the installation folder
// changed or Reload was called. Sections and keys are compared without case.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <map>
#include <optional>

class MacroLangs {
public:
    // The languages of the product, in their column order.
    static const Zrl_StringArray& Languages();

    MacroLangs() = default;
    virtual ~MacroLangs() = default;

    // The language the user works in: the work language setting when it is
    // one of the product's languages (spelt as in Languages()), else English.
    Zrl_String GetCurLanguage() const;
    // The translation of `key` of `section` into the current language (or
    // into `language`); an empty text when the table has none.
    Zrl_String GetString(const Zrl_String& section, const Zrl_String& key);
    Zrl_String GetString(const Zrl_String& section, const Zrl_String& key,
                         const Zrl_String& language);

    // Replaces the table by the lines of a language file, kept until Reload
    // (instead of the installed file). Lines that do not fit are skipped and
    // counted in `badLines`. False when the lines have no header line (the
    // table is then empty).
    bool Parse(const Zrl_StringArray& lines, int* badLines = nullptr);
    // Forgets the table; the next look-up reads the installed file again.
    void Reload() { loadedFrom_.reset(); }

private:
    bool parseLines(const Zrl_StringArray& lines, int* badLines);
    void ensureLoaded();

    // folded section + '\n' + folded key -> texts by language index
    std::map<std::wstring, Zrl_StringArray> texts_;
    // The file the table came from; empty for lines given to Parse.
    std::optional<std::wstring> loadedFrom_;
};

extern MacroLangs gMacroLangs;
