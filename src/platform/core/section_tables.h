// The section tables: the dimensions of the standard profile sections the
// macros use, looked up by section name.
//
// A section has a system name (the family and the size without blanks, upper
// case: "IPE200", "HEA240") and a user name ("IPE 200"). Any spelling that
// reduces to the system name once blanks, "-" and "_" are dropped and the
// case is ignored names the same section ("ipe 200", "IPE-200").
//
// Built-in sections (IPE 200..400, HEA and HEB 200..300) have the columns
// h (depth), b (width), tw (web thickness), tf (flange thickness), r (root
// radius), all in mm.
//
// Section tables handed over by the module (addSectionTable) add their
// sections under the table's name: the section "200" of the table "HEA"
// answers as "HEA-200", with the table's value columns. A later table wins
// over an earlier one and over a built-in section of the same name; removing
// the table brings the earlier one back.
#pragma once

#include "platform/core/text_helpers.h"
#include "platform/host/acadstatus.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct Zrl_SectionRecord {
    Zrl_String family; // "IPE"
    Zrl_String size;   // "200"
    Zrl_String userName;
    std::vector<double> values;
    // The value columns' names (shared by the sections of one table).
    std::shared_ptr<const Zrl_StringArray> columns;
};

class Zrl_SectionTableManager {
public:
    // Starts with the built-in sections.
    Zrl_SectionTableManager();
    virtual ~Zrl_SectionTableManager() = default;

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

    // Every section that answers a look-up, as family + "-" + size
    // ("IPE-200", "HEA-200"): the built-in and added sections in the order
    // added, then each table's in its order; a section that a table
    // replaces is named once, at its first place.
    void getSectionNames(Zrl_StringArray& names) const;

    // Adds or replaces a section (values in column order).
    void addSection(const Zrl_String& family, const Zrl_String& size, std::vector<double> values);

    // Section tables by name (the file's name without ".pr", without case).
    bool hasTable(const Zrl_String& tableName) const;
    // eKeyNotFound when there is no such table.
    ErrorStatus removeTable(const Zrl_String& tableName);
    // Adds the table of the file `fileName` (its name is the file's name
    // without ".pr"): `captions` are the system name's, one per language,
    // then the value columns'; each row likewise. The first language's name
    // is the user name. eInvalidInput for an empty name or a table of that
    // name already there; values that are no numbers count as 0.
    ErrorStatus addSectionTable(const Zrl_String& fileName, const Zrl_String& picture,
                                const Zrl_StringArray& captions, const Zrl_StringArrayArray& rows);
    // The shape of a handed-over table; empty when unknown.
    Zrl_String tablePicture(const Zrl_String& tableName) const;

    // A stamp of the last change to the sections: what was learnt from the
    // tables (a system name, say) holds while the stamp is the same.
    uint64_t changes() const { return changes_; }

private:
    struct Table {
        Zrl_String name;
        Zrl_String picture;
        std::vector<Zrl_SectionRecord> sections;
    };
    const Zrl_SectionRecord* find(const Zrl_String& name) const;
    const Table* findTable(const Zrl_String& tableName) const;
    void index(const Zrl_SectionRecord& section);
    void rebuildIndex();

    // The built-in and added sections (a deque: records never move), and
    // the tables in the order added.
    std::deque<Zrl_SectionRecord> sections_;
    std::unordered_map<std::wstring, size_t> ownIndex_;
    std::vector<std::unique_ptr<Table>> tables_;
    // System name to the section it names.
    std::unordered_map<std::wstring, const Zrl_SectionRecord*> bySystemName_;
    uint64_t changes_ = 0;
};

// The former name of the manager.
using Zrl_SectionTables = Zrl_SectionTableManager;

// The core module's section table manager.
extern Zrl_SectionTableManager gSectionTables;
