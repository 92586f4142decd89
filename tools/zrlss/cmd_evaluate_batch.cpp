// zrlss evaluate --cases: the table is read and checked against the sheet's
// inputs before anything runs; the cases go to worker processes (the command
// itself, started with --worker), each keeping the module's caches warm; the
// answers are put back in the table's order and written at the end.
#include "evaluate_batch.h"

#include "command.h"
#include "csv_text.h"
#include "platform/files/replace_file.h"
#include "platform/spread/sheet.h"
#include "standards/dlg_standards_data.h"
#include "worker_pool.h"

#include <charconv>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

// One case of a batch: its name, the inputs its row gives, what the run
// gave back and what went wrong.
struct CaseResult {
    std::string name;
    std::vector<std::string> inputs;
    std::vector<std::string> outputs;
    std::vector<StandardsFailure> failures;
    bool ran = false;
    std::string lost; // how the worker that held it ended, when it did
};

std::string caseStatus(const CaseResult& c) {
    if (!c.lost.empty()) return "failed: the worker " + c.lost + " on this case";
    if (!c.ran) return "failed: the evaluation did not run";
    if (c.failures.empty()) return "ok";
    return "failed: " + std::to_string(c.failures.size()) + " equations; " +
           c.failures.front().equation.toUtf8() + ": " + c.failures.front().reason.toUtf8();
}

// The table of a batch, checked against the sheet.
struct CaseTable {
    std::vector<std::vector<std::string>> records; // the header first
    int nameColumn = -1;
    std::vector<int> inputColumn;     // table columns of the inputs
    std::vector<int> inputIndex;      // their places in the variable list
    std::vector<std::string> inputNames;
    std::vector<std::string> outputNames;

    size_t size() const { return records.size() - 1; }
    std::string field(size_t record, int col) const {
        const std::vector<std::string>& fields = records[record];
        return static_cast<size_t>(col) < fields.size() ? fields[static_cast<size_t>(col)]
                                                        : std::string();
    }
};

// Columns: a "key" or "name" column names the case; every other one is an
// input, found by name before anything runs.
CaseTable readTable(const std::string& file, const VkVarCells& declared) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Failure{"cannot read " + file};
    std::stringstream buffer;
    buffer << in.rdbuf();
    CaseTable t;
    t.records = csvRecords(buffer.str());
    if (t.records.empty()) throw UsageError{file + " has no header row"};
    for (size_t col = 0; col < t.records[0].size(); ++col) {
        const Zrl_String title = Zrl_String::fromUtf8(t.records[0][col]).trimmed();
        if (t.nameColumn < 0 && (title.equal(L"key", false) || title.equal(L"name", false))) {
            t.nameColumn = static_cast<int>(col);
            continue;
        }
        // The module's own look-up is not linked into the command.
        int index = -1;
        for (int i = 0; i < declared.length() && index < 0; ++i)
            if (declared[i].isInput() && declared[i].name.equal(title, false)) index = i;
        if (index < 0) {
            const Zrl_String nearest = nearestInput(declared, title);
            throw UsageError{"the column " + title.toUtf8() + " of " + file +
                             " is no input of the sheet" +
                             (nearest.isEmpty() ? std::string()
                                                : "; did you mean " + nearest.toUtf8() + "?")};
        }
        t.inputColumn.push_back(static_cast<int>(col));
        t.inputNames.push_back(declared[index].name.toUtf8());
        t.inputIndex.push_back(index);
    }
    for (int i = 0; i < declared.length(); ++i)
        if (declared[i].isOutput()) t.outputNames.push_back(declared[i].name.toUtf8());
    return t;
}

// The results as rows of texts: the header, then one row per case.
std::vector<std::vector<std::string>> resultRows(const CaseTable& t,
                                                 const std::vector<CaseResult>& results) {
    std::vector<std::vector<std::string>> rows(1);
    if (t.nameColumn >= 0) rows[0].push_back("name");
    rows[0].insert(rows[0].end(), t.inputNames.begin(), t.inputNames.end());
    rows[0].insert(rows[0].end(), t.outputNames.begin(), t.outputNames.end());
    rows[0].push_back("status");
    for (const CaseResult& c : results) {
        std::vector<std::string>& row = rows.emplace_back();
        if (t.nameColumn >= 0) row.push_back(c.name);
        row.insert(row.end(), c.inputs.begin(), c.inputs.end());
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            row.push_back(c.ran && i < c.outputs.size() ? c.outputs[i] : std::string());
        row.push_back(caseStatus(c));
    }
    return rows;
}

std::string resultsCsv(const CaseTable& t, const std::vector<CaseResult>& results) {
    std::string text;
    for (const std::vector<std::string>& fields : resultRows(t, results)) {
        Zrl_StringArray line;
        for (const std::string& f : fields)
            line.append(Zrl_String::fromUtf8(f));
        text += csvLine(line) + "\n";
    }
    return text;
}

