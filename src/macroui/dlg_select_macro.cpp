#include "macroui/dlg_select_macro.h"

#include "dialogs/dialog_setup.h"
#include "dialogs/dlg_select_image.h"
#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_services.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/files.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/core/text_helpers.h"
#include "platform/win/list_view.h"
#include "platform/win/resources.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kSizeName = L"DLG_SELECT_MACRO";
constexpr const wchar_t* kShownKey = L"LARGE_DLG";
// Colours of greyed pairs and of locked cells (the system's button face).
constexpr spread::Color kGreyed = 0xDCDCDC;
constexpr spread::Color kButtonFace = 0x8000000B;
constexpr std::uint32_t kHeaderStyle = 140;
constexpr int kNoteShrink = 60;

// The toggle's two icons: a small triangle pointing down (filter shown) or
// right (filter hidden).
win::Bitmap drawToggleIcon(bool expanded) {
    constexpr int kSide = 9;
    win::Bitmap bmp(kSide, kSide, win::rgb(255, 255, 255));
    const win::Rgba ink = win::rgb(0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        if (expanded)
            bmp.line({1 + i, 2 + i}, {7 - i, 2 + i}, ink);
        else
            bmp.line({2 + i, 1 + i}, {2 + i, 7 - i}, ink);
    }
    return bmp;
}

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgSelectMacro::dialogTemplate());
    win::registerBitmapResource(module, win::ResourceId(IDI_SELMACRO_EXPANDED),
                                drawToggleIcon(true));
    win::registerBitmapResource(module, win::ResourceId(IDI_SELMACRO_COLLAPSED),
                                drawToggleIcon(false));
});

} // namespace

CDlgSelectMacro::CDlgSelectMacro(win::Window* parent)
    : win::Dialog(IDD_DLG_SELECT_MACRO, parent) {}

CDlgSelectMacro::~CDlgSelectMacro() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgSelectMacro::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_SELECT_MACRO, 223, 225, L"", true);
    const std::uint32_t tab = win::WS_TABSTOP;
    // Rectangles as left, top, width, height.
    auto at = [](int x, int y, int w, int h) { return win::Rect{x, y, x + w, y + h}; };
    t.controls = {
        {IDC_SELMACRO_GROUP, ControlKind::Button, at(3, 3, 217, 93), win::BS_GROUPBOX, L""},
        {IDC_SELMACRO_TOGGLE, ControlKind::Button, at(1, 3, 10, 9), tab, L""},
        {IDC_SELMACRO_GRID, ControlKind::Placeholder, at(8, 15, 207, 76), 0, L""},
        {IDC_SELMACRO_GALLERY, ControlKind::ListView, at(3, 102, 217, 101),
         tab | win::WS_BORDER | win::LVS_ICON | win::LVS_SINGLESEL, L""},
        {IDC_SELMACRO_NOTE, ControlKind::Static, at(3, 170, 217, 38), 0, L"", true},
        {win::IDOK, ControlKind::Button, at(3, 208, 50, 14), tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, at(60, 208, 50, 14), tab, L"Cancel"},
        {IDC_SELMACRO_PICTURES, ControlKind::Button, at(124, 208, 77, 14),
         tab | win::BS_AUTOCHECKBOX, L"", true},
        {IDC_SELMACRO_OTHER, ControlKind::Button, at(133, 208, 87, 14), tab, L""},
    };
    return t;
}

bool CDlgSelectMacro::onInitDialog() {
    // 1. The filter grid in place of its placeholder.
    grid_.createInPlaceOf(this, IDC_SELMACRO_GRID, false);
    grid_.setLook(0);
    grid_.setBool(4, false);
    grid_.setLayout(0);
    grid_.setBool(13, true);
    grid_.look().lockBack = kButtonFace;
    grid_.look().lockFore = kButtonFace;
    // 2. The toggle button.
    toggle_.SubclassDlgItem(IDC_SELMACRO_TOGGLE, this);
    toggle_.SetFlat(false);
    toggle_.DrawFlatFocus(false);
    toggle_.SetTooltipText(L"Show or hide filter options");
    toggle_.SetIcon(IDI_SELMACRO_EXPANDED);
    // 3. The alternative button, and the note when it may be shown.
    if (!alternative) {
        EnDisCtrl(this, IDC_SELMACRO_OTHER, false);
        if (showNote) {
            ShowOrHideCtrl(this, IDC_SELMACRO_NOTE, true);
            resizeCtrl(this, IDC_SELMACRO_GALLERY, -kNoteShrink, 1);
            setItemText(IDC_SELMACRO_NOTE,
                        (dialString(1312) + L"\n" + dialString(1313)).str());
        }
    }
    // 4. Sizes.
    getDlgSize(this, minWidth_, minHeight_);
    setUpResizer();
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);
    // 5. The gallery.
    gallery_.SubclassDlgItem(IDC_SELMACRO_GALLERY, this);
    gallery_.width = filter.width;
    gallery_.height = filter.height;
    gallery_.Initialize(ImageListData());
    // 6. Texts.
    setText((title.isEmpty() ? dialString(1116) : title).str());
    setItemText(IDC_SELMACRO_GROUP, (L"  " + dialString(1644)).str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    setItemText(IDC_SELMACRO_PICTURES, dialString(1118).str());
    setItemText(IDC_SELMACRO_OTHER, dialString(1309).str());
    // 7. Previews for the drawings without a picture of their own.
    const Zrl_StringArray all = filter.getAllDwgFiles();
    Zrl_StringArray missing;
    for (const Zrl_String& path : all)
        if (!fileExists(changeExtension(path, L"bmp"))) missing.append(path);
    CreatePreviewBMPs(filter.width, filter.height, missing, L"abm");
    // 8. Grid, check box, gallery.
    fillFilterGrid();
    check(IDC_SELMACRO_PICTURES, win::BST_CHECKED);
    fillGallery();
    // 9-10. Collapse height and the remembered filter state.
    collapseHeight_ = getCtrlHeight(this, IDC_SELMACRO_GROUP) - 8;
    applyFilterShown(readDlgRegBool(kSizeName, kShownKey), true);
    return true;
}

