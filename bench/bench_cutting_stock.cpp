// The cutting-stock dialog at size: a record of 100,000 piece rows over 500
// profiles opened and switched from profile to profile; a stock file of
// 10,000 rows by 4 cells loaded into its grid and saved; the bottom command
// of input mode over 500 profiles that all have stock files. The files live
// in the temporary folder's bench_cutting_stock.
#include "cuttingstock/dlg_csp2.h"
#include "cuttingstock/stock_files.h"
#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "platform/core/settings.h"
#include "platform/win/combo_box.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kProfiles = 500;
constexpr int kPieceRows = 100000;
constexpr int kStockRows = 10000;

const fs::path& benchFolder() {
    static const fs::path dir = [] {
        const fs::path d = fs::temp_directory_path() / "bench_cutting_stock";
        fs::remove_all(d);
        fs::create_directories(d / "Cutting Stock");
        zrlss::attachLibrary(win::registerModule(L"bench-cutting-stock"));
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(d.string()));
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8((d / "config").string()));
        return d;
    }();
    return dir;
}

DlgCSP2Data bigRecord() {
    DlgCSP2Data d;
    for (int p = 1; p <= kProfiles; ++p) {
        d.profileIds.append(p);
        d.profileNames.append(L"P" + Zrl_String(p));
    }
    d.pieces.titles = {L"Mark", L"Length", L"Quantity"};
    d.pieces.rowProfiles.setPhysicalLength(kPieceRows);
    d.pieces.rows.setPhysicalLength(kPieceRows);
    for (int r = 0; r < kPieceRows; ++r) {
        d.pieces.rowProfiles.append(r % kProfiles + 1);
        d.pieces.rows.append({L"M" + Zrl_String(r), Zrl_String(1000 + r % 9000), L"1"});
    }
    d.shop.titles = {L"Length", L"Quantity", L"Place", L"Note"};
    d.purchase.titles = {L"Length", L"Note"};
    return d;
}

void openDialog(benchmark::State& state) {
    benchFolder();
    const DlgCSP2Data record = bigRecord();
    for (auto _ : state) {
        Zrl_DlgCSP2 dlg;
        dlg.data = record;
        zrlss::ResourceScope resources;
        dlg.create(IDD_OPTIMIZECSP2);
        state.PauseTiming();
        dlg.destroy();
        state.ResumeTiming();
    }
}
BENCHMARK(openDialog)->Unit(benchmark::kMillisecond);

void switchProfile(benchmark::State& state) {
    benchFolder();
    Zrl_DlgCSP2 dlg;
    dlg.data = bigRecord();
    {
        zrlss::ResourceScope resources;
        dlg.create(IDD_OPTIMIZECSP2);
        dlg.show(true); // the user's clicks reach visible controls only
    }
    int next = 1;
    for (auto _ : state) {
        dlg.choose(IDC_CSP2_PROFILE, next);
        next = (next + 7) % kProfiles;
    }
    dlg.destroy();
}
BENCHMARK(switchProfile)->Unit(benchmark::kMillisecond);

Zrl_StringArrayArray stockTable() {
    Zrl_StringArrayArray rows;
    for (int r = 0; r < kStockRows; ++r)
        rows.append({Zrl_String(1000 + r), Zrl_String(r % 5 + 1), L"Rack " + Zrl_String(r % 40),
                     L"rest of job " + Zrl_String(r % 300)});
    return rows;
}

// Loads (range 0) or saves (range 1) the 10,000-row shop file of P1 through
// its button and file dialog.
void loadSaveStock(benchmark::State& state) {
    const fs::path folder = benchFolder() / "Cutting Stock" / "P1";
    fs::create_directories(folder);
    const Zrl_String file = Zrl_String::fromUtf8((folder / "big.shp").string());
    stock::writeStockFile(file, stockTable());
    const bool load = state.range(0) == 0;
    DlgCSP2Data record = bigRecord();
    if (!load)
        for (Zrl_StringArray& row : stockTable()) {
            record.shop.rowProfiles.append(1);
            record.shop.rows.append(row);
        }
    Zrl_DlgCSP2 dlg;
    dlg.data = record;
    {
        zrlss::ResourceScope resources;
        dlg.create(IDD_OPTIMIZECSP2);
        dlg.show(true); // the user's clicks reach visible controls only
    }
    for (auto _ : state) {
        win::script().reset();
        if (!load) win::script().queueMessageBoxAnswer(win::IDYES); // replace big.shp
        win::script().queueFileDialog({file.str()});
        dlg.click(load ? IDC_CSP2_SHOP_LOAD : IDC_CSP2_SHOP_SAVE);
    }
    state.counters["rows"] = dlg.grid(Zrl_DlgCSP2::kShop).getMaxRows();
    dlg.destroy();
}
BENCHMARK(loadSaveStock)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void loadLatestOfAllProfiles(benchmark::State& state) {
    const fs::path root = benchFolder() / "Cutting Stock";
    const Zrl_StringArrayArray shop = {{L"4350", L"2"}, {L"7200", L"1"}};
    const Zrl_StringArrayArray buy = {{L"6000"}, {L"12000"}, {L"15000"}};
    for (int p = 1; p <= kProfiles; ++p) {
        const fs::path folder = root / ("P" + std::to_string(p));
        fs::create_directories(folder);
        stock::writeStockFile(Zrl_String::fromUtf8((folder / "Stock1.shp").string()), shop);
        stock::writeStockFile(Zrl_String::fromUtf8((folder / "Stock1.buy").string()), buy);
    }
    Zrl_DlgCSP2 dlg;
    dlg.data = bigRecord();
    {
        zrlss::ResourceScope resources;
        dlg.create(IDD_OPTIMIZECSP2);
        dlg.show(true); // the user's clicks reach visible controls only
    }
    for (auto _ : state) {
        win::script().reset(); // the report ends with Cancel
        dlg.click(IDC_CSP2_ALL);
    }
    state.counters["lines"] = dlg.lastReport().lines.length();
    dlg.destroy();
}
BENCHMARK(loadLatestOfAllProfiles)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
