// Every writer of a file, failed at each call of the shared replace in turn:
// the old file stays whole, the writer reports the failure, and nothing but
// the file is left in its folder. A writer that succeeds past every failure
// point writes its new content.
#include "platform/core/macro_description.h"
#include "platform/core/properties_list.h"
#include "platform/files/replace_file.h"
#include "platform/spread/sheet.h"
#include "platform/win/registry.h"
#include "sheettools/xlsx_writer.h"
#include "standards/ss_mapping.h"
#include "support/scratch_dir.h"
#include "test_paths.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string bytesOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> namesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir))
        names.push_back(e.path().filename().string());
    return names;
}

Zrl_String text(const fs::path& p) {
    return Zrl_String::fromUtf8(p.string());
}

spread::Sheet sheetOf(int generation) {
    spread::Sheet s;
    s.setMaxCols(3);
    s.setMaxRows(3);
    s.setData(1, 1, std::to_wstring(generation));
    s.setData(2, 2, L"generation " + std::to_wstring(generation));
    return s;
}

// A writer of one file; `write(g)` writes generation g's content (1 or 2),
// true when it says it did.
struct Writer {
    const char* name;
    const char* file;
    std::function<bool(const fs::path&, int)> write;
};

} // namespace

TEST(FailingWrites, EveryWriterKeepsTheOldFileWholeAndSaysSo) {
    const fs::path root = testsupport::scratchDir("zrlss-writes");
    Zrl_DbMacro macros[2];
    MacroData records[2];
    const char* examples[] = {"End Plate.json", "Base Plate.json"};
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(loadMacroDescription(
                      text(fs::path(ZRLSS_EXAMPLE_LIBRARY) / "Macros" / examples[i]), macros[i],
                      records[i]),
                  Acad::eOk);

    const Writer writers[] = {
        {"sheet .vks", "s.vks", [](const fs::path& p, int g) { return sheetOf(g).save(p); }},
        {"sheet .csv", "s.csv", [](const fs::path& p, int g) { return sheetOf(g).save(p); }},
        {"sheet .ods", "s.ods", [](const fs::path& p, int g) { return sheetOf(g).save(p); }},
        {"bill .xlsx", "b.xlsx",
         [](const fs::path& p, int g) { return writeXlsxWorkbook(sheetOf(g), {}, text(p)); }},
        {"mapping", "S.map",
         [](const fs::path& p, int g) {
             VkSSMapping m;
             const std::wstring key = L"K" + std::to_wstring(g);
             if (m.initMappingFromLine(Zrl_String(key + L"=Len\u0192gen.Length")) != Acad::eOk)
                 return false;
             Zrl_String k(key);
             return m.setMappingToFile(text(p.parent_path() / "S.vks"), k) == Acad::eOk;
         }},
        {"property list", "p.mpl",
         [](const fs::path& p, int g) {
             Zrl_PropertiesList list;
             list.setProperty(L"Plate/value/Height", g);
             list.setProperty(L"Name", Zrl_String(L"generation"));
             return list.writeToFile(text(p)) == Acad::eOk;
         }},
        {"registry", "registry.json",
         [](const fs::path& p, int g) {
             win::setRegistryPath(p.wstring());
             const bool ok = win::regSetString(win::HKEY_CURRENT_USER, L"Software\\Test", L"Value",
                                               std::to_wstring(g));
             win::setRegistryPath(L"");
             return ok;
         }},
        {"macro description", "m.json",
         [&](const fs::path& p, int g) {
             return saveMacroDescription(text(p), macros[g - 1], records[g - 1]) == Acad::eOk;
         }},
    };
    for (const Writer& w : writers) {
        const fs::path dir = root / w.name;
        fs::create_directories(dir);
        const fs::path out = dir / w.file;
        ASSERT_TRUE(w.write(out, 1)) << w.name;
        const std::string old = bytesOf(out);
        long failures = 0;
        for (long n = 1;; ++n) {
            files::testing::failNthCall(n);
            const bool ok = w.write(out, 2);
            const long calls = files::testing::callsCounted();
            files::testing::failNthCall(0);
            EXPECT_EQ(namesIn(dir), std::vector<std::string>{w.file}) << w.name << " n=" << n;
            if (n > calls) {
                EXPECT_TRUE(ok) << w.name;
                EXPECT_NE(bytesOf(out), old) << w.name;
                break;
            }
            ++failures;
            EXPECT_FALSE(ok) << w.name << " n=" << n;
            EXPECT_EQ(bytesOf(out), old) << w.name << " n=" << n;
        }
        EXPECT_GE(failures, 4) << w.name; // create, write, sync, rename at least
    }
    fs::remove_all(root);
}
