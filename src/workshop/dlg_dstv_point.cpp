// The DSTV point editor: a list of the group's points beside the fields of
// the current one.
#include "workshop/dlg_dstv_point.h"

#include "frame/dlg_prompt_string.h"
#include "frame/module_resources.h"
#include "platform/core/numbered_texts.h"
#include "platform/text/number.h"
#include "platform/win/combo_box.h"
#include "platform/win/list_box.h"
#include "workshop/dstv_ids.h"

#include <algorithm>
#include <cmath>

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgDstvPoint::dialogTemplate());
});

constexpr int kSideLists[] = {IDC_PT_SIDE1, IDC_PT_SIDE2, IDC_PT_START};
constexpr int kPlateLists[] = {IDC_PT_VIEW, IDC_PT_MARK};

// The selection of a list as a value within 0..count-1 (0 when none).
int listValue(const win::Dialog& dlg, int id) {
    const win::ComboBox* box = dlg.combo(id);
    return box && box->getCurSel() > 0 ? box->getCurSel() : 0;
}

void setListValue(win::Dialog& dlg, int id, int value) {
    if (win::ComboBox* box = dlg.combo(id)) box->setCurSel(value);
}

} // namespace

CDlgDstvPoint::CDlgDstvPoint(win::Window* parent) : Dialog(IDD_DSTV_POINT, parent) {}

CDlgDstvPoint::~CDlgDstvPoint() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgDstvPoint::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_DSTV_POINT;
    t.width = 330;
    t.height = 200;
    t.caption = L"DSTV point";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t list = tab | win::CBS_DROPDOWNLIST;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    const std::uint32_t check = tab | win::BS_AUTOCHECKBOX;
    const std::uint32_t radio = tab | win::BS_AUTORADIOBUTTON;
    t.controls = {
        {IDC_PT_LIST, ControlKind::ListBox, {7, 7, 107, 170}, tab | win::LBS_NOTIFY | win::WS_BORDER, L""},
        {IDC_PT_ADD, ControlKind::Button, {7, 175, 37, 189}, tab, L"+"},
        {IDC_PT_REMOVE, ControlKind::Button, {41, 175, 71, 189}, tab, L"-"},
        {IDC_PT_NAME_LABEL, ControlKind::Static, {115, 9, 175, 19}, 0, L""},
        {IDC_PT_NAME, ControlKind::Edit, {180, 7, 323, 19}, field, L""},
        {IDC_PT_EXTENT, ControlKind::Button, {115, 25, 200, 35}, radio | win::WS_GROUP, L""},
        {IDC_PT_INTERS, ControlKind::Button, {115, 56, 200, 66}, radio, L""},
        {IDC_PT_SIDES_LABEL, ControlKind::Static, {125, 40, 175, 50}, 0, L""},
        {IDC_PT_SIDE1, ControlKind::ComboBox, {180, 38, 248, 100}, list | win::WS_GROUP, L""},
        {IDC_PT_SIDE2, ControlKind::ComboBox, {255, 38, 323, 100}, list, L""},
        {IDC_PT_MIDDLE, ControlKind::Button, {125, 70, 200, 80}, check, L""},
        {IDC_PT_START, ControlKind::ComboBox, {255, 68, 323, 130}, list, L""},
        {IDC_PT_VIEW_LABEL, ControlKind::Static, {115, 88, 175, 98}, 0, L""},
        {IDC_PT_VIEW, ControlKind::ComboBox, {180, 86, 323, 150}, list, L""},
        {IDC_PT_MARK_LABEL, ControlKind::Static, {115, 104, 175, 114}, 0, L""},
        {IDC_PT_MARK, ControlKind::ComboBox, {180, 102, 323, 166}, list, L""},
        {IDC_PT_DIST_LABEL, ControlKind::Static, {115, 120, 175, 130}, 0, L""},
        {IDC_PT_DIST, ControlKind::Edit, {180, 118, 240, 130}, field, L""},
        {IDC_PT_DRILL, ControlKind::Button, {115, 136, 200, 146}, check, L""},
        {IDC_PT_THICK, ControlKind::Button, {205, 136, 323, 146}, check, L""},
        {IDC_PT_SIZE_LABEL, ControlKind::Static, {115, 152, 175, 162}, 0, L""},
        {IDC_PT_SIZE, ControlKind::Edit, {180, 150, 240, 162}, field, L""},
        {win::IDOK, ControlKind::Button, {219, 179, 269, 193}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {273, 179, 323, 193}, tab, L"Cancel"},
    };
    return t;
}

