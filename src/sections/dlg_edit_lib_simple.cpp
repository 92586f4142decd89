// CDlgEditLibSimple: the form, the automatic name, OK.
#include "sections/dlg_edit_lib_simple.h"

#include "frame/modal_starter.h"
#include "frame/module_resources.h"
#include "platform/core/dialog_sizes.h"
#include "platform/core/macro_langs.h"
#include "platform/core/numbered_texts.h"
#include "platform/core/paths.h"
#include "platform/core/text_helpers.h"
#include "platform/win/bitmap.h"
#include "platform/win/message_box.h"
#include "platform/win/resources.h"
#include "platform/win/static_control.h"
#include "sections/section_images.h"
#include "sections/section_shapes.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kSizeName = L"DLG_EDITLIBSIMPLE";
constexpr int kFirstLanguageCol = 2;

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, CDlgEditLibSimple::dialogTemplate());
});

// The dimension captions of the table's fields: its shape's, or for a
// drawing the table's own value captions in the work language.
Zrl_StringArray fieldCaptions(const Zrl_ProfValuesTable& table) {
    const int shape = sectionShapeNumber(table.picture);
    if (shape > 0) return sectionShapeCaptions(shape);
    Zrl_StringArray captions;
    for (int c = kFirstLanguageCol + table.getNrLanguages(); c < table.headers.length(); ++c) {
        const Zrl_String translated = gMacroLangs.GetString(L"Prof", table.headers[c]);
        captions.append(translated.isEmpty() ? table.headers[c] : translated);
    }
    return captions;
}

} // namespace

CDlgEditLibSimple::CDlgEditLibSimple(win::Window* parent) : Dialog(IDD_EDITLIBSIMPLE, parent) {}

CDlgEditLibSimple::~CDlgEditLibSimple() {
    if (isCreated()) destroy();
}

win::DialogTemplate CDlgEditLibSimple::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_EDITLIBSIMPLE;
    t.width = 330;
    t.height = 250;
    t.caption = L"New section";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    const std::uint32_t tab = win::WS_TABSTOP;
    const std::uint32_t field = tab | win::WS_BORDER | win::ES_AUTOHSCROLL;
    t.controls = {
        {IDC_SIMPLE_PICTURE, ControlKind::Picture, {7, 7, 103, 103}, win::SS_BITMAP, L""},
        {IDC_SIMPLE_NAME_GROUP, ControlKind::Button, {110, 7, 323, 70}, win::BS_GROUPBOX, L"Name"},
        {IDC_SIMPLE_AUTO, ControlKind::Button, {117, 19, 215, 31},
         tab | win::WS_GROUP | win::BS_AUTORADIOBUTTON, L"Automatic name"},
        {IDC_SIMPLE_OWN, ControlKind::Button, {220, 19, 316, 31}, win::BS_AUTORADIOBUTTON,
         L"Own name"},
        {IDC_SIMPLE_NAME_LABEL, ControlKind::Static, {117, 40, 160, 52}, 0, L"Name:"},
        {IDC_SIMPLE_NAME, ControlKind::Edit, {162, 38, 316, 52}, field, L""},
    };
    for (int i = 0; i < kSimpleFieldCount; ++i) {
        const int top = 110 + 11 * i;
        t.controls.push_back({IDC_SIMPLE_LABEL + i, ControlKind::Static, {7, top, 200, top + 10},
                              0, L""});
        t.controls.push_back({IDC_SIMPLE_VALUE + i, ControlKind::Edit, {205, top - 1, 323, top + 9},
                              field, L""});
    }
    t.controls.push_back({win::IDOK, ControlKind::Button, {7, 232, 57, 246},
                          tab | win::BS_DEFPUSHBUTTON, L"OK"});
    t.controls.push_back({win::IDCANCEL, ControlKind::Button, {61, 232, 111, 246}, tab, L"Cancel"});
    return t;
}

bool CDlgEditLibSimple::onInitDialog() {
    minWidth_ = rect().width();
    minHeight_ = rect().height();
    setText(dialString(796).str());
    setItemText(win::IDOK, dialString(1).str());
    setItemText(win::IDCANCEL, dialString(2).str());
    setItemText(IDC_SIMPLE_NAME_GROUP, dialString(797).str());
    setItemText(IDC_SIMPLE_NAME_LABEL, (dialString(797) + L":").str());
    setItemText(IDC_SIMPLE_AUTO, dialString(1377).str());
    setItemText(IDC_SIMPLE_OWN, dialString(1378).str());

    int language = -1;
    MacroLangs::Languages().find(gMacroLangs.GetCurLanguage(), language, false);
    languageIndex_ = std::clamp(language, 0, table.getNrLanguages() - 1);
    startRow_ = simpleStartRow(table, startName_);
    startValues_ = simpleStartValues(table, startRow_);
    naming_ = learnSectionNaming(table, startRow_);

    showPicture();
    showFields();
    // Without a name the values explain, only an own name can be given.
    enableItem(IDC_SIMPLE_AUTO, naming_.explained);
    checkRadioButton(IDC_SIMPLE_AUTO, IDC_SIMPLE_OWN,
                     naming_.explained ? IDC_SIMPLE_AUTO : IDC_SIMPLE_OWN);
    if (!naming_.explained && startRow_ >= 0)
        setItemText(IDC_SIMPLE_NAME, table.rows[startRow_][0].str());
    showName();

    std::vector<CResizer::Rule> rules = {
        CResizer::rule(IDC_SIMPLE_NAME_GROUP, CResizer::kNear, CResizer::kNear, CResizer::kFar,
                       CResizer::kNear),
        CResizer::rule(IDC_SIMPLE_NAME, CResizer::kNear, CResizer::kNear, CResizer::kFar,
                       CResizer::kNear),
        CResizer::rule(win::IDOK, CResizer::kNear, CResizer::kFar, CResizer::kNear, CResizer::kFar),
        CResizer::rule(win::IDCANCEL, CResizer::kNear, CResizer::kFar, CResizer::kNear,
                       CResizer::kFar),
    };
    for (int i = 0; i < kSimpleFieldCount; ++i)
        rules.push_back(CResizer::rule(IDC_SIMPLE_VALUE + i, CResizer::kNear, CResizer::kNear,
                                       CResizer::kFar, CResizer::kNear));
    resizer_.init(this, std::move(rules));
    ChangeDlgSize(this, kSizeName, minWidth_, minHeight_);
    return true;
}

