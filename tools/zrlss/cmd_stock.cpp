// zrlss stock: the stock files of cutting stock, per profile, in the
// library's "Cutting Stock\" folder.
//
//   stock list [PROFILE]       without PROFILE: each profile folder with its
//                              numbers of shop and purchase files; with it:
//                              one line per stock file (kind, name, time,
//                              rows, "latest" on the newest of each kind)
//   stock show PROFILE KIND [FILE] [-o OUT.csv]
//                              the rows of FILE (default: the latest of the
//                              kind) as CSV
//   stock save PROFILE KIND IN.csv [--as NAME]
//                              IN's rows as the next numbered file (or NAME)
//
// KIND is shp (shop stock) or buy (purchase lengths). Every failure exits
// with 1 and one line; nothing is written then, and a file is replaced
// atomically.
#include "command.h"
#include "csv_text.h"
#include "cuttingstock/stock_files.h"
#include "platform/core/file_time_text.h"
#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/files/read_file.h"
#include "platform/files/replace_file.h"

#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

struct StockArgs {
    std::string action;
    std::vector<std::string> args;
    std::string out;
    std::string as;
};

std::string utf8(const Zrl_String& text) {
    return text.toUtf8();
}

std::string shown(const Zrl_String& modulePath) {
    return resolvePath(modulePath).string();
}

Zrl_String profileFolder(const std::string& profile, bool mustExist) {
    const Zrl_String name = Zrl_String::fromUtf8(profile);
    if (!stock::isValidProfileName(name))
        throw Failure{"not a name a folder may have: \"" + profile + "\""};
    const Zrl_String folder = stock::stockFolder(name);
    if (mustExist && !folderExists(folder)) throw Failure{"no such folder: " + shown(folder)};
    return folder;
}

Zrl_String extensionOf(const std::string& kind) {
    if (kind != "shp" && kind != "buy")
        throw Failure{"the kind must be shp or buy, not \"" + kind + "\""};
    return Zrl_String::fromUtf8(kind);
}

Zrl_StringArrayArray readRows(const Zrl_String& path) {
    Zrl_StringArrayArray rows;
    if (!stock::readStockFile(path, rows)) {
        const std::string tooLarge = files::sizeRefusal(resolvePath(path));
        throw Failure{tooLarge.empty() ? "cannot read " + shown(path) : tooLarge};
    }
    return rows;
}

int listProfiles() {
    const Zrl_String root = stock::stockRoot();
    if (!folderExists(root)) throw Failure{"no such folder: " + shown(root)};
    std::set<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(resolvePath(root), ec))
        if (entry.is_directory(ec)) names.insert(entry.path().filename().string());
    for (const std::string& name : names) {
        const Zrl_String folder = root + Zrl_String::fromUtf8(name) + L"\\";
        Zrl_StringArray shp, buy;
        ObjectExportFindFiles(folder, L"*.shp", shp);
        ObjectExportFindFiles(folder, L"*.buy", buy);
        std::cout << name << '\t' << shp.length() << '\t' << buy.length() << '\n';
    }
    return 0;
}

int listFiles(const std::string& profile) {
    const Zrl_String folder = profileFolder(profile, true);
    for (const wchar_t* ext : {stock::kShopExtension, stock::kPurchaseExtension}) {
        Zrl_StringArray files;
        ObjectExportFindFiles(folder, Zrl_String(L"*.") + ext, files);
        Zrl_String latest;
        stock::latestStockFile(folder, ext, latest);
        for (const Zrl_String& file : files) {
            std::int64_t time = 0;
            const Zrl_String when =
                ObjectExportGetFileTime(file, time) ? formatFileTime(time, L"%Y-%m-%d %H:%M:%S")
                                                    : Zrl_String();
            Zrl_StringArrayArray rows;
            const std::string count =
                stock::readStockFile(file, rows) ? std::to_string(rows.length()) : "unreadable";
            std::cout << utf8(ext) << '\t' << utf8(getFileName(file)) << '\t' << utf8(when) << '\t'
                      << count << (file == latest ? "\tlatest" : "") << '\n';
        }
    }
    return 0;
}

