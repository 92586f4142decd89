// Standard sizes within tolerances: the choice among candidates, the step
// rounding when none fits, and the three functions over standard-size files.
#include "functions_args.h"
#include "macro_fixture.h"
#include "platform/win/script.h"
#include "standards/ss_functions.h"
#include "standards/ss_functions_support.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

using fixture::Args;
using fixture::call;
using fixture::run;
using ssfn::chooseStandardSize;

TEST(ChooseStandardSize, NearestCandidateInsideTheBand) {
    const AcArray<double> sizes = {8, 10, 12};
    EXPECT_EQ(chooseStandardSize(sizes, 1, 10.4, 1, 1), 10);
    EXPECT_EQ(chooseStandardSize(sizes, 1, 11.6, 1, 1), 12);
    EXPECT_EQ(chooseStandardSize(sizes, 1, 12, 0, 0), 12);
    // Equal distances: the one below.
    EXPECT_EQ(chooseStandardSize({10, 12}, 1, 11, 1, 1), 10);
    EXPECT_EQ(chooseStandardSize({12, 10}, 1, 11, 1, 1), 10);
    // The nearer one is outside its tolerance: the other side is tried.
    EXPECT_EQ(chooseStandardSize({9.5, 10.8}, 1, 10, 0.2, 1), 10.8);
    EXPECT_EQ(chooseStandardSize({9.5, 10.2}, 1, 10, 0.5, 0.1), 9.5);
}

TEST(ChooseStandardSize, StepRoundingWhenNoCandidateFits) {
    // Down is nearer and fits.
    EXPECT_EQ(chooseStandardSize({8, 20}, 5, 11, 2, 2), 10);
    // Up is nearer and fits.
    EXPECT_EQ(chooseStandardSize(AcArray<double>(), 5, 14, 2, 2), 15);
    // Neither multiple fits: the target itself.
    EXPECT_EQ(chooseStandardSize(AcArray<double>(), 10, 14, 1, 1), 14);
    // ... limited to the band, which crossed tolerances put above it.
    EXPECT_EQ(chooseStandardSize(AcArray<double>(), 10, 14, -1, 0.5), 15);
    // A target on a multiple stays.
    EXPECT_EQ(chooseStandardSize(AcArray<double>(), 0.5, 7.5, 0.1, 0.1), 7.5);
}

class SizeFiles : public ::testing::Test {
protected:
    fixture::ScratchLibrary lib{"sizes"};
    void SetUp() override {
        win::script().reset();
        std::ofstream out(lib.standards() / "Data" / "plates.std", std::ios::binary);
        out << "/* widths per\n   thickness */\n100x10\n120x10 // common\n110x12\n\n150\n90x10\n";
    }
    void TearDown() override { curDocSettings().standardsDiagnostics = false; }

    double width(double thickness, double target, double tolDown, double tolUp) {
        auto out = run(ssfn::stdWidthWithTolerance, [&](Args& a) {
            a.text(L"plates.std").num(1).num(thickness).num(target).num(tolDown).num(tolUp);
        });
        EXPECT_TRUE(out.ok);
        return out.number;
    }
    // Calls the standard-size function with the file and then `numbers`.
    static fixture::Outcome size(const wchar_t* file, std::initializer_list<double> numbers) {
        return run(ssfn::stdSizeWithTolerance, [&](Args& a) {
            a.text(file);
            for (double n : numbers)
                a.num(n);
        });
    }
};

TEST_F(SizeFiles, WidthsOfTheThicknessAndWidthsWithoutOne) {
    EXPECT_EQ(width(10, 115, 10, 10), 120);
    EXPECT_EQ(width(12, 115, 10, 10), 110);
    EXPECT_EQ(width(12, 148, 5, 5), 150);
    EXPECT_EQ(width(99, 148, 5, 5), 150);
    EXPECT_EQ(width(99, 115.4, 10, 10), 115);
}

TEST_F(SizeFiles, ThicknessesAndSizes) {
    Args t, s, bad;
    t.text(L"plates.std").num(0.5).num(11.5).num(1).num(1);
    s.text(L"plates.std").num(1).integer(104).integer(5).integer(5);
    bad.text(L"plates.std").num(1).text(L"104").num(5).num(5);
    EXPECT_EQ(call(ssfn::stdThicknessWithTolerance, t).number, 12);
    EXPECT_EQ(call(ssfn::stdSizeWithTolerance, s).number, 100);
    // Every argument after the file must be a number.
    EXPECT_FALSE(call(ssfn::stdSizeWithTolerance, bad).ok);
    EXPECT_FALSE(size(L"plates.std", {1, 104, 5}).ok);
    // A missing file leaves the step rounding.
    EXPECT_EQ(size(L"none.std", {5, 104, 2, 2}).number, 105);
}

TEST_F(SizeFiles, InvalidTolerancesWarnOnlyWithDiagnostics) {
    EXPECT_TRUE(size(L"plates.std", {1, 104, -1, 0.5}).ok);
    EXPECT_TRUE(win::script().shown().messageBoxes.empty());

    curDocSettings().standardsDiagnostics = true;
    EXPECT_TRUE(size(L"plates.std", {1, 104, -1, 0.5}).ok);
    const auto& boxes = win::script().shown().messageBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Invalid tolerances provided.\n DownTolerance is :-1.00"
                             L"UpTolerance is :0.50\nAdding both tolerances should result in a "
                             L"positive value.");
}

} // namespace
