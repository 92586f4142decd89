// zrlss bill ROWS.csv -o OUT: a bill of materials written to a sheet file
// through the module's exported VkSSBillOutput, fed as the core feeds it:
// construct, init, onStartFeed, one onAddRow per CSV line (a line whose first
// cell is "SUBTOTAL" goes to onAddSubTotals without that cell), onEndFeed.
//
//   --titles T1,T2,...      column titles (else the first CSV line)
//   --kinds 1,2,3,...       column kinds: 1 whole numbers, 2 one decimal,
//                           3 text, anything else no cell type
//   --settings NAME         print settings file NAME.vkd of the product folder
//   --var NAME=VALUE ...    named values for the page header and footer
//
// OUT's extension picks the format: .vks (native), .xlsx or .csv. The whole
// CSV file is read and checked before the module sees a row, and the module
// replaces OUT in one step: a failed run leaves OUT as it was. On a terminal,
// long feeds show a progress bar on standard error.
#include "command.h"
#include "csv_text.h"
#include "platform/core/files.h"
#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/module_loader.h"
#include "platform/spread/formula.h"
#include "sheettools/bill_output.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

struct BillArgs {
    std::string rows;
    std::string out;
    std::vector<std::string> titles;
    std::vector<int> kinds;
    std::string settings;
    std::vector<std::string> vars;
};

// What separates the entries of the print settings ("¤" in UTF-8).
constexpr const char* kSettingsSeparator = "\xC2\xA4";

// Feeds shorter than this show no progress bar.
constexpr size_t kProgressMinRows = 2000;
constexpr int kProgressWidth = 40;

Zrl_StringArray wideRow(const std::vector<std::string>& fields, size_t from = 0) {
    Zrl_StringArray row;
    for (size_t i = from; i < fields.size(); ++i)
        row.append(Zrl_String::fromUtf8(fields[i]));
    return row;
}

bool hasSheetExtension(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return ext == ".vks" || ext == ".xlsx" || ext == ".csv";
}

// The module's bill output, made and destroyed through its exports; the
// feed goes through the virtual interface, as the core's does.
class ModuleBill {
public:
    using InitFn = Acad::ErrorStatus (*)(VkSSBillOutput*, Zrl_String, const Zrl_StringArray&,
                                         const AcArray<int>&, const AcArray<int>&,
                                         const Zrl_String&, const Zrl_StringArray&,
                                         const Zrl_StringArray&);

    ModuleBill() {
        const host::LoadedModule* module = nullptr;
        for (const host::LoadedModule* m : host::loadedModules())
            if (fs::path(m->path()).filename() == "libzrlss.so") module = m;
        if (!module) throw Failure{"the module is not loaded"};
        auto make = module->function<void (*)(VkSSBillOutput*)>("_ZN14VkSSBillOutputC1Ev");
        init_ = module->function<InitFn>(
            "_ZN14VkSSBillOutput4initE10Zrl_StringRK15Zrl_StringArrayRK7AcArrayIiES7_RKS0_S3_S3_");
        if (!make || !init_) throw Failure{"the module does not export the bill output"};
        bill_ = reinterpret_cast<VkSSBillOutput*>(storage_);
        make(bill_);
        bill_ = std::launder(bill_);
    }
    ~ModuleBill() { feed()->~Zrl_ListOutputCallback(); }
    ModuleBill(const ModuleBill&) = delete;
    ModuleBill& operator=(const ModuleBill&) = delete;

    Acad::ErrorStatus init(const Zrl_String& file, const Zrl_StringArray& titles,
                           const AcArray<int>& kinds, const Zrl_String& settings,
                           const Zrl_StringArray& names, const Zrl_StringArray& values) {
        return init_(bill_, file, titles, AcArray<int>(), kinds, settings, names, values);
    }
    Zrl_ListOutputCallback* feed() { return bill_; }

private:
    alignas(VkSSBillOutput) unsigned char storage_[sizeof(VkSSBillOutput)];
    VkSSBillOutput* bill_ = nullptr;
    InitFn init_ = nullptr;
};

// A bar on standard error when it is a terminal and the feed is long.
class Progress {
public:
    Progress(size_t total, bool quiet)
        : total_(total), shown_(!quiet && total >= kProgressMinRows && isatty(STDERR_FILENO)) {}
    void step(size_t done) {
        if (!shown_) return;
        const int percent = static_cast<int>(done * 100 / total_);
        if (percent == last_) return;
        last_ = percent;
        const int filled = percent * kProgressWidth / 100;
        std::cerr << "\rzrlss bill: [" << std::string(filled, '#')
                  << std::string(kProgressWidth - filled, '.') << "] " << percent << "%"
                  << std::flush;
    }
    void done(const char* what) {
        if (shown_)
            std::cerr << "\rzrlss bill: " << what << std::string(kProgressWidth, ' ') << "\n";
    }

private:
    size_t total_;
    bool shown_;
    int last_ = -1;
};

