#include "comreg/com_registration.h"

#include "comreg/clsid_printout.h"
#include "comreg/com_ids.h"
#include "comreg/com_keys.h"
#include "comreg/module_folder.h"
#include "platform/core/files.h"
#include "platform/host/command_line.h"
#include "platform/win/registry_batch.h"

#include <exception>

namespace {

using Acad::ErrorStatus;

// Runs an operation; anything it throws (memory running out) is a failure,
// never an exception across the module's boundary.
template <class Operation> ErrorStatus guarded(Operation&& operation) {
    try {
        return operation() ? Acad::eOk : Acad::eInvalidInput;
    } catch (...) {
        return Acad::eInvalidInput;
    }
}

// True when the path lies in the product's trees; otherwise the entry is
// left out and `allChecked` cleared (the other entries are still made).
bool checked(const std::wstring& path, bool& allChecked) {
    if (comreg::isProductKeyPath(path)) return true;
    allChecked = false;
    return false;
}

// Applies the batch; true when it was saved and no change was refused.
bool applied(win::RegistryBatch& batch) {
    if (!batch.apply()) return false;
    for (size_t i = 0; i < batch.size(); ++i)
        if (batch.outcome(i) == win::RegistryBatch::Outcome::Refused) return false;
    return true;
}

bool registerServer() {
    const std::wstring folder = comreg::ownModuleFolder();
    if (folder.empty()) return false;
    const std::wstring server = folder + std::wstring(comreg::kServerFileName);
    if (!fileExists(Zrl_String(server))) return false;

    win::RegistryBatch batch;
    bool allChecked = true;
    for (const comreg::ComEntry& e : comreg::registrationEntries(server))
        if (checked(e.path, allChecked))
            batch.setString(win::HKEY_CLASSES_ROOT, e.path, L"", e.value);
    return applied(batch) && allChecked;
}

bool cleanupServer() {
    win::RegistryBatch batch;
    bool allChecked = true;
    for (const std::wstring& tree : comreg::productTrees())
        if (checked(tree, allChecked)) batch.deleteTree(win::HKEY_CLASSES_ROOT, tree);
    return applied(batch) && allChecked;
}

bool printIds() {
    for (const comreg::ComClass& c : comreg::kClasses)
        if (const auto line = comreg::clsidDeclaration(c.name, c.clsid.toText()))
            acutPrintf(L"\n%ls", line->c_str());
    const std::wstring folder = comreg::ownModuleFolder();
    if (folder.empty()) return false;
    return ObjectExportWriteFile(Zrl_String(folder + std::wstring(comreg::kIdsFileName)),
                                 comreg::registryIdLines());
}

} // namespace

ErrorStatus SSregisterOpmCLSIDs() {
    return guarded(registerServer);
}

ErrorStatus SScleanupComRegistry() {
    return guarded(cleanupServer);
}

ErrorStatus SSprintCLSIDs() {
    return guarded(printIds);
}
