// A sheet's own functions: the records they get and give, failures,
// callbacks that compute other formulas while one is being computed, and
// functions changed after the formulas calling them were compiled.
#include "formula_test_host.h"
#include "platform/spread/compiled_formula.h"
#include "platform/spread/sheet.h"

#include <cwchar>
#include <gtest/gtest.h>

namespace spread::testing {
namespace {

struct Seen {
    CalcValue rec;
    std::wstring text;
};

// Registers SPY(min..max, flags): records what it gets, returns 1.
std::vector<Seen>* spy(MapHost& host, int flags, std::vector<Seen>& seen) {
    host.functions.add({L"spy", 0, 5, flags, [&seen](Sheet&, CalcValue& r, CalcValue* a, int n) {
                            for (int i = 0; i < n; ++i) {
                                const wchar_t* t =
                                    a[i].type == kCalcText ? lockTextBlock(a[i].v.text) : nullptr;
                                seen.push_back({a[i], t ? t : L""});
                            }
                            r.status = kCalcValue;
                            r.type = kCalcInt;
                            r.v.i = 1;
                            return true;
                        }});
    return &seen;
}

TEST(FormulaCustom, ArgumentsByValue) {
    MapHost host;
    host.set(1, 1, Value(2.5));
    host.set(1, 2, Value(L"abc"));
    host.set(1, 3, Value::error(ErrorKind::NA));
    std::vector<Seen> seen;
    spy(host, 0, seen);
    EXPECT_EQ(evalIn(host, L"Spy(A1,A2,A3,A4,\"q\")"), Value(1));
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].rec.status, kCalcValue);
    EXPECT_EQ(seen[0].rec.type, kCalcDouble);
    EXPECT_EQ(seen[0].rec.v.d, 2.5);
    EXPECT_EQ(seen[1].rec.type, kCalcText);
    EXPECT_EQ(seen[1].text, L"abc");
    EXPECT_EQ(seen[2].rec.status, kCalcError);
    EXPECT_EQ(seen[3].rec.status, kCalcEmpty);
    EXPECT_EQ(seen[4].text, L"q");
}

TEST(FormulaCustom, ArgumentsByReference) {
    MapHost host;
    std::vector<Seen> seen;
    spy(host, 1, seen);
    EXPECT_EQ(evalIn(host, L"SPY(B3,B3:D4,7,$A$1)"), Value(1));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].rec.type, kCalcCell);
    EXPECT_EQ(seen[0].rec.v.cell.col, 2);
    EXPECT_EQ(seen[0].rec.v.cell.row, 3);
    EXPECT_EQ(seen[1].rec.type, kCalcRange);
    EXPECT_EQ(seen[1].rec.v.range.col2, 4);
    EXPECT_EQ(seen[1].rec.v.range.row2, 4);
    EXPECT_EQ(seen[2].rec.type, kCalcDouble);
    EXPECT_EQ(seen[3].rec.type, kCalcCell);
}

TEST(FormulaCustom, ResultsOfEachKind) {
    MapHost host;
    host.set(2, 2, Value(L"cell"));
    CalcValue next;
    host.functions.add({L"GIVE", 0, 0, 0, [&next](Sheet&, CalcValue& r, CalcValue*, int) {
                            r = next;
                            if (next.type == kCalcText && next.status == kCalcValue)
                                r.v.text = allocTextBlock(L"made");
                            return true;
                        }});
    auto give = [&](uint8_t status, uint8_t type) {
        next = CalcValue{};
        next.status = status;
        next.type = type;
        return evalIn(host, L"GIVE()");
    };
    next.v.i = 0;
    EXPECT_EQ(give(kCalcValue, kCalcInt), Value(0));
    EXPECT_EQ(give(kCalcValue, kCalcText), Value(L"made")); // the block is freed here
    EXPECT_EQ(give(kCalcEmpty, kCalcInt), Value());
    EXPECT_EQ(give(kCalcError, kCalcInt), Value::error(ErrorKind::Value));
    next = CalcValue{};
    next.status = kCalcValue;
    next.type = kCalcCell;
    next.v.cell = {2, 2};
    EXPECT_EQ(evalIn(host, L"GIVE()&\"!\""), Value(L"cell!"));
    next.v.cell = {0, 2};
    EXPECT_EQ(evalIn(host, L"GIVE()"), Value::error(ErrorKind::Ref));
    next.type = 9;
    EXPECT_EQ(evalIn(host, L"GIVE()"), Value::error(ErrorKind::Value));
}