void CDlgEditLibSimple::showPicture() {
    Zrl_String sectionName;
    if (startRow_ >= 0) sectionName = table.rows[startRow_][0];
    const Zrl_String path = getSectionImagePath(table.picture, sectionName, true);
    showItem(IDC_SIMPLE_PICTURE, !path.isEmpty());
    if (path.isEmpty()) return;
    if (win::Picture* area = picture(IDC_SIMPLE_PICTURE))
        if (auto bitmap = win::Bitmap::load(resolvePath(path).wstring())) area->setBitmap(*bitmap);
}

void CDlgEditLibSimple::showFields() {
    const Zrl_StringArray captions = fieldCaptions(table);
    for (int i = 0; i < kSimpleFieldCount; ++i) {
        const bool shown = i < startValues_.length();
        showItem(IDC_SIMPLE_LABEL + i, shown);
        showItem(IDC_SIMPLE_VALUE + i, shown);
        if (!shown) continue;
        const Zrl_String caption = i < captions.length() ? captions[i] : Zrl_String();
        setItemText(IDC_SIMPLE_LABEL + i, (getAlfabet(i + 1) + L". " + caption + L":").str());
        setItemText(IDC_SIMPLE_VALUE + i, startValues_[i].str());
    }
}

Zrl_StringArray CDlgEditLibSimple::enteredValues() const {
    Zrl_StringArray values = startValues_;
    for (int i = 0; i < kSimpleFieldCount && i < values.length(); ++i)
        values[i] = Zrl_String(getItemText(IDC_SIMPLE_VALUE + i)).trimmed();
    return values;
}

bool CDlgEditLibSimple::automaticName() const {
    return naming_.explained && isChecked(IDC_SIMPLE_AUTO) == win::BST_CHECKED;
}

Zrl_String CDlgEditLibSimple::currentSysName() const {
    if (automaticName()) return composeSectionName(naming_, enteredValues());
    return Zrl_String(getItemText(IDC_SIMPLE_NAME)).trimmed();
}

void CDlgEditLibSimple::showName() {
    const bool automatic = automaticName();
    enableItem(IDC_SIMPLE_NAME, !automatic);
    if (!automatic) return;
    const Zrl_String prefix =
        languageIndex_ < naming_.prefixes.length() ? naming_.prefixes[languageIndex_] : Zrl_String();
    setItemText(IDC_SIMPLE_NAME, (prefix + currentSysName()).str());
}

bool CDlgEditLibSimple::onCommand(int id, int notifyCode) {
    if ((id == IDC_SIMPLE_AUTO || id == IDC_SIMPLE_OWN) && notifyCode == win::BN_CLICKED) {
        // An own name starts from the name the values make.
        if (id == IDC_SIMPLE_OWN && naming_.explained)
            setItemText(IDC_SIMPLE_NAME, composeSectionName(naming_, enteredValues()).str());
        showName();
        return true;
    }
    if (id >= IDC_SIMPLE_VALUE && id < IDC_SIMPLE_VALUE + kSimpleFieldCount &&
        notifyCode == win::EN_CHANGE) {
        showName();
        return true;
    }
    return win::Dialog::onCommand(id, notifyCode);
}

void CDlgEditLibSimple::explainRefusal(SimpleSectionRefusal refusal, const Zrl_String& name) {
    if (refusal == SimpleSectionRefusal::TubeRadius) {
        win::messageBox(this,
                        (dialString(1457) + L"\n" + dialString(1458) + L"\n\n" + dialString(888) +
                         L".")
                            .str(),
                        dialString(1098).str(), win::MB_OK | win::MB_ICONEXCLAMATION);
        return;
    }
    win::messageBox(this,
                    (L"\"" + name + L"\"\n" + dialString(857) + L"\n" + dialString(858)).str(),
                    dialString(856).str(), win::MB_OK | win::MB_ICONEXCLAMATION);
}

void CDlgEditLibSimple::onOK() {
    const Zrl_String name = currentSysName();
    int index = -1;
    const SimpleSectionRefusal refusal =
        addSimpleSection(table, startRow_, enteredValues(), name, naming_.prefixes, index);
    if (refusal != SimpleSectionRefusal::None) {
        explainRefusal(refusal, name);
        return;
    }
    newRow_ = index;
    win::Dialog::onOK();
}

void CDlgEditLibSimple::onSize(int cx, int cy) {
    win::Dialog::onSize(cx, cy);
    if (resizer_.isInitialized()) resizer_.move();
}

void CDlgEditLibSimple::onDestroy() {
    WriteDlgSize(this, kSizeName);
    win::Dialog::onDestroy();
}

bool StartDlgEditLibSimple(const Zrl_String& sysName, Zrl_ProfValuesTable& table, int& index) {
    return zrlss::runModalStarter<CDlgEditLibSimple>(table, sysName, index);
}
