// One run of a registered dialog: the path that `zrlss dialog` and the
// data-driven dialog tests share.
//
//   DialogRun run = runDialog({"genvars", recordJson, scriptText, {}});
//   run.status: 0 done; 1 refused before anything opened (unknown name, a
//   bad record or option); 2 a bad script or an action that could not be
//   done; 3 a failed check or unused actions. `message` says why (one line).
#pragma once

#include "dialog_registry.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace dialogs {

struct DialogRequest {
    std::string name;
    std::optional<std::string> record; // JSON text; none: the dialog's default record
    std::optional<std::string> script; // action script; none: every dialog ends with Cancel
    DialogOptions options;
    // A PNG picture of the first dialog as it stands when it closes (or at
    // the end of the run, when it stays open), drawn at this scale.
    std::string png;
    int scale = 1;
    // A folder for what the dialogs remember between runs (their sizes, the
    // registry), so that a run starts as on a first use; empty: the user's.
    std::string settings;
};

struct DialogRun {
    int status = 0;
    std::string message;
    int line = 0;                                   // the script line concerned, 0 when none
    nlohmann::json result;                          // the starter's result
    nlohmann::json record;                          // the record after the run (status 0 only)
    nlohmann::json shown = nlohmann::json::array(); // what the dialogs showed, and the notes
    std::vector<std::string> faults;                // what the picture shows amiss (--png)
};

// Status of a request refused before any dialog opened.
inline constexpr int kRunRefused = 1;
// Status of a run whose picture could not be drawn or written.
inline constexpr int kRunFailed = 3;

DialogRun runDialog(const DialogRequest& request);

} // namespace dialogs