std::string resultsJson(const CaseTable& t, const std::vector<CaseResult>& results) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const CaseResult& c : results) {
        nlohmann::ordered_json entry = nlohmann::ordered_json::object();
        if (t.nameColumn >= 0) entry["name"] = c.name;
        nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
        for (size_t i = 0; i < t.inputNames.size(); ++i)
            inputs[t.inputNames[i]] = c.inputs[i];
        entry["inputs"] = inputs;
        nlohmann::ordered_json outputs = nlohmann::ordered_json::object();
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            outputs[t.outputNames[i]] = c.ran && i < c.outputs.size() ? c.outputs[i] : "";
        entry["outputs"] = outputs;
        entry["status"] = caseStatus(c);
        nlohmann::ordered_json failures = nlohmann::ordered_json::array();
        for (const StandardsFailure& f : c.failures)
            failures.push_back({{"file", f.file.toUtf8()},
                                {"line", f.line},
                                {"equation", f.equation.toUtf8()},
                                {"reason", f.reason.toUtf8()}});
        entry["failures"] = failures;
        list.push_back(entry);
    }
    return list.dump(2) + "\n";
}

// A field that is a whole number in the C locale's notation.
bool asNumber(const std::string& text, double& number) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, number);
    return ec == std::errc() && ptr == end;
}

// The results as a sheet saved by the grid engine, in the format its
// extension names: numbers as numbers, everything else as text.
void saveResultsSheet(const CaseTable& t, const std::vector<CaseResult>& results,
                      const std::string& file) {
    const std::vector<std::vector<std::string>> rows = resultRows(t, results);
    spread::Sheet sheet;
    if (!sheet.setMaxCols(static_cast<int>(rows[0].size())) ||
        !sheet.setMaxRows(static_cast<int>(rows.size())))
        throw Failure{"the results do not fit a sheet"};
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const int col = static_cast<int>(c) + 1, row = static_cast<int>(r) + 1;
            double number = 0;
            if (r > 0 && asNumber(rows[r][c], number))
                sheet.setCellValue(col, row, spread::Value(number));
            else
                sheet.setCellValue(col, row,
                                   spread::Value(Zrl_String::fromUtf8(rows[r][c]).str()));
        }
    std::wstring why;
    if (!sheet.save(file, &why))
        throw Failure{"cannot write " + file + ": " + Zrl_String(why).toUtf8()};
}

// Whether the grid engine writes sheets in the format of `file`'s extension:
// asked before the cases run, so that a batch is not computed for nothing.
void checkSheetFormat(const std::string& file) {
    std::error_code ec;
    const fs::path probe = fs::temp_directory_path(ec) /
                           ("zrlss-probe-" + std::to_string(getpid()) +
                            fs::path(file).extension().string());
    spread::Sheet empty;
    std::wstring why;
    const bool written = empty.save(probe, &why);
    fs::remove(probe, ec);
    if (!written) throw Failure{"cannot write " + file + ": " + Zrl_String(why).toUtf8()};
}

void writeResults(const std::string& file, const CaseTable& t,
                  const std::vector<CaseResult>& results) {
    const std::string ext = fs::path(file).extension().string();
    if (ext == ".xlsx" || ext == ".ods") return saveResultsSheet(t, results, file);
    const std::string text = ext == ".csv" ? resultsCsv(t, results) : resultsJson(t, results);
    std::string why;
    if (!files::replaceFile(file, text, &why)) throw Failure{"cannot write " + file + ": " + why};
}

// One request: the case's number and its inputs by their places in the
// variable list. One answer: whether it ran, the outputs in declaration
// order and the faults.
std::string requestLine(const CaseTable& t, size_t index) {
    nlohmann::json set = nlohmann::json::array();
    for (size_t i = 0; i < t.inputColumn.size(); ++i)
        set.push_back({t.inputIndex[i], t.field(index + 1, t.inputColumn[i])});
    return nlohmann::json{{"n", index + 1}, {"set", set}}.dump();
}

void readAnswer(const std::string& line, CaseResult& c) {
    const nlohmann::json answer = nlohmann::json::parse(line, nullptr, false);
    if (answer.is_discarded() || !answer.is_object())
        throw Failure{"a worker's answer cannot be read: " + line};
    c.ran = answer.value("ran", false);
    for (const auto& v : answer.value("out", nlohmann::json::array()))
        c.outputs.push_back(v.get<std::string>());
    for (const auto& f : answer.value("failures", nlohmann::json::array())) {
        StandardsFailure failure;
        failure.file = Zrl_String::fromUtf8(f.at(0).get<std::string>());
        failure.line = f.at(1).get<int>();
        failure.equation = Zrl_String::fromUtf8(f.at(2).get<std::string>());
        failure.reason = Zrl_String::fromUtf8(f.at(3).get<std::string>());
        c.failures.push_back(failure);
    }
}

