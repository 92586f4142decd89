#include "core_test_support.h"
#include "platform/core/number_text.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

TEST(Rounding, RoundToNearestStepWithHalvesAwayFromZero) {
    // {value, step, result}; 0.35 / 0.1 is 3.4999... in binary.
    const std::vector<std::array<double, 3>> rows = {
        {2.5, 1, 3}, {-2.5, 1, -3}, {2.49, 1, 2},   {0.35, 0.1, 0.4},
        {12, 5, 10}, {12.5, 5, 15}, {12.5, -5, 15}, {1234.4, 1, 1234}};
    for (const auto& [v, step, r] : rows)
        EXPECT_DOUBLE_EQ(ObjectExportRoundTo(v, step), r) << v << " by " << step;
    // Decimal steps land on the decimal multiple itself, so it prints short.
    EXPECT_EQ(ObjectExportRoundTo(94.08, 0.1), 94.1);
    EXPECT_EQ(ObjectExportRoundTo(1.26, 0.05), 1.25);
    EXPECT_EQ(ObjectExportRoundUp(0.21, 0.1, 0.0), 0.3);
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, 0.0), 7.3); // zero step: unchanged
    EXPECT_FALSE(std::signbit(ObjectExportRoundTo(-0.2, 1.0)));
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(7.3, inf), 7.3);
    EXPECT_TRUE(std::isnan(ObjectExportRoundTo(std::nan(""), 1.0)));
    EXPECT_DOUBLE_EQ(ObjectExportRoundTo(1e300, 1e-300), 1e300); // quotient overflows
}

TEST(Rounding, RoundUpNeverLandsNoticeablyBelowTheValue) {
    for (const auto& [v, r] : {std::pair{101.0, 110.0}, {100.0, 100.0}, {-15.0, -10.0}})
        EXPECT_DOUBLE_EQ(ObjectExportRoundUp(v, 10.0, 0.0), r) << v;
    EXPECT_EQ(ObjectExportRoundUp(0.3, 0.1, 0.0), 0.3); // 3 steps, not 4
    // Rounding noise above a multiple is forgiven ...
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(100.000000001, 10.0, 1e-6), 100.0);
    // ... but a large tolerance does not pull the result below the value.
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(103.0, 10.0, 5.0), 110.0);
    EXPECT_DOUBLE_EQ(ObjectExportRoundUp(7.3, 0.0, 1.0), 7.3);
}

TEST(Rounding, SortCarriesIndexesAndKeepsEqualValuesInOrder) {
    AcArray<double> values = {3.0, 1.0, 2.0, 1.0};
    AcArray<int> indexes;
    ObjectExportSort(values, indexes);
    EXPECT_EQ(values, AcArray<double>({1.0, 1.0, 2.0, 3.0}));
    EXPECT_EQ(indexes, AcArray<int>({1, 3, 2, 0}));

    AcArray<double> desc = {1.0, 5.0, 1.0};
    AcArray<int> ids = {10, 11, 12};
    ObjectExportSort(desc, ids, false);
    EXPECT_EQ(desc, AcArray<double>({5.0, 1.0, 1.0}));
    EXPECT_EQ(ids, AcArray<int>({11, 10, 12}));

    AcArray<double> withNan = {std::nan(""), 2.0, 1.0};
    AcArray<int> pos;
    ObjectExportSort(withNan, pos);
    EXPECT_EQ(pos, AcArray<int>({2, 1, 0}));
}
