// Message boxes: their buttons, and the record of each box shown.
#include "platform/win/message_box.h"

#include "platform/win/backend.h"
#include "platform/win/constants.h"
#include "platform/win/detail_state.h"


namespace win {

std::vector<int> messageBoxButtons(UINT style) {
    switch (style & MB_TYPEMASK) {
    case MB_OKCANCEL:
        return {IDOK, IDCANCEL};
    case MB_ABORTRETRYIGNORE:
        return {IDABORT, IDRETRY, IDIGNORE};
    case MB_YESNOCANCEL:
        return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO:
        return {IDYES, IDNO};
    case MB_RETRYCANCEL:
        return {IDRETRY, IDCANCEL};
    default:
        return {IDOK};
    }
}

int messageBoxDefault(UINT style) {
    const std::vector<int> buttons = messageBoxButtons(style);
    const size_t index = (style & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

int messageBox(Window* parent, const std::wstring& text, const std::wstring& caption, UINT style) {
    auto& s = detail::state();
    MessageBoxRecord record;
    record.text = text;
    record.caption = caption;
    record.style = style;
    backend().messageBox(parent, record);
    s.shown.messageBoxes.push_back(record);
    if (s.messageBoxObserver) {
        try {
            s.messageBoxObserver(record);
        } catch (...) {
            // An observer only watches; its failure changes nothing.
        }
    }
    return record.answer;
}

} // namespace win
