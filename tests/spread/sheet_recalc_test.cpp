// Recalculation: dependency order, automatic and manual calculation, block
// references, cycles, deep chains and custom functions that re-enter.
#include "platform/spread/sheet.h"

#include <gtest/gtest.h>
#include <string>

using namespace spread;

namespace {

Sheet sized(int cols, int rows) {
    Sheet s;
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    return s;
}

std::wstring ref(int row) {
    return L"A" + std::to_wstring(row);
}

// The sanitizers make every cell several times dearer: their build runs the
// deep chain at a fifth of its length, still far beyond any machine stack.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDeepChain = 200000;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr int kDeepChain = 200000;
#else
constexpr int kDeepChain = 1000000;
#endif
#else
constexpr int kDeepChain = 1000000;
#endif

} // namespace

TEST(SheetRecalc, AutomaticCalculationFollowsChangesThroughBlocks) {
    Sheet s = sized(3, 10);
    s.setData(1, 1, L"1");
    s.setFormula(2, 1, L"A1*10");
    s.setFormula(3, 1, L"SUM(A:A)+B1"); // whole column: one block dependency
    s.setFormula(3, 2, L"C1+1");
    EXPECT_EQ(s.valueText(3, 2), L"12");
    s.setData(1, 7, L"5");
    EXPECT_EQ(s.valueText(3, 1), L"16");
    EXPECT_EQ(s.valueText(3, 2), L"17");
    s.setData(1, 1, L"2");
    EXPECT_EQ(s.valueText(3, 2), L"28");
    s.clearCell(1, 7);
    EXPECT_EQ(s.valueText(3, 2), L"23");
}

TEST(SheetRecalc, ManualCalculationWaitsForRecalc) {
    Sheet s = sized(2, 3);
    s.setBoolProperty(kBoolAutoCalc, false);
    s.setData(1, 1, L"1");
    // Setting a formula computes that cell even with calculation off.
    ASSERT_TRUE(s.setFormula(1, 2, L"A1+1"));
    ASSERT_TRUE(s.setFormula(1, 3, L"A2+1"));
    EXPECT_EQ(s.valueText(1, 3), L"3");
    s.setData(1, 1, L"10");
    EXPECT_EQ(s.valueText(1, 3), L"3");
    ASSERT_TRUE(s.recalcCell(1, 2)); // just the one cell
    EXPECT_EQ(s.valueText(1, 2), L"11");
    EXPECT_EQ(s.valueText(1, 3), L"3");
    s.recalc();
    EXPECT_EQ(s.valueText(1, 3), L"12");
}

TEST(SheetRecalc, FullRecalcComputesInDependencyOrder) {
    // Written bottom-up so that a top-down pass would read stale values.
    Sheet s = sized(1, 50);
    s.setBoolProperty(kBoolAutoCalc, false);
    for (int row = 50; row >= 2; --row)
        s.setFormula(1, row, ref(row - 1) + L"+1");
    s.setData(1, 1, L"0");
    s.recalc();
    EXPECT_EQ(s.valueText(1, 50), L"49");
}

TEST(SheetRecalc, CyclesEndAsErrorsAndTheirReadersToo) {
    Sheet s = sized(4, 4);
    s.setFormula(1, 1, L"B1+1");
    s.setFormula(2, 1, L"A1+1");
    s.setFormula(3, 1, L"C1"); // reads itself
    s.setFormula(4, 1, L"A1+100");
    s.setFormula(1, 2, L"5"); // outside any cycle
    s.recalc();
    EXPECT_EQ(s.valueText(1, 1), L"#CYCLE!");
    EXPECT_EQ(s.valueText(2, 1), L"#CYCLE!");
    EXPECT_EQ(s.valueText(3, 1), L"#CYCLE!");
    EXPECT_EQ(s.valueText(4, 1), L"#CYCLE!"); // the error propagates
    EXPECT_EQ(s.valueText(1, 2), L"5");
    // Breaking the cycle heals it.
    s.setData(2, 1, L"1");
    EXPECT_EQ(s.valueText(1, 1), L"2");
    EXPECT_EQ(s.valueText(4, 1), L"102");
}

TEST(SheetRecalc, DeepChainNeedsNoStack) {
    // Far deeper than a recursive evaluation could go.
    const int n = kDeepChain;
    Sheet s = sized(1, n);
    s.setBoolProperty(kBoolAutoCalc, false);
    for (int row = n; row >= 2; --row)
        s.setFormula(1, row, ref(row - 1) + L"+1");
    s.setBoolProperty(kBoolAutoCalc, true); // switching on recomputes
    s.setData(1, 1, L"1");
    EXPECT_EQ(s.valueText(1, n), std::to_wstring(n));
    // A cycle closing the whole chain.
    s.setFormula(1, 1, ref(n) + L"+1");
    EXPECT_EQ(s.valueText(1, n / 2), L"#CYCLE!");
}

