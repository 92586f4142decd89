// Registration of the automation server on a registry file that already
// holds 10,000 other keys: registration, clean-up (each one write of the
// file), the printout with its identifiers file, and the .reg export of a
// tree of 10,000 keys. The registry and module folder live in the temporary
// folder's bench_comreg.
#include "comreg/com_ids.h"
#include "comreg/com_registration.h"
#include "frame/library_instance.h"
#include "platform/host/command_line.h"
#include "platform/win/guid.h"
#include "platform/win/module_file.h"
#include "platform/win/registry_batch.h"
#include "platform/win/registry_export.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kOtherKeys = 10000;

// A registry with 10,000 other class keys, and the module attached in a
// folder with its server file.
void prepare() {
    static const bool ready = [] {
        const fs::path dir = fs::temp_directory_path() / "bench_comreg";
        fs::remove_all(dir);
        fs::create_directories(dir / "module");
        std::ofstream(dir / "module" / "zrlreg.arx") << "server";
        const win::ModuleHandle module = win::registerModule(L"zrlss");
        zrlss::attachLibrary(module);
        win::setModuleFileName(module, (dir / "module" / "libzrlss.so").wstring());
        win::setRegistryPath((dir / "registry.json").wstring());
        win::RegistryBatch others;
        for (std::uint32_t i = 0; i < kOtherKeys; ++i) {
            const win::Guid id{i, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
            others.setString(win::HKEY_CLASSES_ROOT, comreg::treePath(comreg::kClassRoot, id), L"",
                             L"Other Class");
        }
        others.apply();
        return true;
    }();
    (void)ready;
}

// Times `timed` after an untimed `before` that gives it something to do.
void measure(benchmark::State& state, Acad::ErrorStatus (*before)(), Acad::ErrorStatus (*timed)()) {
    prepare();
    for (auto _ : state) {
        state.PauseTiming();
        before();
        state.ResumeTiming();
        if (timed() != Acad::eOk) state.SkipWithError("the export failed");
    }
}

void BM_Register(benchmark::State& state) {
    measure(state, SScleanupComRegistry, SSregisterOpmCLSIDs);
}
BENCHMARK(BM_Register)->Unit(benchmark::kMillisecond);

void BM_Cleanup(benchmark::State& state) {
    measure(state, SSregisterOpmCLSIDs, SScleanupComRegistry);
}
BENCHMARK(BM_Cleanup)->Unit(benchmark::kMillisecond);

void BM_Print(benchmark::State& state) {
    prepare();
    host::PrintCapture printed;
    for (auto _ : state) {
        printed.clear();
        if (SSprintCLSIDs() != Acad::eOk) state.SkipWithError("printout failed");
    }
}
BENCHMARK(BM_Print)->Unit(benchmark::kMillisecond);

void BM_ExportOtherKeys(benchmark::State& state) {
    prepare();
    for (auto _ : state)
        benchmark::DoNotOptimize(win::regExportText(win::HKEY_CLASSES_ROOT, {L"CLSID"}));
}
BENCHMARK(BM_ExportOtherKeys)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
