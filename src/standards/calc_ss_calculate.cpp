// The calculation area: every equation "name = expression" below the title
// "Calc" becomes a grid formula over the cells of the variables it names,
// and its value is stored in the named variable.
#include "platform/core/text_helpers.h"
#include "platform/spread/compiled_formula.h"
#include "platform/text/fold.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"
#include "standards/calc_area_bounds.h"
#include "standards/calc_area_text.h"
#include "standards/calc_ss.h"
#include "standards/child_call.h"
#include "standards/ss_functions.h"
#include "standards/standards_failures.h"
#include "standards/standards_eval_report.h"
#include "standards/standards_timers.h"

#include <cwctype>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

// What calcCell makes of one equation text: its parts, the variable it
// assigns (-1: none), whether it calls a child sheet, and its formula over
// cell addresses.
struct VkCalcSS::Equation {
    calc_area::Equation eq;
    int index = -1;
    bool callsChild = false;
    // A child call as read from the expression; `childRead` false when it
    // is malformed.
    bool childRead = false;
    Zrl_String childFile;
    Zrl_StringArray childNames;
    Zrl_String formula;
    // The formula compiled for the cell (compiledCol, compiledRow), kept by
    // kept plans: the next run sets it without parsing it again.
    spread::FormulaRef compiled;
    int compiledCol = 0, compiledRow = 0;
};

// The names-to-addresses replacement of a sheet's variables, and the
// equations already replaced with it. The variables and their cells stay put
// for a whole run, so it is built once per run instead of once per equation;
// for a sheet loaded from a remembered file it is kept between runs while
// the variables' names and cells are the same.
struct VkCalcSS::CalcPlan {
    // Kept between runs: for the sheet file `source`, built from `variables`.
    bool kept = false;
    std::weak_ptr<const spread::Sheet> source;
    std::vector<std::tuple<std::wstring, int, int>> variables; // name, col, row
    calc_area::WordReplacer replacer;
    // Variable names (folded) to their first index in the list.
    std::unordered_map<std::wstring, int> index;
    // Kept ones only: what each equation text read before came to; dropped
    // whole when it grows too long, which counts a generation.
    std::unordered_map<std::wstring, Equation> plans;
    unsigned generation = 0;
    // Kept ones only: the equations of the calculation area below the title
    // row `titleRow` in the order they are computed, as a run that loaded the
    // sheet found them in its cells (`ordered`). `reusable` when none of them
    // reads a cell of the calculation area: a sheet kept from earlier runs
    // (see VkCalcSS::loadForRun) then computes them without reading a cell.
    struct Step {
        int col, row;
        Equation* equation;
    };
    std::vector<Step> order;
    bool ordered = false, reusable = false;
    int titleRow = 0;
};