TEST(SheetRecalc, CustomFunctionsMayReadWriteAndComputeOtherSheets) {
    Sheet s = sized(3, 5);
    int calls = 0;
    // STORE(x): writes x into C5 of the caller, reads A1, and computes a
    // second sheet from scratch; returns x + A1 + the second sheet's result.
    s.addCustomFunction(L"STORE", 1, 1,
                        [&](Sheet& caller, CalcValue& result, CalcValue* args, int) {
                            ++calls;
                            double x = args[0].type == kCalcInt ? args[0].v.i : args[0].v.d;
                            caller.setNumber(3, 5, x);
                            Sheet other = sized(1, 2);
                            other.setData(1, 1, L"100");
                            other.setFormula(1, 2, L"A1*2");
                            double a1 = 0;
                            caller.number(1, 1, a1);
                            result.status = kCalcValue;
                            result.type = kCalcDouble;
                            result.v.d = x + a1 + other.value(1, 2).number();
                            return true;
                        });
    s.setData(1, 1, L"1");
    ASSERT_TRUE(s.setFormula(2, 1, L"STORE(A1*3)"));
    EXPECT_EQ(s.valueText(2, 1), L"204");
    EXPECT_EQ(s.valueText(3, 5), L"3");
    s.setFormula(2, 2, L"C5+1"); // reads what the callback wrote
    EXPECT_EQ(s.valueText(2, 2), L"4");
    s.setData(1, 1, L"2");
    EXPECT_EQ(s.valueText(2, 1), L"208");
    EXPECT_EQ(s.valueText(3, 5), L"6");
    s.recalc();
    EXPECT_EQ(s.valueText(2, 2), L"7");
    EXPECT_GE(calls, 3);
}

// Changing the same cell again reuses the order of the last pass only while
// the dependencies stay as they were, and the kept order goes with the
// sheet's contents.
TEST(SheetRecalc, RepeatedChangesFollowNewDependencies) {
    Sheet s = sized(4, 2);
    s.setData(1, 1, L"1");
    s.setFormula(2, 1, L"A1+1");
    s.setFormula(3, 1, L"B1*2");
    s.setData(1, 1, L"2");
    EXPECT_EQ(s.valueText(3, 1), L"6");
    s.setFormula(3, 1, L"A1*10"); // same cells, new dependencies
    s.setFormula(4, 1, L"C1+1");
    s.setData(1, 1, L"3");
    EXPECT_EQ(s.valueText(2, 1), L"4");
    EXPECT_EQ(s.valueText(3, 1), L"30");
    EXPECT_EQ(s.valueText(4, 1), L"31");
    ASSERT_TRUE(s.insertCols(2)); // everything moves one column right
    s.setData(1, 1, L"4");
    EXPECT_EQ(s.valueText(4, 1), L"40");

    Sheet t = sized(4, 2);
    t.setData(1, 1, L"1");
    t.setFormula(2, 1, L"A1*3");
    t.setData(1, 1, L"2");
    s.swapContent(t);
    s.setData(1, 1, L"5");
    t.setData(1, 1, L"6");
    EXPECT_EQ(s.valueText(2, 1), L"15");
    EXPECT_EQ(t.valueText(4, 1), L"60");
    EXPECT_EQ(t.valueText(3, 1), L"7");
}

// A custom function may read anything, so its formula is computed again
// after any change, even of a cell that nothing reads.
TEST(SheetRecalc, CustomFunctionFormulasFollowEveryChange) {
    Sheet s = sized(2, 5);
    int calls = 0;
    s.addCustomFunction(L"TICK", 0, 0, [&](Sheet&, CalcValue& result, CalcValue*, int) {
        result.status = kCalcValue;
        result.type = kCalcDouble;
        result.v.d = ++calls;
        return true;
    });
    ASSERT_TRUE(s.setFormula(2, 1, L"TICK()"));
    int seen = calls;
    s.setData(1, 5, L"7");
    EXPECT_GT(calls, seen);
    EXPECT_EQ(s.value(2, 1), Value(double(calls)));
    seen = calls;
    s.setFormula(1, 4, L"A5*2");
    EXPECT_GT(calls, seen);
    EXPECT_EQ(s.value(2, 1), Value(double(calls)));
}

