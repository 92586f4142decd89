// Loading a standards sheet and finding its declarations.
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "standards/calc_area_bounds.h"
#include "standards/calc_area_text.h"
#include "standards/calc_ss.h"
#include "standards/standards_eval.h"

#include <filesystem>
#include <system_error>

namespace {

bool fileExists(const Zrl_String& path) {
    if (path.isEmpty()) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(resolvePath(path), ec);
}

// The section titles in the order their start rows are kept; the first three
// declare variables of the VkCellType with the same number.
const wchar_t* const kTitles[] = {L"Input", L"Output", L"Local", L"Calc"};
constexpr int kTitleCount = 4;

} // namespace

Zrl_String standardsSheetPath(const Zrl_String& name) {
    if (fileExists(name)) return name;
    return Zrl_Settings::libDir() + L"Connection Standards\\" + name + L".vks";
}

ErrorStatus VkCalcSS::load(const Zrl_String& name) {
    const Zrl_String path = standardsSheetPath(name);
    setBool(13, true);
    setBool(8, false);
    setBool(12, true);
    setBool(7, false);
    if (!loadSheet(path)) return Acad::eInvalidInput;
    fileName = path;
    return Acad::eOk;
}

ErrorStatus VkCalcSS::scanDeclarations() {
    varCells.resetVarCells();
    int starts[kTitleCount] = {};
    for (int k = 0; k < kTitleCount; ++k) {
        int col = 0, row = 0;
        if (findExact(kTitles[k], 1, 1, col, row)) starts[k] = row + 1;
    }
    const int lastRow = getMaxRows();
    const int lastCol = calc_area::usedCols(*this);
    for (int k = 0; k < 3; ++k) {
        if (starts[k] == 0) {
            if (k == VkCellLocal) continue;
            return Acad::eInvalidInput;
        }
        const VkCellType type = static_cast<VkCellType>(k);
        const int end = calc_area::sectionEndRow(starts, kTitleCount, k, lastRow);
        for (int row = starts[k]; row <= end; ++row) {
            for (int col = 1; col <= lastCol; ++col) {
                VkVarCell cell;
                if (cell.initialize(*this, col, row, type) == Acad::eOk) varCells.append(cell);
            }
        }
    }
    return Acad::eOk;
}
