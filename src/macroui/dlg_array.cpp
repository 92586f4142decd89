#include "macroui/dlg_array.h"

#include "dialogs/dialog_setup.h"
#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/macro_parts.h"
#include "platform/core/numbered_texts.h"
#include "platform/win/message_box.h"

#include <cmath>

namespace {

const zrlss::ResourceRegistrar registrar(registerTemplateOf<CDlgArray>);

constexpr int kCaptionText = 2630;

int countId(int d) {
    return IDC_ARRAY_COUNT1 + IDC_ARRAY_DIRECTION_STEP * d;
}
int spacingId(int d) {
    return IDC_ARRAY_SPACING1 + IDC_ARRAY_DIRECTION_STEP * d;
}

} // namespace

CDlgArray::CDlgArray(win::Window* parent) : win::Dialog(IDD_DLG_ARRAY, parent) {}

CDlgArray::~CDlgArray() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgArray::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t = inputDialogTemplate(IDD_DLG_ARRAY, 220, 160, L"Array");
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    t.controls = {
        {IDC_ARRAY_COUNT_LABEL, ControlKind::Static, {70, 7, 130, 17}, 0, L""},
        {IDC_ARRAY_SPACING_LABEL, ControlKind::Static, {140, 7, 213, 17}, 0, L""},
    };
    for (int d = 0; d < DynArrayData::kDirections; ++d) {
        const int top = 21 + 16 * d;
        const int label = IDC_ARRAY_DIRECTION1 + IDC_ARRAY_DIRECTION_STEP * d;
        t.controls.push_back({label, ControlKind::Static, {7, top + 2, 66, top + 12}, 0, L""});
        t.controls.push_back({countId(d), ControlKind::Edit, {70, top, 130, top + 12}, field, L""});
        t.controls.push_back(
            {spacingId(d), ControlKind::Edit, {140, top, 213, top + 12}, field, L""});
    }
    const std::vector<win::ControlTemplate> rest = {
        {IDC_ARRAY_FIRST_ORIGINAL,
         ControlKind::Button,
         {7, 73, 213, 83},
         tab | win::BS_AUTOCHECKBOX,
         L""},
        {IDC_ARRAY_TITLE_LABEL, ControlKind::Static, {7, 91, 66, 101}, 0, L""},
        {IDC_ARRAY_TITLE, ControlKind::Edit, {70, 89, 213, 101}, field, L""},
        {IDC_ARRAY_TOTAL, ControlKind::Static, {7, 109, 110, 119}, 0, L""},
        {IDC_ARRAY_OBJECTS, ControlKind::Static, {114, 109, 213, 119}, 0, L""},
        {win::IDOK, ControlKind::Button, {7, 139, 57, 153}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {63, 139, 113, 153}, tab, L"Cancel"},
    };
    t.controls.insert(t.controls.end(), rest.begin(), rest.end());
    return t;
}

void CDlgArray::takeArguments(const AcArray<AcDbObjectId>& objects, const Zrl_String& title) {
    objectCount_ = objects.length();
    title_ = title;
}

std::optional<int> CDlgArray::readCount(const Zrl_String& text) {
    bool ok = false;
    const int count = text.trimmed().toInt(&ok);
    if (!ok || count < 1 || count > DynArrayData::kMaxCount) return std::nullopt;
    return count;
}

bool CDlgArray::onInitDialog() {
    setDialogTexts(this, kCaptionText,
                   {{IDC_ARRAY_DIRECTION1, 2631},
                    {IDC_ARRAY_DIRECTION1 + IDC_ARRAY_DIRECTION_STEP, 2632},
                    {IDC_ARRAY_DIRECTION1 + 2 * IDC_ARRAY_DIRECTION_STEP, 2633},
                    {IDC_ARRAY_COUNT_LABEL, 2634},
                    {IDC_ARRAY_SPACING_LABEL, 2635},
                    {IDC_ARRAY_FIRST_ORIGINAL, 2636},
                    {IDC_ARRAY_TITLE_LABEL, 2637},
                    {win::IDOK, 1},
                    {win::IDCANCEL, 2}});
    if (!title_.isEmpty()) setText(title_.str());
    for (int d = 0; d < DynArrayData::kDirections; ++d) {
        setItemText(countId(d), Zrl_String(data_.counts[d]).str());
        setItemText(spacingId(d), macroNumberText(data_.spacings[d]).str());
    }
    check(IDC_ARRAY_FIRST_ORIGINAL, data_.firstIsOriginal ? win::BST_CHECKED : win::BST_UNCHECKED);
    setItemText(IDC_ARRAY_TITLE, data_.title.str());
    setItemText(IDC_ARRAY_OBJECTS,
                (Zrl_String(objectCount_) + L" " + dialString(2639)).str());
    showTotal();
    return true;
}

void CDlgArray::showTotal() {
    // While a count is no count the total is not known.
    DynArrayData shown;
    for (int d = 0; d < DynArrayData::kDirections; ++d) {
        const std::optional<int> count = readCount(Zrl_String(getItemText(countId(d))));
        if (!count) {
            setItemText(IDC_ARRAY_TOTAL, L"- " + dialString(2638).str());
            return;
        }
        shown.counts[d] = *count;
    }
    shown.firstIsOriginal = isChecked(IDC_ARRAY_FIRST_ORIGINAL) == win::BST_CHECKED;
    setItemText(IDC_ARRAY_TOTAL, std::to_wstring(shown.copies()) + L" " + dialString(2638).str());
}

bool CDlgArray::onCommand(int id, int notifyCode) {
    const bool countEdited =
        notifyCode == win::EN_CHANGE && (id == countId(0) || id == countId(1) || id == countId(2));
    if (countEdited || (id == IDC_ARRAY_FIRST_ORIGINAL && notifyCode == win::BN_CLICKED)) {
        showTotal();
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

bool CDlgArray::refuse(int field, int message) {
    win::messageBox(this, dialString(message).str(), text(), win::MB_ICONEXCLAMATION);
    focusItem(field);
    return false;
}

bool CDlgArray::readFields(DynArrayData& read) {
    for (int d = 0; d < DynArrayData::kDirections; ++d) {
        const std::optional<int> count = readCount(Zrl_String(getItemText(countId(d))));
        if (!count) return refuse(countId(d), 2640);
        read.counts[d] = *count;
    }
    if (read.positions() > DynArrayData::kMaxPositions) return refuse(countId(0), 2641);
    for (int d = 0; d < DynArrayData::kDirections; ++d) {
        double spacing = 0;
        if (!macroTextToNumber(Zrl_String(getItemText(spacingId(d))).trimmed(), spacing) ||
            !std::isfinite(spacing))
            return refuse(spacingId(d), 2642);
        if (spacing == 0 && read.counts[d] > 1) return refuse(spacingId(d), 2643);
        read.spacings[d] = spacing;
    }
    read.firstIsOriginal = isChecked(IDC_ARRAY_FIRST_ORIGINAL) == win::BST_CHECKED;
    read.title = Zrl_String(getItemText(IDC_ARRAY_TITLE));
    return true;
}

void CDlgArray::onOK() {
    DynArrayData read = data_;
    if (!readFields(read)) return;
    data_ = read;
    win::Dialog::onOK();
}

bool StartArrayDlg(DynArrayData& data, AcArray<AcDbObjectId> objects, const Zrl_String& title) {
    return zrlss::runModalStarter<CDlgArray>(data, objects, title);
}