namespace {

using Addresses = VkCalcSS::CalcPlan;
using EquationPlan = VkCalcSS::Equation;

// The run of the sheet whose calculation area is being computed. Runs nest
// (a child call calculates another sheet inside an equation), hence a stack.
struct CalcRun {
    const VkCalcSS* sheet;
    std::shared_ptr<Addresses> addresses;
};
std::vector<CalcRun*>& calcRuns() {
    static std::vector<CalcRun*> runs;
    return runs;
}

class CalcRunScope {
public:
    explicit CalcRunScope(CalcRun& run) { calcRuns().push_back(&run); }
    ~CalcRunScope() { calcRuns().pop_back(); }
    CalcRunScope(const CalcRunScope&) = delete;
    CalcRunScope& operator=(const CalcRunScope&) = delete;
};

std::wstring folded(const Zrl_String& name) {
    std::wstring key = name.str();
    for (wchar_t& ch : key)
        ch = zrltext::foldCase(ch);
    return key;
}

bool sameVariables(const Addresses& a, const VkVarCells& cells) {
    if (static_cast<int>(a.variables.size()) != cells.length()) return false;
    for (int i = 0; i < cells.length(); ++i) {
        const auto& [name, col, row] = a.variables[static_cast<size_t>(i)];
        if (col != cells[i].col || row != cells[i].row || name != cells[i].name.str()) return false;
    }
    return true;
}

// Each variable's name to its cell address, and to its place in the list.
// Kept ones also list the variables they were built from.
std::shared_ptr<Addresses> buildAddresses(const VkVarCells& cells, bool keep) {
    auto out = std::make_shared<Addresses>();
    gCalcCellGetVarNames.start();
    gCalcCellGetVarNames.end();
    gCalcCellGetVarCoords.start();
    for (int i = 0; i < cells.length(); ++i) {
        gCalcCellGetVarCoordName.start();
        const VkVarCell& cell = cells[i];
        if (keep) out->variables.emplace_back(cell.name.str(), cell.col, cell.row);
        out->replacer.add(cell.name, getAlfabet(cell.col) + Zrl_String(cell.row));
        out->index.emplace(folded(cell.name), i);
        gCalcCellGetVarCoordName.end();
    }
    gCalcCellGetVarCoords.end();
    return out;
}

using KeptAddresses = std::unordered_map<const spread::Sheet*, std::shared_ptr<Addresses>>;
KeptAddresses& keptAddresses() {
    thread_local KeptAddresses kept;
    return kept;
}

// The addresses kept for the sheet file `source` while it and its variables
// are the same, else null.
std::shared_ptr<Addresses> keptFor(const std::shared_ptr<const spread::Sheet>& source,
                                   const VkVarCells& cells) {
    if (!source) return nullptr;
    auto it = keptAddresses().find(source.get());
    if (it != keptAddresses().end() && it->second->source.lock() == source &&
        sameVariables(*it->second, cells))
        return it->second;
    return nullptr;
}

// The addresses of a sheet's variables: kept ones while the sheet's file and
// its variables are the same, else new ones.
std::shared_ptr<Addresses> addressesFor(const std::shared_ptr<const spread::Sheet>& source,
                                        const VkVarCells& cells) {
    if (!source) return buildAddresses(cells, false);
    if (auto kept = keptFor(source, cells)) return kept;
    KeptAddresses& kept = keptAddresses();
    if (kept.size() >= 64) kept.clear();
    auto built = buildAddresses(cells, true);
    built->kept = true;
    built->source = source;
    kept[source.get()] = built;
    return built;
}

Zrl_String duplicatesText(const Zrl_String& file, const Zrl_StringArray& duplicates) {
    Zrl_String text = L"There were duplicate variable names found in the standards file " + file +
                      L".\nThe duplicates will be ignored. Please correct this file.\n" +
                      L"Duplicate variable names:\n\n";
    for (int i = 0; i < duplicates.length(); ++i) {
        if (i > 0) text += L'\n';
        text += duplicates[i];
    }
    return text;
}

} // namespace

ErrorStatus VkCalcSS::calculate() {
    gRegisterFuntions.start();
    // Registered once: the sheet keeps them while its functions stay as
    // they were.
    spread::FunctionRegistry& functions = sheet().functions();
    if (!functionsRegistered_ || functions.version() != functionsVersion_) {
        registerStandardsFunctions(functions);
        functionsRegistered_ = true;
        functionsVersion_ = functions.version();
    }
    gRegisterFuntions.end();

    gFindDuplicates.start();
    // Addresses are kept only for variables without duplicates (those are
    // removed first), so variables that match kept ones have none. A kept
    // sheet goes on with the plan it was computed with.
    Zrl_StringArray names;
    std::shared_ptr<Addresses> kept = reused_ ? keptPlan_ : keptFor(source_, varCells);
    const bool known = kept != nullptr && (!reused_ || sameVariables(*kept, varCells));
    for (int i = 0; !known && i < varCells.length(); ++i)
        names.append(varCells[i].name);
    Zrl_StringArray duplicates;
    if (!known && hasDuplicates(names, duplicates, false)) {
        win::messageBox(this, duplicatesText(fileName, duplicates).str(),
                        L"Variable names must be unique", win::MB_ICONEXCLAMATION);
        AcArray<int> indexes;
        getDuplicates(names, indexes, false);
        for (int i = indexes.length() - 1; i >= 0; --i)
            varCells.removeAt(indexes[i]);
    }
    gFindDuplicates.end();

    gCalcCells.start();
    int titleCol = 0, titleRow = calcTitleRow_;
    if (titleRow == 0 && !findExact(L"Calc", 1, 1, titleCol, titleRow)) return Acad::eInvalidInput;
    calcArea(titleRow, reused_ || known ? kept : addressesFor(source_, varCells));
    gCalcCells.end();
    return Acad::eOk;
}

