// Timers on the virtual clock and the posted-message queue.
#include "win_fixture.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using wintest::WinTest;

class TimerWindow : public win::Window {
public:
    std::vector<std::pair<std::uintptr_t, std::uint64_t>> ticks;
    std::vector<win::UINT> posted;

protected:
    void onTimer(std::uintptr_t id) override { ticks.emplace_back(id, win::clockNow()); }
    win::LRESULT windowProc(win::UINT msg, win::WPARAM w, win::LPARAM l) override {
        if (msg >= win::WM_USER) posted.push_back(msg);
        return Window::windowProc(msg, w, l);
    }
};

using TimersTest = WinTest;

TEST_F(TimersTest, FireInTimeOrderThenSettingOrderAtTheClockOfEachTimer) {
    std::vector<std::pair<std::string, std::uint64_t>> log;
    for (const auto& [name, ms] :
         {std::pair<std::string, int>{"t30", 30}, {"t10", 10}, {"a20", 20}, {"b20", 20}})
        win::setTimer(ms, [&log, name](std::uintptr_t id) {
            log.emplace_back(name, win::clockNow());
            win::killTimer(id);
        });

    EXPECT_EQ(win::advanceClock(25), 3);
    EXPECT_EQ(win::clockNow(), 25u);
    EXPECT_EQ(win::advanceClock(5), 1);
    const std::vector<std::pair<std::string, std::uint64_t>> expected = {
        {"t10", 10}, {"a20", 20}, {"b20", 20}, {"t30", 30}};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(win::timerCount(), 0);
}

TEST_F(TimersTest, PeriodicTimerFiresEveryIntervalWithinOneAdvance) {
    std::vector<std::uint64_t> at;
    const auto id = win::setTimer(50, [&](std::uintptr_t) { at.push_back(win::clockNow()); });
    ASSERT_NE(id, 0u);
    EXPECT_EQ(win::advanceClock(175), 3);
    EXPECT_EQ(at, (std::vector<std::uint64_t>{50, 100, 150}));
    EXPECT_EQ(win::advanceClock(25), 1); // due at 200, not lost or shifted by the partial step
    EXPECT_TRUE(win::killTimer(id));
    EXPECT_FALSE(win::killTimer(id));
    EXPECT_EQ(win::advanceClock(1000), 0);
}

TEST_F(TimersTest, TimersSetAndKilledFromACallbackTakeEffectAtOnce) {
    std::vector<std::string> log;
    std::uintptr_t victim = 0;
    win::setTimer(10, [&](std::uintptr_t id) {
        log.push_back("first");
        win::killTimer(id);
        win::killTimer(victim); // due at 15: must never fire
        win::setTimer(5, [&](std::uintptr_t inner) {
            log.push_back("joined@" + std::to_string(win::clockNow()));
            win::killTimer(inner);
        });
    });
    victim = win::setTimer(15, [&](std::uintptr_t) { log.push_back("victim"); });
    win::advanceClock(100);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "joined@15"}));
}

TEST_F(TimersTest, AThrowingTimerDoesNotStopTheOthers) {
    int later = 0;
    win::setTimer(10, [](std::uintptr_t) -> void { throw std::runtime_error("tick failed"); });
    win::setTimer(20, [&](std::uintptr_t) { ++later; });
    EXPECT_EQ(win::advanceClock(20), 3);
    EXPECT_EQ(later, 1);
    EXPECT_EQ(win::script().shown().errors.size(), 2u);
}

TEST_F(TimersTest, SettingARunningTimerAgainRestartsIt) {
    TimerWindow w;
    ASSERT_TRUE(w.create(L"T", L"", 0, {}, nullptr, 0));
    w.setTimer(7, 100);
    win::advanceClock(60);
    w.setTimer(7, 100); // restarted at 60: due at 160, not 100
    win::advanceClock(90);
    EXPECT_TRUE(w.ticks.empty());
    win::advanceClock(10);
    ASSERT_EQ(w.ticks.size(), 1u);
    EXPECT_EQ(w.ticks[0], (std::pair<std::uintptr_t, std::uint64_t>{7, 160}));
    EXPECT_EQ(win::timerCount(), 1);
}

TEST_F(TimersTest, DestroyingAWindowKillsItsTimersAndDropsItsPostedMessages) {
    TimerWindow w;
    ASSERT_TRUE(w.create(L"T", L"", 0, {}, nullptr, 0));
    w.setTimer(1, 10);
    w.postMessage(win::WM_USER + 1);
    w.destroy();
    EXPECT_EQ(win::timerCount(), 0);
    EXPECT_EQ(win::pumpMessages(), 0);
    EXPECT_FALSE(w.postMessage(win::WM_USER + 2));
    EXPECT_EQ(w.setTimer(1, 10), 0u);
    EXPECT_TRUE(w.posted.empty());
}

TEST_F(TimersTest, PostedMessagesArriveInOrderIncludingThosePostedMeanwhile) {
    class Chain : public TimerWindow {
    protected:
        win::LRESULT windowProc(win::UINT msg, win::WPARAM w, win::LPARAM l) override {
            if (msg == win::WM_USER + 1) postMessage(win::WM_USER + 3);
            return TimerWindow::windowProc(msg, w, l);
        }
    } w;
    ASSERT_TRUE(w.create(L"T", L"", 0, {}, nullptr, 0));
    w.postMessage(win::WM_USER + 1);
    w.postMessage(win::WM_USER + 2);
    EXPECT_TRUE(w.posted.empty()); // nothing before the pump
    EXPECT_EQ(win::pumpMessages(), 3);
    EXPECT_EQ(w.posted,
              (std::vector<win::UINT>{win::WM_USER + 1, win::WM_USER + 2, win::WM_USER + 3}));
}

TEST_F(TimersTest, ResetClearsTimersAndClock) {
    win::setTimer(10, [](std::uintptr_t) { FAIL() << "fired after reset"; });
    win::advanceClock(5);
    win::script().reset();
    EXPECT_EQ(win::clockNow(), 0u);
    EXPECT_EQ(win::timerCount(), 0);
    win::advanceClock(100);
    EXPECT_EQ(win::setTimer(10, nullptr), 0u);
}

} // namespace
