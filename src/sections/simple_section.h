// Adding one section size to a table from its dimensions: how the table's
// system names are made of its values, the name of a new size, where it goes
// and what is refused. The simple editor (dlg_edit_lib_simple.h) shows this
// as a form.
#pragma once

#include "sections/prof_values_table.h"

#include <vector>

// How a table names its sections, learnt from one row: the system name split
// at "x" ("200x100"), each part found among the row's values.
struct SectionNaming {
    // A row explained its name: every part found a value column.
    bool explained = false;
    // The value indexes (from 0, value columns only) of the name's parts, in
    // the name's order.
    std::vector<int> nameValues;
    // Each language's user-name prefix: the user name up to its first digit
    // ("IPE " of "IPE 200"; empty without a digit).
    Zrl_StringArray prefixes;
};

// The row a new size starts from: the row of `sysName`, else the first row;
// -1 for a table without rows.
int simpleStartRow(const Zrl_ProfValuesTable& table, const Zrl_String& sysName);
// The row's values (value columns only); for no row, as many empty texts as
// the captions have value columns.
Zrl_StringArray simpleStartValues(const Zrl_ProfValuesTable& table, int row);
// Learns from `row`, or, when its name cannot be explained, from the rows
// after it (at most 9999 of them). The prefixes are those of the row that
// explained its name (of `row` when none did).
SectionNaming learnSectionNaming(const Zrl_ProfValuesTable& table, int row);
// The system name of `values` by the naming: the name values joined with
// "x", numbers in their shortest form ("200.0" gives "200").
Zrl_String composeSectionName(const SectionNaming& naming, const Zrl_StringArray& values);
// True for a name whose first two "x" parts are equal ("100x100x5").
bool isSquareSectionName(const Zrl_String& sysName);
// Where a new row of that system name goes: a square name right after the
// nearest smaller square name (before the first square name when none is
// smaller), any other name at its place in natural order among all names.
int sortedSectionIndex(const Zrl_ProfValuesTable& table, const Zrl_String& sysName);

enum class SimpleSectionRefusal {
    None,
    EmptyName,   // no system name
    NameInUse,   // a row has that system name already
    TubeRadius,  // rectangular tube: the radius neither 0 nor above the thickness
};

// Builds the new row from the start row (or an empty row as long as the
// captions): flag "1", `values` into the value columns (values beyond them
// stay as copied), `sysName`, and every language's prefix followed by it as
// user name. Checks it, then inserts it at its sorted place; `index`
// receives its row. A refused row leaves the table as it was.
SimpleSectionRefusal addSimpleSection(Zrl_ProfValuesTable& table, int startRow,
                                      const Zrl_StringArray& values, const Zrl_String& sysName,
                                      const Zrl_StringArray& prefixes, int& index);
