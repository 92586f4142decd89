// The lists per profile and the cutting-stock record as JSON.
#include "cuttingstock/stock_lists.h"
#include "platform/core/record_cutting_stock.h"
#include "stock_fixture.h"

#include <climits>

namespace stocktest {
namespace {

using namespace stock;

// Rows of one profile lie apart in the list; the others keep their order.
TEST(StockLists, RowsOfAProfileInListOrderTheOthersKept) {
    DlgCSP2List l;
    addRows(l, 1, {{L"a1"}});
    addRows(l, 2, {{L"b1"}});
    addRows(l, 1, {{L"a2"}});
    addRows(l, 3, {{L"c1"}});
    EXPECT_EQ(profileRows(l, 1), table({{L"a1"}, {L"a2"}}));
    EXPECT_EQ(profileRows(l, 4).length(), 0);
    replaceProfileRows(l, 1, table({{L"n1"}, {L"n2"}, {L"n3"}}));
    EXPECT_EQ(l.rows, table({{L"b1"}, {L"c1"}, {L"n1"}, {L"n2"}, {L"n3"}}));
    EXPECT_EQ(l.rowProfiles, (AcArray<int>{2, 3, 1, 1, 1}));
    removeProfileRows(l, 3);
    EXPECT_EQ(l.rows, table({{L"b1"}, {L"n1"}, {L"n2"}, {L"n3"}}));
    // Unequal arrays: only pairs are read, and a rewrite keeps the pairs.
    l.rowProfiles.append(2);
    l.rowProfiles.append(2);
    EXPECT_EQ(profileRowCount(l, 2), 1);
    replaceProfileRows(l, 1, {});
    EXPECT_EQ(l.rowProfiles.length(), l.rows.length());
    EXPECT_EQ(l.rows, table({{L"b1"}}));
}

TEST(StockLists, NewProfileIds) {
    const struct {
        AcArray<int> ids;
        int next;
    } rows[] = {
        {AcArray<int>(), 1}, {{3, 9}, 10}, {{-4, -1}, 1}, {{-4, 2}, 3}, {{INT_MAX, 1, 2}, 3}};
    for (const auto& r : rows)
        EXPECT_EQ(nextProfileId(r.ids), r.next);
}

TEST(CuttingStockJson, ReadsWritesAndReadsBack) {
    const std::string json = R"({
      "resultMode": true,
      "profiles": [ { "id": 1, "name": "HEA200" }, { "id": 7, "name": "IPE300" } ],
      "pieces": { "titles": ["Mark", "Length"],
                  "rows": [ { "profile": 1, "cells": ["B1", "4200"] },
                            { "profile": 7, "cells": [] } ] },
      "shop": { "titles": ["Length"], "rows": [ { "profile": 7, "cells": ["4350"] } ] }
    })";
    DlgCSP2Data d;
    std::string error;
    ASSERT_TRUE(readCuttingStockJson(json, d, error)) << error;
    EXPECT_TRUE(d.resultMode);
    EXPECT_EQ(d.profileIds, (AcArray<int>{1, 7}));
    EXPECT_EQ(d.pieces.rows, table({{L"B1", L"4200"}, {}}));
    EXPECT_EQ(d.shop.rowProfiles, (AcArray<int>{7}));
    EXPECT_TRUE(d.purchase.titles.isEmpty());
    DlgCSP2Data again;
    ASSERT_TRUE(readCuttingStockJson(writeCuttingStockJson(d), again, error)) << error;
    EXPECT_EQ(again, d);
}

TEST(CuttingStockJson, RefusalsNameTheField) {
    const struct {
        const char* json;
        const char* error;
    } rows[] = {
        {R"({"resultMode": 1})", "resultMode: expected true or false"},
        {R"({"shop": {"rows": [{"profile": "1"}]}})",
         "shop.rows[0].profile: expected a whole number"},
        {R"({"pieces": {"rows": [{"cells": [1]}]}})", "pieces.rows[0].cells[0]: expected a text"},
        {R"({"purchase": {"titels": []}})", "purchase.titels: unknown field"},
        {R"({"shop": []})", "shop: expected an object"},
        {R"({"profile": []})", "profile: unknown field"},
    };
    for (const auto& r : rows) {
        DlgCSP2Data d;
        d.profileNames.append(L"before");
        std::string error;
        EXPECT_FALSE(readCuttingStockJson(r.json, d, error)) << r.json;
        EXPECT_EQ(error, r.error) << r.json;
        EXPECT_EQ(d.profileNames.length(), 1);
    }
}

} // namespace
} // namespace stocktest
