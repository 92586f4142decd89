// Bitmaps through .bmp files, and resources looked up per module.
#include "win_fixture.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class BitmapTest : public wintest::WinTest {
protected:
    void TearDown() override {
        fs::remove_all(dir);
        WinTest::TearDown();
    }
    fs::path dir = fs::temp_directory_path() / ("zrlwin_bmp_" + std::to_string(::getpid()));
};

win::Bitmap checkBox() {
    win::Bitmap b(13, 11, win::rgb(255, 255, 255));
    b.frameRect({0, 0, 13, 11}, win::rgb(0, 0, 0));
    b.line({3, 5}, {5, 8}, win::rgb(0, 128, 0));
    b.line({5, 8}, {10, 2}, win::rgb(0, 128, 0));
    return b;
}

TEST_F(BitmapTest, OpaqueAndTransparentPicturesSurviveABmpFile) {
    fs::create_directories(dir);
    const win::Bitmap opaque = checkBox(); // odd width: rows are padded in the file
    ASSERT_TRUE(opaque.save((dir / "check.bmp").wstring()));
    auto back = win::Bitmap::load((dir / "check.bmp").wstring());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, opaque);
    EXPECT_EQ(back->pixel(0, 0), win::rgb(0, 0, 0));
    EXPECT_EQ(back->pixel(10, 2), win::rgb(0, 128, 0)); // rows from the top, not flipped

    win::Bitmap alpha(3, 2, win::Rgba{10, 20, 30, 0});
    alpha.setPixel(1, 1, win::Rgba{200, 100, 50, 128});
    ASSERT_TRUE(alpha.save((dir / "alpha.bmp").wstring()));
    auto alphaBack = win::Bitmap::load((dir / "alpha.bmp").wstring());
    ASSERT_TRUE(alphaBack);
    EXPECT_EQ(alphaBack->pixel(1, 1), (win::Rgba{200, 100, 50, 128}));
}

TEST_F(BitmapTest, BadInputIsRefusedAndLeavesFilesAlone) {
    EXPECT_FALSE(win::Bitmap::load(L"/nonexistent/x.bmp"));
    EXPECT_FALSE(win::Bitmap::fromBytes({'B', 'M', 0, 1, 2}));
    EXPECT_FALSE(win::Bitmap::fromBytes({}));
    std::vector<std::uint8_t> truncated = checkBox().toBmpBytes();
    truncated.resize(40);
    EXPECT_FALSE(win::Bitmap::fromBytes(truncated));

    fs::create_directories(dir);
    const fs::path keep = dir / "keep.bmp";
    ASSERT_TRUE(checkBox().save(keep.wstring()));
    const auto size = fs::file_size(keep);
    EXPECT_FALSE(win::Bitmap().save(keep.wstring())); // nothing to write
    EXPECT_FALSE(checkBox().save((dir / "no" / "such" / "dir.bmp").wstring()));
    EXPECT_EQ(fs::file_size(keep), size);
    EXPECT_TRUE(win::Bitmap(0, 5).isNull());
    EXPECT_TRUE(win::Bitmap(20000, 1).isNull());
}

TEST_F(BitmapTest, DrawingIsClippedToThePicture) {
    win::Bitmap b(4, 4, win::rgb(0, 0, 0));
    b.fillRect({-5, -5, 2, 2}, win::rgb(9, 9, 9));
    b.line({-10, 3}, {10, 3}, win::rgb(7, 7, 7));
    b.setPixel(100, 100, win::rgb(1, 1, 1));
    EXPECT_EQ(b.pixel(1, 1), win::rgb(9, 9, 9));
    EXPECT_EQ(b.pixel(2, 2), win::rgb(0, 0, 0));
    EXPECT_EQ(b.pixel(3, 3), win::rgb(7, 7, 7));
    EXPECT_EQ(b.pixel(-1, 0), (win::Rgba{0, 0, 0, 0}));
}

TEST_F(BitmapTest, ResourcesComeFromTheCurrentModuleFirst) {
    const win::ModuleHandle a = win::registerModule(L"bmp-a");
    const win::ModuleHandle b = win::registerModule(L"bmp-b");
    EXPECT_EQ(win::registerModule(L"BMP-A"), a);
    ASSERT_TRUE(win::registerBitmapResource(a, L"CHECK", win::Bitmap(1, 1, win::rgb(1, 0, 0))));
    ASSERT_TRUE(win::registerBitmapResource(b, L"check", checkBox().toBmpBytes()));
    EXPECT_FALSE(win::registerBitmapResource(b, 7, std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(win::registerBitmapResource(static_cast<win::ModuleHandle>(9999), 7, checkBox()));

    {
        win::ResourceModuleGuard guard(b);
        EXPECT_EQ(win::Bitmap::loadResource(L"Check")->width(), 13);
        {
            win::ResourceModuleGuard inner(a);
            EXPECT_EQ(win::Bitmap::loadResource(L"CHECK")->width(), 1);
        }
        EXPECT_EQ(win::currentResourceModule(), b);
    }
    EXPECT_EQ(win::currentResourceModule(), win::hostModule());
    EXPECT_FALSE(win::setResourceModule(static_cast<win::ModuleHandle>(9999)));
    EXPECT_EQ(win::Bitmap::loadResource(L"check")->width(),
              1); // host has none: first registered wins
    EXPECT_FALSE(win::Bitmap::loadResource(L"none"));

    // Templates: a module's own registration replaces its earlier one only.
    win::DialogTemplate t;
    t.id = 500;
    t.caption = L"From B";
    win::registerTemplate(b, t);
    t.caption = L"From A";
    win::registerTemplate(a, t);
    EXPECT_EQ(win::findTemplate(500)->caption, L"From A");
    win::ResourceModuleGuard guard(b);
    EXPECT_EQ(win::findTemplate(500)->caption, L"From B");
    t.caption = L"B again";
    win::registerTemplate(b, t);
    EXPECT_EQ(win::findTemplate(500)->caption, L"B again");
}

} // namespace
