// Section shapes (names and captions) and the look-up of section images.
#include "sections/section_images.h"
#include "sections/section_shapes.h"
#include "sections_fixture.h"

#include <chrono>
#include <fstream>

using namespace sectest;

TEST(SectionShapes, NamesAndComposedCaptions) {
    EXPECT_EQ(sectionImageBaseName(0), L"");
    EXPECT_EQ(sectionImageBaseName(25), L"");
    EXPECT_EQ(sectionShapeName(24), L"Double cleat");
    EXPECT_EQ(sectionPictureName(L"Beam.DWG"), L"Beam.DWG");
    EXPECT_EQ(sectionPictureName(L" 10"), L"Rectangular tube");
    EXPECT_EQ(sectionPictureName(L"x"), L"");
    for (int shape = 1; shape <= kSectionShapeCount; ++shape) {
        EXPECT_FALSE(sectionShapeName(shape).startsWith(L"#", true)) << shape;
        for (const Zrl_String& caption : sectionShapeCaptions(shape))
            EXPECT_FALSE(caption.startsWith(L"#", true)) << shape;
    }

    // A repeated dimension's caption carries its number.
    EXPECT_EQ(sectionShapeCaptions(24)[3], L"Distance 1");
    EXPECT_TRUE(sectionShapeCaptions(0).isEmpty());
}

class SectionImages : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        std::filesystem::create_directories(dir_ / "zrl" / "icons");
        std::filesystem::create_directories(dir_ / "User Sections");
        Zrl_Settings::setZrlDir(Zrl_String::fromUtf8((dir_ / "zrl").string()));
    }
    void TearDown() override {
        Zrl_Settings::setZrlDir(Zrl_String());
        LibraryTest::TearDown();
    }
    std::filesystem::path icon(const std::string& name) const { return dir_ / "zrl" / "icons" / name; }
    // The path's file name (the folder is the installation folder's icons).
    static std::string fileOf(const Zrl_String& path) {
        const std::string s = path.toUtf8();
        return s.substr(s.find_last_of("\\/") + 1);
    }
};

TEST_F(SectionImages, LookUpByPictureAndName) {
    std::ofstream(icon("ProfSectionHL-small.bmp")) << "x";
    std::ofstream(icon("Plate-big.bmp")) << "x";
    std::ofstream(icon("Beam1-small.bmp")) << "x";
    EXPECT_EQ(fileOf(getSectionImagePath(L"3", L"", false)), "ProfSectionHL-small.bmp");
    EXPECT_EQ(fileOf(getSectionImagePath(L"3", L"", true)), "Unknown-big.bmp");
    EXPECT_EQ(fileOf(getSectionImagePath(L"Plate.dwg", L"", true)), "Plate-big.bmp");
    EXPECT_EQ(fileOf(getSectionImagePath(L"", L"User Sections\\Beam1.dwg", false)),
              "Beam1-small.bmp");
    EXPECT_TRUE(getSectionImagePath(L"3", L"", false).startsWith(
        Zrl_Settings::zrlDir() + L"icons\\", false));
    EXPECT_EQ(getSectionImagePath(L"30", L"", false), L"");
    EXPECT_EQ(getSectionImagePath(L"", L"", false), L"");
}

TEST_F(SectionImages, TheAutomatedCopyOfAUserPicture) {
    const auto user = dir_ / "User Sections" / "Beam2.bmp";
    const auto copy = icon("Beam2-automated.bmp");
    auto look = [] { return fileOf(getSectionImagePath(L"", L"User Sections\\Beam2.dwg", false)); };
    // No user picture: Unknown; big images are never copied.
    EXPECT_EQ(look(), "Unknown-small.bmp");
    std::ofstream(user) << "new";
    EXPECT_EQ(fileOf(getSectionImagePath(L"", L"User Sections\\Beam2.dwg", true)),
              "Unknown-big.bmp");
    // Missing: copied.
    EXPECT_EQ(look(), "Beam2-automated.bmp");
    EXPECT_TRUE(std::filesystem::is_regular_file(copy));
    // Newer copy: kept; older copy: replaced.
    std::ofstream(copy) << "mine";
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(user) + std::chrono::hours(1));
    EXPECT_EQ(look(), "Beam2-automated.bmp");
    std::string text;
    std::getline(std::ifstream(copy), text);
    EXPECT_EQ(text, "mine");
    std::filesystem::last_write_time(copy, std::filesystem::last_write_time(user) - std::chrono::hours(1));
    EXPECT_EQ(look(), "Beam2-automated.bmp");
    std::getline(std::ifstream(copy), text);
    EXPECT_EQ(text, "new");
    // A copy that fails with none there: Unknown (a folder stands in the way).
    std::filesystem::remove(copy);
    std::filesystem::create_directories(copy);
    std::filesystem::create_directories(copy / "x");
    EXPECT_EQ(look(), "Unknown-small.bmp");
}
