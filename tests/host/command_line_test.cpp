// The command line: formatting, where printed text goes, what the log keeps.
#include "platform/host/call_log.h"
#include "platform/host/command_line.h"
#include "platform/host/host_state.h"

#include <gtest/gtest.h>

namespace {

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override { host::resetHostState(); }
    void TearDown() override { host::resetHostState(); }
};

TEST_F(CommandLine, FormatsIntoTheCapturedSink) {
    host::PrintCapture capture;
    EXPECT_EQ(acutPrintf(L"%ls=%d|%s\n", L"Länge", 42, "narrow"), 16);
    EXPECT_EQ(capture.text(), L"Länge=42|narrow\n");
    // Longer than the first formatting buffer: nothing is cut.
    const std::wstring big(5000, L'x');
    acutPrintf(L"[%ls]", big.c_str());
    EXPECT_EQ(capture.text().size(), 16u + 5002u);
    EXPECT_EQ(capture.text().back(), L']');
    // A null format is refused and logged.
    EXPECT_EQ(acutPrintf(nullptr), -1);
    EXPECT_EQ(capture.text().size(), 16u + 5002u);
    EXPECT_EQ(host::countCalls("acutPrintf"), 3);
}

TEST_F(CommandLine, CaptureRestoresThePreviousSink) {
    std::wstring outer;
    host::setPrintSink([&](std::wstring_view t) { outer.append(t); });
    {
        host::PrintCapture inner;
        acutPrintf(L"inner");
        EXPECT_EQ(inner.text(), L"inner");
    }
    acutPrintf(L"outer");
    EXPECT_EQ(outer, L"outer");
}

TEST_F(CommandLine, LogKeepsCallsInOrderWithArguments) {
    host::PrintCapture capture;
    acedPostCommand(L"CANCELCMD");
    acutPrintf(L"Delayed timer called.\n");
    acedPostCommandPrompt();
    acedUpdateDisplay();
    EXPECT_FALSE(acedPostCommand(nullptr));

    EXPECT_EQ(host::callNames(),
              (std::vector<std::string>{"acedPostCommand", "acutPrintf", "acedPostCommandPrompt",
                                        "acedUpdateDisplay", "acedPostCommand"}));
    ASSERT_NE(host::lastCall("acutPrintf"), nullptr);
    EXPECT_EQ(host::lastCall("acutPrintf")->args.at(0), L"Delayed timer called.\n");
    EXPECT_EQ(host::postedCommands(), std::vector<std::wstring>{L"CANCELCMD"});
    EXPECT_EQ(host::postedPromptCount(), 1);

    host::clearCallLog();
    EXPECT_TRUE(host::callLog().empty());
    EXPECT_EQ(host::lastCall("acutPrintf"), nullptr);
}

} // namespace
