// Registration, clean-up and printout of the automation server's
// identifiers through the module's three exports.
#include "comreg/clsid_printout.h"
#include "comreg/com_keys.h"
#include "comreg/com_registration.h"
#include "comreg_fixture.h"
#include "platform/host/command_line.h"
#include "platform/text/utf.h"
#include "support/file_size_limit.h"

namespace comreg_test {
namespace {

std::wstring classKey(size_t index) {
    return comreg::treePath(comreg::kClassRoot, comreg::kClasses[index].clsid);
}

TEST_F(ComRegTest, RegistrationWritesExactlyTheKeysOfTheTables) {
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    const std::string text = productExport();
    EXPECT_EQ(text, goldenRegistration(server.string()));
    size_t values = 0;
    for (size_t at = 0; (at = text.find("\n@=", at)) != std::string::npos; ++at)
        ++values;
    EXPECT_EQ(values, 102u);

    // Registering again overwrites the same values: the file stays as it is.
    const std::string before = slurp(registry);
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    EXPECT_EQ(slurp(registry), before);
}

// A key that exists already is found without case and keeps its spelling.
TEST_F(ComRegTest, RegistrationKeepsExistingSpellings) {
    const std::wstring lower = L"clsid\\{0ab0b67a-609d-4b28-8d58-fa9c0ccfdc84}\\inprocserver32";
    ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, lower, L"", L"/old/zrlreg.arx"));
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    EXPECT_EQ(win::regGetString(win::HKEY_CLASSES_ROOT, classKey(0) + L"\\InProcServer32", L""),
              server.wstring());
    EXPECT_EQ(win::regSubKeys(win::HKEY_CLASSES_ROOT, L""),
              (std::vector<std::wstring>{L"clsid", L"TypeLib", L"Interface"}));
    EXPECT_EQ(win::regSubKeys(win::HKEY_CLASSES_ROOT, classKey(0)),
              (std::vector<std::wstring>{L"inprocserver32", L"Typelib"}));
}

// Without a server file in an absolute folder nothing is written.
TEST_F(ComRegTest, NoServerMeansNothingWritten) {
    ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, L"Neighbour", L"", L"kept"));
    const std::string before = slurp(registry);
    struct Case {
        const char* what;
        std::wstring moduleFile;
        bool serverIsFolder;
    };
    const std::vector<Case> cases = {
        {"no zrlreg.arx", (dir / "elsewhere" / "libzrlss.so").wstring(), false},
        {"zrlreg.arx is a folder", (moduleDir / "libzrlss.so").wstring(), true},
        {"module file unknown", L"", false},
        {"module file without folder", L"libzrlss.so", false},
        {"relative folder", L"module/libzrlss.so", false},
    };
    for (const Case& c : cases) {
        fs::remove_all(server);
        if (c.serverIsFolder) fs::create_directories(server);
        setModuleFile(c.moduleFile);
        EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput) << c.what;
        EXPECT_EQ(slurp(registry), before) << c.what;
    }
    EXPECT_FALSE(win::regKeyExists(win::HKEY_CLASSES_ROOT, L"CLSID"));
}

TEST_F(ComRegTest, UnwritableRegistryChangesNothing) {
    ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, L"Neighbour", L"", L"kept"));
    std::string before = slurp(registry);
    {
        testsupport::FileSizeLimit limit(before.size() + 16);
        EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    }
    EXPECT_EQ(slurp(registry), before);
    EXPECT_FALSE(win::regKeyExists(win::HKEY_CLASSES_ROOT, classKey(0)));

    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    before = slurp(registry);
    {
        testsupport::FileSizeLimit limit(16);
        EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    }
    EXPECT_EQ(slurp(registry), before);
    EXPECT_TRUE(win::regKeyExists(win::HKEY_CLASSES_ROOT, classKey(0)));

    // A file that cannot be read is never overwritten.
    std::ofstream(registry, std::ios::trunc) << "{ not json";
    win::reloadRegistry();
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eInvalidInput);
    EXPECT_EQ(slurp(registry), "{ not json");
}

