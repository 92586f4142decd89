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
#include <optional>
#include <unistd.h>

namespace zrlss {

namespace {

namespace fs = std::filesystem;

// What became of one case: the worker's answer line as it came (see
// worker_fields.h), or how the worker that held it ended. Kept as one line
// rather than decoded: a batch holds many cases, and the CSV results let go
// of each as soon as its row is written.
struct CaseResult {
    std::string answer;
    std::string lost;
    bool done = false;
};

// One answer, decoded; its strings are reused from case to case.
struct Answer {
    std::vector<std::string> fields; // ran, count, the outputs, four per fault
    size_t outputs = 0;
    bool ran = false;

    const std::string& output(size_t i) const { return fields[2 + i]; }
    size_t failures() const { return (fields.size() - 2 - outputs) / 4; }
    // Fault k's file, line, equation and reason.
    const std::string* failure(size_t k) const { return &fields[2 + outputs + 4 * k]; }
};

// `line` into `a`; false when it is no answer.
bool decodeAnswer(std::string_view line, Answer& a) {
    long outputs = 0, faultLine = 0;
    if (!splitFields(line, a.fields) || a.fields.size() < 2 || !fieldNumber(a.fields[1], outputs) ||
        outputs < 0 || static_cast<size_t>(outputs) > a.fields.size() - 2 ||
        (a.fields.size() - 2 - static_cast<size_t>(outputs)) % 4 != 0)
        return false;
    a.outputs = static_cast<size_t>(outputs);
    a.ran = a.fields[0] == "1";
    for (size_t k = 0; k < a.failures(); ++k)
        if (!fieldNumber(a.failure(k)[1], faultLine)) return false;
    return true;
}

// Case `c` decoded into `a` (a lost case: nothing ran, no outputs).
void decodeCase(const CaseResult& c, Answer& a) {
    if (c.answer.empty()) {
        a.fields.assign(2, std::string());
        a.outputs = 0;
        a.ran = false;
        return;
    }
    if (!decodeAnswer(c.answer, a)) throw Failure{"a worker's answer cannot be read: " + c.answer};
}

bool caseFailed(const CaseResult& c, const Answer& a) {
    return !c.lost.empty() || !a.ran || a.failures() > 0;
}

std::string caseStatus(const CaseResult& c, const Answer& a) {
    if (!c.lost.empty()) return "failed: the worker " + c.lost + " on this case";
    if (!a.ran) return "failed: the evaluation did not run";
    if (a.failures() == 0) return "ok";
    return "failed: " + std::to_string(a.failures()) + " equations; " + a.failure(0)[2] + ": " +
           a.failure(0)[3];
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
    // The name of case `index`: its name column's, else its number (from 1).
    std::string name(size_t index) const {
        return nameColumn >= 0 ? field(index, nameColumn) : std::to_string(index + 1);
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
    Answer a;
    for (size_t r = 0; r < results.size(); ++r) {
        decodeCase(results[r], a);
        std::vector<std::string>& row = rows.emplace_back();
        if (t.nameColumn >= 0) row.push_back(t.name(r));
        for (int col : t.inputColumn)
            row.push_back(t.field(r, col));
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            row.push_back(a.ran && i < a.outputs ? a.output(i) : std::string());
        row.push_back(caseStatus(results[r], a));
    }
    return rows;
}

// The CSV results, written into the file's text row by row while the cases
// come in: a row as soon as the cases before it are in, so that little is
// left for the end, and the case let go of.
class CsvResults {
public:
    explicit CsvResults(const CaseTable& t) : table_(t) {
        if (t.nameColumn >= 0) add("name", true);
        for (const std::string& name : t.inputNames)
            add(name, text_.empty());
        for (const std::string& name : t.outputNames)
            add(name, false);
        add("status", false);
        text_ += '\n';
    }
    // Case i is in, decoded as `a`: its row and those of the cases in after
    // it are written when the cases before it are in too; else it waits, kept
    // as its answer `line`.
    void in(std::vector<CaseResult>& results, size_t i, std::string_view line, const Answer& a) {
        results[i].done = true;
        if (i != next_) {
            results[i].answer = line;
            return;
        }
        row(i, results[i], a);
        results[i] = CaseResult{};
        for (++next_; next_ < results.size() && results[next_].done; ++next_) {
            CaseResult& c = results[next_];
            decodeCase(c, answer_);
            row(next_, c, answer_);
            c = CaseResult{};
        }
    }
    const std::string& text() const { return text_; }

private:
    void add(std::string_view field, bool first) {
        if (!first) text_ += ',';
        appendCsvField(text_, field);
    }
    void row(size_t r, const CaseResult& c, const Answer& a) {
        const CaseTable& t = table_;
        if (t.nameColumn >= 0) add(t.field(r, t.nameColumn), true);
        for (size_t i = 0; i < t.inputColumn.size(); ++i)
            add(t.field(r, t.inputColumn[i]), t.nameColumn < 0 && i == 0);
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            add(a.ran && i < a.outputs ? std::string_view(a.output(i)) : "", false);
        add(caseStatus(c, a), false);
        text_ += '\n';
    }

    const CaseTable& table_;
    std::string text_;
    size_t next_ = 0; // the first case whose row is not written
    Answer answer_;   // a kept case's, decoded
};

std::string resultsJson(const CaseTable& t, const std::vector<CaseResult>& results) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    Answer a;
    for (size_t r = 0; r < results.size(); ++r) {
        const CaseResult& c = results[r];
        decodeCase(c, a);
        nlohmann::ordered_json entry = nlohmann::ordered_json::object();
        if (t.nameColumn >= 0) entry["name"] = t.name(r);
        nlohmann::ordered_json inputs = nlohmann::ordered_json::object();
        for (size_t i = 0; i < t.inputNames.size(); ++i)
            inputs[t.inputNames[i]] = t.field(r, t.inputColumn[i]);
        entry["inputs"] = inputs;
        nlohmann::ordered_json outputs = nlohmann::ordered_json::object();
        for (size_t i = 0; i < t.outputNames.size(); ++i)
            outputs[t.outputNames[i]] = a.ran && i < a.outputs ? a.output(i) : "";
        entry["outputs"] = outputs;
        entry["status"] = caseStatus(c, a);
        nlohmann::ordered_json failures = nlohmann::ordered_json::array();
        for (size_t k = 0; k < a.failures(); ++k) {
            const std::string* f = a.failure(k);
            long line = 0;
            fieldNumber(f[1], line);
            failures.push_back({{"file", f[0]},
                                {"line", static_cast<int>(line)},
                                {"equation", f[2]},
                                {"reason", f[3]}});
        }
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

// `csv`: the CSV results, written already (for a .csv file).
void writeResults(const std::string& file, const CaseTable& t,
                  const std::vector<CaseResult>& results, const CsvResults* csv) {
    const std::string ext = fs::path(file).extension().string();
    if (ext == ".xlsx" || ext == ".ods") return saveResultsSheet(t, results, file);
    const std::string text = csv != nullptr ? csv->text() : resultsJson(t, results);
    std::string why;
    if (!files::replaceFile(file, text, &why)) throw Failure{"cannot write " + file + ": " + why};
}

// The request of case `index` (see worker_fields.h), made in `line` (the
// caller's, reused) and appended to `out`.
void appendRequest(const CaseTable& t, size_t index, FieldLine& line, std::string& out) {
    line.clear();
    line.add(static_cast<long>(index + 1));
    for (size_t i = 0; i < t.inputColumn.size(); ++i) {
        line.add(t.inputIndex[i]);
        line.add(t.field(index, t.inputColumn[i]));
    }
    out += line.text();
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
    if (batch.caseSeconds <= 0)
        throw UsageError{"--case-timeout wants a positive number of seconds"};
    if (ext == ".xlsx" || ext == ".ods") checkSheetFormat(batch.out);
    // The workers get ready while the sheet and the table are read; a sheet
    // or table refused stops them unused.
    WorkerPool pool(batch.workerCommand, batch.jobs > 0 ? batch.jobs : defaultJobs());
    if (batch.sheetLoads && !batch.sheetLoads()) return 1;
    const VkVarCells declared = declaredVariables(path);
    const CaseTable table = readTable(batch.cases, declared);

    std::vector<CaseResult> results(table.size());
    std::optional<CsvResults> csv;
    if (ext == ".csv") csv.emplace(table);
    bool anyFailed = false;
    Answer answer;
    // Case i is in, its answer `line` decoded in `answer`.
    const auto in = [&](size_t i, std::string_view line) {
        anyFailed = anyFailed || caseFailed(results[i], answer);
        if (csv) return csv->in(results, i, line, answer);
        results[i].done = true;
        results[i].answer = line;
    };
    const bool progress = isatty(STDERR_FILENO) != 0;
    PoolTasks tasks;
    tasks.count = results.size();
    FieldLine request;
    tasks.request = [&](size_t i, std::string& out) { appendRequest(table, i, request, out); };
    tasks.answer = [&](size_t i, std::string_view line) {
        if (!decodeAnswer(line, answer))
            throw Failure{"a worker's answer cannot be read: " + std::string(line)};
        in(i, line);
    };
    tasks.lost = [&](size_t i, const std::vector<size_t>& again, const std::string& why) {
        results[i].lost = why;
        std::string others;
        for (size_t k : again)
            others += (others.empty() ? "" : ", ") + table.name(k);
        std::cerr << "zrlss evaluate: a worker " << why << " on case " << table.name(i)
                  << (others.empty() ? std::string() : "; cases " + others + " run again") << "\n";
        decodeCase(results[i], answer);
        in(i, {});
    };
    tasks.taskSeconds = batch.caseSeconds;
    tasks.progress = [&](size_t done) {
        if (progress && (done % 64 == 0 || done == tasks.count))
            std::cerr << "\r" << done << "/" << tasks.count << " cases"
                      << (done == tasks.count ? "\n" : "") << std::flush;
    };
    pool.run(tasks);

    // The workers end meanwhile.
    writeResults(batch.out, table, results, csv ? &*csv : nullptr);
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
