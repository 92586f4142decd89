// levels: the levels dialog through its exported starter.
#include "dialog_registry.h"
#include "dialogs/dlg_levels.h"
#include "platform/core/record_levels.h"

namespace dialogs {
namespace {

const DialogRegistrar
    registrar({"levels", "StartDlgLevels",
               "the named levels of the building: heights over their "
               "reference, new levels, deleted levels",
               [] {
                   return std::make_unique<RecordFunctionsSession<VkLevelsDlgData>>(
                       readLevelsJson, writeLevelsJson, StartDlgLevels);
               }});

} // namespace
} // namespace dialogs
