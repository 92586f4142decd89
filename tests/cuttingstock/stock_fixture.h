// Shared set-up of the cutting-stock tests: a scratch library folder with
// its "Cutting Stock\" folder, remembered sizes of its own, the module
// attached, and helpers that build records and stock files in place.
#pragma once

#include "frame/library_instance.h"
#include "platform/core/cutting_stock_data.h"
#include "platform/core/settings.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "support/scratch_dir.h"

#include <chrono>
#include <fstream>

namespace stocktest {

namespace fs = std::filesystem;

inline Zrl_StringArray cells(std::initializer_list<const wchar_t*> items) {
    Zrl_StringArray out;
    for (const wchar_t* i : items)
        out.append(i);
    return out;
}

inline Zrl_StringArrayArray
table(std::initializer_list<std::initializer_list<const wchar_t*>> rows) {
    Zrl_StringArrayArray out;
    for (const auto& r : rows)
        out.append(cells(r));
    return out;
}

// Appends rows of one profile to a list.
inline void addRows(DlgCSP2List& list, int id,
                    std::initializer_list<std::initializer_list<const wchar_t*>> rows) {
    for (const auto& r : rows) {
        list.rowProfiles.append(id);
        list.rows.append(cells(r));
    }
}

class StockTest : public ::testing::Test {
protected:
    void SetUp() override {
        static const int attached = zrlss::attachLibrary(win::registerModule(L"stock-tests"));
        ASSERT_NE(attached, 0);
        dir_ = testsupport::scratchDir("zrl_stock");
        fs::create_directories(dir_ / "Cutting Stock");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir_.string()));
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((dir_ / "config").string()));
        win::script().reset();
    }
    void TearDown() override {
        win::script().reset();
        std::error_code ec;
        fs::remove_all(dir_, ec);
        Zrl_Settings::resetToDefaults();
    }

    fs::path folder(const std::string& profile) const { return dir_ / "Cutting Stock" / profile; }
    // Module text of a profile's folder, ending in "\".
    Zrl_String folderText(const std::string& profile) const {
        return Zrl_String::fromUtf8(folder(profile).string()) + L"\\";
    }
    // Writes a stock file with the given bytes and modification time
    // (seconds after an arbitrary fixed moment).
    fs::path writeFile(const std::string& profile, const std::string& name,
                       const std::string& bytes, int seconds = 0) const {
        fs::create_directories(folder(profile));
        const fs::path p = folder(profile) / name;
        std::ofstream(p, std::ios::binary) << bytes;
        fs::last_write_time(p, baseTime() + std::chrono::seconds(seconds));
        return p;
    }
    static fs::file_time_type baseTime() {
        using namespace std::chrono;
        // 5 March 2026, 14:07 UTC.
        const sys_seconds at = sys_seconds{sys_days{year{2026} / 3 / 5}} + hours{14} + minutes{7};
        return fs::file_time_type(duration_cast<fs::file_time_type::duration>(
            file_clock::from_sys(at).time_since_epoch()));
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

} // namespace stocktest