TEST(SheetRecalc, CallbackThatRestructuresOrReplacesItsOwnFormulaIsSafe) {
    Sheet s = sized(2, 3);
    s.addCustomFunction(L"MESS", 0, 0, [](Sheet& caller, CalcValue& result, CalcValue*, int) {
        // Refused while calculating: none of these may pull cells away.
        EXPECT_FALSE(caller.insertRows(1));
        EXPECT_FALSE(caller.setMaxRows(0));
        EXPECT_FALSE(caller.reset());
        caller.recalc(); // ignored: no nested recalculation
        // Setting a formula that calls back again (nesting ends at a fixed
        // depth), then replacing the formula that is running.
        caller.setFormula(2, 3, L"MESS()");
        caller.setFormula(1, 1, L"40+2");
        result.status = kCalcValue;
        result.type = kCalcInt;
        result.v.i = 7;
        return true;
    });
    ASSERT_TRUE(s.setFormula(1, 1, L"MESS()"));
    // The running formula was replaced while it ran: the new one stands.
    EXPECT_EQ(s.formula(1, 1), L"40+2");
    EXPECT_EQ(s.valueText(1, 1), L"42");
    EXPECT_EQ(s.maxRows(), 3);
    s.recalc();
    EXPECT_EQ(s.valueText(1, 1), L"42");
}

TEST(SheetRecalc, VolatileFunctionsRecomputeOnEveryChangeAndTheirReadersFollow) {
    Sheet s = sized(3, 5);
    ASSERT_TRUE(s.setFormula(1, 1, L"RAND()"));
    ASSERT_TRUE(s.setFormula(2, 1, L"A1*1000000"));    // reads the volatile cell
    ASSERT_TRUE(s.setFormula(3, 1, L"TODAY()-INT(NOW())")); // the same day
    ASSERT_TRUE(s.setFormula(1, 3, L"RANDBETWEEN(3,3)"));
    EXPECT_EQ(s.valueText(3, 1), L"0");
    EXPECT_EQ(s.valueText(1, 3), L"3");
    // An unrelated change draws new numbers, and the reader follows them.
    bool changed = false;
    for (int i = 0; i < 5 && !changed; ++i) {
        Value before = s.value(1, 1);
        s.setData(2, 5, std::to_wstring(i));
        changed = !(s.value(1, 1) == before);
        EXPECT_EQ(s.value(2, 1), Value(s.value(1, 1).number() * 1000000));
    }
    EXPECT_TRUE(changed);
    double x = s.value(1, 1).number();
    EXPECT_TRUE(x >= 0 && x < 1);
    // A formula without volatile functions is not recomputed for nothing.
    ASSERT_TRUE(s.setFormula(3, 2, L"ABS(-1)"));
    EXPECT_FALSE(Formula::parse(L"ABS(-1)", RefStyle::A1, 3, 2)->isVolatile());
    EXPECT_TRUE(Formula::parse(L"1+NOW()", RefStyle::A1, 3, 2)->isVolatile());
}

TEST(SheetRecalc, ComputedReferencesAreReadAfterWhatTheyReachOrSpan) {
    // B2 follows A1 through B1; C1 and C2 reach B2 only through text and
    // numbers, and must still be computed after it.
    Sheet s = sized(4, 4);
    s.setData(1, 1, L"1");
    ASSERT_TRUE(s.setFormula(2, 1, L"A1*2"));
    ASSERT_TRUE(s.setFormula(2, 2, L"B1*2"));
    ASSERT_TRUE(s.setFormula(3, 1, L"INDIRECT(\"B\"&2)+0"));
    ASSERT_TRUE(s.setFormula(3, 2, L"OFFSET(A1,1,1)+0"));
    // D1 reads A1:B2 through a computed end; B1 is named nowhere in it.
    ASSERT_TRUE(s.setFormula(4, 1, L"SUM(A1:INDEX(B2:B3,1))"));
    for (int a : {1, 5, 7}) {
        s.setData(1, 1, std::to_wstring(a));
        EXPECT_EQ(s.value(3, 1), Value(4.0 * a)) << a;
        EXPECT_EQ(s.value(3, 2), Value(4.0 * a)) << a;
        EXPECT_EQ(s.value(4, 1), Value(7.0 * a)) << a;
    }
    s.setData(2, 1, L"100");
    EXPECT_EQ(s.value(4, 1), Value(307.0));
    // The reached cells change with the text; the old ones are let go.
    ASSERT_TRUE(s.setFormula(3, 1, L"INDIRECT(\"B\"&1)+0"));
    s.setData(2, 1, L"3");
    EXPECT_EQ(s.value(3, 1), Value(3.0));
    s.setData(2, 2, L"");
    EXPECT_EQ(s.value(3, 2), Value(0.0));
}
