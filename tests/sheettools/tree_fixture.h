// A dialog whose placeholder a tree grid takes over, on a clean scripted
// user and host drawing, with the module's resources registered. The dialog
// records the commands it receives.
#pragma once

#include "frame/module_resources.h"
#include "platform/host/selection_sets.h"
#include "platform/win/dialog.h"
#include "platform/win/resources.h"
#include "platform/win/script.h"
#include "sheettools/tree_spread.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace treetest {

inline constexpr int kTreeId = 1200;
inline constexpr const wchar_t* kTemplate = L"TREE_TEST_DLG";
inline constexpr const wchar_t* kPage = L"DOCK_TEST_PAGE"; // 180 x 320, a child

inline win::ModuleHandle moduleHandle() {
    static const win::ModuleHandle module = [] {
        const win::ModuleHandle m = win::registerModule(L"zrlss");
        zrlss::registerModuleResources(m);
        win::DialogTemplate t{.id = kTemplate, .width = 300, .height = 200};
        t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_VISIBLE;
        t.controls = {{kTreeId, win::ControlKind::Placeholder, {10, 20, 290, 190}, 0, L""}};
        win::registerTemplate(m, t);
        win::registerTemplate(
            m,
            {.id = kPage, .width = 180, .height = 320, .style = win::WS_CHILD | win::WS_VISIBLE});
        return m;
    }();
    return module;
}

class OwnerDialog : public win::Dialog {
public:
    std::vector<std::pair<win::WPARAM, win::LPARAM>> commands;
    win::LRESULT windowProc(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override {
        if (msg == win::WM_COMMAND) commands.emplace_back(wParam, lParam);
        return win::Dialog::windowProc(msg, wParam, lParam);
    }
};

inline Zrl_StringArray cells(std::initializer_list<const wchar_t*> texts) {
    Zrl_StringArray list;
    for (const wchar_t* t : texts)
        list.append(t);
    return list;
}

class TreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        win::script().reset();
        host::clearDrawing();
        win::ResourceModuleGuard guard(moduleHandle());
        ASSERT_TRUE(dlg.create(kTemplate));
        ASSERT_TRUE(tree.createInPlaceOf(&dlg, kTreeId));
    }
    void TearDown() override { dlg.destroy(); }

    // Tree column 2, names in the caller's column 2; each (level, name) row
    // goes under the nearest earlier row one level up.
    void build(std::initializer_list<std::pair<int, const wchar_t*>> rows,
               VkTreeSpread::DropCallback onDrop = nullptr) {
        ASSERT_TRUE(tree.setupTree(2, 2, std::move(onDrop)));
        std::vector<int> lastAt(8, 0);
        for (const auto& [level, name] : rows) {
            const int row = level == 1 ? tree.addTopRow(cells({L"x", name}))
                                       : tree.addChildRow(lastAt[level - 1], cells({L"x", name}));
            ASSERT_GT(row, 0) << name;
            lastAt[level] = row;
        }
    }
    std::vector<std::wstring> names() {
        std::vector<std::wstring> out;
        for (int row = 1; row <= tree.getMaxRows(); ++row)
            out.push_back(text(tree.gridColumn(2), row).str());
        return out;
    }
    std::vector<int> hiddenRows() {
        std::vector<int> out;
        for (int row = 1; row <= tree.getMaxRows(); ++row)
            if (tree.isRowHidden(row)) out.push_back(row);
        return out;
    }
    Zrl_String text(int col, int row) {
        Zrl_String t;
        tree.getCellText(col, row, t, Zrl_Spread::kValue);
        return t;
    }

    OwnerDialog dlg;
    VkTreeSpread tree;
};

} // namespace treetest
