#include "standards/child_call_chain.h"

#include "standards/file_cache.h"

#include <vector>

namespace child_call {

namespace {

std::vector<Zrl_String>& chain() {
    static std::vector<Zrl_String> files;
    return files;
}

bool sameFile(const Zrl_String& a, const Zrl_String& b) {
    if (a.equal(b, false)) return true;
    std::filesystem::path pathA, pathB;
    filecache::FileStamp stampA, stampB;
    return filecache::findFile(a, pathA, stampA) && filecache::findFile(b, pathB, stampB) &&
           stampA.device == stampB.device && stampA.inode == stampB.inode;
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
