#include "platform/spread/number_format.h"
#include "platform/text/fold.h"

#include "platform/spread/date_serial.h"
#include "platform/spread/sheet_number_text.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace spread {

namespace {

std::wstring widen(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

// Digits that matter in a decimal text ("0.00330" has 3).
size_t significant(const std::wstring& s) {
    size_t first = s.find_first_of(L"123456789");
    if (first == std::wstring::npos) return 0;
    size_t last = s.find_last_of(L"123456789");
    size_t n = 0;
    for (size_t i = first; i <= last; ++i)
        n += s[i] >= L'0' && s[i] <= L'9';
    return n;
}

std::wstring stripZeros(std::wstring s) {
    if (s.find(L'.') == std::wstring::npos) return s;
    while (s.back() == L'0')
        s.pop_back();
    if (s.back() == L'.') s.pop_back();
    return s;
}

std::wstring scientific(double a, int decimals, int minExpDigits, bool plus) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, decimals);
    std::string s(buf, r.ptr);
    size_t e = s.find('e');
    std::string mant = s.substr(0, e);
    int exp = std::stoi(s.substr(e + 1));
    std::string digits = std::to_string(std::abs(exp));
    while (static_cast<int>(digits.size()) < minExpDigits)
        digits.insert(0, "0");
    return widen(mant) + L"E" + (exp < 0 ? L"-" : plus ? L"+" : L"") + widen(digits);
}

} // namespace

std::wstring generalText(double x) {
    if (x == 0) return L"0";
    double a = std::fabs(x);
    std::wstring sign = x < 0 ? L"-" : L"";
    const std::wstring full = scientific(a, 5, 2, true);
    const size_t e = full.find(L'E');
    const std::wstring sci = stripZeros(full.substr(0, e)) + full.substr(e);
    if (a >= 1e11) return sign + sci;
    int intDigits = a >= 1 ? static_cast<int>(std::floor(std::log10(a))) + 1 : 1;
    int decimals = std::max(0, 10 - intDigits);
    std::wstring fixed = stripZeros(detail::formatFixed(a, std::min(decimals, 15), false));
    if (fixed == L"0" || significant(fixed) < significant(sci.substr(0, sci.find(L'E'))))
        return sign + sci;
    return sign + fixed;
}

