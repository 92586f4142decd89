// Pictures: the painter on controls whose state it must show, and the
// pictures of a few dialogs against their golden PNGs (same fonts, so
// nearly every pixel must match; ZRLSS_UPDATE_PICTURES=1 rewrites them).
#include "dialog_run.h"
#include "frame/library_instance.h"
#include "pictures.h"
#include "platform/host/host_state.h"
#include "platform/paint/png_file.h"
#include "platform/paint/raster_painter.h"
#include "platform/win/paint.h"
#include "platform/win/win.h"
#include "support/scratch_dir.h"
#include "test_paths.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

namespace fs = std::filesystem;
using win::Rect;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool dark(win::Rgba p) {
    return p.r + p.g + p.b < 3 * 110;
}

// Pixels of `r` that are not `color`.
int inkIn(const win::Bitmap& b, const Rect& r, win::Rgba color) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            n += b.pixel(x, y) == color ? 0 : 1;
    return n;
}

enum : int { IDD_PAINT = 4100, IDC_CHECK = 10, IDC_HIDDEN, IDC_EDIT, IDC_LABEL };

class PaintTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        using namespace win;
        using enum ControlKind;
        const ModuleHandle m = registerModule(L"paint-test");
        DialogTemplate t;
        t.id = IDD_PAINT;
        t.width = 160;
        t.height = 60;
        t.caption = L"Paint";
        t.controls = {
            {IDC_CHECK, Button, {4, 4, 80, 14}, BS_AUTOCHECKBOX, L"Checked"},
            {IDC_HIDDEN, Button, {90, 4, 150, 18}, BS_PUSHBUTTON, L"Hidden"},
            {IDC_EDIT, Edit, {4, 20, 80, 34}, 0, L""},
            {IDC_LABEL, Static, {4, 40, 40, 50}, 0, L"A label far too long for its box"},
        };
        registerTemplate(m, t);
        module = m;
    }
    void SetUp() override {
        win::script().reset();
        ASSERT_TRUE(dlg.create(IDD_PAINT));
        dlg.check(IDC_CHECK);
        dlg.showItem(IDC_HIDDEN, false);
        dlg.setItemText(IDC_EDIT, L"Beam");
    }
    win::Bitmap draw(const Rect* dirty = nullptr) {
        const win::Size s = dlg.clientRect().size();
        paint::RasterPainter p(s.cx, s.cy, 1, win::rgb(255, 0, 255));
        win::paintTree(dlg, p, dirty);
        return p.picture();
    }
    Rect at(int id) const { return dlg.item(id)->rect(); }

    static inline win::ModuleHandle module{};
    win::Dialog dlg;
};

TEST_F(PaintTest, ControlsShowTheirStateAndNothingLeavesItsBox) {
    const win::Bitmap b = draw();
    const Rect check = at(IDC_CHECK), hidden = at(IDC_HIDDEN), edit = at(IDC_EDIT),
               label = at(IDC_LABEL);
    // The check mark: dark pixels inside the 13-pixel box.
    const int top = check.top + (check.height() - 13) / 2;
    int marks = 0;
    for (int y = top + 3; y < top + 10; ++y)
        for (int x = check.left + 3; x < check.left + 10; ++x)
            marks += dark(b.pixel(x, y)) ? 1 : 0;
    EXPECT_GE(marks, 8);
    // A hidden button leaves the dialog's face.
    EXPECT_EQ(inkIn(b, hidden, win::colors::face), 0);
    // The edit's text is drawn inside it; the label's long text is cut at its
    // box (the row below it is the face again).
    EXPECT_GT(inkIn(b, {edit.left + 3, edit.top + 3, edit.right - 3, edit.bottom - 3},
                    win::colors::window),
              10);
    EXPECT_EQ(inkIn(b, {label.right, label.top, label.right + 30, label.bottom},
                    win::colors::face),
              0);
    EXPECT_EQ(inkIn(b, {0, label.bottom, label.right, label.bottom + 6}, win::colors::face), 0);

    // Unchecked, the box is empty again.
    dlg.check(IDC_CHECK, win::BST_UNCHECKED);
    const win::Bitmap u = draw();
    EXPECT_EQ(inkIn(u, {check.left + 3, top + 3, check.left + 10, top + 10}, win::colors::window), 0);
}

TEST_F(PaintTest, ADirtyRectangleRepaintsOnlyWhatItMeets) {
    const Rect edit = at(IDC_EDIT);
    const win::Bitmap b = draw(&edit);
    const win::Size s = dlg.clientRect().size();
    // Outside the rectangle the painter's background is untouched.
    EXPECT_EQ(inkIn(b, {0, 0, s.cx, edit.top}, win::rgb(255, 0, 255)), 0);
    EXPECT_EQ(inkIn(b, {edit.right, 0, s.cx, s.cy}, win::rgb(255, 0, 255)), 0);
    EXPECT_GT(inkIn(b, edit, win::rgb(255, 0, 255)), edit.width() * edit.height() / 2);
}

class DialogPictures : public ::testing::TestWithParam<const char*> {
protected:
    static void SetUpTestSuite() {
        static const int attached = zrlss::attachLibrary(win::registerModule(L"dialog-pictures"));
        ASSERT_EQ(attached, 1);
    }
};

// The sample records of examples/dialogs, as `zrlss dialog --all-png` uses them.
TEST_P(DialogPictures, MatchTheirGoldenPicture) {
    const std::string sample = GetParam();
    const fs::path samples = fs::path(ZRLSS_EXAMPLE_LIBRARY).parent_path() / "dialogs";
    const fs::path golden = fs::path(ZRLSS_TEST_DATA) / "pictures" / (sample + ".png");
    const fs::path dir = testsupport::scratchDir("zrlss-pictures");
    host::resetHostState();
    dialogs::DialogRequest request{sample.substr(0, sample.find('@')),
                                   readAll(samples / (sample + ".json")), std::nullopt, {}};
    request.options.baseDir = samples.string();
    request.png = (dir / "out.png").string();
    const dialogs::DialogRun run = dialogs::runDialog(request);
    ASSERT_EQ(run.status, 0) << run.message;
    const std::string bytes = readAll(dir / "out.png");
    fs::remove_all(dir);
    if (std::getenv("ZRLSS_UPDATE_PICTURES")) std::ofstream(golden, std::ios::binary) << bytes;

    const auto drawn = win::Bitmap::fromBytes({bytes.begin(), bytes.end()});
    const std::string expectedBytes = readAll(golden);
    const auto expected = win::Bitmap::fromBytes({expectedBytes.begin(), expectedBytes.end()});
    ASSERT_TRUE(drawn && expected) << golden;
    ASSERT_EQ(drawn->size(), expected->size());
    int differ = 0;
    for (int y = 0; y < drawn->height(); ++y)
        for (int x = 0; x < drawn->width(); ++x) {
            const win::Rgba a = drawn->pixel(x, y), e = expected->pixel(x, y);
            differ += std::abs(a.r - e.r) + std::abs(a.g - e.g) + std::abs(a.b - e.b) > 96 ? 1 : 0;
        }
    // Antialiasing of another FreeType may move a few edge pixels, no more.
    EXPECT_LE(differ, drawn->width() * drawn->height() / 500) << golden;
}

INSTANTIATE_TEST_SUITE_P(Samples, DialogPictures,
                         ::testing::Values("levels", "macro@end-plate", "section-library"),
                         [](const auto& info) {
                             std::string n = info.param;
                             for (char& c : n)
                                 if (c == '-' || c == '@') c = '_';
                             return n;
                         });

} // namespace
