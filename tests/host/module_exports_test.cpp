// Reading a library's exported names from its dynamic symbol table.
#include "platform/host/module_exports.h"
#include "test_paths.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>

namespace {

std::string libPath(const std::string& name) {
    return std::string(ZRLSS_LIB_DIR) + "/" + name;
}

bool has(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ModuleExports, ListsDefinedNamesOnly) {
    std::string error;
    const auto names = host::listModuleExports(libPath("libhost_test_good.so"), error);
    ASSERT_TRUE(error.empty()) << error;
    EXPECT_TRUE(has(names, "acrxEntryPoint"));
    EXPECT_TRUE(has(names, "acrxGetApiVersion"));
    EXPECT_TRUE(has(names, "DllMain"));
    // Names it only uses are no exports of it.
    EXPECT_FALSE(has(names, "acutPrintf"));
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
}

TEST(ModuleExports, RefusesWhatIsNoSharedLibrary) {
    std::string error;
    EXPECT_TRUE(host::listModuleExports(libPath("missing.so"), error).empty());
    EXPECT_NE(error.find("cannot read"), std::string::npos);

    const std::string junk = ::testing::TempDir() + "junk.so";
    {
        std::ofstream out(junk, std::ios::binary);
        out << "\x7F"
               "ELF but nothing after";
    }
    EXPECT_TRUE(host::listModuleExports(junk, error).empty());
    EXPECT_FALSE(error.empty());
    std::remove(junk.c_str());
}

} // namespace