namespace {

// One section of a format, split into its pieces.
struct Piece {
    enum Kind { Literal, Digit, Point, Percent, Exp, DateCode, Text } kind;
    std::wstring text; // Literal: the text; Digit: '0' '#' '?'; DateCode: the code; Exp: "E+" / "E-"
};

struct Section {
    std::vector<Piece> pieces;
    bool thousands = false;
    int scale = 0; // trailing commas: divide by 1000 each
    bool isDate = false;
    bool hasDigits = false;
    bool general = false;
};

std::vector<std::wstring> splitSections(std::wstring_view f) {
    std::vector<std::wstring> out(1);
    bool quoted = false;
    for (size_t i = 0; i < f.size(); ++i) {
        wchar_t ch = f[i];
        if (ch == L'"') quoted = !quoted;
        if (!quoted && ch == L'\\' && i + 1 < f.size()) {
            out.back() += ch;
            out.back() += f[++i];
            continue;
        }
        if (!quoted && ch == L';') {
            out.emplace_back();
            continue;
        }
        out.back() += ch;
    }
    return out;
}

bool startsNoCase(std::wstring_view s, size_t i, std::wstring_view w) {
    if (i + w.size() > s.size()) return false;
    for (size_t k = 0; k < w.size(); ++k)
        if (zrltext::upperCase(s[i + k]) != zrltext::upperCase(w[k])) return false;
    return true;
}

Section parseSection(std::wstring_view f) {
    Section s;
    auto literal = [&](std::wstring t) {
        if (!s.pieces.empty() && s.pieces.back().kind == Piece::Literal) s.pieces.back().text += t;
        else s.pieces.push_back({Piece::Literal, std::move(t)});
    };
    bool afterPoint = false;
    for (size_t i = 0; i < f.size(); ++i) {
        wchar_t ch = f[i];
        wchar_t up = zrltext::upperCase(ch);
        if (ch == L'"') {
            size_t end = f.find(L'"', i + 1);
            if (end == std::wstring_view::npos) end = f.size();
            literal(std::wstring(f.substr(i + 1, end - i - 1)));
            i = end;
        } else if (ch == L'\\' && i + 1 < f.size()) {
            literal(std::wstring(1, f[++i]));
        } else if (ch == L'_' && i + 1 < f.size()) {
            ++i;
            literal(L" ");
        } else if (ch == L'*' && i + 1 < f.size()) {
            ++i; // fill: no width to fill
        } else if (ch == L'[') {
            size_t end = f.find(L']', i);
            if (end == std::wstring_view::npos) end = f.size();
            std::wstring_view in = f.substr(i + 1, end - i - 1);
            if (!in.empty() && (zrltext::upperCase(in[0]) == L'H' || zrltext::upperCase(in[0]) == L'M' ||
                                zrltext::upperCase(in[0]) == L'S')) {
                s.isDate = true;
                s.pieces.push_back({Piece::DateCode, L"[" + std::wstring(in) + L"]"});
            }
            i = end; // colours and conditions are skipped
        } else if (startsNoCase(f, i, L"GENERAL")) {
            s.general = true;
            s.pieces.push_back({Piece::Digit, L"G"});
            i += 6;
        } else if (ch == L'0' || ch == L'#' || ch == L'?') {
            s.hasDigits = true;
            s.pieces.push_back({Piece::Digit, std::wstring(1, ch)});
        } else if (ch == L'.' && !s.isDate) {
            afterPoint = true;
            s.pieces.push_back({Piece::Point, L"."});
        } else if (ch == L',' && s.hasDigits) {
            // Between digits: thousands; after the last digit: scaling.
            size_t j = i + 1;
            if (j < f.size() && (f[j] == L'0' || f[j] == L'#' || f[j] == L'?') && !afterPoint)
                s.thousands = true;
            else
                ++s.scale;
        } else if (ch == L'%') {
            s.pieces.push_back({Piece::Percent, L"%"});
        } else if (up == L'E' && i + 1 < f.size() && (f[i + 1] == L'+' || f[i + 1] == L'-') && s.hasDigits) {
            s.pieces.push_back({Piece::Exp, std::wstring(f.substr(i, 2))});
            ++i;
        } else if (startsNoCase(f, i, L"AM/PM") || startsNoCase(f, i, L"A/P")) {
            size_t n = startsNoCase(f, i, L"AM/PM") ? 5 : 3;
            s.isDate = true;
            s.pieces.push_back({Piece::DateCode, std::wstring(f.substr(i, n))});
            i += n - 1;
        } else if (up == L'Y' || up == L'M' || up == L'D' || up == L'H' || up == L'S') {
            size_t j = i;
            while (j < f.size() && zrltext::upperCase(f[j]) == up)
                ++j;
            std::wstring code(j - i, zrltext::foldCase(up));
            s.isDate = true;
            s.pieces.push_back({Piece::DateCode, code});
            i = j - 1;
        } else if (ch == L'@') {
            s.pieces.push_back({Piece::Text, L"@"});
        } else {
            literal(std::wstring(1, ch));
        }
    }
    return s;
}

std::wstring groupThousands(const std::wstring& digits) {
    std::wstring out;
    int n = 0;
    for (size_t i = digits.size(); i-- > 0;) {
        if (n > 0 && n % 3 == 0) out.insert(out.begin(), L',');
        out.insert(out.begin(), digits[i]);
        ++n;
    }
    return out;
}

const wchar_t* kMonths[] = {L"January", L"February", L"March",     L"April",   L"May",      L"June",
                            L"July",    L"August",   L"September", L"October", L"November", L"December"};
const wchar_t* kDays[] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                          L"Thursday", L"Friday", L"Saturday"};

std::wstring two(long long v) {
    std::wstring s = std::to_wstring(v);
    return s.size() < 2 ? L"0" + s : s;
}