TEST_F(ComRegTest, CleanupRemovesTheProductTreesAndNothingElse) {
    const std::vector<std::wstring> neighbours = {
        L"CLSID\\{11111111-2222-3333-4444-555555555555}",
        L"Interface\\{11111111-2222-3333-4444-555555555555}\\TypeLib",
        L"TypeLib\\{11111111-2222-3333-4444-555555555555}\\1.1",
        L"Zrl.App",
    };
    for (const std::wstring& key : neighbours)
        ASSERT_TRUE(win::regSetString(win::HKEY_CLASSES_ROOT, key, L"", L"kept"));
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    ASSERT_EQ(SScleanupComRegistry(), Acad::eOk);
    EXPECT_EQ(productExport(), "Windows Registry Editor Version 5.00\n\n");
    ASSERT_TRUE(win::reloadRegistry());
    for (const std::wstring& key : neighbours)
        EXPECT_EQ(win::regGetString(win::HKEY_CLASSES_ROOT, key, L""), L"kept");
    // Absent trees count as removed: again, and on a registry never written.
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    fs::remove(registry);
    win::reloadRegistry();
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    EXPECT_FALSE(fs::exists(registry));
}

// Only the product's trees and the subkeys registration writes in them pass.
TEST(ComRegKeys, OnlyPathsInTheProductTreesPass) {
    const std::wstring lib = comreg::kTypeLib.id.toText();
    const std::wstring bolt = comreg::kClasses[0].clsid.toText();
    const std::wstring iBolt = comreg::kClasses[0].iid.toText();
    const std::wstring dynProp = comreg::kClasses[4].clsid.toText();
    const std::vector<std::pair<std::wstring, bool>> cases = {
        {L"TypeLib\\" + lib, true},
        {L"TypeLib\\" + lib + L"\\1.1\\9\\win32", true},
        {L"clsid\\" + bolt + L"\\TYPELIB", true},
        {L"Interface\\" + iBolt + L"\\ProxyStubClsid32", true},
        {L"CLSID\\" + dynProp, true},
        {L"CLSID\\", false},   // an identifier without text
        {L"CLSID", false},     // the root itself
        {L"CLSID\\\\", false}, // empty parts
        {L"CLSID\\" + bolt + L"\\", false},
        {L"CLSID\\" + bolt + L"\\\\Typelib", false},
        {L"\\CLSID\\" + bolt, false},
        {L"CLSID\\{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC8}", false},  // malformed
        {L"CLSID\\{11111111-2222-3333-4444-555555555555}", false}, // not ours
        {L"CLSID\\" + iBolt, false},                               // under the wrong root
        {L"Interface\\" + dynProp, false},                         // a class has no interface
        {L"CLSID\\" + bolt + L"\\LocalServer32", false},           // another subkey
        {L"TypeLib\\" + lib + L"\\1.1\\0", false},
        {L"TypeLib\\" + lib + L"\\..", false},
        {L"AppID\\" + bolt, false},
    };
    for (const auto& [path, passes] : cases)
        EXPECT_EQ(comreg::isProductKeyPath(path), passes) << zrltext::toUtf8(path);
    for (const std::wstring& tree : comreg::productTrees())
        EXPECT_TRUE(comreg::isProductKeyPath(tree));
    for (const comreg::ComEntry& e : comreg::registrationEntries(L"/x/zrlreg.arx"))
        EXPECT_TRUE(comreg::isProductKeyPath(e.path)) << zrltext::toUtf8(e.path);
}

TEST_F(ComRegTest, PrintoutDeclaresEachClassAndWritesTheIdentifiersFile) {
    host::PrintCapture printed;
    ASSERT_EQ(SSprintCLSIDs(), Acad::eOk);
    std::string expected;
    std::istringstream lines(golden("declarations.txt"));
    for (std::string line; std::getline(lines, line);)
        expected += "\n" + line;
    EXPECT_EQ(zrltext::toUtf8(printed.text()), expected);
    EXPECT_EQ(slurp(moduleDir / "RegistryIDs.dat"), golden("RegistryIDs.dat"));

    // An unwritable folder fails the call; the printout is still made.
    printed.clear();
    setModuleFile((dir / "missing" / "libzrlss.so").wstring());
    EXPECT_EQ(SSprintCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(zrltext::toUtf8(printed.text()), expected);
    setModuleFile(L"libzrlss.so");
    EXPECT_EQ(SSprintCLSIDs(), Acad::eInvalidInput);
}

TEST(ComRegPrintout, MalformedIdentifierTextsAreLeftOut) {
    for (const wchar_t* bad : {L"", L"{0AB0B67A-609D-4B28-8D58-FA9C0CCFDC84", L"CLSID_Bolt"})
        EXPECT_FALSE(comreg::clsidDeclaration(L"Bolt", bad));
}

} // namespace
} // namespace comreg_test
