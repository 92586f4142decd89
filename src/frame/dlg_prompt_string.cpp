// Zrl_DlgPromptString: the prompt for one line of text.
#include "frame/dlg_prompt_string.h"

#include "frame/library_instance.h"
#include "frame/module_resources.h"
#include "platform/win/edit.h"

namespace {

const zrlss::ResourceRegistrar registrar([](win::ModuleHandle module) {
    win::registerTemplate(module, Zrl_DlgPromptString::dialogTemplate());
});

} // namespace

Zrl_DlgPromptString::Zrl_DlgPromptString(win::Window* parent) : Dialog(IDD_PROMPT_STRING, parent) {}

Zrl_DlgPromptString::Zrl_DlgPromptString(const Zrl_String& caption, const Zrl_String& prompt,
                                         const Zrl_String& initialValue, const Zrl_String& okText,
                                         const Zrl_String& cancelText, win::Window* parent)
    : Dialog(IDD_PROMPT_STRING, parent), caption_(caption), prompt_(prompt), value_(initialValue),
      okText_(okText), cancelText_(cancelText) {}

Zrl_DlgPromptString::~Zrl_DlgPromptString() {
    if (isCreated()) destroy();
}

win::DialogTemplate Zrl_DlgPromptString::dialogTemplate() {
    using win::ControlKind;
    win::DialogTemplate t;
    t.id = IDD_PROMPT_STRING;
    t.width = 220;
    t.height = 72;
    t.caption = L"";
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    const std::uint32_t tab = win::WS_TABSTOP;
    t.controls = {
        {IDC_PROMPT_LABEL, ControlKind::Static, {7, 7, 213, 27}, 0, L""},
        {IDC_PROMPT_VALUE,
         ControlKind::Edit,
         {7, 31, 213, 43},
         tab | win::WS_BORDER | win::ES_AUTOHSCROLL,
         L""},
        {win::IDOK, ControlKind::Button, {109, 51, 159, 65}, tab | win::BS_DEFPUSHBUTTON, L"OK"},
        {win::IDCANCEL, ControlKind::Button, {163, 51, 213, 65}, tab, L"Cancel"},
    };
    return t;
}

void Zrl_DlgPromptString::setButtonTexts(const Zrl_String& okText, const Zrl_String& cancelText) {
    okText_ = okText;
    cancelText_ = cancelText;
}

bool Zrl_DlgPromptString::ask() noexcept {
    try {
        zrlss::ResourceScope resources;
        return doModal() == win::IDOK;
    } catch (...) {
        return false;
    }
}

bool Zrl_DlgPromptString::onInitDialog() {
    setText(caption_.str());
    setItemText(IDC_PROMPT_LABEL, prompt_.str());
    if (!okText_.isEmpty()) setItemText(win::IDOK, okText_.str());
    if (!cancelText_.isEmpty()) setItemText(win::IDCANCEL, cancelText_.str());
    // The proposed text is selected, so that typing replaces it.
    win::Edit* field = edit(IDC_PROMPT_VALUE);
    if (!field) return true;
    field->setText(value_.str());
    field->setSel(0, -1);
    field->setFocus();
    return false;
}

void Zrl_DlgPromptString::onOK() {
    value_ = Zrl_String(getItemText(IDC_PROMPT_VALUE));
    win::Dialog::onOK();
}

std::optional<Zrl_String> promptString(const Zrl_String& caption, const Zrl_String& prompt,
                                       const Zrl_String& initialValue, const Zrl_String& okText,
                                       const Zrl_String& cancelText, win::Window* parent) noexcept {
    try {
        Zrl_DlgPromptString dlg(caption, prompt, initialValue, okText, cancelText, parent);
        if (!dlg.ask()) return std::nullopt;
        return dlg.value();
    } catch (...) {
        return std::nullopt;
    }
}

std::optional<Zrl_String> promptStringUntil(Zrl_DlgPromptString& dlg,
                                            const std::function<bool(const Zrl_String&)>& accept,
                                            int maxAsks) {
    for (int i = 0; i < maxAsks; ++i) {
        if (!dlg.ask()) return std::nullopt;
        if (!accept || accept(dlg.value())) return dlg.value();
    }
    return std::nullopt;
}
