// The standards mapping tab at size: a sheet of N variables shown against
// 10 N candidates (the tab hosted on its own), a changed mapping saved into a
// mapping file of N lines, and the standards list from N sheets in nested
// folders. Each from a quarter to the full size, to see that the cost is
// linear.
#include "frame/module_resources.h"
#include "frame/library_instance.h"
#include "macroui/tab_macro_mapping.h"
#include "macroui/tab_macro_mapping_ids.h"
#include "platform/core/settings.h"
#include "platform/spread/sheet.h"
#include "platform/win/resources.h"
#include "standards/mapping_edit.h"

#include "bench_module_setup.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using benchsetup::setUpModule;

fs::path library(const std::string& name) {
    const fs::path dir =
        fs::temp_directory_path() / ("bench_mapping_" + name + "_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "Connection Standards");
    Zrl_Settings::setLibDir(Zrl_String::fromUtf8(dir.string()));
    return dir;
}

// A sheet declaring `count` variables, half inputs, half outputs, of the
// three value types in turn.
void writeSheet(const fs::path& path, int count) {
    spread::Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(count + 4);
    const wchar_t* types[] = {L"Double ", L"Int ", L"String "};
    int row = 1;
    sheet.setData(1, row++, L"Input");
    for (int i = 0; i < count; ++i) {
        if (i == count / 2) sheet.setData(1, row++, L"Output");
        sheet.setData(2, row++, std::wstring(types[i % 3]) + L"V" + std::to_wstring(i));
    }
    sheet.setData(1, row, L"Calc");
    sheet.save(path);
}

// `count` candidates of every kind, spread over 20 groups.
VkSSMapping candidates(int count) {
    VkSSMapping m;
    for (int i = 0; i < count; ++i) {
        VkObjectMap e;
        e.group = L"Group" + Zrl_String(i % 20);
        e.objName = L"Object" + Zrl_String(i);
        e.kind = static_cast<VkMapVarKind>(1 + i % (kVkMapVarKindCount - 1));
        m.mappedObjectsWrite().append(e);
    }
    return m;
}

void BM_ShowMapping(benchmark::State& state) {
    setUpModule();
    const int vars = static_cast<int>(state.range(0));
    const fs::path dir = library("show");
    writeSheet(dir / "Connection Standards" / "Big.vks", vars);
    VkSSMapping all = candidates(vars * 10);
    TabMappingData data;
    data.sheetNames.append(L"Big");
    data.keys.append(L"K");
    data.candidates = &all;
    for (auto _ : state) {
        CTabMacroMapping tab(&data);
        zrlss::ResourceScope resources;
        tab.create(IDD_TAB_MACRO_MAPPING);
        benchmark::DoNotOptimize(tab.links().length());
        tab.destroy();
    }
    state.SetComplexityN(vars);
    fs::remove_all(dir);
}
BENCHMARK(BM_ShowMapping)->Arg(75)->Arg(150)->Arg(300)->Unit(benchmark::kMillisecond)->Complexity();

void BM_SaveIntoBigFile(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const fs::path dir = library("save");
    const fs::path map = dir / "Connection Standards" / "Big.map";
    {
        std::ofstream out(map, std::ios::binary);
        out << "Mapping version 1.0\n";
        for (int i = 0; i < lines; ++i)
            out << "Key" << i << "=Width\xC6\x92Plates\xE2\x80\xA2" "Distance Height" << i << "\n";
    }
    VkSSMapping all = candidates(100);
    VkSSMapping edited;
    VkObjectMap e;
    e.group = L"Plates";
    e.kind = VkMapVarDistance;
    e.ssName = L"Width";
    int n = 0;
    for (auto _ : state) {
        e.objName = L"Changed" + Zrl_String(n++);
        edited = VkSSMapping();
        edited.mappedObjectsWrite().append(e);
        TabMappingData data;
        data.sheetNames.append(L"Big");
        data.keys.append(L"Key0");
        data.candidates = &all;
        bool modified = false;
        benchmark::DoNotOptimize(mapedit::saveStandard(data, 0, edited, modified));
        state.PauseTiming();
        // Back to the size measured.
        std::string text;
        {
            std::ifstream in(map, std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(in), {});
        }
        text.resize(text.rfind('\n', text.size() - 2) + 1);
        std::ofstream(map, std::ios::binary) << text;
        state.ResumeTiming();
    }
    state.SetComplexityN(lines);
    fs::remove_all(dir);
}
BENCHMARK(BM_SaveIntoBigFile)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

void BM_StandardsList(benchmark::State& state) {
    const int sheets = static_cast<int>(state.range(0));
    const fs::path dir = library("list");
    for (int i = 0; i < sheets; ++i) {
        const fs::path folder = dir / "Connection Standards" / ("F" + std::to_string(i % 10)) /
                                ("G" + std::to_string(i % 7));
        fs::create_directories(folder);
        std::ofstream(folder / ("Sheet" + std::to_string(i) + ".vks")) << "x";
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(mapedit::sheetChoices(mapedit::standardsFolder()).length());
    state.SetComplexityN(sheets);
    fs::remove_all(dir);
}
BENCHMARK(BM_StandardsList)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace

BENCHMARK_MAIN();