TEST(FormulaCustom, FailuresAndWrongCallsGiveErrorValues) {
    MapHost host;
    host.functions.add({L"FAIL", 0, 1, 0, [](Sheet&, CalcValue& r, CalcValue*, int) {
                            r.status = kCalcValue;
                            r.type = kCalcText;
                            r.v.text = allocTextBlock(L"leaks unless freed");
                            return false;
                        }});
    host.functions.add({L"THROW", 0, 0, 0, [](Sheet&, CalcValue&, CalcValue*, int) -> bool {
                            throw std::runtime_error("boom");
                        }});
    host.functions.add({L"NOPROC", 0, 0, 0, nullptr});
    EXPECT_EQ(evalIn(host, L"FAIL()"), Value::error(ErrorKind::Value));
    EXPECT_EQ(evalIn(host, L"FAIL(1,2)"), Value::error(ErrorKind::Value)); // too many
    EXPECT_EQ(evalIn(host, L"THROW()"), Value::error(ErrorKind::Value));
    EXPECT_EQ(evalIn(host, L"NOPROC()"), Value::error(ErrorKind::Value));
    EXPECT_EQ(evalIn(host, L"MISSING(1)"), Value::error(ErrorKind::Name));
    // Registered after the formula was written: found when computed.
    auto f = Formula::parse(L"LATE(2)*2", RefStyle::A1, 1, 1);
    ASSERT_TRUE(f);
    EXPECT_EQ(f->evaluate(host, 1, 1), Value::error(ErrorKind::Name));
    host.functions.add({L"LATE", 1, 1, 0, [](Sheet&, CalcValue& r, CalcValue* a, int) {
                            r.status = kCalcValue;
                            r.type = kCalcDouble;
                            r.v.d = a[0].v.d + 1;
                            return true;
                        }});
    EXPECT_EQ(f->evaluate(host, 1, 1), Value(6));
}

TEST(FormulaCustom, CallbackMayComputeOtherFormulasAndReplaceItself) {
    MapHost host;
    host.set(1, 1, Value(10));
    Sheet* caller = nullptr;
    // NEST(x): computes another formula of this sheet, re-registers itself
    // (destroying the registered callback while it runs) and returns x + it.
    host.functions.add({L"NEST", 1, 1, 0, [&](Sheet& s, CalcValue& r, CalcValue* a, int) {
                            caller = &s;
                            double x = a[0].v.d;
                            Value inner = evalIn(host, L"A1*2+SUM(1,2)&\"\"");
                            host.functions.add({L"NEST", 1, 1, 0, nullptr});
                            r.status = kCalcValue;
                            r.type = kCalcDouble;
                            double y = 0;
                            if (!inner.isText() || !textToNumber(inner.text(), y)) return false;
                            r.v.d = x + y;
                            return true;
                        }});
    // 1 + (20 + 23) + 3
    EXPECT_EQ(evalIn(host, L"1+NEST(A1*2)+LEN(\"abc\")"), Value(47));
    EXPECT_EQ(caller, host.sheetAddress());
}

CustomFunctionProc giving(double v) {
    return [v](Sheet&, CalcValue& r, CalcValue*, int) {
        r.status = kCalcValue;
        r.type = kCalcDouble;
        r.v.d = v;
        return true;
    };
}

// A sheet keeps what it found for a formula until its functions change: a
// formula compiled once calls what is registered when it is computed.
TEST(FormulaCustom, SheetCallsTheFunctionRegisteredWhenComputed) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(2);
    FormulaRef f(Formula::parse(L"PICK()+0", s.refStyle(), 1, 1));
    ASSERT_TRUE(f);
    auto compute = [&] {
        EXPECT_TRUE(setCompiledFormula(s, 1, 1, f));
        return s.value(1, 1);
    };
    EXPECT_EQ(compute(), Value::error(ErrorKind::Name));
    s.addCustomFunction(L"pick", 0, 0, giving(1));
    EXPECT_EQ(compute(), Value(1));
    s.addCustomFunction(L"PICK", 0, 0, giving(2)); // replaced
    EXPECT_EQ(compute(), Value(2));
    s.addCustomFunction(L"PICK", 1, 1, giving(3)); // now wants an argument
    EXPECT_EQ(compute(), Value::error(ErrorKind::Value));
    s.addCustomFunction(L"PICK", 0, 0, giving(4));
    EXPECT_EQ(compute(), Value(4));
    s.functions().clear();
    EXPECT_EQ(compute(), Value::error(ErrorKind::Name));
}

// Answers kept by number belong to their registry: numbers sharing room
// never give another name's function, and a copy answers from its own.
TEST(FormulaCustom, NumberedAnswersStayWithTheirNameAndRegistry) {
    FunctionRegistry a;
    a.add({L"ONE", 0, 0, 0, giving(1)});
    a.add({L"TWO", 0, 0, 0, giving(2)});
    auto nameOf = [](uint32_t id) { return id % 3 == 0 ? L"ONE" : id % 3 == 1 ? L"TWO" : L"NONE"; };
    for (int round = 0; round < 2; ++round)
        for (uint32_t id = 1; id <= 200; ++id)
            ASSERT_EQ(a.findNumbered(id, nameOf(id)), a.find(nameOf(id))) << id;
    FunctionRegistry b = a;
    FunctionRegistry c;
    c = a;
    for (uint32_t id = 1; id <= 200; ++id) {
        ASSERT_EQ(b.findNumbered(id, nameOf(id)), b.find(nameOf(id))) << id;
        ASSERT_EQ(c.findNumbered(id, nameOf(id)), c.find(nameOf(id))) << id;
    }
    EXPECT_NE(b.find(L"ONE"), a.find(L"ONE"));
    // Unnumbered names are looked up each time.
    EXPECT_EQ(a.findNumbered(0, L"two"), a.find(L"TWO"));
}

} // namespace
} // namespace spread::testing