namespace {

// Whether the equation reads no cell below the title row `titleRow` (nor
// any cell a text names, which could be one).
bool readsAbove(const EquationPlan& plan, int titleRow) {
    if (!plan.compiled) return true;
    const std::wstring text = folded(plan.formula);
    if (text.find(L"indirect") != std::wstring::npos || text.find(L"offset") != std::wstring::npos)
        return false;
    std::vector<spread::CellRange> refs;
    plan.compiled->references(refs);
    for (const spread::CellRange& r : refs)
        if (r.row2 > titleRow || r.row1 > titleRow) return false;
    return true;
}

} // namespace

bool VkCalcSS::keptPlanFits(int titleRow) const {
    return keptPlan_ && keptPlan_->ordered && keptPlan_->reusable && titleRow != 0 &&
           keptPlan_->titleRow == titleRow;
}

void VkCalcSS::calcArea(int titleRow, const std::shared_ptr<CalcPlan>& plan) {
    CalcRun run{this, plan};
    CalcRunScope scope(run);
    if (reused_) {
        for (const CalcPlan::Step& step : plan->order)
            calcEquation(step.col, step.row, *step.equation);
        return;
    }
    // A run on a sheet loaded for it learns the order of the equations
    // (once for a remembered sheet file), and whether they leave the
    // calculation area unread.
    const bool learn = learning_ && plan->kept && !plan->ordered;
    std::vector<CalcPlan::Step> order;
    const unsigned generation = plan->generation;
    bool reusable = true;
    for (int i = 0; learn && i < varCells.length(); ++i)
        if (varCells[i].row > titleRow) reusable = false;

    const int lastRow = calc_area::usedRows(*this);
    const int lastCol = calc_area::usedCols(*this);
    for (int row = titleRow + 1; row <= lastRow; ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            EquationPlan* equation = nullptr;
            EquationPlan fresh;
            if (!planCell(col, row, equation, fresh)) continue;
            calcEquation(col, row, *equation);
            if (!learn) continue;
            order.push_back({col, row, equation});
            reusable = reusable && readsAbove(*equation, titleRow);
        }
    }
    if (learn && plan->generation == generation) {
        plan->order = std::move(order);
        plan->reusable = reusable;
        plan->titleRow = titleRow;
        plan->ordered = true;
    }
    if (learning_)
        keptPlan_ = plan->ordered && plan->reusable && plan->titleRow == titleRow ? plan : nullptr;
}

