// Window life: the tree, handles, focus and messages around destruction.
#include "win_fixture.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using wintest::WinTest;
using WindowTest = WinTest;

class Logged : public win::Window {
public:
    explicit Logged(std::vector<std::string>& log, std::string name)
        : log_(log), name_(std::move(name)) {}
    ~Logged() override { destroy(); }

protected:
    void onDestroy() override {
        // The children still live while their parent hears of its end.
        log_.push_back(name_ + ":destroy(" + std::to_string(children().size()) + ")");
    }
    void onSize(int cx, int cy) override {
        log_.push_back(name_ + ":size " + std::to_string(cx) + "x" + std::to_string(cy));
    }
    void onSetFocus(win::Window*) override { log_.push_back(name_ + ":focus"); }
    void onKillFocus(win::Window*) override { log_.push_back(name_ + ":unfocus"); }

private:
    std::vector<std::string>& log_;
    std::string name_;
};

TEST_F(WindowTest, DestroyingAParentEndsItsChildrenAfterItsOwnDestroyMessage) {
    std::vector<std::string> log;
    Logged parent(log, "p");
    auto child = std::make_unique<Logged>(log, "c");
    ASSERT_TRUE(parent.create(L"P", L"", win::WS_VISIBLE, {0, 0, 10, 10}, nullptr, 1));
    ASSERT_TRUE(
        child->create(L"C", L"", win::WS_CHILD | win::WS_VISIBLE, {1, 1, 5, 5}, &parent, 2));
    const win::WindowHandle childHandle = child->handle();
    ASSERT_TRUE(child->setFocus());
    EXPECT_TRUE(parent.destroy());
    EXPECT_EQ(log, (std::vector<std::string>{"c:focus", "p:destroy(1)", "c:destroy(0)"}));
    EXPECT_FALSE(child->isCreated()); // ended, but still the program's object
    EXPECT_EQ(win::Window::fromHandle(childHandle), nullptr);
    EXPECT_EQ(win::Window::focus(), nullptr);
    EXPECT_FALSE(parent.destroy());

    // Created again: a new handle; the old one stays dead.
    ASSERT_TRUE(parent.create(L"P", L"", 0, {}, nullptr, 1));
    ASSERT_TRUE(child->create(L"C", L"", win::WS_CHILD, {}, &parent, 2));
    EXPECT_NE(child->handle(), childHandle);
    child.reset(); // the program deletes its child first: it leaves the parent
    EXPECT_TRUE(parent.children().empty());
}

TEST_F(WindowTest, ResizingSendsTheNewSizeOnlyWhenItChanges) {
    std::vector<std::string> log;
    Logged w(log, "w");
    ASSERT_TRUE(w.create(L"W", L"", 0, {0, 0, 10, 10}, nullptr, 0));
    w.move(5, 5);
    w.setRect({0, 0, 30, 20});
    EXPECT_EQ(log, std::vector<std::string>{"w:size 30x20"});
}

TEST_F(WindowTest, ChildOfALiveParentOnlyAndFocusNeedsAnEnabledShownWindow) {
    std::vector<std::string> log;
    Logged dead(log, "d");
    Logged child(log, "c");
    EXPECT_FALSE(child.create(L"C", L"", 0, {}, &dead, 0)); // parent not live
    ASSERT_TRUE(child.create(L"C", L"", win::WS_DISABLED | win::WS_VISIBLE, {}, nullptr, 0));
    EXPECT_FALSE(child.setFocus());
    child.enable(true);
    child.show(false);
    EXPECT_FALSE(child.setFocus());
    child.show(true);
    EXPECT_TRUE(child.setFocus());
    child.show(false); // hiding the focus window takes the focus away
    EXPECT_EQ(win::Window::focus(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"c:focus", "c:unfocus"}));
}

TEST_F(WindowTest, InvalidatedWindowsArePaintedOnceByThePump) {
    win::Window w;
    ASSERT_TRUE(w.create(L"W", L"", win::WS_VISIBLE, {}, nullptr, 0));
    win::pumpMessages();
    const int painted = w.paintCount();
    EXPECT_EQ(painted, 1);
    win::pumpMessages();
    EXPECT_EQ(w.paintCount(), painted);
    w.setText(L"new");
    w.invalidate();
    win::pumpMessages();
    EXPECT_EQ(w.paintCount(), painted + 1);
}

} // namespace
