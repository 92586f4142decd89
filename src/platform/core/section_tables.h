// The section tables: the dimensions of the standard profile sections the
// macros use, looked up by section name.
//
// A section has a system name (the family and the size without blanks, upper
// case: "IPE200", "HEA240") and a user name ("IPE 200"). Any spelling that
// reduces to the system name once blanks, "-" and "_" are dropped and the
// case is ignored names the same section ("ipe 200", "IPE-200").
//
// Columns, in order: h (depth), b (width), tw (web thickness), tf (flange
// thickness), r (root radius), all in mm.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"

#include <string>
#include <unordered_map>
#include <vector>

struct Zrl_SectionRecord {
    Zrl_String family; // "IPE"
    Zrl_String size;   // "200"
    std::vector<double> values;
};

class Zrl_SectionTables {
public:
    // Starts with the built-in families IPE 200..400, HEA and HEB 200..300.
    Zrl_SectionTables();
    virtual ~Zrl_SectionTables() = default;

    // The system name of a section; eKeyNotFound for an unknown section.
    ErrorStatus getSystemName(const Zrl_String& name, Zrl_String& systemName) const;
    // The user name of a section ("IPE 200"); eKeyNotFound when unknown.
    ErrorStatus getUserName(const Zrl_String& name, Zrl_String& userName) const;
    // Column `index` (from 0) of a section as text ("5.6", "200");
    // eKeyNotFound for an unknown section, eInvalidIndex outside the columns.
    ErrorStatus getSectionValue(const Zrl_String& name, int index, Zrl_String& text) const;
    // The column names of a section's table ("h", "b", "tw", "tf", "r").
    ErrorStatus getSectionColumnNames(const Zrl_String& name, Zrl_StringArray& names) const;

    // The families in the order they were first added ("IPE", "HEA", ...).
    void getFamilies(Zrl_StringArray& families) const;
    // The user names of a family's sections in the order they were added
    // ("IPE 200", ...); empty for an unknown family (compared without case).
    void getSections(const Zrl_String& family, Zrl_StringArray& sections) const;

    // Adds or replaces a section (values in column order).
    void addSection(const Zrl_String& family, const Zrl_String& size, std::vector<double> values);

private:
    const Zrl_SectionRecord* find(const Zrl_String& name) const;

    std::vector<Zrl_SectionRecord> sections_;
    // System name to position in sections_.
    std::unordered_map<std::wstring, size_t> bySystemName_;
};

// The core module's section table manager.
extern Zrl_SectionTables gSectionTables;
