// zrlss evaluate SHEET: one standards evaluation through the module's
// exported StartDlgStandardsSS, as the core module would run it.
//
//   --set NAME=VALUE ...        mode 1: the sheet's inputs and outputs (in
//                               declaration order, locals skipped) make the
//                               variable list; inputs take the given values;
//                               every output is printed as NAME=VALUE.
//   --macro M.json --key KEY    mode 0 against a macro description; prints
//                               each quantity written to the macro;
//                               --write OUT.json saves the updated macro.
//   --json                      prints {"outputs": {NAME: VALUE}} instead.
//   --repeat N                  runs N times; the median time of one run and
//                               the totals of the module's step timers go to
//                               standard error.
//   --force                     --write even when something failed.
//   --cases CASES.csv -o OUT    one evaluation per row of the table (its
//                               columns are inputs; "key" or "name" names
//                               the case), the results in the rows' order
//                               written to OUT (.csv, .json, .xlsx or .ods)
//                               at the end: name, inputs, outputs, status
//                               (and in .json every fault). Status 3 when a
//                               case failed. --jobs N: worker processes;
//                               --case-timeout S: a worker S seconds on one
//                               case is stopped and the case failed.
//   --inputs                    lists the declarations (inputs, outputs,
//                               locals: type, name, line, note) instead of
//                               running; with --json as JSON.
//
//   --strict                    a formula the load of the sheet cannot keep
//                               as written (printed to standard error as a
//                               warning) fails the command with status 1.
//
// A run in which an equation failed, a look-up found nothing or an input
// could not be fetched is a failure: the outputs are still printed, each
// fault goes to standard error with its sheet line, the exit status is 3,
// and --write writes nothing unless --force is given. An undeclared --set
// name stops the command before it runs, with status 2.
//
// The module is reached only through its exported names, looked up in the
// library the command has loaded.
#include "command.h"
#include "evaluate_batch.h"
#include "sheet_io.h"
#include "standards_sheet.h"
#include "platform/core/macro_description.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/timers.h"
#include "platform/host/transactions.h"
#include "platform/spread/sheet.h"
#include "platform/text/fold.h"
#include "standards/dlg_standards_data.h"
#include "standards/standards_failures.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <dlfcn.h>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace zrlss {

VkVarCells declaredVariables(const Zrl_String& path) {
    VkVarCells cells;
    for (Declaration& d : readDeclarations(path)) {
        if (d.cell.isLocal()) continue;
        d.cell.col = 0;
        d.cell.row = 0;
        cells.append(d.cell);
    }
    return cells;
}

