// bracing: the bracing dialog through its exported starter.
#include "dialog_registry.h"
#include "dialogs/dlg_bracing.h"
#include "platform/core/record_bracing.h"

namespace dialogs {
namespace {

const DialogRegistrar
    registrar({"bracing", "StartDlgBracing",
               "a bracing: the kind of each of its two members, a named "
               "profile, one switch",
               [] {
                   return std::make_unique<RecordFunctionsSession<VkBracingDlgData>>(
                       readBracingJson, writeBracingJson, StartDlgBracing);
               }});

} // namespace
} // namespace dialogs
