// A section table of 10,000 sizes by 20 columns (4 languages, 14 values):
// its file read and written, shown in a sheet and taken back, checked, one
// size added as the simple editor's OK adds it, and the library editor
// opened on it.
#include "frame/library_instance.h"
#include "grid/zrl_spread.h"
#include "platform/core/section_table_file.h"
#include "platform/core/settings.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "sections/dlg_edit_lib_sections.h"
#include "sections/prof_values_table.h"
#include "sections/simple_section.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

constexpr int kRows = 10000;
constexpr int kValues = 14;

Zrl_ProfValuesTable bigTable() {
    Zrl_ProfValuesTable t;
    t.tableName = L"RHS";
    t.picture = L"10";
    for (const wchar_t* c : {L"SysName", L"I/O", L"English", L"Dutch", L"German", L"French"})
        t.headers.append(c);
    for (int v = 0; v < kValues; ++v)
        t.headers.append(L"v" + Zrl_String(v));
    t.rows.setPhysicalLength(kRows);
    for (int r = 0; r < kRows; ++r) {
        const Zrl_String h(100 + r);
        const Zrl_String name = h + L"x50x4";
        Zrl_StringArray row;
        row.append(name);
        row.append(L"1");
        for (int l = 0; l < 4; ++l)
            row.append(L"RHS " + name);
        row.append(h);
        row.append(L"50");
        row.append(L"4");
        for (int v = 3; v < kValues; ++v)
            row.append(Zrl_String(v * 1.5 + r, 1));
        t.rows.append(row);
    }
    return t;
}

// A library folder of the benchmark's own.
struct Library {
    Library() {
        dir = std::filesystem::temp_directory_path() / "bench_sections";
        std::filesystem::create_directories(dir / "prof");
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir.string()));
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8(dir.string()));
    }
    ~Library() { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

void BM_WriteFile(benchmark::State& state) {
    Library lib;
    const Zrl_ProfValuesTable t = bigTable();
    for (auto _ : state)
        benchmark::DoNotOptimize(t.writeToFile(L"RHS"));
}
BENCHMARK(BM_WriteFile)->Unit(benchmark::kMillisecond);

void BM_ReadFile(benchmark::State& state) {
    Library lib;
    bigTable().writeToFile(L"RHS");
    for (auto _ : state) {
        Zrl_ProfValuesTable t;
        benchmark::DoNotOptimize(t.readFromFile(L"RHS"));
    }
}
BENCHMARK(BM_ReadFile)->Unit(benchmark::kMillisecond);

void BM_Check(benchmark::State& state) {
    const Zrl_ProfValuesTable t = bigTable();
    const Zrl_StringArrayArray rows = joinSectionRows(t.picture, t.headers, t.rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(checkSectionRows(rows));
}
BENCHMARK(BM_Check)->Unit(benchmark::kMillisecond);

// The module attached and its resources current, as a dialog's sheet has
// them.
win::ModuleHandle moduleHandle() {
    static const win::ModuleHandle module = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss");
        zrlss::attachLibrary(m);
        return m;
    }();
    return module;
}

void BM_SetToSS(benchmark::State& state) {
    win::ResourceModuleGuard guard(moduleHandle());
    const Zrl_ProfValuesTable t = bigTable();
    Zrl_Spread sheet;
    sheet.createHidden();
    for (auto _ : state)
        benchmark::DoNotOptimize(t.setToSS(&sheet));
}
BENCHMARK(BM_SetToSS)->Unit(benchmark::kMillisecond);

void BM_GetFromSS(benchmark::State& state) {
    win::ResourceModuleGuard guard(moduleHandle());
    const Zrl_ProfValuesTable t = bigTable();
    Zrl_Spread sheet;
    sheet.createHidden();
    t.setToSS(&sheet);
    for (auto _ : state) {
        Zrl_ProfValuesTable back;
        benchmark::DoNotOptimize(back.getFromSS(&sheet));
    }
}
BENCHMARK(BM_GetFromSS)->Unit(benchmark::kMillisecond);

// The simple editor's OK: learn the naming, compose, check, insert sorted.
void BM_AddSimpleSection(benchmark::State& state) {
    const Zrl_ProfValuesTable source = bigTable();
    for (auto _ : state) {
        state.PauseTiming();
        Zrl_ProfValuesTable t = source;
        state.ResumeTiming();
        const int start = simpleStartRow(t, L"5000x50x4");
        const SectionNaming naming = learnSectionNaming(t, start);
        Zrl_StringArray values = simpleStartValues(t, start);
        values[1] = L"60";
        int index = -1;
        addSimpleSection(t, start, values, composeSectionName(naming, values), naming.prefixes,
                         index);
        benchmark::DoNotOptimize(index);
    }
}
BENCHMARK(BM_AddSimpleSection)->Unit(benchmark::kMillisecond);

// The library editor opened on a size of the table and closed: the table
// read, shown on the tables page's sheet, the page's lists filled.
void BM_ValuesPageOpen(benchmark::State& state) {
    Library lib;
    bigTable().writeToFile(L"RHS");
    win::ResourceModuleGuard guard(moduleHandle());
    for (auto _ : state) {
        DlgEditLibData data;
        win::script().reset();
        win::script().onNextModal([](win::Dialog& d) { d.click(win::IDCANCEL); });
        benchmark::DoNotOptimize(StartDlgEditLibSections(data, L"RHS-5000x50x4"));
    }
}
BENCHMARK(BM_ValuesPageOpen)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
