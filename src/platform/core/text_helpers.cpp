#include "platform/core/text_helpers.h"

#include "platform/text/fold.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <unordered_set>
#include <utility>
#include <vector>

namespace {

bool isDigit(wchar_t ch) {
    return ch >= L'0' && ch <= L'9';
}

bool isLetter(wchar_t ch) {
    if ((ch >= L'a' && ch <= L'z') || (ch >= L'A' && ch <= L'Z')) return true;
    if (ch >= 0xC0 && ch <= 0x24F) return ch != 0xD7 && ch != 0xF7;
    if (ch >= 0x386 && ch <= 0x3FF) return ch != 0x387;
    return ch >= 0x400 && ch <= 0x4FF && !(ch >= 0x482 && ch <= 0x489);
}

} // namespace

int strToArr(const Zrl_String& text, Zrl_StringArray& out, wchar_t separator) {
    const std::wstring& s = text.str();
    const auto count = std::count(s.begin(), s.end(), separator);
    // Room for every piece up front: the list grows in small steps otherwise.
    Zrl_StringArray pieces(static_cast<int>(std::min<std::ptrdiff_t>(count + 1, 1 << 24)));
    if (!text.isEmpty()) {
        size_t start = 0;
        for (;;) {
            size_t hit = s.find(separator, start);
            if (hit == std::wstring::npos) {
                pieces.append(Zrl_String(s.substr(start)));
                break;
            }
            pieces.append(Zrl_String(s.substr(start, hit - start)));
            start = hit + 1;
        }
    }
    out = std::move(pieces);
    return out.length();
}

Zrl_String arrToStr(const Zrl_StringArray& list, wchar_t separator) {
    Zrl_String out;
    for (int i = 0; i < list.length(); ++i) {
        if (i > 0) out.append(separator);
        out.append(list[i]);
    }
    return out;
}

int splitStringAtSymbol(const Zrl_String& text, const Zrl_String& symbol, Zrl_StringArray& out,
                        bool caseSensitive) {
    Zrl_StringArray pieces;
    if (!text.isEmpty()) {
        int start = 0;
        for (;;) {
            int hit = symbol.isEmpty() ? -1 : text.findFirstFrom(symbol, start, caseSensitive);
            if (hit < 0) {
                pieces.append(text.getSubStringAt(start));
                break;
            }
            pieces.append(text.getSubStringAt(start, hit - start));
            start = hit + symbol.length();
        }
    }
    out = std::move(pieces);
    return out.length();
}

bool splitString(const Zrl_String& text, const Zrl_String& separator, Zrl_String& before,
                 Zrl_String& after, bool caseSensitive) {
    int hit = text.findFirst(separator, caseSensitive);
    if (hit < 0) {
        before = text;
        after = Zrl_String();
        return false;
    }
    Zrl_String head = text.getSubStringAt(0, hit);
    after = text.getSubStringAt(hit + separator.length());
    before = std::move(head);
    return true;
}

Zrl_String getSubstrBefore(const Zrl_String& text, const Zrl_String& separator,
                           bool caseSensitive) {
    int hit = text.findFirst(separator, caseSensitive);
    return hit < 0 ? text : text.getSubStringAt(0, hit);
}

Zrl_String getSubstrAfter(const Zrl_String& text, const Zrl_String& separator, bool caseSensitive) {
    int hit = text.findFirst(separator, caseSensitive);
    return hit < 0 ? Zrl_String() : text.getSubStringAt(hit + separator.length());
}

void arrArrToArr(const Zrl_StringArrayArray& rows, Zrl_StringArray& lines, wchar_t separator) {
    Zrl_StringArray out(rows.length());
    for (const Zrl_StringArray& row : rows)
        out.append(arrToStr(row, separator));
    lines = std::move(out);
}

void arrToArrArr(const Zrl_StringArray& lines, Zrl_StringArrayArray& rows, wchar_t separator) {
    Zrl_StringArrayArray out(lines.length());
    for (const Zrl_String& line : lines) {
        Zrl_StringArray row;
        strToArr(line, row, separator);
        out.append(row);
    }
    rows = std::move(out);
}

Zrl_String appStrs(const Zrl_String& a, const Zrl_String& b, const Zrl_String& c,
                   const Zrl_String& d, const Zrl_String& e) {
    Zrl_String out = a;
    return out.append(b).append(c).append(d).append(e);
}

