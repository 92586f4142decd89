// A dialog with a placeholder that a grid takes over, on a clean scripted
// user, with the module's resources registered.
#pragma once

#include "frame/module_resources.h"
#include "grid/zrl_spread.h"
#include "platform/core/settings.h"
#include "platform/win/dialog.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"

#include <gtest/gtest.h>

namespace gridtest {

inline constexpr int kGridId = 1000;
inline constexpr const wchar_t* kTemplate = L"WRAPPER_TEST_DLG";

inline win::ModuleHandle moduleHandle() {
    static const win::ModuleHandle module = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss");
        zrlss::registerModuleResources(m);
        win::DialogTemplate t;
        t.id = kTemplate;
        t.width = 300;
        t.height = 200;
        t.caption = L"Grid test";
        t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_VISIBLE;
        t.controls = {{kGridId, win::ControlKind::Placeholder, {10, 20, 290, 190}, 0, L""}};
        win::registerTemplate(m, t);
        return m;
    }();
    return module;
}

class GridTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::script().reset();
        // Remembered dialog sizes go to a folder of the test's own.
        Zrl_Settings::setConfigDir(Zrl_String::fromUtf8(::testing::TempDir() + "grid_config"));
        win::ResourceModuleGuard guard(moduleHandle());
        ASSERT_TRUE(dlg.create(kTemplate));
        dlg.show(true);
        ASSERT_TRUE(grid.createInPlaceOf(&dlg, kGridId));
        grid.setMaxCols(4);
        grid.setMaxRows(5);
    }
    void TearDown() override { dlg.destroy(); }

    // Fills row by row from row 1.
    void fill(std::initializer_list<std::initializer_list<const wchar_t*>> rows) {
        int row = 1;
        for (const auto& cells : rows) {
            int col = 1;
            for (const wchar_t* text : cells)
                grid.setCellData(col++, row, text);
            ++row;
        }
    }
    Zrl_String text(int col, int row, int kind = Zrl_Spread::kValue) {
        Zrl_String t;
        grid.getCellText(col, row, t, kind);
        return t;
    }

    win::Dialog dlg;
    Zrl_Spread grid;
};

} // namespace gridtest
