// zrlss evaluate --cases: one evaluation per row of a table, run on worker
// processes, and what the command's single runs share with it.
#pragma once

#include "platform/core/zrl_string.h"
#include "standards/standards_failures.h"
#include "standards/var_cells.h"

#include <functional>
#include <string>
#include <vector>

class VkDlgStandardsData;

namespace zrlss {

using StartFn = bool (*)(VkDlgStandardsData&);

// Exit statuses beside 0 and 1 (a Failure).
constexpr int kBadUsage = 2;
constexpr int kEvaluationFailed = 3;

// A command-line mistake found before anything runs: exit status 2.
struct UsageError {
    std::string reason;
};

// The sheet's inputs and outputs in declaration order (the variable list
// of a mode-1 run).
VkVarCells declaredVariables(const Zrl_String& path);

// The declared input whose name is nearest to `name` (empty: none).
Zrl_String nearestInput(const VkVarCells& cells, const Zrl_String& name);

// The default limit of one case's time in a batch: an evaluation takes far
// less than a millisecond, so a worker this long on one case hangs.
constexpr int kCaseSeconds = 60;

// For tests: what a batch worker does when handed case `atCase` (from 1, in
// the table's order) instead of evaluating it, as a fault of its own would.
struct WorkerFault {
    long atCase = 0; // 0: none
    bool hang = false; // else it dies (killed by a signal)
};
// Reads "N:die" or "N:hang"; false when the text is neither.
bool readWorkerFault(const std::string& text, WorkerFault& fault);

struct BatchRun {
    std::string cases; // the table of cases
    std::string out;   // the results: .csv, .json, .xlsx or .ods
    int jobs = 0;      // worker processes; 0: one per core
    int caseSeconds = kCaseSeconds; // the longest a worker may spend on a case
    // The command that starts a worker on the same sheet and library.
    std::vector<std::string> workerCommand;
    // Tells what the load of the sheet could not keep; false when that
    // refuses it. Asked while the workers start.
    std::function<bool()> sheetLoads;
};

// Runs every case of the table on worker processes and writes the results
// at the end; status 3 when a case failed.
int runBatch(const BatchRun& batch, const Zrl_String& path);

// The worker's side: answers the cases it is handed until its input ends.
// `failures` is where the module's fault sink collects.
int runBatchWorker(StartFn start, const Zrl_String& path, std::vector<StandardsFailure>& failures,
                   const WorkerFault& fault = {});

} // namespace zrlss