namespace {

EquationPlan planEquation(const Zrl_String& text, const Addresses* addresses,
                          const VkVarCells& varCells) {
    EquationPlan plan;
    gCalcCellSplitSymbol.start();
    plan.eq = calc_area::splitEquation(text);
    gCalcCellSplitSymbol.end();

    gCalcCellFindVarCell.start();
    if (plan.eq.assignment && addresses != nullptr) {
        const auto it = addresses->index.find(folded(plan.eq.name));
        if (it != addresses->index.end()) plan.index = it->second;
    } else if (plan.eq.assignment && varCells.findVarCell(plan.eq.name, plan.index) != Acad::eOk) {
        plan.index = -1;
    }
    gCalcCellFindVarCell.end();

    gCalcCellFindFunctions.start();
    plan.callsChild = plan.eq.expression.hasSubString(calc_area::kCallChild, true);
    gCalcCellFindFunctions.end();
    if (plan.callsChild)
        plan.childRead =
            calc_area::parseChildCall(plan.eq.expression, plan.childFile, plan.childNames);

    if (plan.callsChild || plan.index < 0 || plan.eq.expression.isEmpty()) return plan;
    gCalcCellReplaceVariables.start();
    plan.formula = plan.eq.expression;
    if (addresses != nullptr)
        addresses->replacer.apply(plan.formula, true);
    else
        buildAddresses(varCells, false)->replacer.apply(plan.formula, true);
    gCalcCellReplaceVariables.end();
    return plan;
}

// Sets the planned formula into (col, row) of the sheet and computes it: a
// formula compiled for that cell before is shared, else it is compiled and
// kept with the plan. Texts the grid reads as no formula ("=") take its own
// way.
bool setPlannedFormula(VkCalcSS& sheet, EquationPlan& plan, int col, int row) {
    if (plan.compiled && plan.compiledCol == col && plan.compiledRow == row)
        return spread::setCompiledFormula(sheet.sheet(), col, row, plan.compiled);
    const std::wstring& text = plan.formula.str();
    if (text.empty() || text == L"=") return sheet.setFormula(col, row, plan.formula);
    spread::FormulaRef compiled(
        spread::Formula::parse(text, sheet.sheet().refStyle(), col, row));
    if (!compiled) return false;
    plan.compiled = compiled;
    plan.compiledCol = col;
    plan.compiledRow = row;
    return spread::setCompiledFormula(sheet.sheet(), col, row, compiled);
}

// The first variable the expression names that has no value, else empty.
// Words inside quotes are text, not names.
Zrl_String emptyVariableIn(const Zrl_String& expression, const VkVarCells& cells) {
    const std::wstring& text = expression.str();
    bool quoted = false;
    size_t i = 0;
    while (i < text.size()) {
        const wchar_t ch = text[i];
        if (ch == L'"') {
            quoted = !quoted;
            ++i;
            continue;
        }
        // Letters are the characters that have a case, by the project's rule.
        const auto wordChar = [](wchar_t c) {
            return calc_area::isWordChar(c) || zrltext::foldCase(c) != zrltext::upperCase(c);
        };
        if (quoted || !wordChar(ch)) {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && wordChar(text[end]))
            ++end;
        int index = -1;
        const Zrl_String word(text.substr(i, end - i));
        if (cells.findVarCell(word, index) == Acad::eOk && cells[index].value.isEmpty())
            return cells[index].name;
        i = end;
    }
    return Zrl_String();
}

// One line on why the equation planned as `plan` failed at `stage`.
enum class FailStage { ChildCall, Target, Formula, Value, Store };
Zrl_String failureReason(const EquationPlan& plan, FailStage stage, const VkCalcSS& sheet,
                         const Zrl_String& lookupFault) {
    const calc_area::Equation& eq = plan.eq;
    switch (stage) {
    case FailStage::ChildCall:
        if (!plan.childRead) return L"the child call cannot be read";
        if (resolveChildFile(sheet.fileName, plan.childFile).isEmpty())
            return L"child sheet " + plan.childFile + L" not found";
        return L"the child sheet " + plan.childFile + L" failed";
    case FailStage::Target:
        if (!eq.assignment) return L"not an equation \"name = expression\"";
        if (plan.index < 0) return eq.name + L" is not declared";
        return L"the expression is empty";
    case FailStage::Formula:
        return L"the formula cannot be read";
    case FailStage::Value:
        if (!lookupFault.isEmpty()) return lookupFault;
        if (const Zrl_String name = emptyVariableIn(eq.expression, sheet.varCells);
            !name.isEmpty())
            return name + L" has no value";
        return L"the formula computes to an error";
    case FailStage::Store:
        return L"the result does not fit the type of " + eq.name;
    }
    return Zrl_String();
}

} // namespace

