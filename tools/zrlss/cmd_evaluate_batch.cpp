// zrlss evaluate --cases: the table is read and checked against the sheet's
// inputs before anything runs; the cases go to worker processes (the command
// itself, started with --worker), each keeping the module's caches warm; the
// answers are put back in the table's order and written at the end.
#include "evaluate_batch.h"

#include "command.h"
#include "csv_text.h"
#include "platform/core/files.h"
#include "platform/files/replace_file.h"
#include "platform/spread/sheet.h"
#include "standards/dlg_standards_data.h"
#include "worker_fields.h"
#include "worker_pool.h"

#include <charconv>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

// One case of a batch: its name, what the run gave back and what went wrong
// (its inputs are the table's).
struct CaseResult {
    std::string name;
    std::vector<std::string> outputs;
    std::vector<StandardsFailure> failures;
    bool ran = false;
    std::string lost; // how the worker that held it ended, when it did
};

std::string caseStatus(const CaseResult& c) {
    if (c.ran && c.failures.empty() && c.lost.empty()) return "ok";
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
    // A field of case `index` (from 0); a short row's missing fields are empty.
    const std::string& field(size_t index, int col) const {
        static const std::string kNone;
        const std::vector<std::string>& fields = records[index + 1];
        return static_cast<size_t>(col) < fields.size() ? fields[static_cast<size_t>(col)] : kNone;
    }
};

// Columns: a "key" or "name" column names the case; every other one is an
// input, found by name before anything runs.
CaseTable readTable(const std::string& file, const VkVarCells& declared) {
    std::string bytes, why;
    if (!readFileBytes(file, bytes, &why)) throw Failure{why};
    // Every text of the results passes as it is read: checked here, before
    // the cases run, rather than found by the writer at the end.
    if (const size_t bad = firstLineNotUtf8(bytes))
        throw Failure{file + ": line " + std::to_string(bad) + ": not UTF-8"};
    CaseTable t;
    t.records = csvRecords(bytes);
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
    for (size_t r = 0; r < results.size(); ++r) {
        const CaseResult& c = results[r];
        std::vector<std::string>& row = rows.emplace_back();
        if (t.nameColumn >= 0) row.push_back(c.name);
        for (int col : t.inputColumn)
            row.push_back(t.field(r, col));
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            row.push_back(c.ran && i < c.outputs.size() ? c.outputs[i] : std::string());
        row.push_back(caseStatus(c));
    }
    return rows;
}

// Written straight into the file's text: a batch has a row per case and
// nothing of it needs to be held twice.
std::string resultsCsv(const CaseTable& t, const std::vector<CaseResult>& results) {
    std::string text;
    auto add = [&text](std::string_view field, bool first) {
        if (!first) text += ',';
        appendCsvField(text, field);
    };
    if (t.nameColumn >= 0) add("name", true);
    for (const std::string& name : t.inputNames)
        add(name, text.empty());
    for (const std::string& name : t.outputNames)
        add(name, false);
    add("status", false);
    text += '\n';
    for (size_t r = 0; r < results.size(); ++r) {
        const CaseResult& c = results[r];
        if (t.nameColumn >= 0) add(c.name, true);
        for (size_t i = 0; i < t.inputColumn.size(); ++i)
            add(t.field(r, t.inputColumn[i]), t.nameColumn < 0 && i == 0);
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            add(c.ran && i < c.outputs.size() ? std::string_view(c.outputs[i]) : "", false);
        add(caseStatus(c), false);
        text += '\n';
    }
    return text;
}

