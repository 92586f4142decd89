// zrlss sections [TABLE]: the section tables of the library (the ".pr" files
// of its "prof\" folder), listed, checked, exported and imported. TABLE is a
// table of the library by name ("HEA") or the path of a ".pr" file.
//
//   (no TABLE)         one line per table: name, shape, languages, rows,
//                      active rows (tab separated)
//   TABLE              one line per section: TABLE-SYS, user name, flag
//   --active           the active sections only (flag other than "0")
//   --csv OUT          the table file's rows as CSV: shape, captions, sections
//                      ("-": standard output)
//   --json             {"name", "picture", "headers", "rows"}
//   --check            one line per problem; exit 1 when there are any
//                      (without TABLE: every table of the library)
//   --from-csv IN -o TABLE
//                      writes the table from CSV rows (as --csv writes them),
//                      refusing, with the file as it was, what --check finds
//
// Failures and problems exit with 1 and say why on standard error.
#include "command.h"
#include "csv_text.h"
#include "platform/core/files.h"
#include "platform/core/macro_langs.h"
#include "platform/core/paths.h"
#include "platform/core/rows_file.h"
#include "platform/core/section_table_file.h"
#include "platform/files/read_file.h"
#include "platform/files/replace_file.h"

#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

namespace zrlss {

namespace {

struct SectionsArgs {
    std::string table;
    bool active = false;
    std::string csv;
    bool json = false;
    bool check = false;
    std::string fromCsv;
    std::string out;
};

constexpr int kFlagCol = 1;
constexpr int kFirstLanguageCol = 2;

// A table named by the user: a path when it names a ".pr" file that exists
// or holds a folder, else a table of the library.
Zrl_String tablePath(const std::string& table) {
    const Zrl_String given = Zrl_String::fromUtf8(table);
    const bool pathLike = given.hasSubString(L"/", true) || given.hasSubString(L"\\", true);
    if (pathLike || (given.endsWith(L".pr", false) && fileExists(given))) return given;
    return sectionTablePath(given);
}

struct LoadedTable {
    Zrl_String name;
    Zrl_StringArrayArray fileRows; // as the file holds them
    SectionTableFile table;
};

LoadedTable loadTable(const Zrl_String& path) {
    LoadedTable t;
    if (!readFile(path, t.name, t.fileRows)) {
        const std::string tooLarge = files::sizeRefusal(resolvePath(path));
        if (!tooLarge.empty()) throw Failure{tooLarge};
        throw Failure{(fileExists(path) ? "cannot read " : "no such table: ") +
                      resolvePath(path).string()};
    }
    t.table.rows = t.fileRows;
    splitSectionRows(t.table.rows, t.table.picture, t.table.headers);
    return t;
}

bool isActive(const Zrl_StringArray& row) { return row.length() <= kFlagCol || row[kFlagCol] != L"0"; }

// The user name a section shows: the work language's, else the first.
int userNameColumn(const Zrl_StringArray& headers) {
    int col = -1;
    if (headers.find(gMacroLangs.GetCurLanguage(), col, false) && col >= kFirstLanguageCol &&
        col < kFirstLanguageCol + sectionLanguageCount(headers))
        return col;
    return kFirstLanguageCol;
}

Zrl_String cell(const Zrl_StringArray& row, int col) {
    return col < row.length() ? row[col] : Zrl_String();
}

// Prints the problems as "NAME: problem"; true when there were none.
bool reportProblems(const Zrl_String& name, const Zrl_StringArrayArray& fileRows) {
    const auto problems = checkSectionRows(fileRows);
    for (const Zrl_String& p : problems)
        std::cout << name.toUtf8() << ": " << p.toUtf8() << "\n";
    return problems.empty();
}

int listLibrary(const SectionsArgs& args) {
    const Zrl_StringArray names = sectionTableNames();
    bool sound = true;
    for (const Zrl_String& name : names) {
        const LoadedTable t = loadTable(sectionTablePath(name));
        if (args.check) {
            sound = reportProblems(t.name, t.fileRows) && sound;
            continue;
        }
        int active = 0;
        for (const Zrl_StringArray& row : t.table.rows)
            active += isActive(row) ? 1 : 0;
        if (args.active && active == 0) continue;
        std::cout << t.name.toUtf8() << "\t" << t.table.picture.toUtf8() << "\t"
                  << sectionLanguageCount(t.table.headers) << "\t" << t.table.rows.length() << "\t"
                  << active << "\n";
    }
    return sound ? 0 : 1;
}

nlohmann::json jsonList(const Zrl_StringArray& list) {
    nlohmann::json out = nlohmann::json::array();
    for (const Zrl_String& text : list)
        out.push_back(text.toUtf8());
    return out;
}

void writeOutput(const std::string& out, const std::string& text) {
    if (out == "-") {
        std::cout << text;
        return;
    }
    std::string error;
    if (!files::replaceFile(out, text, &error)) throw Failure{"cannot write " + out + ": " + error};
}

int showTable(const SectionsArgs& args) {
    const LoadedTable t = loadTable(tablePath(args.table));
    if (args.check) return reportProblems(t.name, t.fileRows) ? 0 : 1;
    Zrl_StringArrayArray rows;
    for (const Zrl_StringArray& row : t.table.rows)
        if (!args.active || isActive(row)) rows.append(row);

    if (!args.csv.empty()) {
        std::string text;
        const Zrl_StringArrayArray all = joinSectionRows(t.table.picture, t.table.headers, rows);
        for (const Zrl_StringArray& row : all)
            // A row of one empty text is written "" so that it reads back.
            text += (row.length() == 1 && row[0].isEmpty() ? std::string("\"\"") : csvLine(row)) +
                    "\n";
        writeOutput(args.csv, text);
        if (args.csv == "-" || !args.json) return 0;
    }
    if (args.json) {
        nlohmann::json out;
        out["name"] = t.name.toUtf8();
        out["picture"] = t.table.picture.toUtf8();
        out["headers"] = jsonList(t.table.headers);
        out["rows"] = nlohmann::json::array();
        for (const Zrl_StringArray& row : rows)
            out["rows"].push_back(jsonList(row));
        std::cout << out.dump(2) << "\n";
        return 0;
    }
    const int userCol = userNameColumn(t.table.headers);
    for (const Zrl_StringArray& row : rows)
        std::cout << (t.name + L"-" + cell(row, 0)).toUtf8() << "\t"
                  << cell(row, userCol).toUtf8() << "\t" << cell(row, kFlagCol).toUtf8() << "\n";
    return 0;
}

int importCsv(const SectionsArgs& args) {
    if (args.out.empty()) throw Failure{"--from-csv needs -o TABLE"};
    std::string bytes, why;
    if (!readFileBytes(resolvePath(Zrl_String::fromUtf8(args.fromCsv)), bytes, &why))
        throw Failure{why};
    Zrl_StringArrayArray rows;
    for (const auto& record : csvRecords(bytes)) {
        Zrl_StringArray row;
        for (const std::string& field : record)
            row.append(Zrl_String::fromUtf8(field));
        rows.append(row);
    }
    const Zrl_String path = tablePath(args.out);
    if (!reportProblems(removeExtension(getFileName(path)), rows)) {
        std::cerr << "zrlss sections: " << args.fromCsv << " has problems; " << args.out
                  << " was not written\n";
        return 1;
    }
    if (!writeFile(path, rows)) throw Failure{"cannot write " + resolvePath(path).string()};
    return 0;
}

void setupSections(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<SectionsArgs>();
    cli.add("sections", "List, check, export and import the section tables of the library")
        .withoutModule()
        .option("TABLE", args->table, "a table of the library (HEA) or a .pr file")
        .flag("--active", args->active, "the active sections only")
        .option("--csv", args->csv, "write the table's rows as CSV to OUT (-: standard output)")
        .flag("--json", args->json, "the table as JSON")
        .flag("--check", args->check, "one line per problem of the table (or of every table)")
        .option("--from-csv", args->fromCsv, "write a table from CSV rows (with -o)")
        .option("-o,--out", args->out, "the table --from-csv writes")
        .run([args] {
            if (!args->fromCsv.empty()) return importCsv(*args);
            if (args->table.empty()) {
                if (!args->csv.empty() || args->json)
                    throw Failure{"--csv and --json need a TABLE"};
                return listLibrary(*args);
            }
            return showTable(*args);
        });
}

const Registrar registrar(setupSections);

} // namespace

} // namespace zrlss
