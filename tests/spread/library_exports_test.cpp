// libzrlspread.so as its users see it: its dynamic symbols are the names of
// its public headers (src/platform/spread/exports.txt) and nothing else, so
// that the engine's inner parts (spread::detail, the cell store, the formula
// compiler) stay out of reach.
#include "platform/host/module_exports.h"
#include "support/name_list.h"
#include "test_paths.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kLibrary = std::string(ZRLSS_LIB_DIR) + "/libzrlspread.so";

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Whether the symbol `name` belongs to the public class or function `owner`:
// a member, an overload (its name may carry an ABI tag), or the class's type
// information and virtual table.
bool belongsTo(const std::string& name, const std::string& owner) {
    for (const char* rest : {"::", "(", "[abi:"})
        if (startsWith(name, owner + rest)) return true;
    for (const char* prefix : {"typeinfo for ", "typeinfo name for ", "vtable for "})
        if (name == prefix + owner) return true;
    return false;
}

TEST(EngineLibrary, ExportsOnlyItsPublicNames) {
    const std::vector<std::string> owners = testsupport::readNameList(
        std::string(ZRLSS_TEST_DATA) + "/../../src/platform/spread/exports.txt");
    ASSERT_FALSE(owners.empty());
    std::string error;
    const std::vector<std::string> exported = host::listModuleExports(kLibrary, error);
    ASSERT_TRUE(error.empty()) << error;
    std::set<std::string> used;
    for (const std::string& name : exported) {
        bool known = false;
        for (const std::string& owner : owners)
            if (belongsTo(name, owner)) {
                used.insert(owner);
                known = true;
            }
        EXPECT_TRUE(known) << "leaks: " << name;
    }
    for (const std::string& owner : owners)
        EXPECT_TRUE(used.count(owner)) << "missing: " << owner;
}

// The rule itself: members and overloads belong to their owner, a longer
// name that merely starts alike does not, nor does anything else.
TEST(EngineLibrary, SymbolOwnership) {
    struct Case {
        const char* name;
        const char* owner;
        bool belongs;
    };
    const Case cases[] = {
        {"spread::Sheet::recalc()", "spread::Sheet", true},
        {"typeinfo for spread::Formula", "spread::Formula", true},
        {"vtable for spread::FormulaHost", "spread::FormulaHost", true},
        {"spread::readCsv(spread::Sheet&, std::basic_string_view<char>, std::wstring*)",
         "spread::readCsv", true},
        {"spread::writeCsv[abi:cxx11](spread::Sheet const&)", "spread::writeCsv", true},
        {"spread::SheetData::SheetData()", "spread::Sheet", false},
        {"spread::detail::findStyle(spread::SheetContent const&, unsigned long)", "spread::Sheet",
         false},
        {"spread::readCsvRow(int)", "spread::readCsv", false},
        {"std::vector<spread::Value>::~vector()", "spread::Value", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(belongsTo(c.name, c.owner), c.belongs) << c.name;
}

} // namespace
