#include "dialogs/dlg_grid.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/number_text.h"

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgGrid>);

// One direction's controls and the record's fields they show.
struct Direction {
    int count, spacing, label;
};
constexpr Direction kFirst{IDC_GRID_COUNT1, IDC_GRID_SPACING1, IDC_GRID_LABEL1};
constexpr Direction kSecond{IDC_GRID_COUNT2, IDC_GRID_SPACING2, IDC_GRID_LABEL2};

} // namespace

CDlgGrid::CDlgGrid(win::Window* parent) : win::Dialog(IDD_DLG_GRID, parent) {}

CDlgGrid::~CDlgGrid() = default;

win::DialogTemplate CDlgGrid::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_GRID, 220, 142, L"Grid");
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    t.controls = {
        {win::IDOK, ControlKind::Button, {7, 121, 57, 135}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {63, 121, 113, 135}, tab, L"Cancel"},
        {IDC_GRID_FLAG, ControlKind::Button, {7, 104, 213, 114}, tab | win::BS_AUTOCHECKBOX, L""}};
    // The two groups side by side, three labelled fields each.
    for (int g = 0; g < 2; ++g) {
        const int left = 7 + g * 106;
        const int group = g == 0 ? IDC_GRID_GROUP1 : IDC_GRID_GROUP2;
        t.controls.push_back(
            {group, ControlKind::Button, {left, 7, left + 100, 97}, win::BS_GROUPBOX, L""});
        for (int f = 0; f < 3; ++f) {
            const int top = 22 + f * 24;
            const int label = group + 1 + 2 * f;
            t.controls.push_back(
                {label, ControlKind::Static, {left + 6, top, left + 44, top + 10}, 0, L""});
            t.controls.push_back({label + 1,
                                  ControlKind::Edit,
                                  {left + 46, top - 2, left + 94, top + 10},
                                  field,
                                  L""});
        }
    }
    return t;
}

bool CDlgGrid::onInitDialog() {
    setDialogTexts(this, 1463,
                   {{IDC_GRID_GROUP1, 1464},
                    {IDC_GRID_GROUP2, 1465},
                    {IDC_GRID_COUNT1_LABEL, 1466},
                    {IDC_GRID_SPACING1_LABEL, 1467},
                    {IDC_GRID_LABEL1_LABEL, 1468},
                    {IDC_GRID_COUNT2_LABEL, 1466},
                    {IDC_GRID_SPACING2_LABEL, 1467},
                    {IDC_GRID_LABEL2_LABEL, 1468},
                    {IDC_GRID_FLAG, 1469},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    const auto show = [this](const Direction& d, int count, const Zrl_String& spacing,
                             const Zrl_String& label) {
        setItemText(d.count, Zrl_String(count).str());
        setItemText(d.spacing, spacing.str());
        setItemText(d.label, label.str());
    };
    show(kFirst, data_.count1, data_.spacing1, data_.label1);
    show(kSecond, data_.count2, data_.spacing2, data_.label2);
    check(IDC_GRID_FLAG, data_.flag ? win::BST_CHECKED : win::BST_UNCHECKED);
    return true;
}

void CDlgGrid::onOK() {
    const auto read = [this](const Direction& d, int& count, Zrl_String& spacing,
                             Zrl_String& label) {
        count = fieldInt(Zrl_String(getItemText(d.count)));
        spacing = Zrl_String(getItemText(d.spacing));
        label = Zrl_String(getItemText(d.label));
    };
    read(kFirst, data_.count1, data_.spacing1, data_.label1);
    read(kSecond, data_.count2, data_.spacing2, data_.label2);
    data_.flag = isChecked(IDC_GRID_FLAG) == win::BST_CHECKED;
    win::Dialog::onOK();
}

bool StartDlgGrid(VkGridDlgData& data) {
    return zrlss::runModalStarter<CDlgGrid>(data);
}
