// Every case file of tests/data/dialogs, run through the dialog driver as
// `zrlss dialog` runs it. A failure names the file, the line and the
// difference.
#include "dialog_case.h"
#include "dialog_run.h"
#include "frame/library_instance.h"
#include "grid/zrl_spread.h"
#include "platform/host/host_state.h"
#include "platform/win/resources.h"
#include "platform/win/script_controls.h"
#include "test_paths.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using dialogtest::DialogCase;
using nlohmann::json;

const fs::path kDataDir = fs::path(ZRLSS_TEST_DATA) / "dialogs";

// Whether the module's grid takes the grid actions of scripts yet.
constexpr bool kGridScriptable = std::is_base_of_v<win::ScriptGrid, Zrl_Spread>;

std::vector<std::string> caseFiles() {
    std::vector<std::string> files;
    for (const auto& entry : fs::directory_iterator(kDataDir))
        if (entry.path().extension() == ".txt") files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

class DialogCases : public ::testing::TestWithParam<std::string> {
protected:
    static void SetUpTestSuite() {
        static const int attached = zrlss::attachLibrary(win::registerModule(L"dialog-cases"));
        ASSERT_EQ(attached, 1);
    }
    void SetUp() override {
        host::resetHostState();
        // Sheets named in records and sheets are found beside the cases.
        fs::current_path(kDataDir);
    }
};

TEST_P(DialogCases, RunsAsWritten) {
    DialogCase c;
    std::string error;
    ASSERT_TRUE(dialogtest::readDialogCase((kDataDir / GetParam()).string(), c, error))
        << GetParam() << ": " << error;
    if (c.needsGridScript && !kGridScriptable) GTEST_SKIP() << "the grid takes no grid actions yet";

    dialogs::DialogRequest request{c.name, c.record, c.script, {}};
    request.options.baseDir = kDataDir.string();
    if (!c.sheet.empty()) request.options.sheet = (kDataDir / c.sheet).string();
    const dialogs::DialogRun run = dialogs::runDialog(request);

    const std::string where =
        GetParam() + ":" +
        std::to_string(run.line > 0 ? c.scriptLine + run.line - 1 : c.expectLine);
    if (c.fails) {
        EXPECT_EQ(run.status, c.status) << where << ": " << run.message;
        EXPECT_EQ(run.message, c.result) << where;
        return;
    }
    ASSERT_EQ(run.status, 0) << where << ": " << run.message;
    EXPECT_EQ(run.result, json::parse(c.result, nullptr, false))
        << GetParam() << ":" << c.expectLine << ": result " << run.result.dump();
    const json expected = json::parse(c.expect, nullptr, false);
    ASSERT_FALSE(expected.is_discarded()) << GetParam() << ":" << c.expectLine << ": bad JSON";
    EXPECT_EQ(run.record, expected) << GetParam() << ":" << c.expectLine
                                    << ": the record differs: " << json::diff(expected, run.record)
                                    << "\nrecord: " << run.record.dump();
}

INSTANTIATE_TEST_SUITE_P(Files, DialogCases, ::testing::ValuesIn(caseFiles()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = fs::path(info.param).stem().string();
                             std::replace_if(
                                 name.begin(), name.end(),
                                 [](char ch) {
                                     return !std::isalnum(static_cast<unsigned char>(ch));
                                 },
                                 '_');
                             return name;
                         });

} // namespace
