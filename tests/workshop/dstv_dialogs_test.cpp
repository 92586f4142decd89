// The DSTV point groups dialog and the point editor, played as a user
// would.
#include "platform/win/message_box.h"
#include "workshop/dlg_dstv_groups.h"
#include "workshop/dlg_dstv_point.h"
#include "workshop_fixture.h"

namespace workshop_test {
namespace {

using DstvDialogs = WorkshopTest;

const std::string kTwoPoints = "DSTV points 1\n"
                               "First\t1\t0\t2\t0\t1\t0\t0\t0\t50\t0\t0\t16\n"
                               "Second\t0\t1\t3\t1\t0\t2\t1\t2\t12.5\t1\t0\t20\n";

std::vector<std::wstring> boxes() {
    std::vector<std::wstring> out;
    for (const auto& box : win::script().shown().messageBoxes)
        out.push_back(box.text);
    return out;
}

// The groups dialog with `body` as its block.
std::string groupsDialog(const std::string& body) {
    return "dialog \"DSTV point groups\"\n" + body + "  click CANCEL\nend\n";
}

TEST_F(DstvDialogs, NewGroupNamesAreCheckedBeforeAnythingIsWritten) {
    writeGroupFile("Weld", "");
    const struct {
        const char* typed;
        const wchar_t* box; // the start of the box shown, none when added
        bool added;
    } rows[] = {
        {"weld", L"This name is already in use.\nPlease choose another name.", false},
        {"..\\\\..\\\\x", L"\"..\\..\\x\"\nA name may not hold", false},
        {"   ", L"\"   \"\nA group name must not be blank", false},
        {"CON", L"\"CON\"\nA group name must not be blank", false},
        {"Holes", nullptr, true},
    };
    for (const auto& row : rows) {
        win::script().reset();
        const std::string script =
            groupsDialog("  dialog prompt\n    expect 1001 New\n    type 1001 \"" +
                         std::string(row.typed) + "\"\n    click OK\n  end\n  click 1002\n");
        EXPECT_EQ(play(script, [] { StartDSTVPointsDlg(); }), "") << row.typed;
        if (row.box) {
            ASSERT_EQ(boxes().size(), 1u) << row.typed;
            EXPECT_EQ(boxes()[0].rfind(row.box, 0), 0u) << Zrl_String(boxes()[0]).toUtf8();
        } else {
            EXPECT_TRUE(boxes().empty());
        }
    }
    EXPECT_EQ(groups(), (Zrl_StringArray{L"Holes", L"Weld"}));
    EXPECT_FALSE(fs::exists(lib / "x.dat"));
}

TEST_F(DstvDialogs, RemoveKeepsThePositionAndUsePersists) {
    for (const char* name : {"A", "B", "C"})
        writeGroupFile(name, "");
    // "-" on the last group: the new last one is selected; Use checks it.
    const std::string script = groupsDialog("  choose 1001 \"C\"\n  click 1003\n"
                                            "  click 1004\n  expect 1001 \"B\"\n");
    ASSERT_EQ(play(script, [] { StartDSTVPointsDlg(); }), "");
    EXPECT_EQ(groups(), (Zrl_StringArray{L"A", L"B"}));
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"B");

