// Message boxes answered by the scripted user.
#include "platform/win/message_box.h"

#include "platform/win/constants.h"
#include "platform/win/detail_state.h"

#include <algorithm>

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

int messageBox(Window*, const std::wstring& text, const std::wstring& caption, UINT style) {
    auto& s = detail::state();
    MessageBoxRecord record;
    record.text = text;
    record.caption = caption;
    record.style = style;
    record.answer = messageBoxDefault(style);
    if (!s.messageBoxAnswers.empty()) {
        const int queued = s.messageBoxAnswers.front();
        s.messageBoxAnswers.pop_front();
        const std::vector<int> buttons = messageBoxButtons(style);
        if (std::find(buttons.begin(), buttons.end(), queued) != buttons.end()) {
            record.answer = queued;
            record.scripted = true;
        } else {
            record.rejected = true;
        }
    }
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
