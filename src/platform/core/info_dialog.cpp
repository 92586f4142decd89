#include "platform/core/info_dialog.h"

#include "platform/core/dialog_sizes.h"
#include "platform/win/win.h"

namespace {

const wchar_t* const kSizeName = L"DLG_INFO";

// The template lives in the core module's resources; it is registered on
// first use.
void registerInfoTemplate() {
    static bool registered = false;
    if (registered) return;
    win::DialogTemplate t;
    t.id = kInfoDlgTemplate;
    t.width = 400;
    t.height = 250;
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU | win::WS_THICKFRAME;
    t.controls.push_back(
        {kInfoDlgSubtitle, win::ControlKind::Static, {7, 7, 393, 19}, 0, L"", false});
    t.controls.push_back(
        {kInfoDlgText,
         win::ControlKind::Edit,
         {7, 22, 393, 222},
         win::ES_MULTILINE | win::ES_READONLY | win::WS_VSCROLL | win::WS_HSCROLL | win::WS_BORDER,
         L"",
         false});
    t.controls.push_back({win::IDOK,
                          win::ControlKind::Button,
                          {343, 229, 393, 243},
                          win::BS_DEFPUSHBUTTON | win::WS_TABSTOP,
                          L"OK",
                          false});
    registered = win::registerTemplate(win::registerModule(L"zrlcore"), std::move(t));
}

class CDlgInfo : public win::Dialog {
public:
    CDlgInfo(const DlgInfoData& data, win::Window* parent)
        : Dialog(kInfoDlgTemplate, parent), data_(data) {}

protected:
    bool onInitDialog() override {
        setText(data_.title.str());
        setItemText(kInfoDlgSubtitle, data_.subtitle.str());
        std::wstring text;
        for (int i = 0; i < data_.lines.length(); ++i) {
            if (i > 0) text += L"\r\n";
            text += data_.lines[i].str();
        }
        setItemText(kInfoDlgText, text);
        ChangeDlgSize(this, kSizeName);
        return true;
    }
    void onDestroy() override { WriteDlgSize(this, kSizeName); }

private:
    const DlgInfoData& data_;
};

} // namespace

bool ExportStartDlgInfo(const DlgInfoData& data, win::Window* parent) {
    registerInfoTemplate();
    win::ResourceModuleGuard guard(win::findModule(L"zrlcore"));
    CDlgInfo dlg(data, parent);
    return dlg.doModal() == win::IDOK;
}
