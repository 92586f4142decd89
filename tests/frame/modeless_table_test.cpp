// The table of modeless dialogs: index reuse, shrinking, the deferred close.
#include "frame/modeless_table.h"
#include "frame_fixture.h"
#include "platform/host/call_log.h"
#include "platform/win/timers.h"
#include "test_dialogs.h"

namespace frame_test {
namespace {

class Table : public FrameTest {
protected:
    // Opens a dialog carrying `data`; answers its index.
    int open(const std::wstring& data = L"") {
        int index = -2;
        table.start([&](int i) { return openDialog(data, i); }, index);
        return index;
    }

    zrlss::ModelessTable<PostponingDialog> table;
};

TEST_F(Table, ReusesTheHighestFreeIndexAndShrinksAtTheEnd) {
    EXPECT_EQ(open(), 0);
    EXPECT_EQ(open(), 1);
    EXPECT_TRUE(table.end(0));
    EXPECT_EQ(table.size(), 2);
    EXPECT_EQ(open(), 0);

    EXPECT_EQ(open(), 2);
    EXPECT_EQ(open(), 3);
    EXPECT_TRUE(table.end(1));
    EXPECT_TRUE(table.end(2));
    EXPECT_EQ(open(), 2); // the highest free index wins
    EXPECT_EQ(table.at(2)->index, 2);

    // Closing the last drops every empty entry before it.
    EXPECT_TRUE(table.end(2));
    EXPECT_EQ(table.size(), 4);
    EXPECT_TRUE(table.end(3));
    EXPECT_EQ(table.size(), 1);
    EXPECT_TRUE(table.end(0));
    EXPECT_EQ(table.size(), 0);
    EXPECT_EQ(host::postedPromptCount(), 6);
}

TEST_F(Table, ClosingNothingFailsAndAFailedStartKeepsItsIndexFree) {
    EXPECT_FALSE(table.end(0));
    int index = 7;
    EXPECT_FALSE(table.start([](int) { return std::unique_ptr<PostponingDialog>(); }, index));
    EXPECT_EQ(index, -1);
    EXPECT_EQ(table.size(), 1);
    EXPECT_EQ(table.at(0), nullptr);
    EXPECT_EQ(open(), 0);
    EXPECT_FALSE(table.end(-1));
    EXPECT_FALSE(table.end(1));
    EXPECT_EQ(host::postedPromptCount(), 0);
}

TEST_F(Table, PostponedCloseRetriesEvery50msUntilAllowed) {
    ASSERT_EQ(open(L"macro"), 0);
    PostponingDialog* dlg = table.at(0);
    dlg->postpone = true;
    EXPECT_TRUE(table.end(0));
    EXPECT_TRUE(dlg->isCreated());
    ASSERT_EQ(table.deferred().size(), 1u);
    const auto firstTry = table.deferred()[0];
    EXPECT_EQ(firstTry.second, 0);
    // Asking again while a retry waits adds no second retry.
    EXPECT_TRUE(table.end(0));
    EXPECT_EQ(table.deferred().size(), 1u);

    win::advanceClock(49);
    EXPECT_TRUE(printed.text().empty());
    win::advanceClock(1);
    EXPECT_EQ(printed.text(), L"Delayed timer called.\n");
    ASSERT_EQ(table.deferred().size(), 1u);
    EXPECT_NE(table.deferred()[0].first, firstTry.first); // a new timer each try
    EXPECT_EQ(table.at(0), dlg);

    dlg->postpone = false;
    win::advanceClock(50);
    EXPECT_EQ(printed.text(), L"Delayed timer called.\nDelayed timer called.\n");
    EXPECT_EQ(table.at(0), nullptr);
    EXPECT_TRUE(table.deferred().empty());
    EXPECT_EQ(table.size(), 0);
    EXPECT_EQ(host::postedPromptCount(), 1);
    table.flushClosed();
    EXPECT_EQ(win::timerCount(), 0);
}

TEST_F(Table, LateRetryNeverClosesTheDialogThatTookTheIndex) {
    ASSERT_EQ(open(L"first"), 0);
    table.at(0)->postpone = true;
    table.end(0);
    // The flag clears and the dialog is closed directly before the retry.
    table.at(0)->postpone = false;
    EXPECT_TRUE(table.end(0));
    ASSERT_EQ(open(L"second"), 0);
    win::advanceClock(200);
    ASSERT_NE(table.at(0), nullptr);
    EXPECT_EQ(table.at(0)->data, L"second");
}

TEST_F(Table, DialogMayAskToBeClosedFromItsOwnHandler) {
    ASSERT_EQ(open(), 0);
    PostponingDialog* dlg = table.at(0);
    dlg->onClose = [this] { table.end(0); };
    EXPECT_TRUE(dlg->click(kCloseButton));
    EXPECT_EQ(table.at(0), nullptr);
    table.flushClosed();
}

TEST_F(Table, GoingAwayStopsRetriesAndClosesEverything) {
    win::WindowHandle handle = 0;
    {
        zrlss::ModelessTable<PostponingDialog> local;
        int index = -1;
        local.start([](int i) { return openDialog(L"", i, true); }, index);
        handle = local.at(index)->handle();
        local.end(index);
        EXPECT_EQ(win::timerCount(), 1);
    }
    EXPECT_EQ(win::timerCount(), 0);
    EXPECT_EQ(win::Window::fromHandle(handle), nullptr);
    win::advanceClock(100);
    EXPECT_TRUE(printed.text().empty());
}

} // namespace
} // namespace frame_test
