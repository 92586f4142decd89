// The one way every modal starter runs its dialog:
//
//   1. make the module's resources current (for the whole call, also when it
//      is left by an exception);
//   2. build the dialog on the stack with no parent window;
//   3. copy the caller's record into the dialog's record (and any extra
//      arguments into its fields);
//   4. run it modally;
//   5. on OK (end code 1) copy the record and the out arguments back and
//      answer true; otherwise leave the caller's record alone and answer
//      false;
//   6. destroy the dialog, then restore the resources.
//
// The dialog type provides:
//   Dialog()                         built without a parent
//   Record& record()                 its own copy of the record
//   intptr_t doModal()               1 for OK
// and, when extra arguments are passed,
//   void takeArguments(const Args&...)  copies them in before running
//   void giveArguments(Args&...)        copies the out arguments back on OK
//
// A starter is then one line (standards/dlg_gen_vars.cpp):
//   bool StartDlgGenVars(VkAutoStandardsData& data) {
//       return zrlss::runModalStarter<CDlgGenVars>(data);
//   }
// Exceptions are caught: a starter reports failure through its result only.
#pragma once

#include "frame/library_instance.h"
#include "platform/win/constants.h"

#include <cstdint>

namespace zrlss {

template <class Dialog, class Record, class... Args>
bool runModalStarter(Record& record, Args&... args) noexcept {
    try {
        ResourceScope resources;
        Dialog dlg;
        dlg.record() = record;
        if constexpr (sizeof...(Args) > 0) dlg.takeArguments(args...);
        if (dlg.doModal() != win::IDOK) return false;
        record = dlg.record();
        if constexpr (sizeof...(Args) > 0) dlg.giveArguments(args...);
        return true;
    } catch (...) {
        return false;
    }
}

} // namespace zrlss
