#include "standards/child_call_chain.h"

#include "platform/core/paths.h"

#include <system_error>
#include <vector>

namespace child_call {

namespace {

std::vector<Zrl_String>& chain() {
    static std::vector<Zrl_String> files;
    return files;
}

bool sameFile(const Zrl_String& a, const Zrl_String& b) {
    if (a.equal(b, false)) return true;
    std::error_code ec;
    const bool same = std::filesystem::equivalent(resolvePath(a), resolvePath(b), ec);
    return !ec && same;
}

} // namespace

OpenSheet::OpenSheet(const Zrl_String& file) {
    chain().push_back(file);
}

OpenSheet::~OpenSheet() {
    chain().pop_back();
}

int depth() {
    return static_cast<int>(chain().size());
}

bool isOpen(const Zrl_String& file) {
    for (const Zrl_String& open : chain())
        if (sameFile(open, file)) return true;
    return false;
}

} // namespace child_call
