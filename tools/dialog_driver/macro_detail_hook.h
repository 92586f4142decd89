// The core's detail dialogs behind the macro dialog's buttons, as the dialog
// command plays the core (platform/core/macro_drawing.h, MacroCoreHooks):
// on a profile page the advanced button opens the advanced profile dialog on
// the page's group (with the placements of the page's modules), and the cuts
// button the cuts dialog on the cuts of the page's modules, which OK writes
// back into the macro. Other buttons (the bolt settings, picking in the
// drawing) open nothing.
#pragma once

#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"

#include <functional>

namespace dialogs {

// The hook over `macro`, which must outlive it.
std::function<bool(MacroData&, int tabIndex, int buttonId)> macroDetailDialogs(Zrl_DbMacro& macro);

} // namespace dialogs