double CDlgDstvPoint::fieldNumber(const Zrl_String& text) {
    const double value = zrltext::leadingDouble(text.str());
    return std::isfinite(value) ? value : 0.0;
}

int CDlgDstvPoint::keepSidesApart(int chosen, int other) {
    if (chosen / 2 != other / 2) return other;
    return chosen / 2 == 0 ? kDstvSideTop : kDstvSideFront;
}

bool CDlgDstvPoint::onInitDialog() {
    setText(dialString(844).str());
    const struct {
        int id, text;
    } texts[] = {{IDC_PT_NAME_LABEL, 845}, {IDC_PT_SIDES_LABEL, 846}, {IDC_PT_DIST_LABEL, 221},
                 {IDC_PT_VIEW_LABEL, 1689}, {IDC_PT_MARK_LABEL, 1690}, {IDC_PT_SIZE_LABEL, 851},
                 {IDC_PT_INTERS, 847},     {IDC_PT_EXTENT, 848},      {IDC_PT_MIDDLE, 849},
                 {IDC_PT_THICK, 852},      {IDC_PT_DRILL, 853},       {win::IDOK, 1},
                 {win::IDCANCEL, 2}};
    for (const auto& t : texts)
        setItemText(t.id, dialString(t.text).str());
    for (int id : kSideLists)
        if (win::ComboBox* box = combo(id))
            for (int n = 10046; n <= 10049; ++n)
                box->addString(string(n).str());
    const Zrl_String plate = string(10157);
    const Zrl_String plates[] = {dialString(854), plate + L"1", plate + L"2",
                                 plate + L"3 (" + dialString(1496) + L")", plate + L"4"};
    for (int id : kPlateLists)
        if (win::ComboBox* box = combo(id))
            for (const Zrl_String& entry : plates)
                box->addString(entry.str());
    current_ = points_.isEmpty() ? -1 : std::clamp(current_, 0, points_.length() - 1);
    fillList();
    loadPoint();
    return true;
}

void CDlgDstvPoint::fillList() {
    win::ListBox* list = listBox(IDC_PT_LIST);
    if (!list) return;
    list->resetContent();
    for (const Zrl_DstvPointInfo& p : points_)
        list->addString(p.name().str());
    list->setCurSel(current_);
}

void CDlgDstvPoint::loadPoint() {
    if (current_ < 0 || current_ >= points_.length()) {
        setItemText(IDC_PT_NAME, L"");
        applyEnabling();
        return;
    }
    const Zrl_DstvPointInfo& p = points_[current_];
    setItemText(IDC_PT_NAME, p.name().str());
    checkRadioButton(IDC_PT_EXTENT, IDC_PT_INTERS,
                     p.selectGeomExtent() ? IDC_PT_EXTENT : IDC_PT_INTERS);
    check(IDC_PT_MIDDLE, p.selectIntersMid() ? win::BST_CHECKED : win::BST_UNCHECKED);
    check(IDC_PT_DRILL, p.drillFullHole() ? win::BST_CHECKED : win::BST_UNCHECKED);
    check(IDC_PT_THICK, p.radiusThicknessBased() ? win::BST_CHECKED : win::BST_UNCHECKED);
    setListValue(*this, IDC_PT_SIDE1, p.sideSelection1());
    setListValue(*this, IDC_PT_SIDE2, p.sideSelection2());
    setListValue(*this, IDC_PT_START, p.intersStartDir());
    setListValue(*this, IDC_PT_VIEW, p.viewPlateSelection());
    setListValue(*this, IDC_PT_MARK, p.markPlateSelection());
    setItemText(IDC_PT_DIST, Zrl_String(p.minPlateSideDist(), 3).str());
    setItemText(IDC_PT_SIZE, Zrl_String(p.drillRadius(), 3).str());
    applyEnabling();
}

