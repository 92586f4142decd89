// Zrl_String: the core module's wide-character string.
//
// Case flag rule, used by every comparison of the core (strings, lists, file
// names): the flag SET (true) compares case-sensitively, the flag CLEARED
// (false) ignores case. Names and titles are compared with the flag cleared;
// detection of a changed text uses the flag set.
//
// Comparisons without case, toUpper and toLower follow the one case rule of
// platform/text/fold.h (ASCII, Latin-1, Latin Extended-A, Greek, Cyrillic);
// they do not depend on the process locale.
//
// Positions and counts are ints counted in wide characters from 0. Out-of-range
// positions are clamped, never undefined.
#pragma once

#include "platform/text/fold.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

class Zrl_String {
public:
    Zrl_String() = default;
    Zrl_String(const wchar_t* text) : s_(text ? text : L"") {}
    Zrl_String(std::wstring text) : s_(std::move(text)) {}
    Zrl_String(std::wstring_view text) : s_(text) {}
    Zrl_String(wchar_t ch, int count = 1) : s_(count > 0 ? count : 0, ch) {}
    // The integer's decimal text.
    explicit Zrl_String(int value);
    // The number with exactly `decimals` decimals (0..15), "." as decimal
    // point whatever the locale, halves rounded away from zero on the decimal
    // value people see ("2.675" with 2 decimals is "2.68").
    Zrl_String(double value, int decimals);

    // UTF-8 in and out. Invalid UTF-8 bytes come in as U+FFFD.
    static Zrl_String fromUtf8(std::string_view utf8);
    std::string toUtf8() const;

    const wchar_t* c_str() const { return s_.c_str(); }
    const std::wstring& str() const { return s_; }
    std::wstring& str() { return s_; }
    int length() const { return static_cast<int>(s_.size()); }
    bool isEmpty() const { return s_.empty(); }
    // Character at pos, or 0 outside the text.
    wchar_t at(int pos) const { return pos >= 0 && pos < length() ? s_[pos] : L'\0'; }
    wchar_t operator[](int pos) const { return at(pos); }

    Zrl_String& append(const Zrl_String& other) {
        s_ += other.s_;
        return *this;
    }
    Zrl_String& append(wchar_t ch) {
        s_ += ch;
        return *this;
    }

    bool equal(const Zrl_String& other, bool caseSensitive) const;
    bool startsWith(const Zrl_String& prefix, bool caseSensitive) const;
    bool endsWith(const Zrl_String& suffix, bool caseSensitive) const;
    // Position of the first occurrence at or after `from`, -1 when none.
    int findFirstFrom(const Zrl_String& what, int from, bool caseSensitive) const;
    int findFirst(const Zrl_String& what, bool caseSensitive) const {
        return findFirstFrom(what, 0, caseSensitive);
    }
    // Position of the last occurrence, -1 when none.
    int findLast(const Zrl_String& what, bool caseSensitive) const;
    bool hasSubString(const Zrl_String& what, bool caseSensitive) const {
        return findFirstFrom(what, 0, caseSensitive) >= 0;
    }
    // Replaces every occurrence (left to right, not overlapping); returns the
    // number of replacements. An empty `what` replaces nothing.
    int replaceSubString(const Zrl_String& what, const Zrl_String& with, bool caseSensitive);
    // Removes `count` characters from pos (clamped to the text).
    Zrl_String& removeAt(int pos, int count = 1);
    // Inserts before pos (pos clamped to 0..length).
    Zrl_String& insertAt(int pos, const Zrl_String& text);
    // `count` characters from pos (clamped); count < 0 means to the end.
    Zrl_String getSubStringAt(int pos, int count = -1) const;
    // The first `count` characters (none for count <= 0).
    Zrl_String left(int count) const { return count > 0 ? getSubStringAt(0, count) : Zrl_String(); }
    Zrl_String right(int count) const;

    // Blanks (space, tab, CR, LF) removed from both ends.
    Zrl_String trimmed() const;
    Zrl_String& trim() { return *this = trimmed(); }
    Zrl_String toUpper() const;
    Zrl_String toLower() const;

    // Whole-text conversions. `ok` tells whether all of the text (blanks
    // around allowed) was a number; the result is 0 when it was not.
    int toInt(bool* ok = nullptr) const;
    double toDouble(bool* ok = nullptr) const;

    Zrl_String& operator+=(const Zrl_String& other) { return append(other); }
    Zrl_String& operator+=(wchar_t ch) { return append(ch); }
    friend Zrl_String operator+(Zrl_String a, const Zrl_String& b) { return a.append(b); }
    friend Zrl_String operator+(Zrl_String a, const wchar_t* b) { return a.append(Zrl_String(b)); }
    friend Zrl_String operator+(const wchar_t* a, const Zrl_String& b) {
        return Zrl_String(a).append(b);
    }
    // Exact (case-sensitive) comparisons, for containers and tests.
    friend bool operator==(const Zrl_String& a, const Zrl_String& b) { return a.s_ == b.s_; }
    friend bool operator==(const Zrl_String& a, const wchar_t* b) { return a.s_ == (b ? b : L""); }
    friend auto operator<=>(const Zrl_String& a, const Zrl_String& b) { return a.s_ <=> b.s_; }

    // Compares without case (zrltext::compareNoCase): <0, 0, >0.
    static int compareNoCase(std::wstring_view a, std::wstring_view b) {
        return zrltext::compareNoCase(a, b);
    }
    // A hash of the folded text: texts equal without case hash alike.
    static size_t hashNoCase(std::wstring_view text);

private:
    std::wstring s_;
};

template <> struct std::hash<Zrl_String> {
    size_t operator()(const Zrl_String& s) const noexcept {
        return std::hash<std::wstring>()(s.str());
    }
};