bool VkCalcSS::planCell(int col, int row, Equation*& plan, Equation& fresh) {
    Zrl_String& text = cellText_;
    if (!getCellText(col, row, text, 3) || text.isEmpty()) return false;

    const CalcRun* run = calcRuns().empty() ? nullptr : calcRuns().back();
    if (run != nullptr && run->sheet != this) run = nullptr;
    Addresses* addresses = run != nullptr ? run->addresses.get() : nullptr;
    // Kept addresses remember each equation text they planned: the same
    // text in the same sheet with the same variables comes to the same.
    plan = &fresh;
    if (addresses != nullptr && addresses->kept) {
        auto known = addresses->plans.find(text.str());
        if (known == addresses->plans.end()) {
            if (addresses->plans.size() >= 4096) {
                // The order learnt points into the plans.
                addresses->plans.clear();
                addresses->order.clear();
                addresses->ordered = addresses->reusable = false;
                ++addresses->generation;
            }
            known =
                addresses->plans.emplace(text.str(), planEquation(text, addresses, varCells)).first;
        }
        plan = &known->second;
    } else {
        fresh = planEquation(text, addresses, varCells);
    }
    return true;
}

ErrorStatus VkCalcSS::calcCell(int col, int row) {
    Equation* plan = nullptr;
    Equation fresh;
    if (!planCell(col, row, plan, fresh)) return Acad::eInvalidInput;
    return calcEquation(col, row, *plan);
}

ErrorStatus VkCalcSS::calcEquation(int col, int row, Equation& equation) {
    Equation* plan = &equation;
    const calc_area::Equation& eq = plan->eq;

    const bool listening = standardsFailureSinkSet();
    if (listening) takeLookupFault();
    const auto tell = [&](const Zrl_String& reason) {
        if (!listening) return;
        StandardsFailure failure;
        failure.file = fileName;
        failure.line = row;
        failure.equation = eq.name.isEmpty() ? eq.expression : eq.name + L" = " + eq.expression;
        failure.reason = reason;
        reportStandardsFailure(failure);
    };
    const auto failed = [&](FailStage stage) {
        reportFailedEquation(*this, eq.name, eq.expression, row);
        if (listening) tell(failureReason(*plan, stage, *this, takeLookupFault()));
        return Acad::eInvalidInput;
    };

    if (plan->callsChild) {
        gCalcCellCalcNativeFunctions.start();
        if (!plan->childRead || callChild(*this, plan->childFile, plan->childNames) != Acad::eOk)
            return failed(FailStage::ChildCall);
        gCalcCellCalcNativeFunctions.end();
        return Acad::eOk;
    }
    if (plan->index < 0 || eq.expression.isEmpty()) return failed(FailStage::Target);

    gCalcCellCalcFunctionsPrepare.start();
    VkVarCell& target = varCells[plan->index];
    // A kept sheet's equation cells have their types from the run that
    // learnt the plan: that run reached each of them, and nothing but the
    // same equations wrote to them since.
    if (!reused_) {
        if (target.valueType == VkValueString)
            setEditType(col, row, col, row, 0x110000, 200);
        else
            setNumberType(col, row, col, row, 7, false);
    }
    if (!setPlannedFormula(*this, *plan, col, row)) return failed(FailStage::Formula);
    gCalcCellCalcFunctionsPrepare.end();

    gCalcCellCalcFunctions.start();
    // The result as its text (the variable's value) and, when it is a
    // number, as that number: it goes into the variable's cell without being
    // read back from the text.
    Zrl_String& result = resultText_;
    if (!getCellText(col, row, result, 3)) return failed(FailStage::Value);
    const spread::Value& computed = sheet().valueAt(col, row);
    if (computed.isError()) return failed(FailStage::Value);
    const ErrorStatus stored = computed.isNumber()
                                   ? target.setNewNumber(*this, result, computed.number())
                                   : target.setNewValue(*this, result);
    if (stored != Acad::eOk) {
        tell(failureReason(*plan, FailStage::Store, *this, Zrl_String()));
        return Acad::eInvalidInput;
    }
    // A look-up that found nothing but still gave a value (a standard size
    // chosen without its file) is a fault all the same.
    if (listening)
        if (const Zrl_String fault = takeLookupFault(); !fault.isEmpty()) tell(fault);
    gCalcCellCalcFunctions.end();
    return Acad::eOk;
}
