#include "standards/calc_area_text.h"

#include "platform/core/text_helpers.h"
#include "platform/text/fold.h"

#include <algorithm>

namespace calc_area {

bool isWordChar(wchar_t ch) {
    return (ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z') || (ch >= L'0' && ch <= L'9') ||
           ch == L'_';
}

namespace {

void foldInto(std::wstring& out, const wchar_t* text, int length) {
    out.resize(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        out[static_cast<size_t>(i)] = zrltext::foldCase(text[i]);
}

} // namespace

void WordReplacer::add(const Zrl_String& name, const Zrl_String& with) {
    if (name.isEmpty()) return;
    std::wstring key;
    foldInto(key, name.c_str(), name.length());
    if (!index_.emplace(key, static_cast<int>(with_.size())).second) return;
    with_.push_back(with);
    const int len = name.length();
    if (std::find(lengths_.begin(), lengths_.end(), len) == lengths_.end()) {
        lengths_.push_back(len);
        std::sort(lengths_.begin(), lengths_.end(), std::greater<int>());
    }
    const wchar_t first = key[0];
    if (first < 128)
        firstAscii_[first] = true;
    else
        firstOther_ = true;
}

int WordReplacer::apply(Zrl_String& text, bool skipQuoted) const {
    if (with_.empty() || text.isEmpty()) return 0;
    const std::wstring& in = text.str();
    const int n = static_cast<int>(in.size());
    std::wstring out;
    int copied = 0; // in[copied..i) is still to be copied into out
    int count = 0;
    for (int i = 0; i < n;) {
        const wchar_t ch = in[static_cast<size_t>(i)];
        if (skipQuoted && ch == L'"') {
            const size_t close = in.find(L'"', static_cast<size_t>(i) + 1);
            i = close == std::wstring::npos ? n : static_cast<int>(close) + 1;
            continue;
        }
        const bool boundary = i == 0 || !isWordChar(in[static_cast<size_t>(i) - 1]);
        const wchar_t folded = zrltext::foldCase(ch);
        const bool candidate = folded < 128 ? firstAscii_[folded] : firstOther_;
        if (!boundary || !candidate) {
            ++i;
            continue;
        }
        int found = -1;
        int foundLen = 0;
        for (int len : lengths_) {
            if (i + len > n) continue;
            if (i + len < n && isWordChar(in[static_cast<size_t>(i + len)])) continue;
            foldInto(key_, in.c_str() + i, len);
            const auto it = index_.find(key_);
            if (it != index_.end()) {
                found = it->second;
                foundLen = len;
                break;
            }
        }
        if (found < 0) {
            ++i;
            continue;
        }
        if (out.empty()) out.reserve(in.size() + 16);
        out.append(in, static_cast<size_t>(copied), static_cast<size_t>(i - copied));
        out.append(with_[static_cast<size_t>(found)].str());
        i += foundLen;
        copied = i;
        ++count;
    }
    if (count > 0) {
        out.append(in, static_cast<size_t>(copied), std::wstring::npos);
        text = Zrl_String(std::move(out));
    }
    return count;
}

int sectionEndRow(const int* starts, int count, int section, int lastRow) {
    const int own = starts[section];
    int next = 0;
    for (int k = 0; k < count; ++k) {
        if (k == section || starts[k] <= own) continue;
        if (next == 0 || starts[k] < next) next = starts[k];
    }
    return next == 0 ? lastRow : std::min(next - 1, lastRow);
}

Equation splitEquation(const Zrl_String& text) {
    Equation eq;
    const int at = text.findFirst(L"=", true);
    if (at < 0) {
        eq.expression = text.trimmed();
        return eq;
    }
    eq.name = text.left(at).trimmed();
    eq.expression = text.getSubStringAt(at + 1).trimmed();
    eq.assignment = true;
    return eq;
}

namespace {

Zrl_String unquoted(Zrl_String text) {
    text.trim();
    if (text.at(0) == L'"') text.removeAt(0);
    if (text.length() > 0 && text.at(text.length() - 1) == L'"') text.removeAt(text.length() - 1);
    return text.trimmed();
}

} // namespace

bool parseChildCall(const Zrl_String& expression, Zrl_String& file, Zrl_StringArray& vars) {
    const int at = expression.findFirst(kCallChild, true);
    if (at < 0) return false;
    const int open = expression.findFirstFrom(L"(", at, true);
    const int close = expression.findFirstFrom(L")", at, true);
    if (open < 0 || close < 0 || close < open) return false;
    Zrl_StringArray parts;
    splitStringAtSymbol(expression.getSubStringAt(open + 1, close - open - 1), L",", parts, true);
    if (parts.length() < 2) return false;
    file = unquoted(parts[0]);
    Zrl_StringArray names;
    for (int i = 1; i < parts.length(); ++i)
        names.append(parts[i].trimmed());
    vars = names;
    return true;
}

Zrl_String genVarLiteral(const Zrl_String& value) {
    if (isNumber(value)) return value;
    Zrl_String quoted(L"\"");
    for (int i = 0; i < value.length(); ++i) {
        quoted.append(value.at(i));
        if (value.at(i) == L'"') quoted.append(L'"');
    }
    return quoted.append(L'"');
}

} // namespace calc_area