    // "-", Use and Edit with no group do nothing.
    fs::remove(groupFile("A"));
    fs::remove(groupFile("B"));
    win::script().reset();
    ASSERT_EQ(play(groupsDialog("  click 1003\n  click 1004\n  click 1005\n"),
                   [] { StartDSTVPointsDlg(); }),
              "");
    EXPECT_EQ(DlgDstvPoints::getStandardDstvPointsFile(), L"B");
    EXPECT_TRUE(boxes().empty());
}

TEST_F(DstvDialogs, CancelLeavesTheFileByteIdentical) {
    writeGroupFile("G", kTwoPoints);
    const std::string script = groupsDialog(
        "  dialog \"DSTV point\"\n"
        "    dialog prompt\n      type 1001 \"Third\"\n      click OK\n    end\n"
        "    click 1011\n    click 1012\n    click 1012\n    type 1034 \"99\"\n"
        "    click CANCEL\n  end\n  click 1005\n");
    ASSERT_EQ(play(script, [] { StartDSTVPointsDlg(); }), "");
    EXPECT_EQ(readBytes(groupFile("G")), kTwoPoints);
}

TEST_F(DstvDialogs, ADamagedGroupIsNotEdited) {
    const std::string damaged = "DSTV points 1\nFirst\t1\t0\t9\n";
    writeGroupFile("G", damaged);
    ASSERT_EQ(play(groupsDialog("  click 1005\n"), [] { StartDSTVPointsDlg(); }), "");
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_NE(boxes()[0].find(L"G.dat: line 2: expected 13 cells, found 4"), std::wstring::npos);
    EXPECT_EQ(win::script().shown().dialogs.size(), 1u); // no editor opened
    EXPECT_EQ(readBytes(groupFile("G")), damaged);
}

TEST_F(DstvDialogs, EditorAddsRemovesAndStoresPoints) {
    writeGroupFile("G", kTwoPoints);
    // "+" before the current point gives the defaults; "abc" stores 0; "-"
    // on the last point makes the new last one current.
    const std::string script = groupsDialog(
        "  dialog \"DSTV point\"\n"
        "    choose 1010 \"Second\"\n"
        "    expect 1034 \"12.500\"\n"
        "    dialog prompt\n      expect 1001 New\n      type 1001 \"Mid\"\n      click OK\n    end\n"
        "    click 1011\n"
        "    expect 1021 \"Mid\"\n    expect-checked 1022\n    expect 1034 \"50.000\"\n"
        "    expect 1038 \"16.000\"\n    expect-checked 1027\n"
        "    type 1034 \"abc\"\n"
        "    choose 1010 \"Second\"\n    click 1012\n    expect 1021 \"Mid\"\n"
        "    click OK\n  end\n  click 1005\n");
    ASSERT_EQ(play(script, [] { StartDSTVPointsDlg(); }), "");
    Zrl_DstvPointList points;
    ASSERT_TRUE(DlgDstvPoints::readFromFile(L"G", points));
    ASSERT_EQ(points.length(), 2);
    EXPECT_EQ(points[0].name(), L"First");
    const Zrl_DstvPointInfo& mid = points[1];
    EXPECT_EQ(mid.name(), L"Mid");
    EXPECT_TRUE(mid.selectGeomExtent());
    EXPECT_EQ(mid.sideSelection1(), kDstvSideFront);
    EXPECT_EQ(mid.sideSelection2(), kDstvSideTop);
    EXPECT_TRUE(mid.selectIntersMid());
    EXPECT_EQ(mid.minPlateSideDist(), 0.0);
    EXPECT_EQ(mid.drillRadius(), 16.0);
}

// The editor on its own, without the groups dialog.
class Editor : public DstvDialogs {
protected:
    std::string run(const std::string& body) {
        CDlgDstvPoint dlg;
        dlg.record() = points;
        const std::string message = play("dialog \"DSTV point\"\n" + body + "end\n", [&] {
            if (dlg.doModal() == win::IDOK) points = dlg.record();
        });
        return message;
    }
    Zrl_DstvPointList points;
};

TEST_F(Editor, SideListsKeepApartAndOptionsEnable) {
    const struct {
        int chosen, other, moved;
    } pairs[] = {{1, 0, 2}, {0, 1, 2}, {3, 2, 0}, {2, 3, 0}, {1, 2, 2}, {3, 0, 0}};
    for (const auto& p : pairs)
        EXPECT_EQ(CDlgDstvPoint::keepSidesApart(p.chosen, p.other), p.moved);
    const struct {
        const char* text;
        double value;
    } numbers[] = {{"abc", 0}, {"inf", 0}, {"nan", 0}, {"1e999", 0}, {"12.5mm", 12.5}, {"-3", -3}};
    for (const auto& n : numbers)
        EXPECT_EQ(CDlgDstvPoint::fieldNumber(Zrl_String::fromUtf8(n.text)), n.value) << n.text;

    points.append(Zrl_DstvPointInfo(L"P"));
    // Side 1 while the other shows side 0 moves it to 2; side 3 while the
    // other shows 2 moves it to 0; the start side is not coupled.
    ASSERT_EQ(run("  choose 1025 #1\n  expect 1024 \"Top\"\n"
                  "  choose 1024 #0\n  expect 1025 \"Top\"\n"
                  "  choose 1025 #3\n  expect 1024 \"Front\"\n"
                  "  choose 1024 #2\n  expect 1025 \"Front\"\n"
                  "  expect-enabled 1024\n  expect-disabled 1028\n  expect-disabled 1027\n"
                  "  expect-disabled 1038\n  expect-disabled 1036\n  expect 1037 \"Hole size\"\n"
                  "  tick 1026\n  expect-disabled 1024\n  expect-enabled 1028\n"
                  "  choose 1028 #3\n  expect 1024 \"Top\"\n"
                  "  tick 1035\n  expect-enabled 1038\n  expect-enabled 1036\n"
                  "  tick 1036\n  expect 1037 \"Hole size from the thickness\"\n"
                  "  click OK\n"),
              "");
    ASSERT_EQ(points.length(), 1);
    EXPECT_FALSE(points[0].selectGeomExtent());
    EXPECT_TRUE(points[0].selectIntersGeom());
    EXPECT_EQ(points[0].sideSelection1(), kDstvSideTop);
    EXPECT_EQ(points[0].sideSelection2(), kDstvSideFront);
    EXPECT_EQ(points[0].intersStartDir(), kDstvSideBottom);
    EXPECT_TRUE(points[0].drillFullHole());
    EXPECT_TRUE(points[0].radiusThicknessBased());
}

TEST_F(Editor, AnEmptyListTakesNoStoreOrRemove) {
    ASSERT_EQ(run("  type 1021 \"ignored\"\n  click 1012\n  click OK\n"), "");
    EXPECT_EQ(points.length(), 0);
    ASSERT_EQ(run("  dialog prompt\n    type 1001 \"One\"\n    click OK\n  end\n  click 1011\n"
                  "  click 1012\n  click OK\n"),
              "");
    EXPECT_EQ(points.length(), 0);
}

} // namespace
} // namespace workshop_test
