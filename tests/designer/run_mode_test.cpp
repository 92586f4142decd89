// Run mode: the model bound to a dialog standing in for the core's own, with
// live controls whose values, focus and flex buttons the core works with.
#include "designer_fixture.h"

#include "designer/control_rect.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/constants.h"

namespace designertest {
namespace {

class RunModeTest : public DesignerTest {
protected:
    void run(std::initializer_list<Zrl_DesignerControl> controls) {
        bind(data, false);
        for (const Zrl_DesignerControl& c : controls)
            data.append(c);
        data.redrawAllControls();
    }
    int id(int index) const { return data.controls[index].resourceId; }
    Zrl_DlgDesignerData data;
};

TEST_F(RunModeTest, ValuesByTypeRoundTrip) {
    run({makeControl(ctCheckBox, 0.1, 0.1, 0.2, 0.2, L"Weld", L"1"),
         makeControl(ctYesNoList, 0.3, 0.1, 0.4, 0.2, L"1"),
         makeControl(ctExtButton, 0.5, 0.1, 0.6, 0.2, L"Caption"),
         makeControl(ctEdit, 0.7, 0.1, 0.8, 0.2, L"Width")});
    Zrl_String value;
    ASSERT_TRUE(data.getCtrlValue(id(0), value));
    EXPECT_EQ(value, L"1"); // the list text is the initial check
    const struct {
        int index;
        Zrl_String in;
        bool ok;
        Zrl_String out;
    } cases[] = {
        {0, dialString(695), true, dialString(695)},
        {0, L"0", true, L"0"},
        {0, L"2.5", true, L"1"},
        {1, L"3", true, L"3"},
        {1, L"5", false, L"3"}, // outside the five items
        {1, L"x", false, L"3"},
        {2, L"Other", true, L"Caption"}, // writes ignored
        {3, L"12.5", true, L"12.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in.toUtf8());
        EXPECT_EQ(data.setCtrlValue(id(c.index), c.in), c.ok);
        ASSERT_TRUE(data.getCtrlValue(id(c.index), value));
        EXPECT_EQ(value, c.out);
    }
    auto* box = dynamic_cast<win::Button*>(host->child(id(0)));
    ASSERT_NE(box, nullptr);
    data.setCtrlValue(id(0), dialString(695).toUpper());
    EXPECT_EQ(box->buttonType(), win::BS_AUTO3STATE);
    EXPECT_EQ(box->checkState(), win::BST_INDETERMINATE);
    EXPECT_TRUE(box->style() & win::WS_VISIBLE); // other style bits stay
    EXPECT_FALSE(data.setCtrlValue(0, L"1"));
    EXPECT_FALSE(data.setCtrlReadOnly(id(0), true)); // only types 2 and 3
    EXPECT_TRUE(data.setCtrlReadOnly(id(3), true));
    EXPECT_FALSE(host->child(id(3))->isEnabled());
}

TEST_F(RunModeTest, TabWalksTheOrderWithFourOutcomes) {
    run({makeControl(ctEdit, 0.1, 0.1, 0.2, 0.2), makeControl(ctEdit, 0.5, 0.1, 0.6, 0.2),
         makeControl(ctText, 0.1, 0.5, 0.2, 0.6)});
    Zrl_TabMsgHandle outcome = tabMoved;
    EXPECT_FALSE(data.handleTabKey(win::VK_TAB, outcome)); // focus elsewhere
    EXPECT_EQ(outcome, tabNotHandled);
    ASSERT_TRUE(data.setFocusToCtrl(true));
    int focused = 0;
    ASSERT_TRUE(data.getFocusedDynControl(focused));
    EXPECT_EQ(focused, id(0));
    EXPECT_FALSE(data.handleTabKey(win::VK_RETURN, outcome));

    const struct {
        bool shift;
        Zrl_TabMsgHandle outcome;
        int focusedIndex;
    } steps[] = {{true, tabBeforeFirst, 0}, {false, tabMoved, 1}, {false, tabPastLast, 1},
                 {true, tabMoved, 0}};
    for (const auto& s : steps) {
        win::script().setKeyDown(win::VK_SHIFT, s.shift);
        EXPECT_TRUE(data.handleTabKey(win::VK_TAB, outcome));
        EXPECT_EQ(outcome, s.outcome);
        ASSERT_TRUE(data.getFocusedDynControl(focused));
        EXPECT_EQ(focused, id(s.focusedIndex));
    }
    win::script().setKeyDown(win::VK_SHIFT, false);
    ASSERT_TRUE(data.setFocusToCtrl(false));
    data.getFocusedDynControl(focused);
    EXPECT_EQ(focused, id(1));
}

TEST_F(RunModeTest, FlexGroupsAndTheirStates) {
    run({makeControl(ctFlexButton, 0.1, 0.1, 0.2, 0.2, L"Bolt", L"Ends;tip;x"),
         makeControl(ctFlexButton, 0.3, 0.1, 0.4, 0.2, L"Weld", L"ENDS;tip"),
         makeControl(ctFlexButton, 0.5, 0.1, 0.6, 0.2, L"Hole", L"Other"),
         makeControl(ctEdit, 0.7, 0.1, 0.8, 0.2, L"Ends")});
    AcArray<int> all, third;
    ASSERT_TRUE(data.getFlexBtnsInGroup(L"ends", all, third));
    EXPECT_EQ(all.length(), 2);
    ASSERT_EQ(third.length(), 1);
    EXPECT_EQ(third[0], 0);
    EXPECT_TRUE(data.getFlexBtnsInGroup(L"", all, third));
    EXPECT_TRUE(all.isEmpty());
    Zrl_StringArray groups;
    data.getFlexBtnsGroups(groups);
    EXPECT_EQ(groups.length(), 2);

    EXPECT_TRUE(data.setFlexBtnStatus(L"Ends", L"Weld", win::BST_CHECKED));
    int status = 2;
    EXPECT_TRUE(data.getSetFlexBtnStatus(true, 0, status));
    EXPECT_EQ(status, 0); // 2 is taken as 0
    EXPECT_TRUE(data.getFlexBtnStatus(1, status));
    EXPECT_EQ(status, win::BST_CHECKED);
    EXPECT_FALSE(data.getFlexBtnStatus(3, status)); // not a flex button
    Zrl_String group, contents;
    EXPECT_TRUE(data.getFlexBtnGroupName(id(1), group, contents));
    EXPECT_EQ(group, L"ENDS");
    EXPECT_TRUE(data.hideAllFlexBtns(L"ends"));
    EXPECT_FALSE(host->child(id(0))->isVisible());
    EXPECT_TRUE(host->child(id(2))->isVisible());
}

TEST_F(RunModeTest, RedrawsLeaveOneWindowPerControlAndGrowWithTheTextScale) {
    run({makeControl(ctDiameterList, 0.1, 0.1, 0.2, 0.2, L"M20"),
         makeControl(ctBoltCount1, 0.5, 0.1, 0.6, 0.3)});
    setDesignerTextScale(1.5);
    data.redrawAllControls();
    setDesignerTextScale(1.0);
    EXPECT_EQ(host->children().size(), 2u);
    EXPECT_EQ(host->child(id(0))->rect().height(), 200);
    // 20 pixels high, extra 9: ceil(20 + 9 / 1.6) = 26.
    EXPECT_EQ(host->child(id(1))->rect().height(), 26);
    EXPECT_EQ(host->child(id(0))->text(), L"M20");
}

TEST_F(RunModeTest, ComboItemsComeFromTheListFileBesideTheTemplate) {
    writeText(root / "Plates" / "grades.txt", "8.8\n10.9\n");
    data.name = L"Plates\\End";
    run({makeControl(ctCombo, 0.1, 0.1, 0.3, 0.2, L"10.9", L"grades.txt")});
    auto* combo = dynamic_cast<win::ComboBox*>(host->child(id(0)));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->getCount(), 2);
    EXPECT_EQ(combo->getCurSel(), 1);
}

} // namespace
} // namespace designertest
