#include "platform/host/call_log.h"

#include <algorithm>
#include <cstdio>

namespace host {

namespace {
std::vector<HostCall>& log() {
    static std::vector<HostCall> calls;
    return calls;
}
} // namespace

void recordCall(std::string name, std::vector<std::wstring> args) {
    log().push_back(HostCall{std::move(name), std::move(args)});
}

const std::vector<HostCall>& callLog() {
    return log();
}

void clearCallLog() {
    log().clear();
}

std::vector<std::string> callNames() {
    std::vector<std::string> names;
    names.reserve(log().size());
    for (const HostCall& c : log())
        names.push_back(c.name);
    return names;
}

int countCalls(const std::string& name) {
    return static_cast<int>(std::count_if(log().begin(), log().end(),
                                          [&](const HostCall& c) { return c.name == name; }));
}

const HostCall* lastCall(const std::string& name) {
    for (auto it = log().rbegin(); it != log().rend(); ++it) {
        if (it->name == name) return &*it;
    }
    return nullptr;
}

std::wstring pointerText(const void* p) {
    if (!p) return L"null";
    wchar_t buf[32];
    std::swprintf(buf, 32, L"%p", p);
    return buf;
}

} // namespace host
