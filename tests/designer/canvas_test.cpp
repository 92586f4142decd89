// The canvas: selecting with the mouse (rubber band, Ctrl, Shift), moving
// the selection, sizing by a handle, and the property panel.
#include "designer_fixture.h"

#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "designer/dlg_designer.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/combo_box.h"
#include "platform/win/constants.h"
#include "platform/win/edit.h"

namespace designertest {
namespace {

class CanvasTest : public DesignerTest {
protected:
    // A designer on a template of three edit fields on a 200 x 100 picture:
    // (20,10)-(40,30), (60,10)-(80,30), (100,60)-(120,80).
    void SetUp() override {
        DesignerTest::SetUp();
        writePicture(root / "Three.bmp", 200, 100);
        Zrl_DlgDesignerData model;
        model.append(makeControl(ctEdit, 0.1, 0.1, 0.2, 0.3, L"A"));
        model.append(makeControl(ctEdit, 0.3, 0.1, 0.4, 0.3, L"B"));
        model.append(makeControl(ctEdit, 0.5, 0.6, 0.6, 0.8, L"C"));
        ASSERT_TRUE(model.writeToFile(text(root / "Three.txt")));
    }
    // Runs the designer on Three with `play` as the user.
    intptr_t runDesigner(const std::function<void(CDlgDesigner&)>& play) {
        win::script().onNextModal([&](win::Dialog& dlg) {
            auto& designer = dynamic_cast<CDlgDesigner&>(dlg);
            play(designer);
        });
        CDlgDesigner dlg;
        dlg.setTemplatePath(text(root / "Three.txt"));
        return dlg.doModal();
    }
    static std::vector<int> selection(CDlgDesigner& d) {
        AcArray<int> ids;
        d.model().getCurSelIds(ids);
        return std::vector<int>(ids.begin(), ids.end());
    }
    static win::Rect rectOf(CDlgDesigner& d, int id) { return d.item(id)->rect(); }
};

TEST_F(CanvasTest, ClicksAndBandsSelect) {
    runDesigner([](CDlgDesigner& d) {
        const struct {
            const char* what;
            win::Point from, to;
            win::WPARAM keys;
            std::vector<int> selected;
        } steps[] = {
            {"band over the first two", {10, 5}, {90, 40}, 0, {33000, 33001}},
            {"band partly over the third", {90, 50}, {110, 90}, 0, {}},
            {"click selects one", {30, 20}, {30, 20}, 0, {33000}},
            {"shift adds", {70, 20}, {70, 20}, win::MK_SHIFT, {33000, 33001}},
            {"ctrl toggles off", {30, 20}, {30, 20}, win::MK_CONTROL, {33001}},
            {"shift on the empty canvas keeps", {150, 5}, {190, 95}, win::MK_SHIFT, {33001}},
            {"ctrl toggles on", {110, 70}, {110, 70}, win::MK_CONTROL, {33001, 33002}},
        };
        for (const auto& s : steps) {
            SCOPED_TRACE(s.what);
            dragMouse(d, s.from, s.to, s.keys);
            EXPECT_EQ(selection(d), s.selected);
        }
        EXPECT_EQ(d.model().getCurSel(), -1);
        // With two selected the panel is emptied and disabled.
        EXPECT_FALSE(d.item(IDC_DESIGNER_CONTENTS)->isEnabled());
        win::script().queueMessageBoxAnswer(win::IDNO);
        d.click(win::IDOK);
    });
}

TEST_F(CanvasTest, DraggingOneOfThreeMovesAllAlikeAndAHandleSizesOne) {
    runDesigner([](CDlgDesigner& d) {
        dragMouse(d, {0, 0}, {199, 99});
        ASSERT_EQ(selection(d).size(), 3u);
        dragMouse(d, {70, 20}, {75, 27});
        EXPECT_EQ(rectOf(d, 33000), (win::Rect{25, 17, 45, 37}));
        EXPECT_EQ(rectOf(d, 33002), (win::Rect{105, 67, 125, 87}));
        // The bottom-right handle of the first control stands outside it;
        // the selection stays, only that control is sized.
        dragMouse(d, {46, 38}, {56, 48});
        EXPECT_EQ(selection(d).size(), 3u);
        EXPECT_EQ(rectOf(d, 33000), (win::Rect{25, 17, 55, 47}));
        EXPECT_EQ(rectOf(d, 33001), (win::Rect{65, 17, 85, 37}));
        d.model().getSizeFromAllControls();
        EXPECT_DOUBLE_EQ(d.model().controls[0].bottomRightX, 55.0 / 200);
        win::script().queueMessageBoxAnswer(win::IDNO);
        d.click(win::IDOK);
    });
}

TEST_F(CanvasTest, ChangingTheTypeReplacesTheWindowInPlace) {
    runDesigner([](CDlgDesigner& d) {
        dragMouse(d, {30, 20}, {30, 20});
        EXPECT_EQ(d.getItemText(IDC_DESIGNER_CONTENTS), L"A");
        EXPECT_FALSE(d.item(IDC_DESIGNER_LIST)->isEnabled());
        d.choose(IDC_DESIGNER_TYPE_LIST, ctCombo);
        auto* combo = dynamic_cast<win::ComboBox*>(d.item(33000));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->rect().left, 20);
        EXPECT_EQ(selection(d), std::vector<int>{33000});
        EXPECT_TRUE(d.item(IDC_DESIGNER_LIST)->isEnabled());
        d.type(IDC_DESIGNER_LIST, L"grades.txt");
        d.type(IDC_DESIGNER_CONTENTS, L"Grade");
        EXPECT_EQ(d.model().controls[0].comboList, L"grades.txt");
        EXPECT_EQ(combo->text(), L"Grade");
        win::script().queueMessageBoxAnswer(win::IDYES);
        d.click(win::IDOK);
    });
    Zrl_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(text(root / "Three.txt"), false));
    EXPECT_EQ(read.controls[0].type, ctCombo);
    EXPECT_EQ(read.controls[0].contents, L"Grade");
}

