// The standard controls: what the user's actions change and tell, and what
// the program's operations keep quiet.
#include "win_fixture.h"

#include <string>
#include <vector>

namespace {

using namespace wintest;

// Records every command and notification it receives.
class Recorder : public win::Dialog {
public:
    Recorder() : Dialog(IDD_SAMPLE) {}
    std::vector<std::pair<int, int>> commands;
    std::vector<std::pair<int, win::UINT>> notes;
    bool vetoTabChange = false;

protected:
    bool onCommand(int id, int code) override {
        commands.emplace_back(id, code);
        return id != win::IDOK && id != win::IDCANCEL;
    }
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override {
        notes.emplace_back(id, hdr.code);
        if (hdr.code == win::TCN_SELCHANGING) result = vetoTabChange ? 1 : 0;
        return true;
    }
};

class ControlsTest : public WinTest {
protected:
    void SetUp() override {
        WinTest::SetUp();
        ASSERT_TRUE(dlg.create(IDD_SAMPLE));
        dlg.show(true);
        dlg.commands.clear();
    }
    bool told(int id, int code) const {
        for (const auto& c : dlg.commands)
            if (c == std::make_pair(id, code)) return true;
        return false;
    }
    Recorder dlg;
};

TEST_F(ControlsTest, CheckBoxClicksFollowTheirKind) {
    // Automatic two-state: toggles.
    dlg.click(IDC_FLAG);
    EXPECT_EQ(dlg.isChecked(IDC_FLAG), win::BST_CHECKED);
    dlg.click(IDC_FLAG);
    EXPECT_EQ(dlg.isChecked(IDC_FLAG), win::BST_UNCHECKED);
    // Automatic three-state: unchecked -> checked -> indeterminate -> unchecked.
    std::vector<int> states;
    for (int i = 0; i < 3; ++i) {
        dlg.click(IDC_TRI);
        states.push_back(dlg.isChecked(IDC_TRI));
    }
    EXPECT_EQ(states, (std::vector<int>{1, 2, 0}));
    // Plain check box: only the owner changes it, but it is told.
    dlg.click(IDC_PLAIN_CHECK);
    EXPECT_EQ(dlg.isChecked(IDC_PLAIN_CHECK), win::BST_UNCHECKED);
    EXPECT_TRUE(told(IDC_PLAIN_CHECK, win::BN_CLICKED));
    // Indeterminate is kept by three-state boxes only.
    dlg.check(IDC_FLAG, win::BST_INDETERMINATE);
    EXPECT_EQ(dlg.isChecked(IDC_FLAG), win::BST_CHECKED);
    dlg.check(IDC_TRI, win::BST_INDETERMINATE);
    EXPECT_EQ(dlg.isChecked(IDC_TRI), win::BST_INDETERMINATE);
    EXPECT_FALSE(dlg.check(win::IDOK)); // push buttons carry no check
}

TEST_F(ControlsTest, RadioClickClearsOnlyItsOwnGroup) {
    dlg.click(IDC_RADIO_C); // second group: C, D
    dlg.click(IDC_RADIO_A); // first group: A, B
    EXPECT_EQ(dlg.checkedRadioButton(IDC_RADIO_A, IDC_RADIO_B), IDC_RADIO_A);
    EXPECT_EQ(dlg.isChecked(IDC_RADIO_C), win::BST_CHECKED);
    dlg.click(IDC_RADIO_B);
    EXPECT_EQ(dlg.isChecked(IDC_RADIO_A), win::BST_UNCHECKED);
    EXPECT_EQ(dlg.isChecked(IDC_RADIO_C), win::BST_CHECKED);
    dlg.click(IDC_RADIO_D);
    EXPECT_EQ(dlg.checkedRadioButton(IDC_RADIO_A, IDC_RADIO_D), IDC_RADIO_B);
    EXPECT_EQ(dlg.checkedRadioButton(IDC_RADIO_C, IDC_RADIO_D), IDC_RADIO_D);
}

TEST_F(ControlsTest, DisabledOrHiddenControlsIgnoreTheUser) {
    dlg.enableItem(IDC_FLAG, false);
    EXPECT_FALSE(dlg.click(IDC_FLAG));
    EXPECT_EQ(dlg.isChecked(IDC_FLAG), win::BST_UNCHECKED);
    dlg.showItem(IDC_NAME, false);
    EXPECT_FALSE(dlg.type(IDC_NAME, L"x"));
    dlg.show(false); // a hidden dialog hides its controls too
    EXPECT_FALSE(dlg.click(IDC_TRI));
    EXPECT_FALSE(told(IDC_FLAG, win::BN_CLICKED));
    EXPECT_FALSE(told(IDC_NAME, win::EN_CHANGE));
    EXPECT_FALSE(told(IDC_TRI, win::BN_CLICKED));
}

TEST_F(ControlsTest, FocusMovesWithTheUserAndEditsTellTheirParent) {
    ASSERT_TRUE(dlg.focusItem(IDC_NAME));
    dlg.commands.clear();
    dlg.click(IDC_FLAG);
    ASSERT_GE(dlg.commands.size(), 2u);
    EXPECT_EQ(dlg.commands[0], std::make_pair(static_cast<int>(IDC_NAME), win::EN_KILLFOCUS));
    EXPECT_EQ(dlg.commands.back(), std::make_pair(static_cast<int>(IDC_FLAG), win::BN_CLICKED));
    EXPECT_TRUE(dlg.item(IDC_FLAG)->hasFocus());
    dlg.enableItem(IDC_FLAG, false); // the focus does not stay on a disabled control
    EXPECT_EQ(win::Window::focus(), nullptr);
}

TEST_F(ControlsTest, EditSelectionTypingAndRefusals) {
    win::Edit* e = dlg.edit(IDC_NAME);
    e->setText(L"hello world");
    EXPECT_TRUE(told(IDC_NAME, win::EN_CHANGE));
    e->setSel(6, -1);
    EXPECT_EQ(e->selectedText(), L"world");
    e->setSel(50, 2); // reversed and out of range: clamped and ordered
    EXPECT_EQ(e->getSel(), (std::pair<int, int>{2, 11}));
    e->setSel(0, 5);
    EXPECT_TRUE(e->typeSelection(L"HELLO"));
    EXPECT_EQ(e->text(), L"HELLO world");
    EXPECT_EQ(e->getSel(), (std::pair<int, int>{5, 5}));

    e->modifyStyle(0, win::ES_NUMBER);
    EXPECT_FALSE(e->type(L"12a"));
    EXPECT_TRUE(e->type(L"123"));
    e->setLimitText(3);
    e->setSel(-1, 0);
    EXPECT_FALSE(e->typeSelection(L"4"));
    e->setReadOnly(true);
    EXPECT_FALSE(e->type(L"1"));
    EXPECT_EQ(e->text(), L"123");

    e->modifyStyle(win::ES_NUMBER | win::ES_READONLY, win::ES_MULTILINE);
    e->setLimitText(0);
    e->setText(L"one\r\ntwo\nthree");
    EXPECT_EQ(e->lineCount(), 3);
    EXPECT_EQ(e->line(0), L"one");
    EXPECT_EQ(e->line(2), L"three");
    EXPECT_EQ(e->line(3), L"");
}

TEST_F(ControlsTest, ComboKeepsItsSelectionAcrossInsertsAndDeletes) {
    win::ComboBox* c = dlg.combo(IDC_KIND); // sorted drop-down list
    EXPECT_EQ(c->addString(L"plate"), 0);
    EXPECT_EQ(c->addString(L"Angle"), 0);
    EXPECT_EQ(c->addString(L"Channel"), 1);
    EXPECT_EQ(c->setCurSel(2), 2);
    EXPECT_EQ(c->text(), L"plate");
    c->insertString(0, L"Beam");
    EXPECT_EQ(c->getCurSel(), 3);
    c->deleteString(0);
    EXPECT_EQ(c->getLBText(c->getCurSel()), L"plate");
    EXPECT_EQ(c->deleteString(c->getCurSel()), 2);
    EXPECT_EQ(c->getCurSel(), win::CB_ERR);
    EXPECT_EQ(c->deleteString(7), win::CB_ERR);
    EXPECT_EQ(c->setCurSel(9), win::CB_ERR);
    EXPECT_EQ(c->findStringExact(-1, L"CHANNEL"), 1);
    EXPECT_EQ(c->findString(0, L"an"), 0); // search wraps around after the start
    EXPECT_EQ(c->selectString(-1, L"zz"), win::CB_ERR);
    EXPECT_TRUE(dlg.commands.empty()); // the program's operations are quiet
}

TEST_F(ControlsTest, ComboChoiceAndTypingNotify) {
    win::ComboBox* list = dlg.combo(IDC_KIND);
    list->addString(L"Angle");
    list->addString(L"Plate");
    EXPECT_TRUE(list->choose(L"plate"));
    EXPECT_EQ(list->getCurSel(), 1);
    EXPECT_TRUE(told(IDC_KIND, win::CBN_SELCHANGE));
    EXPECT_FALSE(list->type(L"x")); // a drop-down list cannot be typed into

    win::ComboBox* editable = dlg.combo(IDC_EDITABLE);
    editable->addString(L"M12");
    editable->addString(L"M16");
    editable->setCurSel(1);
    EXPECT_EQ(editable->text(), L"M16");
    EXPECT_TRUE(dlg.type(IDC_EDITABLE, L"M20"));
    EXPECT_EQ(editable->getCurSel(), -1);
    EXPECT_EQ(editable->text(), L"M20");
    EXPECT_TRUE(told(IDC_EDITABLE, win::CBN_EDITCHANGE));
}

TEST_F(ControlsTest, MultipleSelectionListToggles) {
    win::ListBox* l = dlg.listBox(IDC_LIST);
    for (const wchar_t* t : {L"a", L"b", L"c"})
        l->addString(t);
    dlg.choose(IDC_LIST, 0);
    dlg.choose(IDC_LIST, 2);
    EXPECT_EQ(l->getSelItems(), (std::vector<int>{0, 2}));
    dlg.choose(IDC_LIST, 0);
    EXPECT_EQ(l->getSelItems(), std::vector<int>{2});
    EXPECT_EQ(l->setCurSel(1), win::LB_ERR); // single-selection call on a multiple list
    l->deleteString(0);
    EXPECT_EQ(l->getSelItems(), std::vector<int>{1}); // selection moved with its item
    l->setSel(-1, true);
    EXPECT_EQ(l->getSelCount(), 2);
    EXPECT_TRUE(told(IDC_LIST, win::LBN_SELCHANGE));
}

TEST_F(ControlsTest, TabChangeCanBeRefusedByTheParent) {
    win::TabControl* t = dlg.tab(IDC_TABS);
    t->insertItem(0, L"General");
    t->insertItem(1, L"Bolts");
    EXPECT_EQ(t->getCurSel(), 0); // the first tab is current
    dlg.vetoTabChange = true;
    EXPECT_FALSE(dlg.choose(IDC_TABS, 1));
    EXPECT_EQ(t->getCurSel(), 0);
    dlg.vetoTabChange = false;
    dlg.notes.clear();
    EXPECT_TRUE(dlg.choose(IDC_TABS, L"Bolts"));
    EXPECT_EQ(t->getCurSel(), 1);
    EXPECT_EQ(dlg.notes, (std::vector<std::pair<int, win::UINT>>{{IDC_TABS, win::TCN_SELCHANGING},
                                                                 {IDC_TABS, win::TCN_SELCHANGE}}));
    t->insertItem(0, L"First");
    EXPECT_EQ(t->getItemText(t->getCurSel()), L"Bolts"); // current tab follows the insert
}

TEST_F(ControlsTest, ListViewGalleryChoiceSelectsOneAndNotifies) {
    win::ListView* v = dlg.listView(IDC_GALLERY);
    const int img = v->addImage(win::Bitmap(4, 4, win::rgb(1, 2, 3)));
    v->insertItem(0, L"Base plate", img);
    v->insertItem(1, L"Splice", img);
    v->setSelected(0, true);
    dlg.notes.clear();
    EXPECT_TRUE(v->doubleClick(1));
    EXPECT_FALSE(v->isSelected(0));
    EXPECT_EQ(v->getNextSelected(), 1);
    ASSERT_NE(v->image(v->getItemImage(1)), nullptr);
    EXPECT_EQ(v->image(v->getItemImage(1))->pixel(0, 0), win::rgb(1, 2, 3));
    const std::vector<std::pair<int, win::UINT>> expected = {{IDC_GALLERY, win::LVN_ITEMCHANGED},
                                                             {IDC_GALLERY, win::LVN_ITEMCHANGED},
                                                             {IDC_GALLERY, win::NM_CLICK},
                                                             {IDC_GALLERY, win::NM_DBLCLK},
                                                             {IDC_GALLERY, win::LVN_ITEMACTIVATE}};
    EXPECT_EQ(dlg.notes, expected);
}

} // namespace