void runBill(const BillArgs& args, const SharedOptions& shared) {
    if (!hasSheetExtension(args.out)) throw Failure{"OUT must end in .vks, .xlsx or .csv"};
    Doing reading("reading " + args.rows);
    std::string bytes;
    std::string why;
    if (!readFileBytes(args.rows, bytes, &why)) throw Failure{why};
    // Refused as a conversion refuses it, before its quotes are looked at:
    // a UTF-16 file is "not UTF-8" on its first line.
    if (const size_t bad = firstLineNotUtf8(bytes))
        throw Failure{args.rows + ": line " + std::to_string(bad) + ": not UTF-8"};
    std::vector<std::vector<std::string>> records;
    std::vector<size_t> lines;
    try {
        records = csvRecords(bytes, false, &lines);
    } catch (const Failure& f) {
        throw Failure{args.rows + ": " + f.reason};
    }
    for (size_t i = 0; i < records.size(); ++i)
        if (records[i].size() > static_cast<size_t>(spread::kMaxSheetCols))
            throw Failure{args.rows + ": line " + std::to_string(lines[i]) + ": more than " +
                          std::to_string(spread::kMaxSheetCols) + " fields"};
    if (args.titles.size() > static_cast<size_t>(spread::kMaxSheetCols))
        throw Failure{"--titles: more than " + std::to_string(spread::kMaxSheetCols) + " titles"};
    Zrl_StringArray titles;
    size_t first = 0;
    if (!args.titles.empty()) {
        for (const std::string& t : args.titles)
            titles.append(Zrl_String::fromUtf8(t));
    } else if (!records.empty()) {
        titles = wideRow(records[0]);
        first = 1;
    }
    if (titles.length() == 0) throw Failure{"no column titles: " + args.rows + " is empty"};
    AcArray<int> kinds;
    for (const int k : args.kinds)
        kinds.append(k);
    Zrl_StringArray names, values;
    for (const std::string& v : args.vars) {
        const size_t eq = v.find('=');
        if (eq == 0 || eq == std::string::npos)
            throw Failure{"--var takes NAME=VALUE, not \"" + v + "\""};
        // The print settings keep named values between these separators.
        if (v.find(kSettingsSeparator) != std::string::npos)
            throw Failure{"--var \"" + v + "\": a name or value cannot hold \"" +
                          std::string(kSettingsSeparator) + "\""};
        names.append(Zrl_String::fromUtf8(v.substr(0, eq)));
        values.append(Zrl_String::fromUtf8(v.substr(eq + 1)));
    }

    Doing building("building the bill for " + args.out);
    ModuleBill bill;
    const Zrl_String out = Zrl_String::fromUtf8(fs::absolute(args.out).lexically_normal().string());
    if (bill.init(out, titles, kinds, Zrl_String::fromUtf8(args.settings), names, values) !=
        Acad::eOk)
        throw Failure{"the module has no sheet for the bill"};
    Zrl_ListOutputCallback* feed = bill.feed();
    feed->onStartFeed();
    Progress progress(records.size() - first, shared.quiet);
    for (size_t i = first; i < records.size(); ++i) {
        const std::vector<std::string>& r = records[i];
        if (!r.empty() && r[0] == "SUBTOTAL")
            feed->onAddSubTotals(wideRow(r, 1), Zrl_StringArray(), false, 0);
        else
            feed->onAddRow(wideRow(r));
        progress.step(i + 1 - first);
    }
    progress.done("saving");
    if (feed->onEndFeed() != Acad::eOk) throw Failure{"cannot write " + args.out};
}

void setupBill(CommandLine& cli, const SharedOptions& shared) {
    auto args = std::make_shared<BillArgs>();
    cli.add("bill",
            "Write a bill of materials from a CSV file of rows to a sheet (.vks, .xlsx, .csv)")
        .option("ROWS", args->rows,
                "CSV file of rows; SUBTOTAL in the first cell marks a subtotal row")
        .required()
        .option("-o,--out", args->out, "sheet file to write")
        .required()
        .option("--titles", args->titles, "column titles, comma separated", ',')
        .option("--kinds", args->kinds, "column kinds, comma separated", ',')
        .option("--settings", args->settings, "print settings name")
        .option("--var", args->vars, "named value NAME=VALUE (repeatable)")
        .run([args, &shared] {
            runBill(*args, shared);
            return 0;
        });
}

const Registrar registrar(setupBill);

} // namespace

} // namespace zrlss
