#include "platform/host/rx_registry.h"

#include "platform/host/call_log.h"
#include "platform/text/fold.h"

#include <algorithm>

namespace {

bool sameName(const std::wstring& a, const wchar_t* b) {
    std::size_t i = 0;
    for (; i < a.size(); ++i) {
        if (b[i] == L'\0' || zrltext::foldCase(a[i]) != zrltext::foldCase(b[i])) return false;
    }
    return b[i] == L'\0';
}

bool empty(const wchar_t* s) {
    return !s || *s == L'\0';
}

std::wstring text(const wchar_t* s) {
    return s ? s : L"null";
}

AcRxDynamicLinker& linker() {
    static AcRxDynamicLinker object;
    return object;
}

AcEdCommandStack& commands() {
    static AcEdCommandStack object;
    return object;
}

} // namespace

// --- dynamic linker

AcRxDynamicLinker* AcRxDynamicLinker::cast(AcRxObject* object) {
    return dynamic_cast<AcRxDynamicLinker*>(object);
}

bool AcRxDynamicLinker::unlockApplication(void* appId) const {
    host::recordCall("AcRxDynamicLinker::unlockApplication", {host::pointerText(appId)});
    auto it = apps_.find(appId);
    if (it == apps_.end()) return false;
    it->second.locked = false;
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) const {
    host::recordCall("AcRxDynamicLinker::lockApplication", {host::pointerText(appId)});
    auto it = apps_.find(appId);
    if (it == apps_.end()) return false;
    it->second.locked = true;
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(const void* appId) const {
    auto it = apps_.find(appId);
    return it != apps_.end() && it->second.locked;
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) const {
    host::recordCall("AcRxDynamicLinker::registerAppMDIAware", {host::pointerText(appId)});
    auto it = apps_.find(appId);
    if (it == apps_.end()) return false;
    it->second.mdiAware = true;
    return true;
}

bool AcRxDynamicLinker::isAppMDIAware(const void* appId) const {
    auto it = apps_.find(appId);
    return it != apps_.end() && it->second.mdiAware;
}

void AcRxDynamicLinker::addApplication(void* appId, const std::wstring& name) {
    apps_[appId] = App{name, true, false};
}

void AcRxDynamicLinker::removeApplication(const void* appId) {
    apps_.erase(appId);
}

bool AcRxDynamicLinker::knowsApplication(const void* appId) const {
    return apps_.count(appId) != 0;
}

void AcRxDynamicLinker::clear() {
    apps_.clear();
}

// --- command stack

AcEdCommandStack* AcEdCommandStack::cast(AcRxObject* object) {
    return dynamic_cast<AcEdCommandStack*>(object);
}

ErrorStatus AcEdCommandStack::addCommand(const wchar_t* groupName, const wchar_t* globalName,
                                         const wchar_t* localName, int flags,
                                         AcRxFunctionPtr function) {
    host::recordCall("AcEdCommandStack::addCommand",
                     {text(groupName), text(globalName), text(localName), std::to_wstring(flags)});
    if (empty(groupName) || empty(globalName) || !function) return Acad::eInvalidInput;
    if (lookupCmd(globalName)) return Acad::eDuplicateKey;
    auto group = std::find_if(groups_.begin(), groups_.end(),
                              [&](const Group& g) { return sameName(g.name, groupName); });
    if (group == groups_.end()) {
        groups_.push_back(Group{groupName, {}});
        group = groups_.end() - 1;
    }
    group->commands.push_back(
        Command{globalName, empty(localName) ? globalName : localName, flags, function});
    return Acad::eOk;
}

ErrorStatus AcEdCommandStack::removeCmd(const wchar_t* groupName, const wchar_t* globalName) {
    host::recordCall("AcEdCommandStack::removeCmd", {text(groupName), text(globalName)});
    if (empty(groupName) || empty(globalName)) return Acad::eInvalidInput;
    for (Group& g : groups_) {
        if (!sameName(g.name, groupName)) continue;
        auto it = std::find_if(g.commands.begin(), g.commands.end(), [&](const Command& c) {
            return sameName(c.globalName, globalName);
        });
        if (it == g.commands.end()) return Acad::eKeyNotFound;
        g.commands.erase(it);
        return Acad::eOk;
    }
    return Acad::eKeyNotFound;
}

ErrorStatus AcEdCommandStack::removeGroup(const wchar_t* groupName) {
    host::recordCall("AcEdCommandStack::removeGroup", {text(groupName)});
    if (empty(groupName)) return Acad::eInvalidInput;
    auto it = std::find_if(groups_.begin(), groups_.end(),
                           [&](const Group& g) { return sameName(g.name, groupName); });
    if (it == groups_.end()) return Acad::eKeyNotFound;
    groups_.erase(it);
    return Acad::eOk;
}

bool AcEdCommandStack::hasGroup(const wchar_t* groupName) const {
    if (empty(groupName)) return false;
    return std::any_of(groups_.begin(), groups_.end(),
                       [&](const Group& g) { return sameName(g.name, groupName); });
}

AcRxFunctionPtr AcEdCommandStack::lookupCmd(const wchar_t* name) const {
    if (empty(name)) return nullptr;
    for (const Group& g : groups_) {
        for (const Command& c : g.commands) {
            if (sameName(c.globalName, name) || sameName(c.localName, name)) return c.function;
        }
    }
    return nullptr;
}

std::vector<std::wstring> AcEdCommandStack::groupNames() const {
    std::vector<std::wstring> names;
    for (const Group& g : groups_)
        names.push_back(g.name);
    return names;
}

void AcEdCommandStack::clear() {
    groups_.clear();
}

// --- system registry

AcRxObject* AcRxDictionary::at(const wchar_t* key) const {
    host::recordCall("AcRxDictionary::at", {text(key)});
    if (empty(key)) return nullptr;
    if (std::wstring(key) == L"DynamicLinker") return &linker();
    if (std::wstring(key) == L"ACAD_REGISTERED_COMMANDS") return &commands();
    return nullptr;
}

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary registry;
    return &registry;
}

AcRxDynamicLinker* acrxDynamicLinker() {
    return &linker();
}

AcEdCommandStack* acedRegCmds() {
    return &commands();
}