std::string resultsJson(const CaseTable& t, const std::vector<CaseResult>& results) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (size_t r = 0; r < results.size(); ++r) {
        const CaseResult& c = results[r];
        nlohmann::ordered_json entry = nlohmann::ordered_json::object();
        if (t.nameColumn >= 0) entry["name"] = c.name;
        nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
        for (size_t i = 0; i < t.inputNames.size(); ++i)
            inputs[t.inputNames[i]] = t.field(r, t.inputColumn[i]);
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

// One request and one answer per case (see worker_fields.h).
std::string requestLine(const CaseTable& t, size_t index) {
    FieldLine line;
    line.add(static_cast<long>(index + 1));
    for (size_t i = 0; i < t.inputColumn.size(); ++i) {
        line.add(t.inputIndex[i]);
        line.add(t.field(index, t.inputColumn[i]));
    }
    return line.text();
}

// `fields` is the caller's, reused from answer to answer.
void readAnswer(std::string_view line, std::vector<std::string>& fields, CaseResult& c) {
    long outputs = 0, faultLine = 0;
    if (!splitFields(line, fields) || fields.size() < 2 || !fieldNumber(fields[1], outputs) ||
        outputs < 0 || static_cast<size_t>(outputs) > fields.size() - 2 ||
        (fields.size() - 2 - static_cast<size_t>(outputs)) % 4 != 0)
        throw Failure{"a worker's answer cannot be read: " + std::string(line)};
    c.ran = fields[0] == "1";
    const auto first = fields.begin() + 2;
    c.outputs.assign(first, first + outputs);
    for (auto f = first + outputs; f != fields.end(); f += 4) {
        if (!fieldNumber(f[1], faultLine))
            throw Failure{"a worker's answer cannot be read: " + std::string(line)};
        c.failures.push_back({Zrl_String::fromUtf8(f[0]), static_cast<int>(faultLine),
                              Zrl_String::fromUtf8(f[2]), Zrl_String::fromUtf8(f[3])});
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
        c.name = table.nameColumn >= 0 ? table.field(r, table.nameColumn) : std::to_string(r + 1);
    }
    const bool progress = isatty(STDERR_FILENO) != 0;
    PoolTasks tasks;
    tasks.count = results.size();
    tasks.request = [&](size_t i) { return requestLine(table, i); };
    std::vector<std::string> fields;
    tasks.answer = [&](size_t i, std::string_view line) { readAnswer(line, fields, results[i]); };
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
    // What every case starts from: the record without its variables, and the
    // sheet's variables as declared. They are put back cell by cell, so that
    // the texts of the record keep their storage from case to case.
    VkDlgStandardsData shell;
    shell.mode = 1;
    shell.sheetFile = path;
    const VkVarCells declared = declaredVariables(path);
    if (!writeWorkerLine(kWorkerReady)) return 1;
    std::string line;
    std::vector<std::string> fields;
    FieldLine answer;
    VkDlgStandardsData record;
    while (readWorkerLine(line)) {
        long n = 0, index = 0;
        if (!splitFields(line, fields) || fields.size() % 2 != 1 || !fieldNumber(fields[0], n))
            return 1;
        if (fault.atCase > 0 && n == fault.atCase) {
            if (!fault.hang) std::raise(SIGKILL);
            for (;;)
                pause();
        }
        VkVarCells cells = std::move(record.varCells);
        record = shell;
        if (cells.length() != declared.length()) cells = declared;
        for (int i = 0; i < cells.length(); ++i)
            cells[i] = declared[i];
        record.varCells = std::move(cells);
        for (size_t f = 1; f < fields.size(); f += 2) {
            if (!fieldNumber(fields[f], index) || index < 0 || index >= record.varCells.length())
                return 1;
            record.varCells[static_cast<int>(index)].value = Zrl_String::fromUtf8(fields[f + 1]);
        }
        failures.clear();
        const bool ran = start(record);
        long outputs = 0;
        for (int i = 0; i < record.varCells.length(); ++i)
            outputs += record.varCells[i].isOutput() ? 1 : 0;
        answer.clear();
        answer.add(ran ? "1" : "0");
        answer.add(outputs);
        for (int i = 0; i < record.varCells.length(); ++i)
            if (record.varCells[i].isOutput()) answer.add(record.varCells[i].value.toUtf8());
        for (const StandardsFailure& f : failures) {
            answer.add(f.file.toUtf8());
            answer.add(f.line);
            answer.add(f.equation.toUtf8());
            answer.add(f.reason.toUtf8());
        }
        if (!writeWorkerLine(answer.text())) return 1;
    }
    return 0;
}

} // namespace zrlss
