// FROMTABLE: reading the arguments, running the look-up dialog, finding the
// cell in the looked-up sheet and handing its value back.
#include "sheettools/from_table.h"

#include "frame/library_instance.h"
#include "platform/core/paths.h"
#include "platform/host/command_line.h"
#include "platform/spread/sheet.h"
#include "platform/text/number.h"
#include "sheettools/calling_sheet.h"
#include "sheettools/formula_dlg.h"
#include "standards/ss_functions_support.h"

#include <filesystem>
#include <vector>

namespace {

// Looked-up sheets whose look-up is still running, outermost first. A sheet
// that looks itself up (directly or through others) would otherwise open
// dialogs without end; such a look-up gives no result.
std::vector<std::filesystem::path>& openLookUps() {
    static std::vector<std::filesystem::path> files;
    return files;
}

// Look-ups nested deeper than this give no result.
constexpr std::size_t kMaxLookUpDepth = 32;

std::filesystem::path comparablePath(const Zrl_String& name) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(resolvePath(name), ec);
    return ec ? resolvePath(name).lexically_normal() : p;
}

class OpenLookUp {
public:
    explicit OpenLookUp(std::filesystem::path file) { openLookUps().push_back(std::move(file)); }
    ~OpenLookUp() { openLookUps().pop_back(); }
    OpenLookUp(const OpenLookUp&) = delete;
    OpenLookUp& operator=(const OpenLookUp&) = delete;
};

bool mayOpen(const std::filesystem::path& file) {
    const auto& open = openLookUps();
    if (open.size() >= kMaxLookUpDepth) return false;
    for (const auto& f : open)
        if (f == file) return false;
    return true;
}

// The text of a number used as a title or key: integers without decimals,
// other numbers in their shortest form.
Zrl_String numberText(double number) {
    return Zrl_String(zrltext::generalText(number, 15));
}

bool argumentText(const spread::Sheet& calling, const spread::CalcValue& arg, Zrl_String& text) {
    switch (arg.type) {
    case spread::kCalcInt:
        text = Zrl_String(static_cast<int>(arg.v.i));
        return true;
    case spread::kCalcDouble:
        text = numberText(arg.v.d);
        return true;
    case spread::kCalcText: {
        const wchar_t* raw = spread::lockTextBlock(arg.v.text);
        text = Zrl_String(raw ? raw : L"");
        return true;
    }
    case spread::kCalcCell:
        text = Zrl_String(calling.data(arg.v.cell.col, arg.v.cell.row));
        return true;
    default:
        return false;
    }
}

// The grid of the running evaluation when it is the sheet computing this
// call; a formula computed outside any evaluation (typed into an open bench)
// reads and writes its own sheet.
spread::Sheet& callingSheetOf(spread::Sheet& caller) {
    Zrl_Spread* grid = callingSheet();
    if (grid != nullptr && &grid->sheet() == &caller) return grid->sheet();
    return caller;
}

bool sameText(const Zrl_Spread& grid, int col, int row, const Zrl_String& wanted) {
    Zrl_String text;
    grid.getCellText(col, row, text, Zrl_Spread::kText);
    if (text == wanted) return true;
    grid.getCellText(col, row, text, Zrl_Spread::kValue);
    return text == wanted;
}

int titledColumn(const Zrl_Spread& grid, const Zrl_String& title) {
    const int lastCol = grid.getMaxCols();
    for (int col = 1; col <= lastCol; ++col)
        if (sameText(grid, col, Zrl_Spread::kHeader, title)) return col;
    return 0;
}

bool findCell(const Zrl_Spread& grid, const FromTableLookUp& lookUp, int& col, int& row) {
    if (lookUp.argCount != 4) {
        col = lookUp.col;
        row = lookUp.row;
        return col >= 1 && row >= 1 && col <= grid.getMaxCols() && row <= grid.getMaxRows();
    }
    const int keyCol = titledColumn(grid, lookUp.keyTitle);
    const int valueCol = titledColumn(grid, lookUp.valueTitle);
    if (keyCol == 0 || valueCol == 0) return false;
    const int lastRow = grid.getMaxRows();
    for (int r = 1; r <= lastRow; ++r) {
        if (sameText(grid, keyCol, r, lookUp.key)) {
            col = valueCol;
            row = r;
            return true;
        }
    }
    return false;
}

