// Zrl_ProfValuesTable: one section table in memory (the sizes of one family
// of profiles), as its ".pr" file in the library's "prof\" folder holds it
// (platform/core/section_table_file.h has the layout).
//
// Columns: 0 the system name, 1 the active flag ("1" active, "0" inactive),
// 2 .. L+1 the user name in each of the L languages (getNrLanguages), then
// the dimension values as texts. Rows are expected to be as long as the
// captions; nothing enforces it, and every operation copes with short rows.
//
// Operations answer false, -1 or eInvalidInput for an index outside the
// table and show nothing; none throws.
#pragma once

#include "frame/export.h"
#include "platform/core/text_helpers.h"
#include "platform/host/acadstatus.h"

class Zrl_Spread;
class Zrl_SectionTableManager;

class ZRLSS_EXPORT Zrl_ProfValuesTable {
public:
    Zrl_ProfValuesTable();
    Zrl_ProfValuesTable(const Zrl_ProfValuesTable& other);
    Zrl_ProfValuesTable& operator=(const Zrl_ProfValuesTable& other);
    virtual ~Zrl_ProfValuesTable();

    // The table's name: its file is this name with ".pr"; it prefixes system
    // names in lists ("HEA-200") and new user names.
    Zrl_String tableName;
    // The section shape: "1" to "24", or a drawing file name ending ".dwg".
    Zrl_String picture;
    Zrl_StringArray headers;
    Zrl_Array<Zrl_StringArray> rows;

    // --- files (libDir() + "prof\" + name + ".pr") --------------------------
    // Reads the table: the name as the file is called, the shape, the
    // captions and the rows. A file of fewer than two rows gives its rows
    // alone (shape and captions stay). False when the file cannot be read;
    // the table is then unchanged.
    bool readFromFile(const Zrl_String& name);
    // Writes the table under `name`, replacing the file atomically; false
    // when it could not be written (the old file stays whole).
    bool writeToFile(const Zrl_String& name) const;

    // --- rows and columns ----------------------------------------------------
    bool getRow(Zrl_StringArray& row, int index) const;
    bool deleteRow(int index);
    // The first column captioned `caption` (without case); -1 when none.
    int getColumnIdx(const Zrl_String& caption) const;
    // Every row's cell of the column (empty for a short row); false for a
    // table without rows or a column outside row 0.
    bool getColumn(Zrl_StringArray& column, int index) const;
    bool getColumn(Zrl_StringArray& column, const Zrl_String& caption) const;
    // Inserts after row `index` a copy of it (or of an empty row when the
    // index names no row) with an unused system name made from the row's, and
    // the current language's user name made of the row's prefix and that
    // name. False, and nothing inserted, when index + 1 is not a row: there
    // is no inserting after the last row, nor into an empty table.
    bool insertRow(int index);
    // insertRow(index), then the names into the new row (at index + 1).
    ErrorStatus insertRow(int index, const Zrl_String& sysName, const Zrl_String& userName);
    ErrorStatus setSysName(int index, const Zrl_String& name);
    // Every language's user name of the row.
    ErrorStatus setUserNames(int index, const Zrl_String& name);
    // The values into the value columns as texts with 1 decimal; refused
    // unless there are exactly as many values as the row has value cells.
    ErrorStatus setValues(int index, const AcArray<double>& values);
    int getNrLanguages() const;

    // --- system names ---------------------------------------------------------
    // "TABLE-SYS" of every row (of the active rows: flag other than "0").
    void getSysNames(Zrl_StringArray& names) const;
    void getFilteredSysNames(Zrl_StringArray& names) const;
    void getSysNames(Zrl_StringArray& names, bool filtered) const;
    // The first row whose system name equals `name` (without case).
    bool findSysName(const Zrl_String& name, int& index) const;
    // A system name no row has, made from `base` (findNonExistingString).
    Zrl_String findUnusedSysName(const Zrl_String& base) const;
    // The row's position among the active rows (those the filtered list
    // shows); -1 outside the table.
    int getfilteredIdx(int index) const;
    // Removes the inactive rows (flag "0").
    void removeInactiveEntries();

    // --- sheet ----------------------------------------------------------------
    // Takes the table from the sheet: captions from the header row, the name
    // from row 1's header cell, the rows from the cells' values. The shape
    // stays. False for a missing or empty sheet.
    bool getFromSS(Zrl_Spread* sheet);
    // Shows the table in the sheet (flag column as check boxes, the name in
    // every row header); the sheet is marked unchanged. A table without rows
    // leaves an empty sheet and answers false.
    bool setToSS(Zrl_Spread* sheet) const;

    // --- the core ---------------------------------------------------------------
    // Hands the table (without the flag column) to the core's manager,
    // replacing a table of the same name.
    ErrorStatus setToGlobals(Zrl_SectionTableManager* manager) const;
};
