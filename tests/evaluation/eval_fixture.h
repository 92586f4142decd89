// Shared set-up of the evaluation tests: a fresh library folder per test,
// standards sheets written into it from a list of cell texts, and the
// scripted user's record of message boxes.
#pragma once

#include "module_attach.h"
#include "platform/core/settings.h"
#include "platform/core/zrl_string.h"
#include "platform/spread/sheet.h"
#include "platform/win/script.h"
#include "standards/dlg_standards_data.h"
#include "support/var_cell.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>
#include "support/scratch_dir.h"

namespace evaltest {

// One cell of a sheet to write: column, row, data text.
struct Cell {
    int col;
    int row;
    std::wstring text;
};

// Cells given row by row from row 1: the texts of a row's cells from column
// 1 on, separated by "|" (an empty text leaves its cell empty).
inline std::vector<Cell> rows(std::initializer_list<std::wstring_view> lines) {
    std::vector<Cell> cells;
    int row = 0;
    for (std::wstring_view line : lines) {
        ++row;
        int col = 1;
        for (size_t start = 0;; ++col) {
            const size_t bar = line.find(L'|', start);
            const std::wstring_view text = line.substr(start, bar - start);
            if (!text.empty()) cells.push_back({col, row, std::wstring(text)});
            if (bar == std::wstring_view::npos) break;
            start = bar + 1;
        }
    }
    return cells;
}

// Writes a sheet file holding `cells` (as typed data) with the given size.
inline void writeSheet(const std::filesystem::path& path, const std::vector<Cell>& cells,
                       int cols = 8, int rows = 40) {
    std::filesystem::create_directories(path.parent_path());
    spread::Sheet sheet;
    sheet.setMaxCols(cols);
    sheet.setMaxRows(rows);
    for (const Cell& c : cells)
        sheet.setData(c.col, c.row, c.text);
    ASSERT_TRUE(sheet.save(path));
}

using testsupport::var;

// A record of a run from the caller's list (mode 1) on the sheet `file`.
inline VkDlgStandardsData listRecord(const Zrl_String& file, std::vector<VkVarCell> vars) {
    VkDlgStandardsData data;
    data.mode = 1;
    data.sheetFile = file;
    for (const VkVarCell& v : vars)
        data.varCells.append(v);
    return data;
}

using moduletest::attachModuleOnce;

class EvalTest : public ::testing::Test {
protected:
    void SetUp() override {
        attachModuleOnce();
        lib_ = testsupport::scratchDir("zrlss-eval");
        std::filesystem::create_directories(standards());
        Zrl_Settings::resetToDefaults();
        Zrl_Settings::setLibDir(Zrl_String::fromUtf8(lib_.string()));
        curDocSettings().standardsDiagnostics = false;
        win::script().reset();
    }
    void TearDown() override {
        curDocSettings().standardsDiagnostics = false;
        Zrl_Settings::resetToDefaults();
        std::filesystem::remove_all(lib_);
    }

    std::filesystem::path standards() const { return lib_ / "Connection Standards"; }
    // Writes "Connection Standards/<name>.vks" and returns its path as the
    // evaluation spells it.
    Zrl_String sheet(const std::string& name, const std::vector<Cell>& cells, int cols = 8,
                     int rows = 40) {
        writeSheet(standards() / (name + ".vks"), cells, cols, rows);
        return Zrl_Settings::libDir() + L"Connection Standards\\" + Zrl_String::fromUtf8(name) +
               L".vks";
    }
    const std::vector<win::MessageBoxRecord>& boxes() const {
        return win::script().shown().messageBoxes;
    }

    std::filesystem::path lib_;
};

} // namespace evaltest
