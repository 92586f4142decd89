// Layout operations on a bound model with a picture of 200 x 100 pixels:
// tab order, copy, size, align, and what happens without a picture.
#include "designer_fixture.h"

#include "designer/control_rect.h"
#include "designer/control_tracker.h"
#include "frame/dlg_prompt_string_ids.h"
#include "platform/win/constants.h"

#include <cmath>

namespace designertest {
namespace {

Zrl_DesignerControl readOnly(Zrl_DesignerControl c) {
    c.readOnly = true;
    return c;
}

class LayoutTest : public DesignerTest {
protected:
    // Draws the controls (factors of a 200 x 100 picture) in design mode
    // and selects the listed indices.
    void design(std::initializer_list<Zrl_DesignerControl> controls,
                std::initializer_list<int> selected = {}) {
        bind(data, true);
        for (const Zrl_DesignerControl& c : controls)
            data.append(c);
        data.redrawAllControls();
        AcArray<int> ids;
        for (int i : selected)
            ids.append(data.controls[i].resourceId);
        data.selectCtrls(ids);
    }
    win::Rect px(int index) const { return data.pixelRect(data.controls[index]); }

    Zrl_DlgDesignerData data;
};

TEST_F(LayoutTest, TabOrderRunsByRowsLeftToRight) {
    const struct {
        const char* name;
        std::vector<Zrl_DesignerControl> controls;
        std::vector<int> orders;
    } cases[] = {
        {"one row, right first",
         {makeControl(ctEdit, 0.5, 0.1, 0.6, 0.2), makeControl(ctEdit, 0.1, 0.1, 0.2, 0.2)},
         {2, 1}},
        {"a top below the row bottom starts a row, even overlapping",
         {makeControl(ctEdit, 0.5, 0.1, 0.6, 0.2), makeControl(ctEdit, 0.1, 0.25, 0.55, 0.3)},
         {1, 2}},
        {"a top equal to the row bottom joins",
         {makeControl(ctEdit, 0.5, 0.1, 0.6, 0.2), makeControl(ctEdit, 0.1, 0.2, 0.2, 0.3)},
         {2, 1}},
        {"texts, group boxes and read-only controls keep 0",
         {makeControl(ctText, 0.1, 0.1, 0.2, 0.2), makeControl(ctGroupBox, 0, 0, 1, 1),
          readOnly(makeControl(ctEdit, 0.2, 0.1, 0.3, 0.2)), makeControl(ctCombo, 0.3, 0.1, 0.4, 0.2)},
         {0, 0, 0, 1}},
        {"an opener with its bottom above its top ends",
         {makeControl(ctEdit, 0.1, 0.5, 0.2, 0.1), makeControl(ctEdit, 0.1, 0.6, 0.2, 0.7)},
         {1, 2}},
        {"tops beyond the bound end",
         {makeControl(ctEdit, 0.1, 500, 0.2, 501), makeControl(ctEdit, 0.1, 300, 0.2, 301)},
         {1, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Zrl_DlgDesignerData model;
        for (const Zrl_DesignerControl& control : c.controls)
            model.append(control);
        model.sortAllControls();
        for (size_t i = 0; i < c.orders.size(); ++i)
            EXPECT_EQ(model.controls[static_cast<int>(i)].tabOrder, c.orders[i]) << i;
    }
}

TEST_F(LayoutTest, CopyingTwoGivesTwoSelectedCopiesTwentyPixelsOn) {
    design({makeControl(ctEdit, 0.1, 0.1, 0.25, 0.28, L"A"),
            makeControl(ctCombo, 0.5, 0.5, 0.6, 0.7, L"B")},
           {0, 1});
    ASSERT_TRUE(data.copyCurCtrls());
    ASSERT_EQ(data.getNrControls(), 4);
    EXPECT_EQ(px(2), px(0).offset(20, 20));
    EXPECT_EQ(px(3), px(1).offset(20, 20));
    AcArray<int> selected;
    data.getCurSelIds(selected);
    EXPECT_EQ(selected, AcArray<int>({33002, 33003}));
    EXPECT_EQ(data.drawnControls.size(), 4u);
}

TEST_F(LayoutTest, CopyStopsWhenTheIdentifiersAreUsedUp) {
    bind(data, true);
    for (int i = 0; i < 99; ++i)
        data.append(makeControl(ctEdit, 0.1, 0.1, 0.2, 0.2));
    data.redrawAllControls();
    data.selectCtrls(AcArray<int>({33000, 33001}));
    EXPECT_TRUE(data.copyCurCtrls());
    EXPECT_EQ(data.getNrControls(), 100);
    EXPECT_FALSE(data.addNewControl(ctEdit));
    EXPECT_EQ(data.getNrControls(), 100);
}

TEST_F(LayoutTest, SizeByPromptAppliesOnlyNumbersAboveZero) {
    const struct {
        const wchar_t* answer;
        bool applies;
    } cases[] = {{L"45", true}, {L"abc", false}, {L"0", false}, {L"-3", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(Zrl_String(c.answer).toUtf8());
        data.controls.removeAll();
        data.removeAllDrawnCtrls();
        design({makeControl(ctEdit, 0.1, 0.1, 0.2, 0.3)}, {0});
        win::script().onNextModal([&](win::Dialog& dlg) {
            dlg.type(IDC_PROMPT_VALUE, c.answer);
            dlg.click(win::IDOK);
        });
        EXPECT_EQ(data.changeCtrlSize(true), c.applies);
        EXPECT_EQ(px(0).width(), c.applies ? 45 : 20);
        EXPECT_EQ(px(0).left, 20);
        EXPECT_EQ(win::script().shown().messageBoxes.size(), c.applies ? 0u : 1u);
        win::script().reset();
    }
}

TEST_F(LayoutTest, AlignBottomsKeepsHeightsAndPlaceRightNeedsExactlyTwo) {
    design({makeControl(ctEdit, 0.1, 0.1, 0.2, 0.3), makeControl(ctEdit, 0.5, 0.5, 0.6, 0.55),
            makeControl(ctEdit, 0.3, 0.6, 0.4, 0.9)},
           {1, 0, 2});
    EXPECT_FALSE(data.stickRightCurCtrls());
    ASSERT_TRUE(data.outlineCurCtrls());
    EXPECT_EQ(px(0), (win::Rect{20, 10, 40, 30}));
    EXPECT_EQ(px(1), (win::Rect{100, 25, 120, 30}));
    EXPECT_EQ(px(2), (win::Rect{60, 0, 80, 30}));

    data.selectCtrls(AcArray<int>({data.controls[1].resourceId, data.controls[0].resourceId}));
    ASSERT_TRUE(data.stickRightCurCtrls());
    EXPECT_EQ(px(1), (win::Rect{40, 10, 60, 30}));
}

TEST_F(LayoutTest, WithoutAPictureNothingMovesAndNoFactorGoesBad) {
    bind(data, true, false);
    data.append(makeControl(ctEdit, 0.1, 0.2, 0.3, 0.4));
    data.redrawAllControls();
    data.selectCtrls(AcArray<int>({33000}));
    EXPECT_FALSE(data.addNewControl(ctEdit));
    EXPECT_FALSE(data.copyCurCtrls());
    EXPECT_FALSE(data.outlineCurCtrls());
    EXPECT_FALSE(data.changeCtrlSize(true));
    EXPECT_FALSE(data.changeCtrlSize(0, true, 30));
    data.getSizeFromAllControls();
    EXPECT_EQ(data.getNrControls(), 1);
    EXPECT_EQ(data.controls[0].topLeftY, 0.2);
    EXPECT_EQ(data.controls[0].bottomRightX, 0.3);
    EXPECT_EQ(data.pixelsToFactor(true, 30), 0.0);
}

TEST_F(LayoutTest, RemovingTheSelectionKeepsWindowsAndControlsInStep) {
    design({makeControl(ctEdit, 0.1, 0.1, 0.2, 0.2), makeControl(ctEdit, 0.3, 0.1, 0.4, 0.2),
            makeControl(ctEdit, 0.5, 0.1, 0.6, 0.2)},
           {0, 2});
    ASSERT_TRUE(data.removeCurControls());
    ASSERT_EQ(data.getNrControls(), 1);
    ASSERT_EQ(data.drawnControls.size(), 1u);
    EXPECT_EQ(data.drawnControls[0]->resourceId(), data.controls[0].resourceId);
    EXPECT_EQ(data.controls[0].resourceId, 33001);
}

TEST_F(LayoutTest, PaintingShowsThePictureWithWhiteTransparentAndTheHandles) {
    design({makeControl(ctEdit, 0.5, 0.5, 0.6, 0.7)}, {0});
    win::Bitmap canvas(200, 100, win::rgb(0, 0, 0));
    EXPECT_EQ(data.OnEraseBkgnd(canvas), 0);
    EXPECT_EQ(canvas.pixel(10, 10), win::rgb(10, 20, 30));    // the picture
    EXPECT_EQ(canvas.pixel(150, 80), win::rgb(240, 240, 240)); // white shows the face
    data.OnPaint(canvas);
    // The control is (100,50)-(120,70); its bottom-right handle stands outside.
    EXPECT_EQ(canvas.pixel(122, 72), win::rgb(0, 0, 0));
    EXPECT_TRUE(data.OnSetCursor({122, 72}));
    EXPECT_EQ(lastTrackerCursor(), CRectTracker::hitBottomRight);
    EXPECT_FALSE(data.OnSetCursor({110, 60})); // the body asks for no sizing cursor
}

} // namespace
} // namespace designertest
