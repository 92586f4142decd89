#include "core_test_support.h"
#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"

TEST(Arrays, GrowthStepsAndLengths) {
    AcArray<int> a(0, 3);
    for (int i = 0; i < 7; ++i)
        a.append(i);
    a.setGrowLength(0); // refused
    EXPECT_EQ(a.growLength(), 3);
    a.setLogicalLength(10);
    EXPECT_EQ(a[9], 0); // new entries are default values
    a.setLogicalLength(-1);
    EXPECT_TRUE(a.isEmpty());
    AcArray<int> b(0, -5); // a bad step falls back to a usable one
    for (int i = 0; i < 100; ++i)
        b.append(i);
    EXPECT_EQ(b.last(), 99);
}

TEST(Arrays, EditsRefuseBadIndexesAndSurviveSelfReferences) {
    AcArray<int> a = {1, 2, 3};
    EXPECT_FALSE(a.insertAt(-1, 9));
    EXPECT_FALSE(a.insertAt(4, 9));
    EXPECT_TRUE(a.insertAt(3, 4)); // at the end
    EXPECT_TRUE(a.insertAt(0, 0));
    EXPECT_EQ(a, AcArray<int>({0, 1, 2, 3, 4}));
    EXPECT_FALSE(a.removeAt(5));
    EXPECT_FALSE(a.swap(0, 5));
    EXPECT_FALSE(a.removeSubArray(3, 2));
    EXPECT_FALSE(a.removeSubArray(0, 5));
    EXPECT_TRUE(a.removeSubArray(1, 2));
    EXPECT_EQ(a, AcArray<int>({0, 3, 4}));

    // Values taken from the array itself while it grows stay valid.
    AcArray<int> g(0, 1);
    g.append(7);
    for (int i = 0; i < 5; ++i)
        g.append(g[0]);
    EXPECT_EQ(g, AcArray<int>({7, 7, 7, 7, 7, 7}));
    g.insertAt(0, g.last());
    EXPECT_EQ(g.first(), 7);
    g.append(g);
    EXPECT_EQ(g.length(), 14);

    AcArray<int> e;
    EXPECT_FALSE(e.removeFirst());
    EXPECT_FALSE(e.removeLast());
    EXPECT_FALSE(e.remove(1));
    EXPECT_EQ(e.find(1), -1);
}

TEST(Arrays, StringArrayFindFollowsTheCaseFlag) {
    Zrl_StringArray names = {L"Width", L"HEIGHT", L"height"};
    int index = -7;
    EXPECT_TRUE(names.find(L"height", index, true));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(names.find(L"height", index, false));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(names.find(L"height", index, false, 2)); // from a start
    EXPECT_EQ(index, 2);
    index = -7;
    EXPECT_FALSE(names.find(L"depth", index, false));
    EXPECT_EQ(index, -7); // untouched when not found
    EXPECT_FALSE(names.find(L"Width", index, false, 99));
    EXPECT_TRUE(names.find(L"Width", index, false, -3));
    EXPECT_TRUE(names.contains(L"WIDTH", false));
    EXPECT_FALSE(names.contains(L"WIDTH", true));
    EXPECT_EQ(names.find(Zrl_String(L"HEIGHT")), 1); // exact search of the base list
}