void readResult(Zrl_Spread& grid, int col, int row, FromTableLookUp& lookUp) {
    const int code = grid.getCellType(col, row);
    bool ok = true;
    if (code == 10 || code == 12) {
        Zrl_String text;
        ok = grid.getCellText(col, row, text, Zrl_Spread::kText);
        lookUp.type = spread::kCalcInt;
        lookUp.intValue = static_cast<int>(zrltext::leadingInteger(text.str()));
    } else if (code == 14 || code == 15 || code == 16) {
        ok = grid.getCellDouble(col, row, lookUp.doubleValue);
        lookUp.type = spread::kCalcDouble;
    } else {
        lookUp.type = spread::kCalcText;
    }
    lookUp.status = ok ? spread::kCalcValue : spread::kCalcError;
    if (lookUp.status != spread::kCalcValue) return;
    switch (lookUp.type) {
    case spread::kCalcInt:
        acutPrintf(L"Result is long: %i\n", lookUp.intValue);
        break;
    case spread::kCalcDouble:
        acutPrintf(L"Result is double: %ls\n", zrltext::fixedText(lookUp.doubleValue, 6).c_str());
        break;
    default:
        acutPrintf(L"Result is string: %ls\n", lookUp.cellText.c_str());
        break;
    }
}

// Hands the look-up's value to the engine's result record.
void giveResult(const FromTableLookUp& lookUp, spread::CalcValue& result) {
    if (lookUp.status != spread::kCalcValue) {
        result.status = lookUp.status;
        return;
    }
    switch (lookUp.type) {
    case spread::kCalcInt:
        result.status = spread::kCalcValue;
        result.type = spread::kCalcInt;
        result.v.i = lookUp.intValue;
        break;
    case spread::kCalcDouble:
        result.status = spread::kCalcValue;
        result.type = spread::kCalcDouble;
        result.v.d = lookUp.doubleValue;
        break;
    default: {
        spread::TextBlock block = spread::allocTextBlock(lookUp.cellText.str());
        if (block == nullptr) {
            acutPrintf(L"Reallocate failed\n");
            return;
        }
        result.status = spread::kCalcValue;
        result.type = spread::kCalcText;
        result.v.text = block;
        break;
    }
    }
}

void runLookUpDialog(FromTableLookUp& lookUp) {
    zrlss::ResourceScope resources;
    CFormula dlg;
    dlg.mode = CFormula::kModeLookUp;
    dlg.fileName = lookUp.fileName;
    dlg.lookUp = lookUp;
    dlg.doModal();
    lookUp = dlg.lookUp;
}

} // namespace

bool readFromTableArguments(const spread::Sheet& calling, const spread::CalcValue* args, int count,
                            FromTableLookUp& lookUp) {
    if (args == nullptr || count < 2 || count > 4) return false;
    for (int i = 0; i < count; ++i)
        if (args[i].status != spread::kCalcValue) return false;
    lookUp = FromTableLookUp();
    lookUp.argCount = count;
    if (!ssfn::readText(args[0], lookUp.fileName) || lookUp.fileName.isEmpty()) return false;
    if (count == 4) {
        return argumentText(calling, args[1], lookUp.keyTitle) &&
               argumentText(calling, args[2], lookUp.valueTitle) &&
               argumentText(calling, args[3], lookUp.key);
    }
    if (args[1].type != spread::kCalcCell) return false;
    lookUp.col = args[1].v.cell.col;
    lookUp.row = args[1].v.cell.row;
    if (count == 3) {
        if (args[2].type != spread::kCalcCell) return false;
        lookUp.targetCol = args[2].v.cell.col;
        lookUp.targetRow = args[2].v.cell.row;
    }
    return true;
}

void performLookUp(Zrl_Spread& grid, FromTableLookUp& lookUp) {
    int col = 0;
    int row = 0;
    if (!findCell(grid, lookUp, col, row)) return;
    grid.reCalcCell(col, row);
    lookUp.found = true;
    grid.getCellText(col, row, lookUp.cellText, Zrl_Spread::kText);
    if (lookUp.argCount != 3) readResult(grid, col, row, lookUp);
}

bool fromTable(spread::Sheet& caller, spread::CalcValue& result, spread::CalcValue* args,
               int count) {
    ssfn::clearResult(result);
    try {
        spread::Sheet& calling = callingSheetOf(caller);
        FromTableLookUp lookUp;
        if (!readFromTableArguments(calling, args, count, lookUp)) return true;
        const std::filesystem::path file = comparablePath(lookUp.fileName);
        if (!mayOpen(file)) return true;
        {
            OpenLookUp open(file);
            runLookUpDialog(lookUp);
        }
        if (!lookUp.found) return true;
        if (count == 3) {
            calling.setData(lookUp.targetCol, lookUp.targetRow, lookUp.cellText.str());
            return true;
        }
        giveResult(lookUp, result);
    } catch (...) {
        ssfn::clearResult(result);
    }
    return true;
}

bool registerFromTable(Zrl_Spread& grid) {
    return grid.registerFunction(L"FROMTABLE", 2, 4, fromTable, 1);
}
