// Remembering and restoring the focus of a tab page.
#include "frame/restore_focus.h"
#include "frame_fixture.h"
#include "test_dialogs.h"

namespace frame_test {
namespace {

constexpr int kEdit = 1002;

class Focus : public FrameTest {
protected:
    Focus() {
        page.open();
        page.show(true);
    }

    PostponingDialog page;
    Zrl_FocusProbe probe;
    Zrl_RestoreFocusTab tab{L"Plates"};
};

TEST_F(Focus, PlainControlIsRefocusedByIdAndNothingRememberedWhenTheFocusIsElsewhere) {
    ASSERT_TRUE(page.focusItem(kEdit));
    tab.remember(page, probe);
    EXPECT_EQ(tab.state, Zrl_FocusState::Control);
    EXPECT_EQ(tab.controlId, kEdit);
    page.focusItem(win::IDOK);
    tab.restore(page, probe);
    EXPECT_EQ(win::Window::focus(), page.item(kEdit));

    win::mainWindow().setFocus();
    tab.remember(page, probe);
    EXPECT_EQ(tab.state, Zrl_FocusState::None);
    tab.restore(page, probe);
    EXPECT_EQ(win::Window::focus(), &win::mainWindow());
}

TEST_F(Focus, SpreadsheetCellIsRemembered) {
    probe.spreadHasFocus = [](int& col, int& row) {
        col = 4;
        row = 7;
        return true;
    };
    std::pair<int, int> cell;
    probe.focusSpreadCell = [&](int col, int row) { cell = {col, row}; };
    tab.remember(page, probe);
    EXPECT_EQ(tab.state, Zrl_FocusState::SpreadCell);
    tab.restore(page, probe);
    EXPECT_EQ(cell, std::make_pair(4, 7));
}

TEST_F(Focus, BoltCountSelectionIsRememberedWhenReadable) {
    bool readable = true;
    probe.isTypeBoltCount = [](int id) { return id == kEdit; };
    probe.getBoltCountSelection = [&](int, int& start, int& end) {
        start = 1;
        end = 3;
        return readable;
    };
    std::pair<int, int> selection;
    probe.setBoltCountSelection = [&](int, int start, int end) { selection = {start, end}; };
    page.focusItem(kEdit);
    tab.remember(page, probe);
    EXPECT_EQ(tab.state, Zrl_FocusState::BoltCountSelection);
    tab.restore(page, probe);
    EXPECT_EQ(selection, std::make_pair(1, 3));

    readable = false;
    tab.remember(page, probe);
    EXPECT_EQ(tab.state, Zrl_FocusState::Control);
}

TEST(RestoreFocus, TabsAreFoundByNameWithoutCase) {
    Zrl_RestoreFocus memory;
    memory.tab(L"Plates").controlId = 1;
    memory.tabs.emplace_back(L"PLATES"); // a later duplicate is never found
    memory.tab(L"Bolts").controlId = 2;
    ASSERT_NE(memory.find(L"plates"), nullptr);
    EXPECT_EQ(memory.find(L"plates")->controlId, 1);
    EXPECT_EQ(memory.tab(L"BOLTS").controlId, 2);
    EXPECT_EQ(memory.tabs.size(), 3u);
    EXPECT_EQ(memory.find(L"Welds"), nullptr);
}

} // namespace
} // namespace frame_test