namespace {

// The edit distance of two names, letters compared without case.
size_t editDistance(const std::wstring& a, const std::wstring& b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const bool same = zrltext::foldCase(a[i - 1]) == zrltext::foldCase(b[j - 1]);
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

Zrl_String nearestInput(const VkVarCells& cells, const Zrl_String& name) {
    Zrl_String best;
    size_t bestDistance = SIZE_MAX;
    for (int i = 0; i < cells.length(); ++i) {
        if (!cells[i].isInput()) continue;
        const size_t d = editDistance(name.str(), cells[i].name.str());
        if (d < bestDistance) {
            bestDistance = d;
            best = cells[i].name;
        }
    }
    return best;
}

namespace {

namespace fs = std::filesystem;

// The step timers the module exports, in its order.
const char* const kTimerNames[] = {
    "gLoadFile",
    "gInitSSForInput",
    "gSSSGetFromMacro",
    "gInitMapping",
    "gInitFromMacro",
    "gSetMacroValuelsToSS",
    "gSSSreplaceGenVars",
    "gCalcMain",
    "gSetToMacro",
    "gGetFromVars",
    "gCalcChild",
    "gSetToVars",
    "gRegisterFuntions",
    "gFindDuplicates",
    "gCalcCells",
    "gCalcCellSplitSymbol",
    "gCalcCellFindVarCell",
    "gCalcCellFindFunctions",
    "gCalcCellCalcNativeFunctions",
    "gCalcCellCalcFunctionsPrepare",
    "gCalcCellCalcFunctions",
    "gCalcCellGetVarNames",
    "gCalcCellGetVarCoords",
    "gCalcCellGetVarCoordName",
    "gCalcCellReplaceVariables",
};

struct EvaluateArgs {
    std::string sheet;
    std::vector<std::string> sets;
    bool json = false;
    std::string macro;
    std::string key;
    std::string write;
    bool force = false;
    bool inputs = false;
    std::string cases;
    std::string out;
    int repeat = 1;
    int jobs = 0;
    int caseSeconds = kCaseSeconds;
    std::string workerFault;
    bool worker = false;
    bool strict = false;
    const SharedOptions* shared = nullptr;
};

// The command line of a batch worker: this command, with the shared options
// it was given, on the sheet already found.
std::vector<std::string> workerCommand(const SharedOptions& shared, const Zrl_String& path,
                                       const std::string& fault) {
    std::error_code ec;
    std::vector<std::string> command{fs::read_symlink("/proc/self/exe", ec).string()};
    if (!shared.libDir.empty()) {
        command.push_back("--lib");
        command.push_back(fs::absolute(shared.libDir, ec).string());
    }
    if (!shared.language.empty()) {
        command.push_back("--lang");
        command.push_back(shared.language);
    }
    if (shared.diagnostics) command.push_back("--diagnostics");
    if (shared.quiet) command.push_back("--quiet");
    for (const char* arg : {"evaluate", "", "--worker"})
        command.push_back(*arg != '\0' ? arg : path.toUtf8());
    if (!fault.empty()) {
        command.push_back("--test-worker-fault");
        command.push_back(fault);
    }
    return command;
}

// The module the command has loaded (libzrlss.so beside the command).
class ModuleSymbols {
public:
    ModuleSymbols() {
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        const fs::path lib = (exe.parent_path() / ".." / "lib" / "libzrlss.so").lexically_normal();
        handle_ = dlopen(lib.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (handle_ == nullptr) throw Failure{"the module is not loaded"};
    }
    ~ModuleSymbols() {
        if (handle_ != nullptr) dlclose(handle_);
    }
    ModuleSymbols(const ModuleSymbols&) = delete;
    ModuleSymbols& operator=(const ModuleSymbols&) = delete;
    void* find(const char* name) const { return dlsym(handle_, name); }

private:
    void* handle_ = nullptr;
};


const char* kindWord(const VkVarCell& cell) {
    return cell.isInput() ? "input" : cell.isOutput() ? "output" : "local";
}

const char* typeWord(const VkVarCell& cell) {
    return cell.valueType == VkValueInt      ? "Int"
           : cell.valueType == VkValueDouble ? "Double"
                                             : "String";
}

// --inputs: what the sheet declares, so that a user knows what to --set.
// An input's value is the one a run without --set gives it (the sheet holds
// none, so it is empty).
int listDeclarations(const Zrl_String& path, bool json) {
    const std::vector<Declaration> all = readDeclarations(path);
    if (json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const Declaration& d : all) {
            nlohmann::ordered_json entry{{"kind", kindWord(d.cell)},
                                         {"type", typeWord(d.cell)},
                                         {"name", d.cell.name.toUtf8()},
                                         {"line", d.cell.row},
                                         {"note", d.note.toUtf8()}};
            if (d.cell.isInput()) entry["value"] = d.cell.value.toUtf8();
            list.push_back(entry);
        }
        std::cout << nlohmann::ordered_json{{"variables", list}}.dump(2) << "\n";
        return 0;
    }
    for (const Declaration& d : all) {
        std::cout << kindWord(d.cell) << " " << typeWord(d.cell) << " " << d.cell.name.toUtf8()
                  << " (line " << d.cell.row << ")";
        if (!d.note.isEmpty()) std::cout << ": " << d.note.toUtf8();
        std::cout << "\n";
    }
    return 0;
}



void setInputs(VkVarCells& cells, const std::vector<std::string>& sets) {
    for (const std::string& set : sets) {
        const size_t eq = set.find('=');
        if (eq == std::string::npos) throw UsageError{"--set wants NAME=VALUE: " + set};
        const Zrl_String name = Zrl_String::fromUtf8(set.substr(0, eq));
        bool found = false;
        for (int i = 0; i < cells.length(); ++i) {
            if (!cells[i].isInput() || !cells[i].name.equal(name, false)) continue;
            cells[i].value = Zrl_String::fromUtf8(set.substr(eq + 1));
            found = true;
        }
        if (found) continue;
        const Zrl_String nearest = nearestInput(cells, name);
        throw UsageError{"the sheet declares no input named " + name.toUtf8() +
                         (nearest.isEmpty() ? std::string()
                                            : "; did you mean " + nearest.toUtf8() + "?")};
    }
}

// The faults of one run, as the module tells them.
void collectFailure(const StandardsFailure& failure, void* context) {
    static_cast<std::vector<StandardsFailure>*>(context)->push_back(failure);
}

// A sheet's path as a user reads it: within the library from its folder.
std::string shownPath(const Zrl_String& file) {
    Zrl_String shown = file;
    const Zrl_String lib = Zrl_Settings::libDir();
    if (!lib.isEmpty() && shown.startsWith(lib, false)) shown = shown.getSubStringAt(lib.length());
    std::string text = shown.toUtf8();
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

// What the loads of the sheet's children could not keep as written, each
// line naming its child; false when there was any and `strict`. A child that
// cannot be read at all is left to the run, which fails on it.
bool sayChildLoadWarnings(const Zrl_String& path, bool strict) {
    bool ok = true;
    for (const Zrl_String& child : childSheetsOf(path)) {
        spread::Sheet loaded;
        spread::LoadReport report;
        if (!spread::loadSheetFile(loaded, resolvePath(child).string(), &report, nullptr))
            continue;
        ok = sayLoadWarnings(report, "evaluate", strict, shownPath(child)) && ok;
    }
    return ok;
}

// Each fault as one line on standard error: "line 49: NAME = EXPR: reason";
// faults in another sheet (a child) name it.
void printFailures(const std::vector<StandardsFailure>& failures, const Zrl_String& sheet) {
    for (const StandardsFailure& f : failures) {
        std::string where;
        if (!f.file.equal(sheet, false)) where = shownPath(f.file) + (f.line > 0 ? " " : ": ");
        if (f.line > 0) where += "line " + std::to_string(f.line) + ": ";
        std::cerr << where << f.equation.toUtf8() << ": " << f.reason.toUtf8() << "\n";
    }
}

void printOutputs(const VkVarCells& cells, bool json) {
    if (json) {
        nlohmann::ordered_json outputs = nlohmann::ordered_json::object();
        for (int i = 0; i < cells.length(); ++i)
            if (cells[i].isOutput()) outputs[cells[i].name.toUtf8()] = cells[i].value.toUtf8();
        std::cout << nlohmann::ordered_json{{"outputs", outputs}}.dump(2) << "\n";
        return;
    }
    for (int i = 0; i < cells.length(); ++i)
        if (cells[i].isOutput())
            std::cout << cells[i].name.toUtf8() << "=" << cells[i].value.toUtf8() << "\n";
}

void reportTimes(const ModuleSymbols& module, std::vector<double>& seconds) {
    std::sort(seconds.begin(), seconds.end());
    const double median = seconds[seconds.size() / 2];
    std::cerr << "runs: " << seconds.size() << ", median of one run: " << median * 1e6 << " us\n";
    for (const char* name : kTimerNames) {
        const auto* timer = static_cast<const Zrl_Timer*>(module.find(name));
        if (timer == nullptr) continue;
        std::cerr << "  " << name << ": " << timer->count() << " calls, "
                  << timer->totalSeconds() * 1e6 << " us\n";
    }
}

// Collects the module's faults into `failures` while it lives.
class FailureSinkScope {
public:
    FailureSinkScope(const ModuleSymbols& module, std::vector<StandardsFailure>& failures) {
        set_ = reinterpret_cast<SetSink>(
            module.find("_Z23setStandardsFailureSinkPFvRK16StandardsFailurePvES2_"));
        if (set_ == nullptr) throw Failure{"the module does not export setStandardsFailureSink"};
        set_(collectFailure, &failures);
    }
    ~FailureSinkScope() { set_(nullptr, nullptr); }
    FailureSinkScope(const FailureSinkScope&) = delete;
    FailureSinkScope& operator=(const FailureSinkScope&) = delete;

private:
    using SetSink = StandardsFailureSink (*)(StandardsFailureSink, void*);
    SetSink set_ = nullptr;
};

int runEvaluate(const EvaluateArgs& args) {
    const ModuleSymbols module;
    const auto start =
        reinterpret_cast<StartFn>(module.find("_Z19StartDlgStandardsSSR18VkDlgStandardsData"));
    if (start == nullptr) throw Failure{"the module does not export StartDlgStandardsSS"};
    if (args.repeat < 1) throw Failure{"--repeat wants a positive count"};
    const bool macroMode = !args.macro.empty();
    if (macroMode && args.key.empty()) throw Failure{"--macro needs --key"};
    if (!macroMode && !args.write.empty()) throw Failure{"--write needs --macro"};
    if (macroMode && !args.sets.empty()) throw Failure{"--set is for runs without --macro"};

    const Zrl_String path = sheetPath(args.sheet);
    if (args.inputs) {
        if (macroMode || !args.sets.empty() || !args.write.empty())
            throw UsageError{"--inputs lists the declarations and runs nothing"};
        return listDeclarations(path, args.json);
    }
    // What the load of the sheet could not keep as written goes to standard
    // error (not from the workers: their parent has told it); --strict
    // refuses it.
    const auto sheetLoads = [&] {
        spread::Sheet loaded;
        return loadSheetOrSay(loaded, resolvePath(path).string(), "evaluate", args.strict) &&
               sayChildLoadWarnings(path, args.strict);
    };
    WorkerFault fault;
    if (!args.workerFault.empty() && !readWorkerFault(args.workerFault, fault))
        throw UsageError{"--test-worker-fault wants N:die or N:hang"};
    if (args.worker) {
        std::vector<StandardsFailure> failures;
        const FailureSinkScope sinkScope(module, failures);
        return runBatchWorker(start, path, failures, fault);
    }
    if (args.cases.empty() && args.jobs != 0) throw UsageError{"--jobs is for --cases runs"};
    if (!args.cases.empty()) {
        if (macroMode || !args.sets.empty() || !args.write.empty() || args.repeat != 1)
            throw UsageError{"--cases takes the inputs from the table alone"};
        return runBatch({args.cases, args.out, args.jobs, args.caseSeconds,
                         workerCommand(*args.shared, path, args.workerFault), sheetLoads},
                        path);
    }
    if (!sheetLoads()) return 1;
    VkDlgStandardsData record;
    record.sheetFile = path;
    Zrl_DbMacro macro;
    MacroData macroData;
    if (macroMode) {
        Zrl_String why;
        if (loadMacroDescription(Zrl_String::fromUtf8(args.macro), macro, macroData, &why) !=
            Acad::eOk)
            throw Failure{"cannot read " + args.macro + ": " + why.toUtf8()};
        record.mode = 0;
        record.macroObject = &macro;
        record.macroData = &macroData;
        record.macroKey = Zrl_String::fromUtf8(args.key);
        if (record.macroKey.startsWith(L"Module.", false))
            record.group = record.macroKey.getSubStringAt(7);
    } else {
        record.mode = 1;
        record.varCells = declaredVariables(path);
        setInputs(record.varCells, args.sets);
    }

    for (const char* name : kTimerNames)
        if (auto* timer = static_cast<Zrl_Timer*>(module.find(name))) timer->reset();
    // The steps are timed only for the report of repeated runs.
    if (args.repeat > 1)
        if (auto* timing = reinterpret_cast<bool (*)(bool)>(module.find("_Z22setStandardsStepTimingb")))
            timing(true);
    AcTransactionManager* transactions = acdbTransactionManager();
    std::vector<double> seconds;
    VkDlgStandardsData result;
    std::vector<StandardsFailure> failures;
    const FailureSinkScope sinkScope(module, failures);
    for (int run = 0; run < args.repeat; ++run) {
        failures.clear();
        result = record;
        if (macroMode) result.transaction = transactions->startTransaction();
        const auto t0 = std::chrono::steady_clock::now();
        const bool ok = start(result);
        seconds.push_back(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        if (macroMode && ok) transactions->endTransaction();
        if (macroMode && !ok) transactions->abortTransaction();
        if (!ok) throw Failure{"the evaluation of " + args.sheet + " failed"};
    }
    printOutputs(result.varCells, args.json);
    if (args.repeat > 1) reportTimes(module, seconds);
    printFailures(failures, path);
    const bool write = !args.write.empty() && (failures.empty() || args.force);
    if (write &&
        saveMacroDescription(Zrl_String::fromUtf8(args.write), macro, macroData) != Acad::eOk)
        throw Failure{"cannot write " + args.write};
    if (failures.empty()) return 0;
    std::cerr << "zrlss evaluate: " << failures.size() << " fault(s) in the evaluation"
              << (!args.write.empty() && !write ? "; " + args.write + " not written (--force writes it)"
                                                : std::string())
              << "\n";
    return kEvaluationFailed;
}

int runEvaluateChecked(const EvaluateArgs& args) {
    try {
        return runEvaluate(args);
    } catch (const UsageError& e) {
        std::cerr << "zrlss evaluate: " << e.reason << "\n";
        return kBadUsage;
    }
}

void setupEvaluate(CommandLine& cli, const SharedOptions& shared) {
    auto args = std::make_shared<EvaluateArgs>();
    args->shared = &shared;
    cli.add("evaluate", "Run one standards evaluation")
        .option("SHEET", args->sheet, "standards sheet: a path or a sheet name of the library")
        .required()
        .option("--set", args->sets, "NAME=VALUE of an input (mode 1)")
        .flag("--json", args->json, "print the outputs as a JSON object")
        .option("--macro", args->macro, "macro description (JSON): evaluate in mode 0")
        .option("--key", args->key, "standards key of the macro (\"Module.\" + group)")
        .option("--write", args->write, "write the updated macro description here")
        .option("--repeat", args->repeat, "run N times and report the times")
        .flag("--force", args->force, "--write even when the evaluation failed")
        .option("--cases", args->cases,
                "CASES.csv: one evaluation per row, columns named after inputs (a \"key\" or "
                "\"name\" column names the case)")
        .option("-o,--out", args->out, "RESULTS.csv, .json, .xlsx or .ods of a --cases run")
        .option("--jobs", args->jobs, "worker processes of a --cases run (default: one per core)")
        .option("--case-timeout", args->caseSeconds,
                "seconds a --cases worker may spend on one case before it is stopped and the "
                "case failed (default 60)")
        .option("--test-worker-fault", args->workerFault,
                "for tests: N:die or N:hang, what a --cases worker does on case N")
        .hidden()
        .flag("--strict", args->strict,
              "a formula the load of the sheet cannot keep as written is an error")
        .flag("--worker", args->worker,
              "(used by --cases) answer the cases handed in on descriptor 3, on descriptor 4")
        .flag("--inputs", args->inputs,
              "list the declared inputs, outputs and locals (with --json as JSON); run nothing")
        .run([args] { return runEvaluateChecked(*args); });
}

const Registrar registrar(setupEvaluate);

} // namespace

} // namespace zrlss

// The record classes' constructors, destructors and assignments, which the
// command would otherwise get from linking the module.
#include "standards/record_members.cpp"
