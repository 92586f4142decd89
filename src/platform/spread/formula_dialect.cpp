// Formula text of other spreadsheet programs in the engine's syntax.
#include "platform/spread/formula_dialect.h"

#include "platform/text/utf.h"

#include <array>

namespace spread::detail {

namespace {

bool isNameChar(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
           c == L'_' || c == L'.' || c == L'\\' || c > 0x7F;
}

bool isRefChar(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
           c == L'$' || c == L':';
}

wchar_t upper(wchar_t c) {
    return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

// Sheet names compare without regard to ASCII case, as spreadsheet programs
// treat them.
bool sameName(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

bool startsWithUpper(std::wstring_view s, std::wstring_view prefix) {
    return s.size() >= prefix.size() && sameName(s.substr(0, prefix.size()), prefix);
}

// Prefixes that name newer functions or another program's functions; the
// engine knows them, if at all, by their plain names.
constexpr std::array<std::wstring_view, 4> kFunctionPrefixes = {
    L"_xlfn.", L"_xlws.", L"COM.MICROSOFT.", L"ORG.OPENOFFICE."};

std::wstring_view withoutPrefixes(std::wstring_view name) {
    for (bool again = true; again;) {
        again = false;
        for (std::wstring_view p : kFunctionPrefixes)
            if (name.size() > p.size() && startsWithUpper(name, p)) {
                name.remove_prefix(p.size());
                again = true;
            }
    }
    return name;
}

// Copies a string literal starting at s[i] (a double quote), doubled quotes
// included; returns the position after it.
size_t copyString(std::wstring_view s, size_t i, std::wstring& out) {
    out += s[i++];
    while (i < s.size()) {
        wchar_t c = s[i++];
        out += c;
        if (c == L'"') {
            if (i < s.size() && s[i] == L'"') {
                out += s[i++];
                continue;
            }
            break;
        }
    }
    return i;
}

// Copies an error literal (#N/A, #REF!, #DIV/0!) starting at s[i].
size_t copyError(std::wstring_view s, size_t i, std::wstring& out) {
    out += s[i++];
    while (i < s.size() && (isNameChar(s[i]) || s[i] == L'/') && s[i] != L'.')
        out += s[i++];
    if (i < s.size() && (s[i] == L'!' || s[i] == L'?')) out += s[i++];
    return i;
}

// A name in single quotes starting at s[i], quotes undoubled; sets `end`
// after the closing quote (or the end of the text).
std::wstring quotedName(std::wstring_view s, size_t i, size_t& end) {
    std::wstring name;
    ++i;
    while (i < s.size()) {
        if (s[i] == L'\'') {
            if (i + 1 < s.size() && s[i + 1] == L'\'') {
                name += L'\'';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        name += s[i++];
    }
    end = i;
    return name;
}

class Translator {
public:
    Translator(std::wstring_view text, std::wstring_view sheet, DialectText& out)
        : s_(text), sheet_(sheet), out_(out) {}

    void ooxml() {
        size_t i = 0;
        while (i < s_.size()) {
            wchar_t c = s_[i];
            if (literal(i)) {
                continue;
            } else if (c == L'\'') {
                size_t end = 0;
                std::wstring name = quotedName(s_, i, end);
                if (end < s_.size() && s_[end] == L'!') {
                    i = qualified(name, end + 1);
                } else {
                    out_.text.append(s_.substr(i, end - i));
                    i = end;
                }
            } else if (c == L'[') {
                // An external workbook ("[1]Sheet!A1") or a table column
                // ("Table[Col]", kept for the engine to refuse).
                size_t close = s_.find(L']', i);
                if (close == std::wstring_view::npos) close = s_.size() - 1;
                bool afterName = i > 0 && isNameChar(s_[i - 1]);
                size_t j = close + 1;
                while (!afterName && j < s_.size() && isNameChar(s_[j]))
                    ++j;
                if (!afterName && j < s_.size() && s_[j] == L'!') {
                    i = other(j + 1);
                } else {
                    out_.text.append(s_.substr(i, close + 1 - i));
                    i = close + 1;
                }
            } else if (isNameChar(c)) {
                size_t j = i;
                while (j < s_.size() && isNameChar(s_[j]))
                    ++j;
                std::wstring_view name = s_.substr(i, j - i);
                if (j < s_.size() && s_[j] == L'!') {
                    i = qualified(name, j + 1);
                } else {
                    out_.text.append(withoutPrefixes(name));
                    i = j;
                }
            } else {
                out_.text += c;
                ++i;
            }
        }
    }

    void odf() {
        std::wstring_view s = s_;
        if (startsWithUpper(s, L"of:")) s.remove_prefix(3);
        if (!s.empty() && s[0] == L'=') s.remove_prefix(1);
        s_ = s;
        size_t i = 0;
        while (i < s_.size()) {
            wchar_t c = s_[i];
            if (literal(i)) {
                continue;
            } else if (c == L'[') {
                i = bracketed(i);
            } else if (c == L';') {
                out_.text += L',';
                ++i;
            } else if (isNameChar(c)) {
                size_t j = i;
                while (j < s_.size() && isNameChar(s_[j]))
                    ++j;
                out_.text.append(withoutPrefixes(s_.substr(i, j - i)));
                i = j;
            } else {
                out_.text += c;
                ++i;
            }
        }
    }

private:
    // Copies a string or error literal starting at s[i], moving i past it;
    // false when none starts there.
    bool literal(size_t& i) {
        if (s_[i] == L'"')
            i = copyString(s_, i, out_.text);
        else if (s_[i] == L'#')
            i = copyError(s_, i, out_.text);
        else
            return false;
        return true;
    }

    // A reference qualified by sheet `name`, its cell part starting at i.
    size_t qualified(std::wstring_view name, size_t i) {
        if (name.empty() || name[0] == L'[' || !sameName(name, sheet_)) return other(i);
        size_t j = i;
        while (j < s_.size() && isRefChar(s_[j]))
            ++j;
        out_.text.append(s_.substr(i, j - i));
        return j;
    }

    // A reference into another sheet or workbook, its cell part starting at
    // i: replaced by #REF!.
    size_t other(size_t i) {
        while (i < s_.size() && isRefChar(s_[i]))
            ++i;
        out_.text += L"#REF!";
        out_.otherSheet = true;
        return i;
    }

    // An ODF reference "[.A1]", "[.A1:.B2]", "[$Sheet.A1]", "['a b'.A1]".
    size_t bracketed(size_t i) {
        size_t j = i + 1;
        std::wstring cells;
        bool foreign = false;
        bool first = true;
        while (j < s_.size() && s_[j] != L']') {
            if (!first) {
                if (s_[j] != L':') break;
                cells += L':';
                ++j;
            }
            first = false;
            // [$]['sheet' | sheet] "." cell
            std::wstring sheet;
            if (j < s_.size() && s_[j] == L'$') ++j;
            if (j < s_.size() && s_[j] == L'\'') {
                sheet = quotedName(s_, j, j);
            } else {
                while (j < s_.size() && s_[j] != L'.' && s_[j] != L':' && s_[j] != L']')
                    sheet += s_[j++];
            }
            if (j < s_.size() && s_[j] == L'.') {
                ++j;
                if (!sheet.empty() && !sameName(sheet, sheet_)) foreign = true;
            } else {
                // No sheet part: what was read is the cell itself.
                cells += sheet;
                continue;
            }
            while (j < s_.size() && s_[j] != L':' && s_[j] != L']')
                cells += s_[j++];
        }
        if (j < s_.size()) ++j; // the closing bracket
        if (foreign || cells.find(L'#') != std::wstring::npos) {
            out_.text += L"#REF!";
            out_.otherSheet = out_.otherSheet || foreign;
        } else {
            out_.text += cells;
        }
        return j;
    }

    std::wstring_view s_;
    std::wstring_view sheet_;
    DialectText& out_;
};

} // namespace

bool translateFormula(std::string_view formula, FormulaDialect dialect,
                      std::wstring_view sheetName, DialectText& out) {
    std::wstring wide;
    if (!zrltext::fromUtf8Strict(formula, wide)) return false;
    out.text.clear();
    out.otherSheet = false;
    out.text.reserve(wide.size());
    Translator t(wide, sheetName, out);
    if (dialect == FormulaDialect::Odf)
        t.odf();
    else
        t.ooxml();
    if (!out.text.empty() && out.text[0] == L'=') out.text.erase(0, 1);
    return true;
}

} // namespace spread::detail
