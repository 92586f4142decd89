// Loading a standards sheet and finding its declarations.
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "standards/calc_area_bounds.h"
#include "standards/calc_area_text.h"
#include "standards/calc_ss.h"
#include "standards/file_cache.h"
#include "standards/sheet_lookup.h"
#include "standards/standards_eval.h"

#include <mutex>
#include <unordered_map>

namespace {

// The section titles in the order their start rows are kept; the first three
// declare variables of the VkCellType with the same number.
const wchar_t* const kTitles[] = {L"Input", L"Output", L"Local", L"Calc"};
constexpr int kTitleCount = 4;

} // namespace

// The declarations found in a remembered sheet file, kept with it: a sheet
// loaded from it and not changed since has the same ones.
struct VkCalcSS::Declarations {
    std::weak_ptr<const spread::Sheet> source;
    ErrorStatus status = Acad::eOk;
    VkVarCells cells;
    int calcTitleRow = 0;
};

namespace {

struct Scans {
    std::mutex lock;
    std::unordered_map<const spread::Sheet*, std::shared_ptr<const VkCalcSS::Declarations>>
        bySource;
};
Scans& scans() {
    static Scans instance;
    return instance;
}

} // namespace

Zrl_String standardsSheetPath(const Zrl_String& name) {
    return lookUpStandardsSheet(name,
                                [](const Zrl_String& path) { return filecache::isFile(path); });
}

void VkCalcSS::setCalcProperties() {
    setBool(GridProperty::EditingStaysOn, true);
    setBool(GridProperty::Redraw, false);
    setBool(GridProperty::ProtectLocked, true);
    setBool(GridProperty::AutoCalc, false);
}

ErrorStatus VkCalcSS::load(const Zrl_String& name) {
    const Zrl_String path = standardsSheetPath(name);
    setCalcProperties();
    std::shared_ptr<const spread::Sheet> source;
    if (!isCreated() || !filecache::loadSheet(path, sheet(), nullptr, &source))
        return Acad::eInvalidInput;
    fileName = path;
    if (source != source_) {
        scan_.reset();
        keptPlan_.reset();
    }
    source_ = std::move(source);
    calcTitleRow_ = 0;
    keptSheet_ = reused_ = learning_ = false;
    return Acad::eOk;
}

ErrorStatus VkCalcSS::loadForRun(const Zrl_String& name, bool generalVariables) {
    const bool kept = keptSheet_;
    keptSheet_ = reused_ = learning_ = false;
    if (!kept || generalVariables || !scan_ || !keptPlanFits(scan_->calcTitleRow) ||
        !isCreated() || getBool(GridProperty::Changed))
        return loadAnew(name, generalVariables);
    try {
        const Zrl_String path = standardsSheetPath(name);
        bool remembered = false;
        const auto source = filecache::sheetOf(path, remembered);
        if (!remembered || source != source_ || sheet().maxRows() != source_->maxRows() ||
            sheet().maxCols() != source_->maxCols())
            return loadAnew(name, generalVariables);
        setCalcProperties();
        fileName = path;
        reused_ = true;
        return Acad::eOk;
    } catch (...) {
        return loadAnew(name, generalVariables);
    }
}

ErrorStatus VkCalcSS::loadAnew(const Zrl_String& name, bool generalVariables) {
    const ErrorStatus es = load(name);
    learning_ = es == Acad::eOk && !generalVariables;
    return es;
}

void VkCalcSS::endRun() {
    // Only an evaluation wrote to the sheet since it was loaded: from here
    // on the changed flag tells whether anything else did.
    keptSheet_ = source_ != nullptr && (learning_ || reused_);
    reused_ = learning_ = false;
    setBool(GridProperty::Changed, false);
}

bool VkCalcSS::loadSheet(const Zrl_String& path, Zrl_String* error) {
    source_.reset();
    scan_.reset();
    keptPlan_.reset();
    calcTitleRow_ = 0;
    keptSheet_ = reused_ = learning_ = false;
    return Zrl_Spread::loadSheet(path, error);
}

ErrorStatus VkCalcSS::scanDeclarations() {
    // Unchanged since load: no edit since (every edit marks the sheet
    // changed), and still the size of what was loaded.
    const bool asLoaded = source_ && !getBool(GridProperty::Changed) &&
                          sheet().maxRows() == source_->maxRows() &&
                          sheet().maxCols() == source_->maxCols();
    if (asLoaded && !scan_) {
        Scans& all = scans();
        std::lock_guard<std::mutex> guard(all.lock);
        auto it = all.bySource.find(source_.get());
        if (it != all.bySource.end() && it->second->source.lock() == source_) scan_ = it->second;
    }
    if (asLoaded && scan_) {
        varCells.resetVarCells();
        for (int i = 0; i < scan_->cells.length(); ++i)
            varCells.append(scan_->cells[i]);
        calcTitleRow_ = scan_->calcTitleRow;
        return scan_->status;
    }
    const ErrorStatus status = scanCells();
    if (asLoaded) {
        auto scan = std::make_shared<const Declarations>(
            Declarations{source_, status, varCells, calcTitleRow_});
        Scans& all = scans();
        std::lock_guard<std::mutex> guard(all.lock);
        if (all.bySource.size() >= filecache::detail::kMaxEntries) all.bySource.clear();
        all.bySource[source_.get()] = scan;
        scan_ = std::move(scan);
    }
    return status;
}

ErrorStatus VkCalcSS::scanCells() {
    varCells.resetVarCells();
    int starts[kTitleCount] = {};
    for (int k = 0; k < kTitleCount; ++k) {
        int col = 0, row = 0;
        if (findExact(kTitles[k], 1, 1, col, row)) starts[k] = row + 1;
    }
    calcTitleRow_ = starts[3] > 0 ? starts[3] - 1 : 0;
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
