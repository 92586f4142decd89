// Shared set-up of the formulas tests: the module attached once under a
// module handle of its own, a fresh scripted user and command line per test,
// a scratch folder for sheet files, and helpers that write small sheets.
#pragma once

#include "frame/library_instance.h"
#include "grid/zrl_spread.h"
#include "platform/host/command_line.h"
#include "platform/host/host_state.h"
#include "platform/spread/sheet.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <utility>
#include "support/scratch_dir.h"

namespace formulas_test {

inline void attachOnce() {
    static const int attached = [] {
        return zrlss::attachLibrary(win::registerModule(L"formulas-test"));
    }();
    ASSERT_EQ(attached, 1);
}

class FormulasTest : public ::testing::Test {
protected:
    void SetUp() override {
        attachOnce();
        host::resetHostState();
        win::script().reset();
        printed = std::make_unique<host::PrintCapture>();
        dir = testsupport::scratchDir("zrlss-formulas");
    }
    void TearDown() override {
        printed.reset();
        win::script().reset();
        std::filesystem::remove_all(dir);
    }

    // A sheet of `cols` x `rows` saved as `name` in the scratch folder; `fill`
    // writes its cells. Returns the file's path as the module takes it.
    template <class Fill>
    std::wstring writeSheet(const std::string& name, int cols, int rows, Fill fill) {
        spread::Sheet sheet;
        sheet.setMaxCols(cols);
        sheet.setMaxRows(rows);
        fill(sheet);
        const std::filesystem::path path = dir / name;
        EXPECT_TRUE(sheet.save(path)) << path;
        return path.wstring();
    }

    std::wstring printedText() const { return printed->text(); }

    std::filesystem::path dir;
    std::unique_ptr<host::PrintCapture> printed;
};

// A grid of its own (no dialog) that computes formulas.
class HiddenGrid {
public:
    HiddenGrid(int cols, int rows) {
        grid.createHidden();
        grid.setMaxCols(cols);
        grid.setMaxRows(rows);
    }
    std::wstring value(int col, int row) const { return grid.getValue(col, row); }
    Zrl_Spread grid;
};

} // namespace formulas_test
