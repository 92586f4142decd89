// Registration, clean-up and printout of the automation server's
// identifiers through the module's three exports; what they write in full
// is compared with the golden files by the command's tests.
#include "comreg/clsid_printout.h"
#include "comreg/com_keys.h"
#include "comreg/com_registration.h"
#include "comreg_fixture.h"
#include "platform/host/command_line.h"
#include "platform/text/utf.h"
#include "support/file_size_limit.h"

namespace comreg_test {
namespace {

constexpr auto HKCR = win::HKEY_CLASSES_ROOT;

std::wstring classKey(size_t index) {
    return comreg::treePath(comreg::kClassRoot, comreg::kClasses[index].clsid);
}

// A key that exists already is found without case and keeps its spelling.
TEST_F(ComRegTest, RegistrationKeepsExistingSpellings) {
    const std::wstring lower = L"clsid\\{0ab0b67a-609d-4b28-8d58-fa9c0ccfdc84}\\inprocserver32";
    ASSERT_TRUE(win::regSetString(HKCR, lower, L"", L"/old/zrlreg.arx"));
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    EXPECT_EQ(win::regGetString(HKCR, classKey(0) + L"\\InProcServer32", L""), server.wstring());
    EXPECT_EQ(win::regSubKeys(HKCR, L""),
              (std::vector<std::wstring>{L"clsid", L"TypeLib", L"Interface"}));
    EXPECT_EQ(win::regSubKeys(HKCR, classKey(0)),
              (std::vector<std::wstring>{L"inprocserver32", L"Typelib"}));
}

// Without a server file in an absolute folder nothing is written.
TEST_F(ComRegTest, NoServerMeansNothingWritten) {
    ASSERT_TRUE(win::regSetString(HKCR, L"Neighbour", L"", L"kept"));
    const std::string before = slurp(registry);
    const struct {
        const char* what;
        std::wstring moduleFile;
        bool serverIsFolder;
    } cases[] = {
        {"no zrlreg.arx", (dir / "elsewhere" / "libzrlss.so").wstring(), false},
        {"zrlreg.arx is a folder", (moduleDir / "libzrlss.so").wstring(), true},
        {"module file unknown", L"", false},
        {"module file without folder", L"libzrlss.so", false},
        {"relative folder", L"module/libzrlss.so", false},
    };
    for (const auto& c : cases) {
        fs::remove_all(server);
        if (c.serverIsFolder) fs::create_directories(server);
        setModuleFile(c.moduleFile);
        EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput) << c.what;
        EXPECT_EQ(slurp(registry), before) << c.what;
    }
    EXPECT_FALSE(win::regKeyExists(HKCR, L"CLSID"));
}

TEST_F(ComRegTest, UnwritableRegistryChangesNothing) {
    ASSERT_TRUE(win::regSetString(HKCR, L"Neighbour", L"", L"kept"));
    std::string before = slurp(registry);
    {
        testsupport::FileSizeLimit limit(before.size() + 16);
        EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    }
    EXPECT_EQ(slurp(registry), before);
    EXPECT_FALSE(win::regKeyExists(HKCR, classKey(0)));

    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    before = slurp(registry);
    {
        testsupport::FileSizeLimit limit(16);
        EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    }
    EXPECT_EQ(slurp(registry), before);
    EXPECT_TRUE(win::regKeyExists(HKCR, classKey(0)));
}

// Only the product's trees and the subkeys registration writes in them pass.
TEST(ComRegKeys, OnlyPathsInTheProductTreesPass) {
    const std::wstring lib = comreg::kTypeLib.id.toText();
    const std::wstring bolt = comreg::kClasses[0].clsid.toText();
    const std::wstring iBolt = comreg::kClasses[0].iid.toText();
    const std::wstring dynProp = comreg::kClasses[4].clsid.toText();
    const std::wstring refused[] = {
        L"CLSID\\",                                      // an identifier without text
        L"CLSID",                                        // the root itself
        L"CLSID\\" + bolt + L"\\",                       // an empty subkey
        L"CLSID\\" + bolt + L"\\\\Typelib",              // an empty part
        L"\\CLSID\\" + bolt,                             // an empty root
        L"CLSID\\{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC8}",  // malformed
        L"CLSID\\{11111111-2222-3333-4444-555555555555}", // not ours
        L"CLSID\\" + iBolt,                              // under the wrong root
        L"Interface\\" + dynProp,                        // a class without interface
        L"CLSID\\" + bolt + L"\\LocalServer32",          // another subkey
        L"TypeLib\\" + lib + L"\\1.1\\0",                // part of a subkey
        L"AppID\\" + bolt,
    };
    for (const std::wstring& path : refused)
        EXPECT_FALSE(comreg::isProductKeyPath(path)) << zrltext::toUtf8(path);
    EXPECT_TRUE(comreg::isProductKeyPath(L"clsid\\" + bolt + L"\\TYPELIB"));
    for (const std::wstring& tree : comreg::productTrees())
        EXPECT_TRUE(comreg::isProductKeyPath(tree));
    for (const comreg::ComEntry& e : comreg::registrationEntries(L"/x/zrlreg.arx"))
        EXPECT_TRUE(comreg::isProductKeyPath(e.path)) << zrltext::toUtf8(e.path);
}

// An unwritable folder fails the call; the printout is still made.
TEST_F(ComRegTest, PrintoutIsMadeWhenTheIdentifiersFileCannotBe) {
    std::string expected;
    std::istringstream lines(golden("declarations.txt"));
    for (std::string line; std::getline(lines, line);)
        expected += "\n" + line;
    for (const fs::path& module : {dir / "missing" / "libzrlss.so", fs::path("libzrlss.so")}) {
        host::PrintCapture printed;
        setModuleFile(module.wstring());
        EXPECT_EQ(SSprintCLSIDs(), Acad::eInvalidInput);
        EXPECT_EQ(zrltext::toUtf8(printed.text()), expected);
    }
    for (const wchar_t* bad : {L"", L"{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84", L"CLSID_Bolt"})
        EXPECT_FALSE(comreg::clsidDeclaration(L"Bolt", bad));
}

} // namespace
} // namespace comreg_test
