#include "platform/core/select_prof.h"

#include "platform/core/dialog_services.h"
#include "platform/core/files.h"
#include "platform/core/section_tables.h"
#include "platform/core/settings.h"
#include "platform/win/win.h"

namespace {

void registerSelectProfTemplate() {
    static bool registered = false;
    if (registered) return;
    win::DialogTemplate t;
    t.id = kSelectProfTemplate;
    t.width = 200;
    t.height = 220;
    t.caption = L"Select a profile";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {kSelectProfList, win::ControlKind::ListBox, {7, 7, 193, 193},
         tab | win::WS_VSCROLL | win::WS_BORDER | win::LBS_NOTIFY, L""},
        {win::IDOK, win::ControlKind::Button, {87, 199, 137, 213}, tab | win::BS_DEFPUSHBUTTON,
         L"OK"},
        {win::IDCANCEL, win::ControlKind::Button, {143, 199, 193, 213}, tab, L"Cancel"},
    };
    registered = win::registerTemplate(win::registerModule(L"zrlcore"), std::move(t));
}

class CDlgSelectProf : public win::Dialog {
public:
    CDlgSelectProf(DlgSelectProfData& data, win::Window* parent)
        : Dialog(kSelectProfTemplate, parent), data_(data) {}

    std::wstring scriptName() const override { return L"select-prof"; }

protected:
    bool onInitDialog() override {
        gSectionTables.getSectionNames(names_);
        if (data_.withUserSections) {
            Zrl_StringArray drawings;
            if (ObjectExportFindFiles(userSectionFolder(), L"*.dwg", drawings))
                for (const Zrl_String& d : drawings)
                    names_.append(d);
        }
        FillList(this, kSelectProfList, names_);
        int at = -1;
        if (!data_.initialName().isEmpty() && names_.find(data_.initialName(), at, false))
            listBox(kSelectProfList)->setCurSel(at);
        return true;
    }
    void onOK() override {
        // The list keeps the order of the names: its position is theirs.
        const int at = listBox(kSelectProfList)->getCurSel();
        if (at < 0 || at >= names_.length()) return;
        data_.profName = names_[at];
        Dialog::onOK();
    }

private:
    DlgSelectProfData& data_;
    Zrl_StringArray names_;
};

} // namespace

Zrl_String userSectionFolder() {
    return Zrl_Settings::libDir() + L"User Sections\\";
}

bool DlgSelectProf(DlgSelectProfData& data, win::Window* parent) {
    registerSelectProfTemplate();
    win::ResourceModuleGuard guard(win::findModule(L"zrlcore"));
    CDlgSelectProf dlg(data, parent);
    return dlg.doModal() == win::IDOK;
}
