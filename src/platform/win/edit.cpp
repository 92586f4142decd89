// Edit text, selection and typing.
#include "platform/win/edit.h"

#include <algorithm>

namespace win {

namespace {

int clampPos(int pos, int length) {
    return std::clamp(pos, 0, length);
}

} // namespace

void Edit::setText(const std::wstring& text) {
    Window::setText(text);
    selStart_ = selEnd_ = 0;
    notifyParent(EN_CHANGE);
}

int Edit::lineCount() const {
    const std::wstring t = text();
    return 1 + static_cast<int>(std::count(t.begin(), t.end(), L'\n'));
}

std::wstring Edit::line(int index) const {
    const std::wstring t = text();
    size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const size_t nl = t.find(L'\n', start);
        if (nl == std::wstring::npos) return {};
        start = nl + 1;
    }
    if (index < 0) return {};
    size_t end = t.find(L'\n', start);
    if (end == std::wstring::npos) end = t.size();
    if (end > start && t[end - 1] == L'\r') --end;
    return t.substr(start, end - start);
}

void Edit::setSel(int start, int end) {
    const int length = static_cast<int>(text().size());
    if (start == -1) {
        selStart_ = selEnd_ = length;
        return;
    }
    if (end == -1) end = length;
    start = clampPos(start, length);
    end = clampPos(end, length);
    selStart_ = std::min(start, end);
    selEnd_ = std::max(start, end);
}

std::wstring Edit::selectedText() const {
    const std::wstring t = text();
    const int length = static_cast<int>(t.size());
    const int s = clampPos(selStart_, length);
    const int e = clampPos(selEnd_, length);
    return t.substr(static_cast<size_t>(s), static_cast<size_t>(e - s));
}

void Edit::replaceSel(const std::wstring& text) {
    std::wstring t = this->text();
    const int length = static_cast<int>(t.size());
    const int s = clampPos(selStart_, length);
    const int e = clampPos(selEnd_, length);
    t.replace(static_cast<size_t>(s), static_cast<size_t>(e - s), text);
    Window::setText(t);
    selStart_ = selEnd_ = s + static_cast<int>(text.size());
    notifyParent(EN_CHANGE);
}

bool Edit::accepts(const std::wstring& text) const {
    if (isReadOnly()) return false;
    if (limit_ > 0 && static_cast<int>(text.size()) > limit_) return false;
    if ((style() & ES_NUMBER) != 0 &&
        !std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return false;
    return true;
}

bool Edit::type(const std::wstring& text) {
    if (!acceptsUser() || !accepts(text)) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    Window::setText(text);
    selStart_ = selEnd_ = static_cast<int>(text.size());
    notifyParent(EN_CHANGE);
    return true;
}

bool Edit::typeSelection(const std::wstring& text) {
    std::wstring t = this->text();
    const int length = static_cast<int>(t.size());
    const int s = clampPos(selStart_, length);
    const int e = clampPos(selEnd_, length);
    t.replace(static_cast<size_t>(s), static_cast<size_t>(e - s), text);
    if (!acceptsUser() || !accepts(t)) return false;
    const WindowHandle self = handle();
    setFocus();
    if (!fromHandle(self)) return false;
    Window::setText(t);
    selStart_ = selEnd_ = s + static_cast<int>(text.size());
    notifyParent(EN_CHANGE);
    return true;
}

LRESULT Edit::windowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_SETFOCUS:
        notifyParent(EN_SETFOCUS);
        break;
    case WM_KILLFOCUS:
        notifyParent(EN_KILLFOCUS);
        break;
    case WM_CHAR: {
        const auto ch = static_cast<wchar_t>(wParam);
        if (ch == L'\b') {
            const int saved = selStart_;
            const WindowHandle self = handle();
            if (selStart_ == selEnd_ && selStart_ > 0) --selStart_;
            if (!typeSelection(L"") && fromHandle(self)) selStart_ = saved;
        } else if (ch >= L' ' || (ch == L'\r' && isMultiLine())) {
            typeSelection(ch == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, ch));
        }
        return 0;
    }
    default:
        break;
    }
    return Control::windowProc(msg, wParam, lParam);
}

} // namespace win