void CDlgSelectMacro::setUpResizer() {
    using R = CResizer;
    resizer_.init(this, {R::rule(IDC_SELMACRO_GROUP, R::kNear, R::kNear, R::kFar, R::kNear),
                         R::rule(IDC_SELMACRO_GRID, R::kNear, R::kNear, R::kFar, R::kNear),
                         R::rule(IDC_SELMACRO_TOGGLE, R::kNear, R::kNear, R::kNear, R::kNear),
                         R::rule(IDC_SELMACRO_GALLERY, R::kNear, R::kNear, R::kFar, R::kFar),
                         R::rule(IDC_SELMACRO_NOTE, R::kNear, R::kFar, R::kFar, R::kFar),
                         R::rule(IDC_SELMACRO_PICTURES, R::kNear, R::kFar, R::kFar, R::kFar),
                         R::rule(win::IDOK, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(win::IDCANCEL, R::kNear, R::kFar, R::kNear, R::kFar),
                         R::rule(IDC_SELMACRO_OTHER, R::kFar, R::kFar, R::kFar, R::kFar)});
}

void CDlgSelectMacro::fillGallery() {
    Zrl_StringArray files = filter.getFilteredMacros();
    for (Zrl_String& path : files) {
        path = changeExtension(path, L"bmp");
        if (!fileExists(path)) path = changeExtension(path, L"abm");
    }
    gallery_.files = files;
    gallery_.width = filter.width;
    gallery_.height = filter.height;
    Zrl_StringArray full, stripped;
    for (const Zrl_String& path : files) {
        const Zrl_String label = CDlgSelectImage::imageLabel(path);
        full.append(label);
        // Without its number, a label keeps no trailing blank either.
        Zrl_String bare = stripNumbersAtEnd(label);
        while (!bare.isEmpty() && bare.str().back() == L' ')
            bare.str().pop_back();
        stripped.append(bare);
    }
    Zrl_StringArray duplicates;
    gallery_.labels = hasDuplicates(stripped, duplicates, false) ? full : stripped;
    gallery_.DrawThumbnails();
}

void CDlgSelectMacro::fillFilterGrid() {
    gridFilled_ = false;
    Zrl_Array<Zrl_StringArray> texts;
    Zrl_Array<AcArray<bool>> states;
    if (!filter.getMergedProperties(keys_, texts, states) || !grid_.isCreated()) return;
    int n = 0, m = 0;
    for (const Zrl_StringArray& row : keys_)
        n = std::max(n, row.length());
    for (const Zrl_StringArray& row : texts)
        m = std::max(m, row.length());
    const int rows = texts.length();
    grid_.setMaxCols(2 * m);
    grid_.setMaxRows(rows);
    grid_.removeAllSpans();
    for (int j = 0; j < m; ++j) {
        const int checkCol = 2 * j + 1;
        const Zrl_String header =
            j == 0 ? dialString(1119) : dialString(1120) + L" " + Zrl_String(std::to_wstring(j));
        grid_.setCellData(checkCol, Zrl_Spread::kHeader, j < n ? header : Zrl_String());
        grid_.addSpan(checkCol, Zrl_Spread::kHeader, 2, 1);
        grid_.sheet().setColWidth(checkCol, 3);
    }
    for (int i = 0; i < rows; ++i) {
        const int row = i + 1;
        for (int j = 0; j < m; ++j) {
            const int checkCol = 2 * j + 1;
            if (j >= texts[i].length()) {
                for (int col : {checkCol, checkCol + 1}) {
                    spread::Color back = 0, fore = 0;
                    grid_.sheet().color(col, row, back, fore);
                    grid_.setColorRange(col, row, col, row, kGreyed, fore);
                }
                grid_.setCellTypeRange(checkCol, row, checkCol, row, spread::CellType::general());
                grid_.setCellData(checkCol, row, Zrl_String());
                grid_.setCellData(checkCol + 1, row, Zrl_String());
                grid_.setLock(checkCol, row, true);
            } else {
                grid_.setLock(checkCol, row, false);
                grid_.setCheckBoxType(checkCol, row, checkCol, row);
                grid_.setBorderRange(checkCol, row, checkCol, row, spread::Border{31, 1, 0});
            }
            grid_.setLock(checkCol + 1, row, true);
        }
        for (int j = 0; j < texts[i].length(); ++j) {
            grid_.setCellData(2 * j + 2, row, texts[i][j]);
            if (j < states[i].length())
                grid_.setCellData(2 * j + 1, row, states[i][j] ? L"1" : L"0");
        }
    }
    // Every header cell gets the header look (all 2m of them).
    grid_.setCellTypeRange(1, Zrl_Spread::kHeader, 2 * m, Zrl_Spread::kHeader,
                           spread::CellType::staticText(kHeaderStyle));
    for (int j = 0; j < m; ++j) {
        const int textCol = 2 * j + 2;
        const int width =
            std::max(grid_.getMaxTextColWidth(textCol - 1), grid_.getMaxTextColWidth(textCol));
        grid_.setColWidthInPixels(textCol, width);
    }
    gridFilled_ = true;
}

void CDlgSelectMacro::onCheckClick() {
    if (!gridFilled_) return;
    int col = 0, row = 0;
    if (!grid_.getActiveCell(col, row)) return;
    // Only an unlocked check box of a check column counts; its state after
    // the click is the new status.
    if (col % 2 != 1 || grid_.isLocked(col, row) || grid_.getCellType(col, row) != 12) return;
    Zrl_String state;
    grid_.getCellText(col, row, state);
    const bool on = state == L"1";
    const int r = row - 1;
    const int pair = (col - 1) / 2;
    if (r < 0 || r >= keys_.length() || pair >= keys_[r].length()) return;
    if (pair == 0)
        filter.setModuleStatus(keys_[r][0], on);
    else
        filter.setModulePropStatus(keys_[r][0], keys_[r][pair], on);
    fillFilterGrid();
    fillGallery();
}

void CDlgSelectMacro::applyFilterShown(bool shown, bool opening) {
    filterShown_ = shown;
    grid_.show(shown);
    if (opening && shown) return;
    if (!opening || !shown) {
        // The template is the expanded layout: collapsing at opening moves
        // the gallery up; every later toggle moves it by the same height.
        const int h = shown ? collapseHeight_ : -collapseHeight_;
        resizeCtrl(this, IDC_SELMACRO_GROUP, h, 1);
        resizeCtrl(this, IDC_SELMACRO_GALLERY, -h, 0);
    }
    toggle_.SetIcon(shown ? IDI_SELMACRO_EXPANDED : IDI_SELMACRO_COLLAPSED);
    setUpResizer();
}

bool CDlgSelectMacro::onCommand(int id, int notifyCode) {
    if (id == IDC_SELMACRO_GRID &&
        (notifyCode == Zrl_Spread::kNotifyClick || notifyCode == Zrl_Spread::kNotifyDblClick)) {
        onCheckClick();
        return true;
    }
    if (id == IDC_SELMACRO_TOGGLE) {
        toggleFilter();
        return true;
    }
    if (id == IDC_SELMACRO_OTHER) {
        alternative = true;
        endDialog(win::IDOK);
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

bool CDlgSelectMacro::onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) {
    if (id == IDC_SELMACRO_GALLERY && hdr.code == win::NM_DBLCLK) {
        onOK();
        return true;
    }
    return win::Dialog::onNotify(id, hdr, result);
}

void CDlgSelectMacro::onOK() {
    const Zrl_String chosen = gallery_.GetSelectionName();
    if (chosen.isEmpty()) return;
    result = changeExtension(chosen, L"dwg");
    alternative = false;
    win::Dialog::onOK();
}

void CDlgSelectMacro::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (!resizer_.isInitialized() || keepMinimumSize(this, minWidth_, minHeight_)) return;
    resizer_.move();
}

void CDlgSelectMacro::onDestroy() {
    WriteDlgSize(this, kSizeName);
    writeDlgRegBool(kSizeName, kShownKey, filterShown_);
    win::Dialog::onDestroy();
}

bool StartDlgSelectMacro(const Zrl_String& title, const Zrl_StringArray& names,
                         const AcArray<bool>& flags, const int& width, const int& height,
                         Zrl_String& result, bool& alternative, bool showNote) {
    try {
        zrlss::ResourceScope resources;
        CDlgSelectMacro dlg;
        dlg.title = title;
        dlg.filter.initialize(names, flags, width, height);
        dlg.alternative = alternative;
        dlg.showNote = showNote;
        if (dlg.doModal() != win::IDOK) return false;
        result = dlg.result;
        alternative = dlg.alternative;
        return true;
    } catch (...) {
        return false;
    }
}

bool StartDlgSelectMacro(const Zrl_String& title, const Zrl_StringArray& names, const int& width,
                         const int& height, Zrl_String& result, bool& alternative,
                         bool showNote) {
    AcArray<bool> flags;
    for (int i = 0; i < names.length(); ++i)
        flags.append(true);
    return StartDlgSelectMacro(title, names, flags, width, height, result, alternative, showNote);
}
