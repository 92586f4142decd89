// Runs a fuzz target's entry point over the files of its corpus, without the
// fuzzing engine, so that the ordinary test run (with the sanitizers) replays
// every corpus. Arguments are files or folders of files; a folder that holds
// none fails, so that a corpus cannot vanish unnoticed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code ec;
        if (!fs::is_directory(argv[i], ec)) {
            inputs.emplace_back(argv[i]);
            continue;
        }
        const size_t before = inputs.size();
        for (const auto& entry : fs::directory_iterator(argv[i], ec))
            if (entry.is_regular_file()) inputs.push_back(entry.path());
        if (ec || inputs.size() == before) {
            std::fprintf(stderr, "%s: no inputs\n", argv[i]);
            return 1;
        }
    }
    std::sort(inputs.begin(), inputs.end());
    for (const fs::path& p : inputs) {
        std::ifstream in(p, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (!in && !in.eof()) {
            std::fprintf(stderr, "%s: cannot read\n", p.c_str());
            return 1;
        }
        // A copy of its own, so that reading past the end is caught.
        std::vector<uint8_t> data(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return 0;
}