int defaultJobs() {
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 0 ? static_cast<int>(cores) : 1;
}

} // namespace

int runBatch(const BatchRun& batch, const Zrl_String& path) {
    if (batch.out.empty()) throw UsageError{"--cases needs -o RESULTS.csv|.json|.xlsx|.ods"};
    const std::string ext = fs::path(batch.out).extension().string();
    if (ext != ".csv" && ext != ".json" && ext != ".xlsx" && ext != ".ods")
        throw UsageError{"-o wants a .csv, .json, .xlsx or .ods file: " + batch.out};
    if (batch.jobs < 0) throw UsageError{"--jobs wants a positive count"};
    if (batch.caseSeconds <= 0) throw UsageError{"--case-timeout wants a positive number of seconds"};
    if (ext == ".xlsx" || ext == ".ods") checkSheetFormat(batch.out);
    const VkVarCells declared = declaredVariables(path);
    const CaseTable table = readTable(batch.cases, declared);

    std::vector<CaseResult> results(table.size());
    for (size_t r = 0; r < results.size(); ++r) {
        CaseResult& c = results[r];
        c.name = table.nameColumn >= 0 ? table.field(r + 1, table.nameColumn)
                                       : std::to_string(r + 1);
        for (int col : table.inputColumn)
            c.inputs.push_back(table.field(r + 1, col));
    }
    const bool progress = isatty(STDERR_FILENO) != 0;
    PoolTasks tasks;
    tasks.count = results.size();
    tasks.request = [&](size_t i) { return requestLine(table, i); };
    tasks.answer = [&](size_t i, const std::string& line) { readAnswer(line, results[i]); };
    tasks.lost = [&](size_t i, const std::vector<size_t>& again, const std::string& why) {
        results[i].lost = why;
        std::string others;
        for (size_t k : again)
            others += (others.empty() ? "" : ", ") + results[k].name;
        std::cerr << "zrlss evaluate: a worker " << why << " on case " << results[i].name
                  << (others.empty() ? std::string() : "; cases " + others + " run again")
                  << "\n";
    };
    tasks.taskSeconds = batch.caseSeconds;
    tasks.progress = [&](size_t done) {
        if (progress && (done % 64 == 0 || done == tasks.count))
            std::cerr << "\r" << done << "/" << tasks.count << " cases"
                      << (done == tasks.count ? "\n" : "") << std::flush;
    };
    runOnWorkers(batch.workerCommand, batch.jobs > 0 ? batch.jobs : defaultJobs(), tasks);

    writeResults(batch.out, table, results);
    const bool anyFailed = std::any_of(results.begin(), results.end(), [](const CaseResult& c) {
        return !c.ran || !c.failures.empty() || !c.lost.empty();
    });
    return anyFailed ? kEvaluationFailed : 0;
}

bool readWorkerFault(const std::string& text, WorkerFault& fault) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    const std::string what = text.substr(colon + 1);
    long n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + colon, n);
    if (ec != std::errc() || end != text.data() + colon || n <= 0 ||
        (what != "die" && what != "hang"))
        return false;
    fault = {n, what == "hang"};
    return true;
}

int runBatchWorker(StartFn start, const Zrl_String& path, std::vector<StandardsFailure>& failures,
                   const WorkerFault& fault) {
    const VkVarCells declared = declaredVariables(path);
    if (!writeWorkerLine(kWorkerReady)) return 1;
    std::string line;
    while (readWorkerLine(line)) {
        const nlohmann::json request = nlohmann::json::parse(line, nullptr, false);
        if (request.is_discarded() || !request.is_object()) return 1;
        if (fault.atCase > 0 && request.value("n", 0L) == fault.atCase) {
            if (!fault.hang) std::raise(SIGKILL);
            for (;;)
                pause();
        }
        VkDlgStandardsData record;
        record.mode = 1;
        record.sheetFile = path;
        record.varCells = declared;
        for (const auto& pair : request.value("set", nlohmann::json::array())) {
            const int index = pair.at(0).get<int>();
            if (index < 0 || index >= record.varCells.length()) return 1;
            record.varCells[index].value = Zrl_String::fromUtf8(pair.at(1).get<std::string>());
        }
        failures.clear();
        const bool ran = start(record);
        nlohmann::json out = nlohmann::json::array();
        for (int i = 0; i < record.varCells.length(); ++i)
            if (record.varCells[i].isOutput()) out.push_back(record.varCells[i].value.toUtf8());
        nlohmann::json faults = nlohmann::json::array();
        for (const StandardsFailure& f : failures)
            faults.push_back(
                {f.file.toUtf8(), f.line, f.equation.toUtf8(), f.reason.toUtf8()});
        const nlohmann::json answer{{"ran", ran}, {"out", out}, {"failures", faults}};
        if (!writeWorkerLine(answer.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)))
            return 1;
    }
    return 0;
}

} // namespace zrlss