bool formatDate(double x, const Section& s, std::wstring& out) {
    if (x < 0 || x >= kLastSerial + 1) return false;
    // Digit places other than the fractions of seconds do not mix with dates.
    for (const Piece& p : s.pieces)
        if (p.kind == Piece::Digit && p.text != L"0") return false;
    bool ampm = false;
    for (const Piece& p : s.pieces)
        if (p.kind == Piece::DateCode && (p.text[0] == L'A' || p.text[0] == L'a')) ampm = true;
    // Seconds rounded, unless the format shows fractions of them.
    double secsTotal = std::round(x * 86400);
    double dayPart = std::floor(secsTotal / 86400);
    long long secs = static_cast<long long>(secsTotal - dayPart * 86400);
    CivilDate d = dateOf(dayPart);
    int dow = static_cast<int>(std::fmod(dayPart + 6, 7));
    long long h = secs / 3600, mi = secs / 60 % 60, se = secs % 60;
    for (size_t i = 0; i < s.pieces.size(); ++i) {
        const Piece& p = s.pieces[i];
        if (p.kind != Piece::DateCode) {
            if (p.kind == Piece::Literal) out += p.text;
            else if (p.kind == Piece::Point) out += L".";
            else if (p.kind == Piece::Digit) out += p.text == L"0" ? L"0" : L"";
            continue;
        }
        const std::wstring& c = p.text;
        // "m" is minutes after an hour or before a second.
        auto isMinute = [&]() {
            for (size_t j = i; j-- > 0;) {
                if (s.pieces[j].kind != Piece::DateCode) continue;
                if (s.pieces[j].text[0] == L'h' || s.pieces[j].text.starts_with(L"[h")) return true;
                break;
            }
            for (size_t j = i + 1; j < s.pieces.size(); ++j) {
                if (s.pieces[j].kind != Piece::DateCode) continue;
                return s.pieces[j].text[0] == L's';
            }
            return false;
        };
        if (c[0] == L'[') {
            wchar_t u = zrltext::foldCase(c[1]);
            double total = u == L'h' ? std::floor(secsTotal / 3600) : u == L'm' ? std::floor(secsTotal / 60) : secsTotal;
            out += std::to_wstring(static_cast<long long>(total));
        } else if (c[0] == L'y') {
            out += c.size() <= 2 ? two(d.year % 100) : std::to_wstring(d.year);
        } else if (c[0] == L'm' && c.size() <= 2 && isMinute()) {
            out += c.size() == 2 ? two(mi) : std::to_wstring(mi);
        } else if (c[0] == L'm') {
            if (c.size() == 1) out += std::to_wstring(d.month);
            else if (c.size() == 2) out += two(d.month);
            else if (c.size() == 3) out += std::wstring(kMonths[d.month - 1]).substr(0, 3);
            else if (c.size() == 5) out += std::wstring(kMonths[d.month - 1]).substr(0, 1);
            else out += kMonths[d.month - 1];
        } else if (c[0] == L'd') {
            if (c.size() == 1) out += std::to_wstring(d.day);
            else if (c.size() == 2) out += two(d.day);
            else if (c.size() == 3) out += std::wstring(kDays[dow]).substr(0, 3);
            else out += kDays[dow];
        } else if (c[0] == L'h') {
            long long hh = ampm ? (h % 12 == 0 ? 12 : h % 12) : h;
            out += c.size() >= 2 ? two(hh) : std::to_wstring(hh);
        } else if (c[0] == L's') {
            out += c.size() >= 2 ? two(se) : std::to_wstring(se);
        } else if (c.size() == 5) {
            bool upper = c[0] == L'A';
            out += h < 12 ? (upper ? L"AM" : L"am") : (upper ? L"PM" : L"pm");
        } else {
            out += h < 12 ? std::wstring(1, c[0]) : std::wstring(1, c[0] == L'A' ? L'P' : L'p');
        }
    }
    return true;
}

