// The conformance workbooks (saved by another spreadsheet program, with the
// values it computed): `zrlss diff --json` on each, its agreement printed as
// a table and checked against tests/data/conformance/baseline.json, so that
// a regression fails at once and an improvement can raise the baseline.
#include "test_paths.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kDir = fs::path(ZRLSS_TEST_DATA) / "conformance";

// Runs the command and returns its standard output and exit status.
std::string run(const std::string& command, int& status) {
    std::string out;
    FILE* p = ::popen(command.c_str(), "r");
    if (!p) {
        status = -1;
        return out;
    }
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    int raw = ::pclose(p);
    status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return out;
}

} // namespace

TEST(Conformance, EveryWorkbookAgreesAtLeastAsOftenAsTheBaseline) {
    nlohmann::json baseline = nlohmann::json::parse(std::ifstream(kDir / "baseline.json"));
    const nlohmann::json& agree = baseline.at("agree");
    std::vector<fs::path> books;
    for (const auto& entry : fs::directory_iterator(kDir / "excel"))
        if (entry.path().extension() == ".xlsx") books.push_back(entry.path());
    std::sort(books.begin(), books.end());
    ASSERT_EQ(books.size(), 51u);
    size_t totalCells = 0, totalAgree = 0;
    std::cout << std::left << std::setw(34) << "workbook" << " cells agree differ  not computed\n";
    for (const fs::path& book : books) {
        const std::string name = book.filename().string();
        SCOPED_TRACE(name);
        int status = 0;
        std::string out = run(std::string(ZRLSS_BIN_DIR) + "/zrlss diff --json '" +
                                  book.string() + "' 2>/dev/null",
                              status);
        ASSERT_TRUE(status == 0 || status == 1) << "exit status " << status;
        nlohmann::json r = nlohmann::json::parse(out);
        size_t cells = r.at("cells"), agreeing = r.at("agree");
        std::cout << std::setw(34) << name << std::right << std::setw(6) << cells << std::setw(6)
                  << agreeing << std::setw(7) << r.at("differ").size() << std::setw(14)
                  << r.at("unsupported").size() << std::left << "\n";
        totalCells += cells;
        totalAgree += agreeing;
        ASSERT_TRUE(agree.contains(name)) << "not in the baseline";
        EXPECT_GE(agreeing, agree.at(name).get<size_t>()) << "agreement fell below the baseline";
        EXPECT_EQ(cells, agreeing + r.at("differ").size() + r.at("unsupported").size());
    }
    std::cout << totalCells << " formula cells, " << totalAgree << " agree\n";
}