Zrl_StringArray stringArr(const Zrl_String& a, const Zrl_String& b, const Zrl_String& c,
                          const Zrl_String& d, const Zrl_String& e) {
    Zrl_StringArray out;
    for (const Zrl_String* t : {&a, &b, &c, &d, &e}) {
        if (!t->isEmpty()) out.append(*t);
    }
    return out;
}

bool hasASubstr(const Zrl_String& text, const Zrl_StringArray& parts, bool caseSensitive) {
    for (const Zrl_String& part : parts) {
        if (!part.isEmpty() && text.hasSubString(part, caseSensitive)) return true;
    }
    return false;
}

bool hasDuplicates(const Zrl_StringArray& list, Zrl_StringArray& duplicates, bool caseSensitive) {
    AcArray<int> later;
    getDuplicates(list, later, caseSensitive);
    Zrl_StringArray found;
    for (int index : later) {
        if (!found.contains(list[index], caseSensitive)) found.append(list[index]);
    }
    duplicates = std::move(found);
    return !duplicates.isEmpty();
}

bool getDuplicates(const Zrl_StringArray& list, AcArray<int>& indexes, bool caseSensitive) {
    // Texts seen so far, folded when case does not count: folded texts are
    // equal exactly when the texts are equal without case.
    std::unordered_set<std::wstring> seen;
    std::vector<int> later;
    for (int i = 0; i < list.length(); ++i) {
        std::wstring key = caseSensitive ? list[i].str() : list[i].toLower().str();
        if (!seen.insert(std::move(key)).second) later.push_back(i);
    }
    AcArray<int> out(static_cast<int>(later.size()));
    for (int i : later)
        out.append(i);
    indexes = std::move(out);
    return !indexes.isEmpty();
}

Zrl_String findNonExistingString(const Zrl_StringArray& list, const Zrl_String& base) {
    if (!base.isEmpty() && !list.contains(base, false)) return base;
    Zrl_String stem = stripNumbersAtEnd(base);
    Zrl_String digits = base.getSubStringAt(stem.length());
    const int width = digits.length();
    long long counter = 1;
    if (width > 0 && width <= 15) counter = std::stoll(digits.str()) + 1;
    for (int tries = 0; tries < 1000000; ++tries, ++counter) {
        std::wstring number = std::to_wstring(counter);
        if (static_cast<int>(number.size()) < width)
            number.insert(0, static_cast<size_t>(width) - number.size(), L'0');
        Zrl_String candidate = stem + Zrl_String(number);
        if (!list.contains(candidate, false)) return candidate;
    }
    return Zrl_String();
}

int compareNatural(const Zrl_String& a, const Zrl_String& b, bool caseSensitive) {
    const std::wstring& x = a.str();
    const std::wstring& y = b.str();
    size_t i = 0, j = 0;
    while (i < x.size() && j < y.size()) {
        if (isDigit(x[i]) && isDigit(y[j])) {
            size_t ie = i, je = j;
            while (ie < x.size() && isDigit(x[ie]))
                ++ie;
            while (je < y.size() && isDigit(y[je]))
                ++je;
            // Compare the values without leading zeros: longer is larger,
            // equal lengths compare digit by digit.
            size_t is = i, js = j;
            while (is + 1 < ie && x[is] == L'0')
                ++is;
            while (js + 1 < je && y[js] == L'0')
                ++js;
            if (ie - is != je - js) return ie - is < je - js ? -1 : 1;
            int c = x.compare(is, ie - is, y, js, je - js);
            if (c != 0) return c < 0 ? -1 : 1;
            // Same value: fewer leading zeros first, so the order is total.
            if (ie - i != je - j) return ie - i < je - j ? -1 : 1;
            i = ie;
            j = je;
            continue;
        }
        wchar_t cx = caseSensitive ? x[i] : zrltext::foldCase(x[i]);
        wchar_t cy = caseSensitive ? y[j] : zrltext::foldCase(y[j]);
        if (cx != cy) return cx < cy ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < x.size()) return 1;
    if (j < y.size()) return -1;
    return 0;
}

void sortArray(Zrl_StringArray& list, bool caseSensitive) {
    std::stable_sort(list.begin(), list.end(), [caseSensitive](const auto& a, const auto& b) {
        return compareNatural(a, b, caseSensitive) < 0;
    });
}