void CDlgDstvPoint::storePoint() {
    if (current_ < 0 || current_ >= points_.length()) return;
    Zrl_DstvPointInfo& p = points_[current_];
    const bool extent = isChecked(IDC_PT_EXTENT) == win::BST_CHECKED;
    p.setName(Zrl_String(getItemText(IDC_PT_NAME)));
    p.setSelectGeomExtent(extent, dstvSide(listValue(*this, IDC_PT_SIDE1)),
                          dstvSide(listValue(*this, IDC_PT_SIDE2)));
    p.setSelectIntersGeom(!extent, isChecked(IDC_PT_MIDDLE) == win::BST_CHECKED,
                          dstvSide(listValue(*this, IDC_PT_START)));
    p.setPlateSelection(static_cast<std::int16_t>(listValue(*this, IDC_PT_VIEW)),
                        static_cast<std::int16_t>(listValue(*this, IDC_PT_MARK)),
                        fieldNumber(Zrl_String(getItemText(IDC_PT_DIST))));
    p.setDrillFullHole(isChecked(IDC_PT_DRILL) == win::BST_CHECKED,
                       isChecked(IDC_PT_THICK) == win::BST_CHECKED,
                       fieldNumber(Zrl_String(getItemText(IDC_PT_SIZE))));
}

void CDlgDstvPoint::applyEnabling() {
    const bool extent = isChecked(IDC_PT_EXTENT) == win::BST_CHECKED;
    const bool inters = isChecked(IDC_PT_INTERS) == win::BST_CHECKED;
    const bool drill = isChecked(IDC_PT_DRILL) == win::BST_CHECKED;
    enableItem(IDC_PT_SIDE1, extent);
    enableItem(IDC_PT_SIDE2, extent);
    enableItem(IDC_PT_START, !extent);
    enableItem(IDC_PT_MIDDLE, !extent);
    enableItem(IDC_PT_SIZE, drill);
    enableItem(IDC_PT_SIZE_LABEL, drill);
    enableItem(IDC_PT_THICK, drill && inters);
    setItemText(IDC_PT_SIZE_LABEL,
                dialString(isChecked(IDC_PT_THICK) == win::BST_CHECKED ? 859 : 860).str());
}

void CDlgDstvPoint::select(int index) {
    if (index == current_ || index < 0 || index >= points_.length()) return;
    storePoint();
    current_ = index;
    loadPoint();
}

void CDlgDstvPoint::addPoint() {
    storePoint();
    const auto name = promptString(dialString(87), dialString(855), dialString(171),
                                   dialString(1), dialString(2), this);
    if (!name) return;
    // The new point comes before the one that was current.
    const int at = current_ < 0 ? 0 : current_;
    points_.insertAt(at, Zrl_DstvPointInfo(*name));
    current_ = at;
    fillList();
    loadPoint();
}

void CDlgDstvPoint::removePoint() {
    if (current_ < 0 || current_ >= points_.length()) return;
    points_.removeAt(current_);
    // The point that took the index, or the new last one.
    current_ = std::min(current_, points_.length() - 1);
    fillList();
    loadPoint();
}

bool CDlgDstvPoint::onCommand(int id, int notifyCode) {
    switch (id) {
    case IDC_PT_LIST:
        if (notifyCode == win::LBN_SELCHANGE)
            if (const win::ListBox* list = listBox(IDC_PT_LIST)) select(list->getCurSel());
        return true;
    case IDC_PT_ADD:
        addPoint();
        return true;
    case IDC_PT_REMOVE:
        removePoint();
        return true;
    case IDC_PT_SIDE1:
    case IDC_PT_SIDE2:
        if (notifyCode == win::CBN_SELCHANGE) {
            const int other = id == IDC_PT_SIDE1 ? IDC_PT_SIDE2 : IDC_PT_SIDE1;
            setListValue(*this, other,
                         keepSidesApart(listValue(*this, id), listValue(*this, other)));
        }
        return true;
    case IDC_PT_EXTENT:
    case IDC_PT_INTERS:
    case IDC_PT_DRILL:
    case IDC_PT_THICK:
        applyEnabling();
        return true;
    default:
        return false;
    }
}

void CDlgDstvPoint::onOK() {
    storePoint();
    win::Dialog::onOK();
}
