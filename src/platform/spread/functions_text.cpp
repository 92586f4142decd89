// Text functions. Positions count characters from 1.
#include "platform/spread/functions.h"
#include "platform/text/fold.h"

#include <cmath>

namespace spread {

namespace {

constexpr double kMaxTextLength = 32767;

Slot err(ErrorKind k = ErrorKind::Value) {
    return Value::error(k);
}
Slot text(std::wstring s) {
    if (s.size() > kMaxTextLength) return err();
    return Value(std::move(s));
}

// A count argument: truncated, negative or absurd is #VALUE!.
bool count(double x, size_t& out) {
    if (!(x >= 0)) return false;
    out = x > kMaxTextLength * 2 ? static_cast<size_t>(kMaxTextLength * 2)
                                 : static_cast<size_t>(std::trunc(x));
    return true;
}

// Windows-1252 characters 128..159, as CHAR and CODE use them.
constexpr wchar_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

Slot fnLen(Call& c) {
    return Value(static_cast<double>(c.text(0).size()));
}

Slot fnLeft(Call& c) {
    size_t n = 1;
    if (c.given(1) && !count(c.num(1), n)) return err();
    return text(c.text(0).substr(0, n));
}

Slot fnRight(Call& c) {
    size_t n = 1;
    if (c.given(1) && !count(c.num(1), n)) return err();
    const auto& s = c.text(0);
    return text(n >= s.size() ? s : s.substr(s.size() - n));
}

Slot fnMid(Call& c) {
    size_t n = 0;
    double start = std::trunc(c.num(1));
    if (!(start >= 1) || !count(c.num(2), n)) return err();
    const auto& s = c.text(0);
    if (start > static_cast<double>(s.size())) return Value(L"");
    return text(s.substr(static_cast<size_t>(start) - 1, n));
}

// FIND is exact; SEARCH ignores case and knows the wildcards ? * ~.
Slot find(Call& c, bool search) {
    const auto& what = c.text(0);
    const auto& within = c.text(1);
    double start = c.given(2) ? std::trunc(c.num(2)) : 1;
    if (!(start >= 1) || start > static_cast<double>(within.size()) + 1) return err();
    auto from = static_cast<size_t>(start) - 1;
    if (!search) {
        size_t at = within.find(what, from);
        if (at == std::wstring::npos) return err();
        return Value(static_cast<double>(at + 1));
    }
    if (what.empty()) return Value(start);
    // The pattern must match the start of the text from `at` on; a leading
    // "*" matches there if anywhere.
    bool wild = what.find_first_of(L"?*~") != std::wstring::npos;
    // A last "~" escapes nothing and stands for nothing.
    size_t tildes = what.size() - 1 - what.find_last_not_of(L'~');
    if (what.find_last_not_of(L'~') == std::wstring::npos) tildes = what.size();
    std::wstring prefixPattern = what.substr(0, what.size() - tildes % 2) + L"*";
    for (size_t at = from; at < within.size(); ++at) {
        std::wstring_view rest = std::wstring_view(within).substr(at);
        if (!wild) {
            if (what.size() <= rest.size() &&
                zrltext::equalNoCase(rest.substr(0, what.size()), what))
                return Value(static_cast<double>(at + 1));
            continue;
        }
        if (wildcardMatch(prefixPattern, rest)) return Value(static_cast<double>(at + 1));
        if (what[0] == L'*') break;
    }
    return err();
}
Slot fnFind(Call& c) {
    return find(c, false);
}
Slot fnSearch(Call& c) {
    return find(c, true);
}

Slot fnReplace(Call& c) {
    double start = std::trunc(c.num(1));
    size_t n = 0;
    if (!(start >= 1) || !count(c.num(2), n)) return err();
    std::wstring s = c.text(0);
    auto from = static_cast<size_t>(std::min(start, static_cast<double>(s.size()) + 1)) - 1;
    s.replace(from, n, c.text(3));
    return text(std::move(s));
}

Slot fnRept(Call& c) {
    size_t n = 0;
    if (!count(c.num(1), n)) return err();
    const auto& s = c.text(0);
    if (!s.empty() && n * s.size() > kMaxTextLength) return err();
    std::wstring out;
    out.reserve(n * s.size());
    for (size_t i = 0; i < n; ++i)
        out += s;
    return Value(std::move(out));
}

Slot fnSubstitute(Call& c) {
    std::wstring s = c.text(0);
    const auto& from = c.text(1);
    const auto& to = c.text(2);
    double which = 0;
    if (c.given(3)) {
        which = std::trunc(c.num(3));
        if (!(which >= 1)) return err();
    }
    if (from.empty()) return Value(std::move(s));
    std::wstring out;
    size_t pos = 0, seen = 0;
    for (;;) {
        size_t at = s.find(from, pos);
        if (at == std::wstring::npos) break;
        ++seen;
        out.append(s, pos, at - pos);
        out += which == 0 || static_cast<double>(seen) == which ? to : from;
        pos = at + from.size();
        if (out.size() > kMaxTextLength) return err();
    }
    out.append(s, pos, std::wstring::npos);
    return text(std::move(out));
}

// TRIM removes spaces at both ends and leaves single spaces between words.
Slot fnTrim(Call& c) {
    std::wstring out;
    bool pending = false;
    for (wchar_t ch : c.text(0)) {
        if (ch == L' ') {
            pending = !out.empty();
            continue;
        }
        if (pending) out += L' ';
        pending = false;
        out += ch;
    }
    return Value(std::move(out));
}

Slot fnUpper(Call& c) {
    std::wstring s = c.text(0);
    for (auto& ch : s)
        ch = zrltext::upperCase(ch);
    return Value(std::move(s));
}
Slot fnLower(Call& c) {
    std::wstring s = c.text(0);
    for (auto& ch : s)
        ch = zrltext::foldCase(ch);
    return Value(std::move(s));
}
// PROPER capitalises each letter that follows a non-letter.
Slot fnProper(Call& c) {
    std::wstring s = c.text(0);
    bool afterLetter = false;
    for (auto& ch : s) {
        bool letter = zrltext::foldCase(ch) != zrltext::upperCase(ch);
        if (letter) ch = afterLetter ? zrltext::foldCase(ch) : zrltext::upperCase(ch);
        afterLetter = letter;
    }
    return Value(std::move(s));
}

Slot fnExact(Call& c) {
    return Value::logical(c.text(0) == c.text(1));
}

Slot fnConcatenate(Call& c) {
    std::wstring out;
    for (int i = 0; i < c.argc; ++i)
        out += c.text(i);
    return text(std::move(out));
}

Slot fnChar(Call& c) {
    double n = std::trunc(c.num(0));
    if (!(n >= 1 && n <= 255)) return err();
    auto code = static_cast<int>(n);
    wchar_t ch = code >= 128 && code < 160 ? kHigh1252[code - 128] : static_cast<wchar_t>(code);
    return Value(std::wstring(1, ch));
}

Slot fnCode(Call& c) {
    const auto& s = c.text(0);
    if (s.empty()) return err();
    wchar_t ch = s[0];
    for (int i = 0; i < 32; ++i)
        if (kHigh1252[i] == ch) return Value(128 + i);
    return Value(static_cast<double>(ch <= 255 ? ch : L'?'));
}

Slot fnValue(Call& c) {
    const Value& v = c.value(0);
    if (v.isNumber()) return v;
    if (v.isEmpty()) return Value(0);
    double d = 0;
    ErrorKind e = ErrorKind::Value;
    if (v.isText() && toNumber(v, d, e)) return Value(d);
    return err();
}

const FunctionDef kText[] = {
    {L"CHAR", 1, 1, "n", fnChar},
    {L"CODE", 1, 1, "s", fnCode},
    {L"CONCATENATE", 1, 255, "s", fnConcatenate},
    {L"EXACT", 2, 2, "s", fnExact},
    {L"FIND", 2, 3, "ssn", fnFind},
    // The byte forms count characters, as for single-byte languages.
    {L"FINDB", 2, 3, "ssn", fnFind},
    {L"LEFT", 1, 2, "sn", fnLeft},
    {L"LEFTB", 1, 2, "sn", fnLeft},
    {L"LEN", 1, 1, "s", fnLen},
    {L"LENB", 1, 1, "s", fnLen},
    {L"LOWER", 1, 1, "s", fnLower},
    {L"MID", 3, 3, "snn", fnMid},
    {L"MIDB", 3, 3, "snn", fnMid},
    {L"PROPER", 1, 1, "s", fnProper},
    {L"REPLACE", 4, 4, "snns", fnReplace},
    {L"REPLACEB", 4, 4, "snns", fnReplace},
    {L"REPT", 2, 2, "sn", fnRept},
    {L"RIGHT", 1, 2, "sn", fnRight},
    {L"RIGHTB", 1, 2, "sn", fnRight},
    {L"SEARCH", 2, 3, "ssn", fnSearch},
    {L"SEARCHB", 2, 3, "ssn", fnSearch},
    {L"SUBSTITUTE", 3, 4, "sssn", fnSubstitute},
    {L"TRIM", 1, 1, "s", fnTrim},
    {L"UPPER", 1, 1, "s", fnUpper},
    {L"VALUE", 1, 1, "e", fnValue},
};

} // namespace

FunctionList textFunctions() {
    return {kText, std::size(kText)};
}

} // namespace spread
