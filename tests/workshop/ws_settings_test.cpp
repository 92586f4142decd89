// The workshop settings dialog, its tree and its Global page.
#include "platform/core/text_helpers.h"
#include "workshop/dlg_ws_settings.h"
#include "workshop/settings_ids.h"
#include "workshop_fixture.h"

namespace workshop_test {
namespace {

using WsSettings = WorkshopTest;

WsUiSettingPath key(const wchar_t* k) {
    return createPath(WsUiSettingPath::root(), k);
}

WsUiGlobalSettings sampleSettings() {
    WsUiGlobalSettings s;
    s.setSetting(key(L"mDimStyleTemplate"), Zrl_String(L"Shop.dwt"));
    s.setSetting(key(L"mDSTVWeldpointsOnMarks"), 1);
    s.appendGroup(WsUiSubGroupSettings(L"Groep"));
    return s;
}

// A name equal to a group's in another case is refused; OK then returns
// the settings without a new group. Adding and cancelling are dialog cases.
TEST_F(WsSettings, AGroupNameInUseIsRefused) {
    WsUiGlobalSettings settings = sampleSettings();
    bool ok = false;
    ASSERT_EQ(play("dialog \"Algemene werkplaatstekeningen instellingen\"\n"
                   "  dialog prompt\n    type 1001 \"GROEP\"\n    click OK\n  end\n"
                   "  click 1004\n  click OK\nend\n",
                   [&] { ok = StartDlgWsSettings(settings); }),
              "");
    EXPECT_TRUE(ok);
    EXPECT_EQ(settings.groups().length(), 1);
    const auto& boxes = win::script().shown().messageBoxes;
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Deze naam is reeds in gebruik.\nU dient een naam in "
                             L"te geven die nog niet gebruikt wordt.\n");
}

TEST_F(WsSettings, PagesAreMadeOncePerTypeAndSavedOnLeaving) {
    CDlgWsSettings dlg;
    dlg.record() = sampleSettings();
    win::ResourceModuleGuard guard(zrlss::libraryModule());
    ASSERT_TRUE(dlg.create(IDD_SETTINGS_TEMPLATE));
    dlg.show(true);
    ASSERT_EQ(dlg.currentItem(), 0);
    CDlgGeneralSettingsChild* global = dlg.shownPage();
    ASSERT_NE(global, nullptr);
    EXPECT_NE(dlg.item(IDC_SET_ADD)->style() & win::WS_VISIBLE, 0u);
    EXPECT_EQ(dlg.item(IDC_SET_SEPARATOR)->rect().height(), CDlgSettingsTemplate::kSeparatorHeight);
    EXPECT_EQ(dlg.rowOfItem(1), 2); // Assembly under Global

    global->type(IDC_WSG_ACAD, L"Edited");
    global->click(IDC_WSG_WELDPOINTS); // cleared
    EXPECT_EQ(dlg.selectItem(1), Acad::eInvalidIndex); // no page for Assembly
    EXPECT_EQ(dlg.record().getSetting(key(L"mAcadDimStyle")), L"Edited"); // saved on leaving
    int weld = -1;
    EXPECT_TRUE(dlg.record().getSetting(key(L"mDSTVWeldpointsOnMarks"), weld));
    EXPECT_EQ(weld, 0);
    EXPECT_EQ(dlg.shownPage(), nullptr);
    EXPECT_EQ(dlg.currentItem(), -1);
    EXPECT_EQ(global->style() & win::WS_VISIBLE, 0u);

    dlg.record().setSetting(key(L"mAcadDimStyle"), Zrl_String(L"Reloaded"));
    EXPECT_EQ(dlg.selectItem(0), Acad::eOk);
    EXPECT_EQ(dlg.shownPage(), global); // the same page, values reloaded
    EXPECT_EQ(global->getItemText(IDC_WSG_ACAD), L"Reloaded");
    EXPECT_EQ(dlg.pageCount(), 1);
    EXPECT_EQ(dlg.selectItem(2), Acad::eInvalidIndex);
    EXPECT_EQ(dlg.selectItem(-1), Acad::eInvalidIndex);
    EXPECT_EQ(dlg.currentItem(), 0);

    // Without an owner the page reports an invalid index.
    CSubDlgWsSetGlobal orphan;
    EXPECT_EQ(orphan.loadItem(0), Acad::eInvalidIndex);
    EXPECT_EQ(global->saveItem(5), Acad::eInvalidIndex);
    dlg.destroy();
}

// A settings dialog whose items leave one out and put a child row before
// later items: each row keeps the item it shows.
class MixedTree : public CDlgSettingsTemplate {
public:
    std::vector<int> loaded;

protected:
    void getTexts(Zrl_String& caption, Zrl_String& addText, Zrl_String& removeText) override {
        caption = L"Mixed";
        addText = L"";
        removeText = L"Remove";
    }
    void fillItems(VkTreeSpread&, Zrl_Array<VkTreeItem>& items) override {
        items.append(VkTreeItem(L"A", L"PageA", L""));        // row 1
        items.append(VkTreeItem(L"Lost", L"PageA", L"None")); // left out
        items.append(VkTreeItem(L"B", L"PageA", L""));        // row 3
        items.append(VkTreeItem(L"A1", L"PageB", L"A"));      // row 2, under A
        items.append(VkTreeItem(L"Same", L"PageA", L"A"));    // same type as A: left out
    }
    std::unique_ptr<CDlgGeneralSettingsChild> createPage(const Zrl_String&,
                                                         win::ResourceId& resource) override;
};

class RecordingPage : public CDlgGeneralSettingsChild {
public:
    explicit RecordingPage(MixedTree* owner) : CDlgGeneralSettingsChild(IDD_WS_SET_GLOBAL), owner_(owner) {}
    ErrorStatus loadItem(int item) override {
        owner_->loaded.push_back(item);
        return Acad::eOk;
    }
    ErrorStatus saveItem(int) override { return Acad::eOk; }

private:
    MixedTree* owner_;
};

std::unique_ptr<CDlgGeneralSettingsChild> MixedTree::createPage(const Zrl_String&,
                                                                win::ResourceId& resource) {
    resource = IDD_WS_SET_GLOBAL;
    return std::make_unique<RecordingPage>(this);
}

TEST_F(WsSettings, ALeftOutItemShiftsNoSelection) {
    MixedTree dlg;
    win::ResourceModuleGuard guard(zrlss::libraryModule());
    ASSERT_TRUE(dlg.create(IDD_SETTINGS_TEMPLATE));
    dlg.show(true);
    // An empty text hides its button.
    EXPECT_EQ(dlg.item(IDC_SET_ADD)->style() & win::WS_VISIBLE, 0u);
    const struct {
        int row, item;
    } rows[] = {{1, 0}, {2, 3}, {3, 2}, {4, -1}};
    for (const auto& r : rows)
        EXPECT_EQ(dlg.itemOfRow(r.row), r.item) << r.row;
    // Clicks on the rows select the items they show.
    VkTreeSpread& tree = dlg.tree();
    ASSERT_TRUE(tree.scriptSelect(tree.gridColumn(1), 3, tree.gridColumn(1), 3));
    ASSERT_TRUE(tree.scriptSelect(tree.gridColumn(1), 2, tree.gridColumn(1), 2));
    EXPECT_EQ(dlg.loaded, (std::vector<int>{0, 2, 3}));
    EXPECT_EQ(dlg.pageCount(), 2);
    dlg.destroy();
}

} // namespace
} // namespace workshop_test