int ObjectExportAddToSorted(Zrl_StringArray& list, const Zrl_String& text, bool caseSensitive) {
    auto at = std::upper_bound(list.begin(), list.end(), text,
                               [caseSensitive](const Zrl_String& t, const Zrl_String& e) {
                                   return compareNatural(t, e, caseSensitive) < 0;
                               });
    int index = static_cast<int>(at - list.begin());
    list.insertAt(index, text);
    return index;
}

bool isNumber(const Zrl_String& text) {
    Zrl_String t = text.trimmed();
    // Only plain decimal notation: no "inf", "nan" or hexadecimal forms.
    for (wchar_t ch : t.str()) {
        if (!isDigit(ch) && ch != L'.' && ch != L'-' && ch != L'+' && ch != L'e' && ch != L'E')
            return false;
    }
    bool ok = false;
    t.toDouble(&ok);
    return ok;
}

bool startsWithNumber(const Zrl_String& text) {
    return isDigit(text.at(0));
}

int findFirstNumbers(const Zrl_String& text, Zrl_String* digits) {
    const std::wstring& s = text.str();
    for (size_t i = 0; i < s.size(); ++i) {
        if (!isDigit(s[i])) continue;
        if (digits) {
            size_t e = i;
            while (e < s.size() && isDigit(s[e]))
                ++e;
            *digits = Zrl_String(s.substr(i, e - i));
        }
        return static_cast<int>(i);
    }
    if (digits) *digits = Zrl_String();
    return -1;
}

Zrl_String stripNumbersAtEnd(const Zrl_String& text) {
    int end = text.length();
    while (end > 0 && isDigit(text.at(end - 1)))
        --end;
    return text.left(end);
}

Zrl_String getAlfabet(int number) {
    std::wstring out;
    long long n = number;
    while (n > 0) {
        --n;
        out.insert(out.begin(), static_cast<wchar_t>(L'A' + n % 26));
        n /= 26;
    }
    return Zrl_String(std::move(out));
}

Zrl_String removeLineComment(const Zrl_String& text, const Zrl_String& marker) {
    int hit = marker.isEmpty() ? -1 : text.findFirst(marker, true);
    return hit < 0 ? text : text.left(hit);
}

void removeComments(Zrl_StringArray& lines) {
    bool inBlock = false;
    for (Zrl_String& line : lines) {
        Zrl_String kept;
        int pos = 0;
        while (pos < line.length()) {
            if (inBlock) {
                int close = line.findFirstFrom(L"*/", pos, true);
                if (close < 0) {
                    pos = line.length();
                } else {
                    inBlock = false;
                    pos = close + 2;
                }
            } else {
                int open = line.findFirstFrom(L"/*", pos, true);
                if (open < 0) {
                    kept.append(line.getSubStringAt(pos));
                    pos = line.length();
                } else {
                    kept.append(line.getSubStringAt(pos, open - pos));
                    inBlock = true;
                    pos = open + 2;
                }
            }
        }
        line = removeLineComment(kept);
    }
}

bool hasOnlyLettersNumbers(const Zrl_String& text) {
    if (text.isEmpty()) return false;
    const std::wstring& s = text.str();
    return std::all_of(s.begin(), s.end(), [](wchar_t ch) { return isDigit(ch) || isLetter(ch); });
}

bool hasInvalidFileNameChars(const Zrl_String& text) {
    static const std::wstring invalid = L"\\/:*?\"<>|";
    const std::wstring& s = text.str();
    return std::any_of(s.begin(), s.end(), [](wchar_t ch) {
        return ch < 0x20 || invalid.find(ch) != std::wstring::npos;
    });
}

namespace {
RandomStringSource& randomStringSource() {
    static RandomStringSource source;
    return source;
}
} // namespace

RandomStringSource setRandomStringSource(RandomStringSource source) {
    return std::exchange(randomStringSource(), std::move(source));
}

Zrl_String generateRandomString(int length, bool withDigits) {
    if (const RandomStringSource& source = randomStringSource()) return source(length, withDigits);
    static const std::wstring letters =
        L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 engine{std::random_device{}()};
    const int alphabet = withDigits ? 62 : 52;
    std::uniform_int_distribution<int> pick(0, alphabet - 1);
    std::wstring out;
    for (int i = 0; i < length; ++i)
        out += letters[static_cast<size_t>(pick(engine))];
    return Zrl_String(std::move(out));
}
