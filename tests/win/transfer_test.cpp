// Clipboard and drag and drop.
#include "win_fixture.h"

#include <string>
#include <vector>

namespace {

using wintest::WinTest;
using TransferTest = WinTest;

TEST_F(TransferTest, ClipboardKeepsTextAndPrivateFormatsApart) {
    const win::UINT rows = win::registerClipboardFormat(L"Zrl Rows");
    EXPECT_GE(rows, 0xC000u);
    EXPECT_EQ(win::registerClipboardFormat(L"zrl rows"), rows);
    EXPECT_NE(win::registerClipboardFormat(L"Other"), rows);
    EXPECT_EQ(win::registerClipboardFormat(L""), 0u);
    EXPECT_EQ(win::clipboardFormatName(rows), L"Zrl Rows");

    win::setClipboardText(L"A\tB \u00e9\U0001F600");
    EXPECT_TRUE(win::setClipboardData(rows, {1, 2, 3}));
    EXPECT_EQ(win::getClipboardText(), std::wstring(L"A\tB \u00e9\U0001F600"));
    EXPECT_EQ(win::getClipboardData(rows), (std::vector<std::uint8_t>{1, 2, 3}));
    win::setClipboardText(L"only text"); // replaces everything
    EXPECT_FALSE(win::isClipboardFormatAvailable(rows));
    win::emptyClipboard();
    EXPECT_FALSE(win::getClipboardText());
    EXPECT_FALSE(win::setClipboardData(0, {1}));
}

class Bin : public win::DropTarget {
public:
    std::vector<std::string> calls;
    std::uint32_t accept = win::DROPEFFECT_COPY;
    std::wstring got;
    std::uint32_t dragEnter(win::Window&, const win::DataObject&, win::KeyState,
                            win::Point) override {
        calls.push_back("enter");
        return accept;
    }
    std::uint32_t dragOver(win::Window&, const win::DataObject&, win::KeyState,
                           win::Point) override {
        calls.push_back("over");
        return accept;
    }
    void dragLeave(win::Window&) override { calls.push_back("leave"); }
    std::uint32_t drop(win::Window&, const win::DataObject& data, std::uint32_t effect,
                       win::Point p) override {
        calls.push_back("drop@" + std::to_string(p.x) + "," + std::to_string(p.y));
        got = data.text().value_or(L"");
        return effect;
    }
};

TEST_F(TransferTest, DropsReachTheRegisteredTargetOnlyWhileItLives) {
    win::Window w;
    ASSERT_TRUE(w.create(L"Target", L"", win::WS_VISIBLE, {0, 0, 100, 100}, nullptr, 0));
    Bin bin;
    ASSERT_TRUE(win::registerDropTarget(w, &bin));
    win::DataObject data;
    data.setText(L"row 3");

    EXPECT_EQ(win::dropOn(w, data, {5, 6}), win::DROPEFFECT_COPY);
    EXPECT_EQ(bin.calls, (std::vector<std::string>{"enter", "over", "drop@5,6"}));
    EXPECT_EQ(bin.got, L"row 3");

    bin.calls.clear();
    bin.accept = win::DROPEFFECT_MOVE; // the source allows copying only
    EXPECT_EQ(win::dropOn(w, data, {1, 1}, win::DROPEFFECT_COPY), win::DROPEFFECT_NONE);
    EXPECT_EQ(bin.calls, (std::vector<std::string>{"enter", "over", "leave"}));

    // A drag the script completes onto the window, then one it cancels.
    bin.accept = win::DROPEFFECT_MOVE;
    win::script().queueDrop(&w, {7, 8});
    EXPECT_EQ(win::doDragDrop(data, win::DROPEFFECT_COPY | win::DROPEFFECT_MOVE),
              win::DROPEFFECT_MOVE);
    win::script().queueDragCancel();
    EXPECT_EQ(win::doDragDrop(data, win::DROPEFFECT_MOVE), win::DROPEFFECT_NONE);

    win::script().queueDrop(&w, {0, 0});
    w.destroy(); // the registration ends with the window
    EXPECT_EQ(win::dropTargetOf(w), nullptr);
    EXPECT_EQ(win::doDragDrop(data, win::DROPEFFECT_MOVE), win::DROPEFFECT_NONE);
}

} // namespace
