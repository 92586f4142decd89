// Joining texts (CONCAT, TEXTJOIN), taking a text apart at a delimiter
// (TEXTBEFORE, TEXTAFTER), and characters by their Unicode number.
#include "platform/spread/functions_iterate.h"
#include "platform/text/fold.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace spread {

namespace {

constexpr size_t kMaxText = 32767;


// Calls fn(value) for every value of argument i: a block's cells in rows
// then columns (blanks as empty values; those after the last filled cell
// only with `trailing`), or the argument's own value. Stops at false.
template <typename Fn> bool eachInOrder(Call& c, int i, bool trailing, Fn&& fn) {
    const Slot& s = c.arg(i);
    if (!s.isRef()) return fn(s.v);
    struct Item {
        int row, col;
        Value v;
    };
    std::vector<Item> items;
    c.host.forEachValue(s.ref, [&](int col, int row, const Value& v) { items.push_back({row, col, v}); });
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        return a.row != b.row ? a.row < b.row : a.col < b.col;
    });
    // Blanks between filled cells join as empty texts (TEXTJOIN counts them).
    const int width = s.ref.col2 - s.ref.col1 + 1;
    long long next = 0;
    for (const Item& it : items) {
        long long at = static_cast<long long>(it.row - s.ref.row1) * width + (it.col - s.ref.col1);
        for (; next < at; ++next)
            if (!fn(Value())) return false;
        next = at + 1;
        if (!fn(it.v)) return false;
    }
    if (trailing)
        for (long long end = static_cast<long long>(cellCount(s.ref)); next < end; ++next)
            if (!fn(Value())) return false;
    return true;
}

// The texts of the arguments from `first` on, errors stopping.
bool textsOf(Call& c, int first, bool blanks, std::vector<std::wstring>& out, Slot& failure) {
    for (int i = first; i < c.argc; ++i) {
        bool ok = eachInOrder(c, i, blanks, [&](const Value& v) {
            std::wstring t;
            ErrorKind e = ErrorKind::Value;
            if (!toText(v, t, e)) {
                failure = fail(e);
                return false;
            }
            out.push_back(std::move(t));
            if (out.size() <= kMaxText) return true;
            failure = fail(ErrorKind::Value); // the joined text would be too long
            return false;
        });
        if (!ok) return false;
    }
    return true;
}

Slot joined(std::wstring s) {
    if (s.size() > kMaxText) return fail(ErrorKind::Value);
    return Value(std::move(s));
}

Slot fnConcat(Call& c) {
    std::vector<std::wstring> parts;
    Slot failure;
    if (!textsOf(c, 0, false, parts, failure)) return failure;
    std::wstring s;
    for (const auto& p : parts) {
        s += p;
        if (s.size() > kMaxText) return fail(ErrorKind::Value);
    }
    return joined(std::move(s));
}

// TEXTJOIN(delimiter, skip empty, text, ...): a block of delimiters is used
// in turn.
Slot fnTextJoin(Call& c) {
    std::vector<std::wstring> delims, parts;
    Slot failure;
    Call first{c.host, c.col, c.row, c.args, 1};
    if (!textsOf(first, 0, false, delims, failure)) return failure;
    bool skipEmpty = false;
    ErrorKind e = ErrorKind::Value;
    if (!toLogical(c.scalar(1), skipEmpty, e)) return fail(e);
    if (!textsOf(c, 2, !skipEmpty, parts, failure)) return failure;
    std::wstring s;
    size_t d = 0, n = 0;
    for (const auto& p : parts) {
        if (skipEmpty && p.empty()) continue;
        if (n++ > 0 && !delims.empty()) s += delims[d++ % delims.size()];
        s += p;
        if (s.size() > kMaxText) return fail(ErrorKind::Value);
    }
    return joined(std::move(s));
}

// TEXTBEFORE and TEXTAFTER(text, delimiter, [instance 1], [match mode 0:
// with case, 1: without], [match end 0], [if not found #N/A]).
Slot textAround(Call& c, bool before) {
    const std::wstring& text = c.text(0);
    const std::wstring& delim = c.text(1);
    double n = c.given(2) && c.arg(2).kind != Slot::Missing ? std::trunc(c.num(2)) : 1;
    bool noCase = c.given(3) && c.num(3) != 0;
    bool matchEnd = c.given(4) && c.num(4) != 0;
    auto notFound = [&]() -> Slot {
        if (c.given(5) && c.arg(5).kind != Slot::Missing) return c.value(5);
        return fail(ErrorKind::NA);
    };
    if (n == 0 || std::fabs(n) > static_cast<double>(text.size()) + 1) return fail(ErrorKind::Value);
    auto fold = [&](std::wstring t) {
        if (noCase)
            for (wchar_t& ch : t)
                ch = zrltext::foldCase(ch);
        return t;
    };
    const std::wstring hay = fold(text), needle = fold(delim);
    // The delimiter's occurrences (position, length); match end counts the
    // text's end (or start, counting from the end) as one more.
    std::vector<std::pair<size_t, size_t>> at;
    if (needle.empty()) at.push_back({n > 0 ? 0 : text.size(), 0});
    for (size_t p = needle.empty() ? std::wstring::npos : hay.find(needle); p != std::wstring::npos;
         p = hay.find(needle, p + needle.size()))
        at.push_back({p, needle.size()});
    if (matchEnd && !needle.empty()) {
        if (n > 0) at.push_back({text.size(), 0});
        else at.insert(at.begin(), {0, 0});
    }
    size_t k = static_cast<size_t>(std::fabs(n));
    if (k > at.size()) return notFound();
    auto [pos, len] = n > 0 ? at[k - 1] : at[at.size() - k];
    if (before) return Value(text.substr(0, pos));
    return Value(text.substr(pos + len));
}
Slot fnTextBefore(Call& c) {
    return textAround(c, true);
}
Slot fnTextAfter(Call& c) {
    return textAround(c, false);
}

// T: a text as itself, anything else as empty text.
Slot fnT(Call& c) {
    Value v = c.scalar(0);
    if (v.isError()) return v;
    return v.isText() ? v : Value(std::wstring());
}

// CLEAN removes the control characters 0 to 31.
Slot fnClean(Call& c) {
    std::wstring s = c.text(0);
    std::erase_if(s, [](wchar_t ch) { return ch < 32; });
    return Value(std::move(s));
}

Slot fnUniChar(Call& c) {
    double n = std::trunc(c.num(0));
    if (n < 1 || n > 0x10FFFF || (n >= 0xD800 && n <= 0xDFFF)) return fail(ErrorKind::Value);
    return Value(std::wstring(1, static_cast<wchar_t>(n)));
}

Slot fnUnicode(Call& c) {
    const std::wstring& s = c.text(0);
    if (s.empty()) return fail(ErrorKind::Value);
    return Value(static_cast<double>(static_cast<uint32_t>(s[0])));
}

const FunctionDef kTextJoin[] = {
    {L"CLEAN", 1, 1, "s", fnClean},
    {L"CONCAT", 1, 255, "r", fnConcat},
    {L"T", 1, 1, "r", fnT},
    {L"TEXTAFTER", 2, 6, "ssnnnv", fnTextAfter},
    {L"TEXTBEFORE", 2, 6, "ssnnnv", fnTextBefore},
    {L"TEXTJOIN", 3, 255, "r", fnTextJoin},
    {L"UNICHAR", 1, 1, "n", fnUniChar},
    {L"UNICODE", 1, 1, "s", fnUnicode},
};

} // namespace

FunctionList textJoinFunctions() {
    return {kTextJoin, std::size(kTextJoin)};
}

} // namespace spread
