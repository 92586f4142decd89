// VkSSRegistrySets: reading the two registry values.
#include "sheettools/ss_registry_sets.h"

#include "platform/win/registry.h"

namespace {

bool readValue(const wchar_t* name, Zrl_String& target) {
    const auto value = win::regGetString(win::HKEY_LOCAL_MACHINE, VkSSRegistrySets::kKey, name);
    if (!value) return false;
    Zrl_String text(*value);
    if (static_cast<int>(text.toUtf8().size()) > VkSSRegistrySets::kMaxValueBytes) return false;
    target = text;
    return true;
}

} // namespace

bool VkSSRegistrySets::read() {
    const bool languageRead = readValue(L"Language", language);
    const bool settingsRead = readValue(L"Default Settings", defaultSettings);
    return languageRead && settingsRead;
}
