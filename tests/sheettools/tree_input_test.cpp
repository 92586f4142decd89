// The popup actions, dragging a row's text and dropping texts and drawing
// objects on a tree.
#include "platform/host/host_product.h"
#include "platform/win/clipboard.h"
#include "platform/win/drag_drop.h"
#include "tree_fixture.h"

#include <stdexcept>

namespace treetest {
namespace {

win::DataObject treeData(const std::wstring& text) {
    win::DataObject data;
    data.setText(text);
    data.setData(win::registerClipboardFormat(VkTreeSpread::kDragFormatName), {});
    return data;
}

TEST_F(TreeTest, APopupActionReachesTheOwnerAsControlIdAndIndex) {
    build({{1, L"A"}});
    tree.setPopupActions(cells({L"Add", L"Rename", L"Delete"}));
    win::script().queueMenuChoice(L"Delete");
    tree.rightClick({10, 10});
    ASSERT_EQ(dlg.commands.size(), 1u);
    EXPECT_EQ(dlg.commands[0], std::make_pair(win::WPARAM(kTreeId), win::LPARAM(2)));
    win::script().queueMenuDismiss();
    tree.rightClick({10, 10});
    EXPECT_EQ(dlg.commands.size(), 1u);
}

TEST_F(TreeTest, ALeftPressDragsTheActiveRowsTextToAnotherTree) {
    build({{1, L"A"}, {2, L"A1"}});
    VkTreeSpread target;
    ASSERT_TRUE(target.createHidden(&dlg, 1300));
    int calls = 0;
    ASSERT_TRUE(target.setupTree(1, 1, [&](VkTreeSpread&) { ++calls; }));
    ASSERT_TRUE(tree.setActiveCell(1, 2));
    win::script().queueDrop(&target, {5, 5});
    ASSERT_TRUE(win::clickMouse(tree, {5, 5}));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(target.droppedTexts(), cells({L"A1"}));
    // A tree without a drop callback takes no drops.
    EXPECT_EQ(win::dropOn(tree, treeData(L"z"), {1, 1}), win::DROPEFFECT_NONE);
}

TEST_F(TreeTest, TreeDataIsSplitIntoTextsAndCallsTheCallback) {
    int calls = 0;
    build({{1, L"A"}}, [&](VkTreeSpread&) { ++calls; });
    EXPECT_EQ(win::dropOn(tree, treeData(L"a;b"), {1, 1}), win::DROPEFFECT_COPY);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(tree.droppedTexts(), cells({L"a", L"b"}));
    // Plain text without the private format, or an empty text, is refused.
    win::DataObject plain;
    plain.setText(L"c");
    EXPECT_EQ(win::dropOn(tree, plain, {1, 1}), win::DROPEFFECT_NONE);
    EXPECT_EQ(win::dropOn(tree, treeData(L""), {1, 1}), win::DROPEFFECT_NONE);
    EXPECT_EQ(calls, 1);
    // A callback that throws does not escape the drop.
    build({{1, L"A"}}, [](VkTreeSpread&) { throw std::runtime_error("broken"); });
    EXPECT_EQ(win::dropOn(tree, treeData(L"a"), {1, 1}), win::DROPEFFECT_NONE);
}

TEST_F(TreeTest, HostDataBringsThePreviousSelectionsObjects) {
    int calls = 0;
    build({{1, L"A"}}, [&](VkTreeSpread&) { ++calls; });
    win::DataObject hostData;
    hostData.setData(win::registerClipboardFormat(host::dragFormatName()), {1});
    // An empty previous selection calls nothing.
    EXPECT_EQ(win::dropOn(tree, hostData, {1, 1}), win::DROPEFFECT_NONE);
    EXPECT_EQ(calls, 0);

    const AcDbObjectId a = host::addDrawingObject();
    const AcDbObjectId gone = host::addDrawingObject();
    host::setPreviousSelection({a, gone});
    host::eraseDrawingObject(gone);
    EXPECT_EQ(win::dropOn(tree, hostData, {1, 1}), win::DROPEFFECT_COPY);
    EXPECT_EQ(calls, 1);
    ASSERT_EQ(tree.droppedObjects().length(), 1);
    EXPECT_EQ(tree.droppedObjects()[0], a);
    EXPECT_EQ(host::liveSelectionSets(), 0);
}

} // namespace
} // namespace treetest
