// Edit control, single-line or multi-line (ES_MULTILINE), with a text
// selection. Positions count wide characters from 0; a selection is the
// half-open range [start, end). Out-of-range positions are clamped.
//
// setText (the program's) replaces the text, puts the caret at the start and
// sends EN_CHANGE, as a real edit does. The user's `type` takes the focus,
// replaces the whole text and sends EN_CHANGE; `typeSelection` replaces only
// the selection. Read-only edits refuse the user's typing; ES_NUMBER edits
// refuse text that is not all digits.
#pragma once

#include "platform/win/control.h"

#include <utility>

namespace win {

class ZRLWIN_API Edit : public Control {
public:
    Edit() : Control(ControlKind::Edit) {}

    bool isMultiLine() const { return (style() & ES_MULTILINE) != 0; }
    bool isReadOnly() const { return (style() & ES_READONLY) != 0; }
    void setReadOnly(bool readOnly) { modifyStyle(ES_READONLY, readOnly ? ES_READONLY : 0); }
    // Most characters the user may type; 0 = no limit.
    void setLimitText(int maxChars) { limit_ = maxChars < 0 ? 0 : maxChars; }
    int limitText() const { return limit_; }

    void setText(const std::wstring& text) override;
    // Number of lines (lines are separated by "\r\n" or "\n"); 1 when empty.
    int lineCount() const;
    std::wstring line(int index) const;

    // Selection; end -1 means to the end of the text. setSel(0, -1) selects
    // all, setSel(-1, 0) removes the selection (caret at the end).
    void setSel(int start, int end);
    std::pair<int, int> getSel() const { return {selStart_, selEnd_}; }
    std::wstring selectedText() const;
    // Replaces the selection with `text` (the program's; sends EN_CHANGE)
    // and puts the caret after it.
    void replaceSel(const std::wstring& text);

    // The user's typing. False when refused (disabled, hidden, read-only,
    // over the limit, non-digits in an ES_NUMBER edit).
    bool type(const std::wstring& text);
    bool typeSelection(const std::wstring& text);

    LRESULT windowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    bool accepts(const std::wstring& text) const;

    int limit_ = 0;
    int selStart_ = 0;
    int selEnd_ = 0;
};

} // namespace win
