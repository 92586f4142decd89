// The profile cuts dialog through its starter: which previews it draws and
// removes in the drawing, that it steps aside for a pick, and that the
// record is never handed an index of no cut (the cut selected after deletes
// and picks: dialog cases).
#include "dialogs/dlg_prof_cuts.h"
#include "input_fixture.h"
#include "platform/host/call_log.h"
#include "platform/host/selection_sets.h"
#include "platform/host/transients.h"

namespace inputtest {
namespace {

// An empty drawing: no objects, picks, profiles or previews, and no calls.
void freshDrawing() {
    host::clearDrawing();
    host::clearTransients();
    host::clearCallLog();
    drawingProfiles().clear();
}

class ProfCuts : public InputTest {
protected:
    void SetUp() override {
        InputTest::SetUp();
        freshDrawing();
    }
    void TearDown() override {
        freshDrawing();
        InputTest::TearDown();
    }
    // A profile of the drawing with cuts named prefix + 0, 1, ...
    AcDbObjectId profile(const std::wstring& prefix, int cuts) {
        const AcDbObjectId id = host::addDrawingObject();
        DrawingProfile& p = drawingProfiles()[id];
        p.section = L"HEA-200";
        for (int i = 0; i < cuts; ++i)
            p.cuts.append(prefix + std::to_wstring(i));
        return id;
    }
    // Runs the dialog on `id` with the actions of `body`; the record back.
    DlgProfCutsData run(const AcDbObjectId& id, const std::string& body) {
        DlgProfCutsData data(id);
        bool ok = false;
        play("dialog \"Profile cuts\"\n" + body + "end\n",
             [&] { ok = StartEditProfCutsDlg(data); });
        EXPECT_TRUE(ok);
        return data;
    }
    static std::vector<std::wstring> drawn() {
        std::vector<std::wstring> out;
        for (const host::Transient& t : host::drawnTransients())
            out.push_back(t.what);
        return out;
    }
    using Texts = std::vector<std::wstring>;
};

TEST_F(ProfCuts, PreviewsFollowTheBox) {
    const struct {
        const char* what;
        int cuts;
        std::string body;
        Texts drawnAtEnd;
        int added, erased; // host transients drawn and removed in all
    } rows[] = {
        {"an empty list draws nothing, deletes nothing", 0, "  click 1087\n  click OK\n", {}, 0,
         0},
        {"cleared: the current preview goes before the next, all at close", 3,
         "  choose 1339 #2\n  expect 1339 \"c2\"\n  click OK\n", {}, 2, 2},
        {"checked: nothing removed while browsing or closing", 3,
         "  tick 1340\n  choose 1339 #1\n  choose 1339 #2\n  choose 1339 #1\n  click OK\n",
         {L"c0", L"c1", L"c2"}, 3, 0},
        {"checked: a deleted cut's preview goes all the same", 2,
         "  tick 1340\n  click 1087\n  expect 1339 \"c1\"\n  click OK\n", {L"c1"}, 2, 1},
        {"a cancelled pick draws the current preview again", 2,
         "  choose 1339 #1\n  click 1341\n  tick 1340\n  click OK\n", {L"c1"}, 3, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        freshDrawing();
        run(profile(L"c", row.cuts), row.body);
        EXPECT_EQ(drawn(), row.drawnAtEnd);
        EXPECT_EQ(host::countCalls("addTransient"), row.added);
        EXPECT_EQ(host::countCalls("eraseTransient"), row.erased);
    }
}

// The dialog steps aside while the user picks, and draws no preview of the
// first profile's cut after it (where the pick leaves the place: dialog
// cases).
TEST_F(ProfCuts, PickingStepsAsideAndLeavesNoPreview) {
    const AcDbObjectId first = profile(L"a", 3);
    const AcDbObjectId other = profile(L"b", 2);
    host::queuePick(other);
    const DlgProfCutsData data = run(first, "  choose 1339 #2\n  click 1341\n  click OK\n");
    EXPECT_EQ(data.profile, other);
    EXPECT_TRUE(drawn().empty());
    EXPECT_EQ(host::countCalls("BeginEditorCommand"), 1);
    EXPECT_EQ(host::countCalls("CompleteEditorCommand"), 1);
}

TEST(ProfCutsRecord, RefusesIndexesOfNoCutAndRenumbersPreviews) {
    freshDrawing();
    const AcDbObjectId id = host::addDrawingObject();
    drawingProfiles()[id].cuts = Zrl_StringArray{L"a", L"b", L"c"};
    DlgProfCutsData data(id);
    EXPECT_FALSE(data.drawCutPreview(-1));
    EXPECT_FALSE(data.drawCutPreview(3));
    EXPECT_FALSE(data.removeCut(-1));
    EXPECT_TRUE(data.drawCutPreview(2));
    EXPECT_TRUE(data.drawCutPreview(2)); // drawn once
    EXPECT_TRUE(data.removeCut(0));
    // The preview of "c" follows its cut to index 1.
    EXPECT_TRUE(data.hasCutPreview(1));
    EXPECT_TRUE(data.removeCutPreview(1));
    EXPECT_TRUE(host::drawnTransients().empty());
    EXPECT_EQ(host::countCalls("addTransient"), 1);
    freshDrawing();
}

} // namespace
} // namespace inputtest