// Writes |x| (already of the section's sign) with a number section.
std::wstring formatDigits(double a, const Section& s) {
    if (s.general) {
        std::wstring out;
        for (const Piece& p : s.pieces)
            out += p.kind == Piece::Digit ? generalText(a) : p.kind == Piece::Literal ? p.text : L"";
        return out;
    }
    int percents = 0;
    size_t exp = s.pieces.size();
    for (size_t i = 0; i < s.pieces.size(); ++i) {
        if (s.pieces[i].kind == Piece::Percent) ++percents;
        if (s.pieces[i].kind == Piece::Exp && exp == s.pieces.size()) exp = i;
    }
    a = a * std::pow(100.0, percents) / std::pow(1000.0, s.scale);
    // The placeholders: integer ones, decimal ones, exponent ones.
    std::vector<size_t> intSlots, decSlots, expSlots;
    bool point = false;
    for (size_t i = 0; i < s.pieces.size(); ++i) {
        const Piece& p = s.pieces[i];
        if (p.kind == Piece::Point && i < exp) point = true;
        if (p.kind != Piece::Digit) continue;
        if (i > exp) expSlots.push_back(i);
        else if (point) decSlots.push_back(i);
        else intSlots.push_back(i);
    }
    const int decimals = static_cast<int>(decSlots.size());
    std::wstring intDigits, decDigits, expText;
    if (exp < s.pieces.size()) {
        // Scientific: as many integer digits as placeholders (at least one).
        int lead = std::max<int>(1, static_cast<int>(intSlots.size()));
        int e10 = a == 0 ? 0 : static_cast<int>(std::floor(std::log10(a)));
        e10 -= (e10 % lead + lead) % lead;
        double m = a == 0 ? 0 : a / std::pow(10.0, e10);
        std::wstring t = detail::formatFixed(m, std::min(decimals, 15), false);
        if (detail::roundToDecimals(m, std::min(decimals, 15)) >= std::pow(10.0, lead)) {
            e10 += lead;
            m /= std::pow(10.0, lead);
            t = detail::formatFixed(m, std::min(decimals, 15), false);
        }
        size_t dot = t.find(L'.');
        intDigits = t.substr(0, dot);
        decDigits = dot == std::wstring::npos ? L"" : t.substr(dot + 1);
        std::wstring ed = std::to_wstring(std::abs(e10));
        while (ed.size() < expSlots.size())
            ed.insert(0, L"0");
        expText = (e10 < 0 ? L"-" : s.pieces[exp].text[1] == L'+' ? L"+" : L"") + ed;
    } else {
        std::wstring t = detail::formatFixed(a, std::min(decimals, 15), false);
        size_t dot = t.find(L'.');
        intDigits = t.substr(0, dot);
        decDigits = dot == std::wstring::npos ? L"" : t.substr(dot + 1);
    }
    if (intDigits == L"0") intDigits.clear();
    std::vector<std::wstring> slotText(s.pieces.size());
    if (s.thousands && !intSlots.empty()) {
        // Grouped digits go to the first placeholder as a whole, padded to
        // the count of '0' placeholders.
        size_t zeros = 0;
        for (size_t at : intSlots)
            zeros += s.pieces[at].text[0] == L'0';
        std::wstring digits = intDigits;
        if (digits.size() < zeros) digits.insert(0, zeros - digits.size(), L'0');
        slotText[intSlots.front()] = groupThousands(digits);
    } else {
        // Placeholders take the digits from the right; the first takes any
        // left over. Missing digits: '0' shows 0, '?' a space, '#' nothing.
        size_t k = intDigits.size();
        for (size_t n = intSlots.size(); n-- > 0;) {
            const size_t at = intSlots[n];
            const wchar_t ph = s.pieces[at].text[0];
            if (k > 0) slotText[at] = intDigits.substr(--k, 1);
            else slotText[at] = ph == L'0' ? L"0" : ph == L'?' ? L" " : L"";
            if (n == 0 && k > 0) slotText[at] = intDigits.substr(0, k) + slotText[at];
        }
    }
    {
        // Decimal placeholders from the left; trailing zeros of '#' dropped.
        size_t keep = decDigits.size();
        for (size_t n = decSlots.size(); n-- > 0;) {
            wchar_t ph = s.pieces[decSlots[n]].text[0];
            if (ph == L'0' || keep == 0 || decDigits[keep - 1] != L'0') break;
            --keep;
        }
        for (size_t n = 0; n < decSlots.size(); ++n) {
            wchar_t ph = s.pieces[decSlots[n]].text[0];
            slotText[decSlots[n]] = n < keep ? std::wstring(1, decDigits[n]) : ph == L'?' ? L" " : L"";
        }
    }
    if (!expSlots.empty()) slotText[expSlots.front()] = expText;
    std::wstring out;
    for (size_t i = 0; i < s.pieces.size(); ++i) {
        const Piece& p = s.pieces[i];
        switch (p.kind) {
        case Piece::Digit: out += slotText[i]; break;
        case Piece::Point: out += L"."; break;
        case Piece::Percent: out += L"%"; break;
        case Piece::Exp: out += L"E"; break;
        case Piece::Literal: out += p.text; break;
        default: break;
        }
    }
    return out;
}

} // namespace

bool formatNumber(double x, std::wstring_view format, std::wstring& out) {
    std::vector<std::wstring> parts = splitSections(format);
    if (parts.size() > 4) return false;
    size_t which = 0;
    bool negativeSection = false;
    if (x < 0 && parts.size() >= 2) which = 1, negativeSection = true;
    else if (x == 0 && parts.size() >= 3) which = 2;
    Section s = parseSection(parts[which]);
    if (negativeSection && parts[1].empty()) s = parseSection(parts[0]);
    if (s.isDate) {
        out.clear();
        return formatDate(negativeSection ? -x : x, s, out);
    }
    const double a = std::fabs(x);
    out = formatDigits(a, s);
    if (x < 0 && !negativeSection && out.find_first_of(L"123456789") != std::wstring::npos) out.insert(0, L"-");
    return true;
}

std::wstring formatText(const std::wstring& text, std::wstring_view format) {
    std::vector<std::wstring> parts = splitSections(format);
    if (parts.size() < 4) {
        // Without a text section, a format with "@" in its only section
        // still places the text.
        if (parts.size() == 1 && parts[0].find(L'@') != std::wstring::npos) parts.resize(4, parts[0]);
        else return text;
    }
    Section s = parseSection(parts[3]);
    std::wstring out;
    for (const Piece& p : s.pieces)
        out += p.kind == Piece::Text ? text : p.kind == Piece::Literal ? p.text : L"";
    return out;
}

} // namespace spread