TEST_F(CanvasTest, DesignerAsksBeforeLosingWork) {
    // Copy after Save as, then closing, asks naming the new template; No
    // closes without saving (Cancel keeps it open: a dialog case).
    runDesigner([&](CDlgDesigner& d) {
        win::script().queueFileDialog({text(root / "Copy.txt").str()});
        d.click(IDC_DESIGNER_SAVE_AS);
        EXPECT_FALSE(d.isModified());
        dragMouse(d, {30, 20}, {30, 20});
        d.click(IDC_DESIGNER_COPY);
        EXPECT_EQ(d.model().getNrControls(), 4);
        win::script().queueMessageBoxAnswer(win::IDNO);
        d.pressKey(win::VK_ESCAPE);
    });
    ASSERT_EQ(win::script().shown().messageBoxes.size(), 1u);
    EXPECT_EQ(win::script().shown().messageBoxes[0].text,
              dialString(838).str() + L"\n<Copy>");
    EXPECT_TRUE(fs::exists(root / "Copy.bmp"));
    Zrl_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(text(root / "Copy.txt"), false));
    EXPECT_EQ(read.getNrControls(), 3);
}

TEST_F(CanvasTest, AnUnnamedDesignerAsksForANameBeforeThePicture) {
    writePicture(lib / "pictures" / "plate.bmp", 300, 150);
    writeText(lib / "pictures" / "broken.bmp", "no picture");
    win::script().onNextModal([&](win::Dialog& dlg) {
        auto& d = dynamic_cast<CDlgDesigner&>(dlg);
        d.click(IDC_DESIGNER_ADD); // no picture: refused with 870
        EXPECT_EQ(d.model().getNrControls(), 0);
        win::script().queueFileDialog({text(lib / "pictures" / "broken.bmp").str()});
        d.click(IDC_DESIGNER_IMAGE); // unreadable: 873
        win::script().queueFileDialog({text(lib / "pictures" / "plate.bmp").str()});
        win::script().queueFileDialogCancel();
        d.click(IDC_DESIGNER_IMAGE); // Save as cancelled: nothing
        EXPECT_FALSE(d.model().hasImage());
        win::script().queueFileDialog({text(lib / "pictures" / "plate.bmp").str()});
        win::script().queueFileDialog({text(root / "Fresh.txt").str()});
        d.click(IDC_DESIGNER_IMAGE);
        EXPECT_EQ(d.model().imageWidth, 300);
        d.click(IDC_DESIGNER_ADD);
        win::script().queueMessageBoxAnswer(win::IDYES);
        d.click(win::IDOK);
    });
    CDlgDesigner dlg;
    EXPECT_EQ(dlg.doModal(), win::IDOK);
    const auto& boxes = win::script().shown().messageBoxes;
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, dialString(870).str());
    EXPECT_EQ(boxes[1].text, dialString(873).str());
    EXPECT_TRUE(fs::exists(root / "Fresh.bmp"));
    Zrl_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(text(root / "Fresh.txt"), true));
    EXPECT_EQ(read.getNrControls(), 1);
    EXPECT_EQ(read.imageWidth, 300);
}

} // namespace
} // namespace designertest