int show(const StockArgs& a) {
    if (a.args.size() < 2 || a.args.size() > 3)
        throw Failure{"show needs PROFILE, shp or buy, and optionally FILE"};
    const Zrl_String folder = profileFolder(a.args[0], true);
    const Zrl_String ext = extensionOf(a.args[1]);
    Zrl_String path;
    if (a.args.size() == 3) {
        const Zrl_String name = Zrl_String::fromUtf8(a.args[2]);
        if (!stock::isValidProfileName(name)) throw Failure{"not a file name: " + a.args[2]};
        path = folder + name;
        if (!fileExists(path)) throw Failure{"no such file: " + shown(path)};
    } else if (!stock::latestStockFile(folder, ext, path)) {
        throw Failure{"no ." + a.args[1] + " file in " + shown(folder)};
    }
    std::string csv;
    for (const Zrl_StringArray& row : readRows(path))
        csv += csvLine(row) + "\n";
    if (a.out.empty()) {
        std::cout << csv;
        return 0;
    }
    std::string error;
    if (!files::replaceFile(a.out, csv, &error)) throw Failure{"cannot write " + a.out + ": " + error};
    return 0;
}

int save(const StockArgs& a) {
    if (a.args.size() != 3) throw Failure{"save needs PROFILE, shp or buy, and IN.csv"};
    const Zrl_String folder = profileFolder(a.args[0], false);
    const Zrl_String ext = extensionOf(a.args[1]);
    const Zrl_String name = Zrl_String::fromUtf8(a.as);
    if (!a.as.empty() && !stock::isValidProfileName(name))
        throw Failure{"not a file name: " + a.as};
    // Everything is checked before anything is written.
    std::string bytes, why;
    if (!readFileBytes(a.args[2], bytes, &why)) throw Failure{why};
    std::vector<std::vector<std::string>> records;
    try {
        records = csvRecords(bytes, true);
    } catch (const Failure& f) {
        throw Failure{a.args[2] + ": " + f.reason};
    }
    Zrl_StringArrayArray rows;
    for (const auto& record : records) {
        Zrl_StringArray row;
        for (const std::string& field : record)
            row.append(Zrl_String::fromUtf8(field));
        rows.append(row);
    }
    const int bad = stock::firstUnsavableRow(rows);
    if (bad >= 0)
        throw Failure{a.args[2] + ": row " + std::to_string(bad + 1) +
                      ": a cell holds \"\xC2\xBF\" or a line break"};
    if (!stock::ensureStockFolder(Zrl_String::fromUtf8(a.args[0])))
        throw Failure{"cannot create " + shown(folder)};
    const Zrl_String file =
        a.as.empty() ? getFileName(stock::nextStockPath(folder, ext)) : name;
    const Zrl_String path = folder + stock::chosenStockPath(file, ext);
    if (stock::writeStockFile(path, rows) != stock::WriteResult::Written)
        throw Failure{"cannot write " + shown(path)};
    std::cout << shown(path) << '\n';
    return 0;
}

int runStock(const StockArgs& a) {
    if (a.action == "list") {
        if (a.args.size() > 1) throw Failure{"list takes at most one PROFILE"};
        return a.args.empty() ? listProfiles() : listFiles(a.args[0]);
    }
    if (a.action == "show") return show(a);
    if (a.action == "save") return save(a);
    throw Failure{"unknown action \"" + a.action + "\": list, show or save"};
}

void setupStock(CommandLine& cli, const SharedOptions&) {
    auto args = std::make_shared<StockArgs>();
    cli.add("stock", "The cutting-stock files per profile: list, show or save shop and purchase "
                     "lists")
        .option("ACTION", args->action, "list, show or save")
        .required()
        .option("ARGS", args->args, "list [PROFILE]; show PROFILE shp|buy [FILE]; "
                                    "save PROFILE shp|buy IN.csv")
        .option("-o,--out", args->out, "show: write the CSV to this file")
        .option("--as", args->as, "save: the file's name instead of the next number")
        .withoutModule()
        .run([args] { return runStock(*args); });
}

const Registrar registrar(setupStock);

} // namespace

} // namespace zrlss
