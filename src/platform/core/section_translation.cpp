#include "platform/core/section_translation.h"

#include "platform/core/files.h"
#include "platform/core/rows_file.h"
#include "platform/win/win.h"

namespace {

void registerSectionNamesTemplate() {
    static bool registered = false;
    if (registered) return;
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = kSectionNamesTemplate;
    t.width = 300;
    t.height = 220;
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {kSectionNamesSubtitle, ControlKind::Static, {7, 7, 293, 19}, 0, L""},
        {kSectionNamesList,
         ControlKind::ListBox,
         {7, 22, 293, 170},
         tab | win::WS_BORDER | win::WS_VSCROLL | win::LBS_NOTIFY,
         L""},
        {kSectionNamesTranslation,
         ControlKind::Edit,
         {7, 176, 293, 188},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL,
         L""},
        {win::IDOK, ControlKind::Button, {187, 199, 237, 213}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {243, 199, 293, 213}, tab, L"Cancel"},
    };
    registered = win::registerTemplate(win::registerModule(L"zrlcore"), std::move(t));
}

// The names in a list, the translation of the one selected in a field
// below it; leaving a name keeps what the field holds.
class CDlgSectionNames : public win::Dialog {
public:
    CDlgSectionNames(const Zrl_StringArray& names, Zrl_StringArray& translations,
                     const Zrl_String& title, const Zrl_String& subtitle, win::Window* parent)
        : Dialog(kSectionNamesTemplate, parent), names_(names), translations_(translations),
          title_(title), subtitle_(subtitle) {}

protected:
    bool onInitDialog() override {
        setText(title_.str());
        setItemText(kSectionNamesSubtitle, subtitle_.str());
        win::ListBox* list = listBox(kSectionNamesList);
        for (int i = 0; list && i < names_.length(); ++i)
            list->addString(names_[i].str());
        showName(names_.isEmpty() ? -1 : 0);
        return true;
    }
    bool onCommand(int id, int notifyCode) override {
        if (id == kSectionNamesList && notifyCode == win::LBN_SELCHANGE) {
            keep();
            const win::ListBox* list = listBox(kSectionNamesList);
            showName(list ? list->getCurSel() : -1);
            return true;
        }
        return win::Dialog::onCommand(id, notifyCode);
    }
    void onOK() override {
        keep();
        win::Dialog::onOK();
    }

private:
    void showName(int index) {
        shown_ = index >= 0 && index < names_.length() ? index : -1;
        if (win::ListBox* list = listBox(kSectionNamesList)) list->setCurSel(shown_);
        setItemText(kSectionNamesTranslation, shown_ >= 0 ? translations_[shown_].str() : L"");
        enableItem(kSectionNamesTranslation, shown_ >= 0);
    }
    void keep() {
        if (shown_ >= 0) translations_[shown_] = Zrl_String(getItemText(kSectionNamesTranslation));
    }

    const Zrl_StringArray& names_;
    Zrl_StringArray& translations_;
    Zrl_String title_;
    Zrl_String subtitle_;
    int shown_ = -1;
};

} // namespace

bool readSectionTranslation(const Zrl_String& path, Zrl_StringArray& names,
                            Zrl_StringArray& translations, Zrl_String& message) {
    if (!fileExists(path) && !folderExists(path)) {
        names.setLogicalLength(0);
        translations.setLogicalLength(0);
        return true;
    }
    Zrl_String tableName;
    Zrl_StringArrayArray rows;
    if (!readFile(path, tableName, rows)) {
        message = L"The file " + path + L" cannot be read.";
        return false;
    }
    Zrl_StringArray readNames, readTranslations;
    for (int i = 0; i < rows.length(); ++i) {
        if (rows[i].length() == 0) continue; // an empty line
        if (rows[i].length() != 2 || rows[i][0].isEmpty()) {
            message = L"Line " + Zrl_String(i + 1) + L" of " + path +
                      L" is not a section name and its translation.";
            return false;
        }
        readNames.append(rows[i][0]);
        readTranslations.append(rows[i][1]);
    }
    names = std::move(readNames);
    translations = std::move(readTranslations);
    return true;
}

bool writeSectionTranslation(const Zrl_String& path, const Zrl_StringArray& names,
                             Zrl_StringArray& translations, const Zrl_String& title,
                             const Zrl_String& subtitle, win::Window* parent) {
    registerSectionNamesTemplate();
    Zrl_StringArray edited = translations;
    edited.setLogicalLength(names.length());
    {
        win::ResourceModuleGuard guard(win::findModule(L"zrlcore"));
        CDlgSectionNames dlg(names, edited, title, subtitle, parent);
        if (dlg.doModal() != win::IDOK) return false;
    }
    Zrl_StringArrayArray rows(names.length());
    for (int i = 0; i < names.length(); ++i)
        rows.append(Zrl_StringArray{names[i], edited[i]});
    if (!writeFile(path, rows)) return false;
    translations = edited;
    return true;
}
