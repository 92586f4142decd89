// Linked into the command's test build alone (bin/zrlss-test): memory "runs
// out" as the job named by ZRLSS_TEST_NO_MEMORY_WHILE begins ("reading",
// "writing OUT"...), so that tests see how the command reports it. The
// shipped command reads no such variable.
#include "command.h"

#include <cstdlib>
#include <new>
#include <string>

namespace {

void runOutOfMemoryWhile(const std::string& what) {
    const char* failing = std::getenv("ZRLSS_TEST_NO_MEMORY_WHILE");
    if (failing && *failing && what.rfind(failing, 0) == 0) throw std::bad_alloc();
}

const bool installed = (zrlss::testing::onDoing = &runOutOfMemoryWhile, true);

} // namespace
