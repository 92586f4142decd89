// The docking bar in the host's main frame and the dialog it carries.
#include "platform/host/host_windows.h"
#include "sheettools/dock_control_bar.h"
#include "tree_fixture.h"

namespace treetest {
namespace {

TEST(DockBar, CarriesItsDialogFillingItAndDocksLeft) {
    win::ResourceModuleGuard guard(moduleHandle());
    acedGetAcadFrame()->setRect({0, 0, 1200, 800});
    auto dialog = std::make_unique<win::Dialog>();
    win::Dialog* page = dialog.get();
    CVkDockControlBar bar(std::move(dialog), kPage);
    ASSERT_TRUE(bar.createDocked(L"Sheets manager", L"SheetsMgr"));
    EXPECT_EQ(bar.parent(), acedGetAcadFrame());
    EXPECT_EQ(page->parent(), &bar);
    EXPECT_EQ(bar.dockPosition(), CVkDockControlBar::kDockLeft);
    // Docked, as wide as the dialog (wider than the bar starts) so none of it is cut.
    const win::Size own{win::dialogUnitsToPixelsX(180), win::dialogUnitsToPixelsY(320)};
    ASSERT_GT(own.cx, CVkDockControlBar::kInitialWidth);
    EXPECT_EQ(bar.rect(), (win::Rect{0, 0, own.cx, 800}));
    EXPECT_EQ(page->rect(), bar.clientRect());

    // Floating, the bar takes the dialog's own size.
    ASSERT_TRUE(bar.restoreControlBar(CVkDockControlBar::kFloating));
    EXPECT_EQ(page->rect(), (win::Rect{0, 0, own.cx, own.cy}));
    bar.setRect({10, 10, 310, 410});
    EXPECT_EQ(page->rect(), (win::Rect{0, 0, 300, 400}));
    bar.enableDocking(CVkDockControlBar::kAlignLeft);
    EXPECT_FALSE(bar.restoreControlBar(CVkDockControlBar::kDockTop));

    // A bar whose dialog cannot be made leaves no window behind.
    const size_t before = acedGetAcadFrame()->children().size();
    CVkDockControlBar broken(std::make_unique<win::Dialog>(), L"NO_SUCH_TEMPLATE");
    EXPECT_FALSE(broken.createDocked(L"Bar", L"X"));
    EXPECT_EQ(acedGetAcadFrame()->children().size(), before);
}

} // namespace
} // namespace treetest
