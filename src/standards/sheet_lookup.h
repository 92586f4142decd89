// Where the name of a standards sheet leads: the evaluation's load and the
// commands that read a sheet without the module look it up alike.
#pragma once

#include "platform/core/settings.h"
#include "platform/core/zrl_string.h"

// The name itself when `exists` finds such a file, or when it names a sheet
// of an existing workbook ("Book.xlsx#Sheet"); else the library's standards
// folder: the native file first, so that an existing library behaves as
// before, then a workbook of another spreadsheet program (.xlsx, .ods). Empty
// when none exists.
template <class Exists>
Zrl_String lookUpStandardsSheet(const Zrl_String& name, Exists exists) {
    if (exists(name)) return name;
    const int hash = name.findLast(L"#", true);
    if (hash > 0 && exists(name.left(hash))) return name;
    const Zrl_String base = Zrl_Settings::libDir() + L"Connection Standards\\" + name;
    for (const wchar_t* ext : {L".vks", L".xlsx", L".ods"})
        if (exists(base + ext)) return base + ext;
    return Zrl_String();
}
