// The drawing's selection sets, object ids and transactions.
#include "platform/host/call_log.h"
#include "platform/host/host_state.h"
#include "platform/host/selection_sets.h"
#include "platform/host/transactions.h"

#include <gtest/gtest.h>

namespace {

class Drawing : public ::testing::Test {
protected:
    void SetUp() override { host::resetHostState(); }
    void TearDown() override { host::resetHostState(); }
};

// Reads every object id of a previous-selection set the way a drop target does.
std::vector<AcDbObjectId> previousSelectionIds() {
    std::vector<AcDbObjectId> ids;
    ads_name ss;
    if (acedSSGet(L"_P", nullptr, nullptr, nullptr, ss) != RTNORM) return ids;
    std::int32_t length = 0;
    acedSSLength(ss, &length);
    for (std::int32_t i = 0; i < length; ++i) {
        ads_name entity;
        AcDbObjectId id;
        if (acedSSName(ss, i, entity) == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk) {
            ids.push_back(id);
        }
    }
    acedSSFree(ss);
    return ids;
}

TEST_F(Drawing, PreviousSelectionYieldsItsObjects) {
    const AcDbObjectId a = host::addDrawingObject();
    const AcDbObjectId b = host::addDrawingObject();
    EXPECT_NE(a, b);
    EXPECT_FALSE(a.isNull());
    host::setPreviousSelection({b, a});
    EXPECT_EQ(previousSelectionIds(), (std::vector<AcDbObjectId>{b, a}));
    EXPECT_EQ(host::liveSelectionSets(), 0);
    EXPECT_EQ(host::callNames().front(), "acedSSGet");
    EXPECT_EQ(host::callLog().front().args.at(0), L"_P");
}

TEST_F(Drawing, ErasedObjectsAndIdsFromBeforeAClearHaveNoObject) {
    const AcDbObjectId a = host::addDrawingObject();
    const AcDbObjectId b = host::addDrawingObject();
    host::setPreviousSelection({a, b});
    host::eraseDrawingObject(a);
    EXPECT_EQ(previousSelectionIds(), std::vector<AcDbObjectId>{b});
    host::clearDrawing();
    EXPECT_FALSE(host::isInDrawing(b));
    EXPECT_NE(host::addDrawingObject(), b); // ids are never handed out again
}

TEST_F(Drawing, SelectionWithoutObjectsOrModeFails) {
    ads_name ss;
    EXPECT_EQ(acedSSGet(L"_P", nullptr, nullptr, nullptr, ss), RTERROR);
    host::setPreviousSelection({host::addDrawingObject()});
    EXPECT_EQ(acedSSGet(nullptr, nullptr, nullptr, nullptr, ss), RTCAN);
    EXPECT_EQ(acedSSGet(L"_W", nullptr, nullptr, nullptr, ss), RTERROR);
    EXPECT_EQ(acedSSGet(L"_P", nullptr, nullptr, nullptr, nullptr), RTERROR);
    EXPECT_EQ(host::liveSelectionSets(), 0);
}

TEST_F(Drawing, SetsAndEntityNamesAreCheckedBeforeUse) {
    host::setPreviousSelection({host::addDrawingObject()});
    ads_name ss;
    ASSERT_EQ(acedSSGet(L"P", nullptr, nullptr, nullptr, ss), RTNORM);
    ads_name entity;
    EXPECT_EQ(acedSSName(ss, 1, entity), RTERROR);
    EXPECT_EQ(acedSSName(ss, -1, entity), RTERROR);
    ASSERT_EQ(acedSSName(ss, 0, entity), RTNORM);
    // An entity is no set and a set is no entity.
    std::int32_t length = 0;
    EXPECT_EQ(acedSSLength(entity, &length), RTERROR);
    AcDbObjectId id;
    EXPECT_EQ(acdbGetObjectId(id, ss), Acad::eInvalidInput);
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(acedSSLength(ss, nullptr), RTERROR);

    EXPECT_EQ(host::liveSelectionSets(), 1);
    EXPECT_EQ(acedSSFree(ss), RTNORM);
    EXPECT_EQ(acedSSFree(ss), RTERROR);
    EXPECT_EQ(acedSSLength(ss, &length), RTERROR);
    EXPECT_EQ(host::liveSelectionSets(), 0);
}

TEST_F(Drawing, TransactionsNestAndEndInnermostFirst) {
    AcTransactionManager* tm = acdbTransactionManager();
    EXPECT_EQ(tm->topTransaction(), nullptr);
    EXPECT_EQ(tm->endTransaction(), Acad::eNoActiveTransactions);
    EXPECT_EQ(tm->abortTransaction(), Acad::eNoActiveTransactions);

    AcTransaction* outer = tm->startTransaction();
    AcTransaction* inner = tm->startTransaction();
    EXPECT_NE(outer->serial(), inner->serial());
    EXPECT_EQ(tm->topTransaction(), inner);
    EXPECT_EQ(tm->numActiveTransactions(), 2);
    EXPECT_EQ(tm->abortTransaction(), Acad::eOk);
    EXPECT_EQ(tm->topTransaction(), outer);
    EXPECT_EQ(tm->endTransaction(), Acad::eOk);
    EXPECT_EQ(tm->topTransaction(), nullptr);
    EXPECT_EQ(tm->endedCount(), 1);
    EXPECT_EQ(tm->abortedCount(), 1);
}

} // namespace
