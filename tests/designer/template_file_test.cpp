// The template file: what is stored, how list texts are split and merged,
// identifiers, bad files, names and the picture that goes along.
#include "designer_fixture.h"

#include "platform/core/files.h"
#include "platform/core/properties_list.h"

namespace designertest {
namespace {

class TemplateFileTest : public DesignerTest {};

TEST_F(TemplateFileTest, EveryTypeRoundTripsWithItsFieldsAndFreshIdentifiers) {
    Zrl_DlgDesignerData data;
    for (int t = 0; t <= 31; ++t) { // 31 is unknown: kept as read
        Zrl_DesignerControl c = makeControl(static_cast<Zrl_ControlType>(t), 0.01 * t, 0.5,
                                            0.01 * t + 0.1, 0.625, L"Value");
        c.setSplitExtComboList(L"p1;p2;p3;p4;p5");
        c.readOnly = true;
        c.tabOrder = 7;
        data.append(c);
    }
    const Zrl_String path = text(root / "Sub" / "All.txt");
    ASSERT_TRUE(data.writeToFile(path));
    EXPECT_EQ(data.name, L"Sub\\All");

    Zrl_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(path, false));
    ASSERT_EQ(read.getNrControls(), 32);
    for (int i = 0; i < 32; ++i) {
        SCOPED_TRACE(i);
        const Zrl_DesignerControl& a = data.controls[i];
        const Zrl_DesignerControl& b = read.controls[i];
        EXPECT_EQ(b.type, a.type);
        EXPECT_EQ(b.topLeftX, a.topLeftX);
        EXPECT_EQ(b.bottomRightY, a.bottomRightY);
        EXPECT_EQ(b.contents, a.contents);
        EXPECT_EQ(b.getMergedExtComboList(), a.getMergedExtComboList());
        EXPECT_FALSE(b.readOnly); // not stored
        EXPECT_EQ(b.tabOrder, 0);
        EXPECT_EQ(b.resourceId, 33000 + i);
    }
}

TEST_F(TemplateFileTest, ListTextsSplitAndMergeByType) {
    const struct {
        Zrl_ControlType type;
        const wchar_t* in;
        const wchar_t* merged;
        const wchar_t* comboList;
    } cases[] = {
        {ctFlexButton, L"a;b", L"a;b;;", L""},
        {ctFlexButton, L"a;b;c;d;e", L"a;b;c;d", L""},
        {ctExtButton, L"1;2;3;4;5", L"1;2;3;4;5", L"5"},
        {ctExtCheckButton, L"1;2;3;4;5;6", L"1;2;3;4;5", L"5"},
        {ctExtButton, L"1", L"1;;;;", L""},
        {ctCombo, L"1;2;3;4;5", L"1;2;3;4;5", L"1;2;3;4;5"},
        {ctEdit, L"kept", L"kept", L"kept"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << " " << Zrl_String(c.in).toUtf8());
        Zrl_DesignerControl control;
        control.type = c.type;
        EXPECT_TRUE(control.setSplitExtComboList(c.in));
        EXPECT_EQ(control.getMergedExtComboList(), c.merged);
        EXPECT_EQ(control.comboList, c.comboList);
    }
    Zrl_DesignerControl flex;
    flex.type = ctFlexButton;
    flex.setSplitExtComboList(L"a;b");
    EXPECT_EQ(flex.flexGroup, L"a");
    EXPECT_EQ(flex.flexField2, L"b");
    EXPECT_TRUE(flex.flexField3.isEmpty());
}

TEST_F(TemplateFileTest, BadFilesLeaveTheModelAsItWas) {
    const struct {
        const char* name;
        const char* content;
        bool reads;
        int count;
    } cases[] = {
        {"NoCount", "type0\ti\t2\n", true, 0},
        {"Garbage", "this is no template\n", false, 1},
        {"Huge", "nrOfControls\ti\t100001\n", false, 1},
        {"CountBeyondEntries", "nrOfControls\ti\t100000\n", false, 1},
        {"Negative", "nrOfControls\ti\t-1\n", false, 1},
        {"TextCount", "nrOfControls\ts\tmany\n", false, 1},
        {"Sparse", "nrOfControls\ti\t2\ntype1\ti\t3\n", true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeText(root / (std::string(c.name) + ".txt"), c.content);
        Zrl_DlgDesignerData data;
        data.append(makeControl(ctEdit, 0.1, 0.1, 0.2, 0.2, L"Old"));
        data.name = L"Before";
        EXPECT_EQ(data.readFromFile(text(root / (std::string(c.name) + ".txt")), false), c.reads);
        EXPECT_EQ(data.getNrControls(), c.count);
        EXPECT_EQ(data.name, c.reads ? Zrl_String::fromUtf8(c.name) : Zrl_String(L"Before"));
    }
    Zrl_DlgDesignerData data;
    EXPECT_FALSE(data.readFromFile(text(root / "Missing.txt"), false));
    writeText(lib / "Outside.txt", "nrOfControls\ti\t0\n");
    EXPECT_FALSE(data.readFromFile(text(lib / "Outside.txt"), false));
}

TEST_F(TemplateFileTest, IdentifiersAreReusedAndZeroOnceTheRangeIsFull) {
    Zrl_DlgDesignerData data;
    for (int i = 0; i < 100; ++i)
        EXPECT_EQ(data.append(Zrl_DesignerControl()), 33000 + i);
    EXPECT_EQ(data.append(Zrl_DesignerControl()), 0);
    int index = -1;
    EXPECT_FALSE(data.findCtrlFromResource(0, index)); // 0 is no identifier
    EXPECT_EQ(data.getControlFromRes(0), nullptr);
    ASSERT_TRUE(data.findCtrlFromResource(33005, index));
    data.removeControl(index);
    EXPECT_EQ(data.append(Zrl_DesignerControl()), 33005);

    // Larger templates load and save whole.
    const Zrl_String path = text(root / "Big.txt");
    ASSERT_TRUE(data.writeToFile(path));
    Zrl_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(path, false));
    ASSERT_EQ(read.getNrControls(), 101);
    EXPECT_EQ(read.controls[99].resourceId, 33099);
    EXPECT_EQ(read.controls[100].resourceId, 0);
}

TEST_F(TemplateFileTest, SavingOutsideTheRootWritesNothingAndKeepsTheName) {
    Zrl_DlgDesignerData data;
    data.name = L"Kept";
    data.append(makeControl(ctEdit, 0.1, 0.1, 0.2, 0.2));
    EXPECT_FALSE(data.writeToFile(text(lib / "Elsewhere.txt")));
    EXPECT_FALSE(fs::exists(lib / "Elsewhere.txt"));
    EXPECT_EQ(data.name, L"Kept");
}

TEST_F(TemplateFileTest, ANewNameTakesThePictureAlong) {
    writePicture(root / "Old.bmp", 40, 20);
    Zrl_DlgDesignerData data;
    data.name = L"Old";
    ASSERT_TRUE(data.writeToFile(text(root / "Sub" / "New.txt")));
    EXPECT_TRUE(fs::exists(root / "Sub" / "New.bmp"));
    Zrl_DlgDesignerData read;
    ASSERT_TRUE(read.readFromFile(text(root / "Sub" / "New.txt"), true));
    EXPECT_EQ(read.imageWidth, 40);
    EXPECT_EQ(read.imageHeight, 20);
}

TEST_F(TemplateFileTest, NamesListsAndNamedFields) {
    Zrl_DlgDesignerData data;
    data.append(makeControl(ctEdit, 0, 0, 0.1, 0.1, L"Width"));
    data.append(makeControl(ctCombo, 0, 0, 0.1, 0.1, L"Grade"));
    data.append(makeControl(ctEdit, 0, 0, 0.1, 0.1, L"Height"));
    ASSERT_TRUE(data.writeToFile(text(root / "Sub" / "Name.txt")));
    ASSERT_TRUE(data.writeToFile(text(root / "Alpha.txt")));

    Zrl_StringArray names;
    getModuleImages(names);
    EXPECT_EQ(names, Zrl_StringArray({L"Alpha", L"Sub\\Name"}));
    GetImageDlgCtrlNames(text(root / "Sub" / "Name.txt"), names);
    EXPECT_EQ(names, Zrl_StringArray({L"Width", L"Height"}));
    int index = -1;
    EXPECT_TRUE(data.findEditCtrlWithContents(L"GRADE", index));
    EXPECT_EQ(index, 1);

    Zrl_String name;
    const std::string slashed = (root / "Sub" / "Name.txt").string();
    EXPECT_TRUE(data.getNameFromFile(Zrl_String::fromUtf8(slashed), name));
    EXPECT_EQ(name, L"Sub\\Name");
    EXPECT_EQ(templatePathOf(L"Sub/Name"), getDesignerRootFolder() + L"Sub\\Name.txt");
}

TEST_F(TemplateFileTest, ACopiedModelIsEmptyAndAssignmentChangesNothing) {
    Zrl_DlgDesignerData data;
    data.append(makeControl(ctEdit, 0, 0, 0.1, 0.1, L"A"));
    data.name = L"N";
    Zrl_DlgDesignerData copy(data);
    EXPECT_EQ(copy.getNrControls(), 0);
    EXPECT_TRUE(copy.name.isEmpty());
    Zrl_DlgDesignerData target;
    target.name = L"T";
    target = data;
    EXPECT_EQ(target.name, L"T");
    EXPECT_EQ(target.getNrControls(), 0);
}

} // namespace
} // namespace designertest
