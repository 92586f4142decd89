// Runs every tests/data/formulas/*.txt: lines "formula<TAB>expected" computed
// against the input cells declared in the same file ("A1 := value"), from
// the cell named by the last "at B5" line (J10 before any). Expected values:
// a number, "text", TRUE or FALSE, an error name, (empty) or (refused).
// Numbers match at 15 significant digits, the precision a sheet shows.
#include "formula_test_host.h"
#include "test_paths.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace spread::testing {
namespace {

std::wstring widen(const std::string& s) {
    // UTF-8 of up to three bytes is all the data files use.
    std::wstring out;
    for (size_t i = 0; i < s.size(); ++i) {
        auto c = static_cast<unsigned char>(s[i]);
        auto next = [&] { return static_cast<unsigned char>(s[++i]) & 0x3F; };
        if (c >= 0xE0 && i + 2 < s.size()) {
            unsigned v = (c & 0x0Fu) << 12;
            v |= next() << 6;
            v |= next();
            out += static_cast<wchar_t>(v);
        } else if (c >= 0xC0 && i + 1 < s.size()) {
            unsigned v = (c & 0x1Fu) << 6;
            v |= next();
            out += static_cast<wchar_t>(v);
        } else {
            out += static_cast<wchar_t>(c);
        }
    }
    return out;
}

bool cellName(const std::wstring& s, int& col, int& row) {
    size_t i = 0;
    col = 0;
    while (i < s.size() && s[i] >= L'A' && s[i] <= L'Z')
        col = col * 26 + (s[i++] - L'A' + 1);
    if (i == 0 || i == s.size()) return false;
    row = std::stoi(s.substr(i));
    return col > 0 && row > 0;
}

Value literal(const std::wstring& s) {
    double d = 0;
    ErrorKind e;
    if (s == L"(empty)") return Value();
    if (s == L"TRUE" || s == L"FALSE") return Value::logical(s == L"TRUE");
    if (parseErrorName(s, e)) return Value::error(e);
    if (s.size() >= 2 && s.front() == L'"' && s.back() == L'"')
        return Value(s.substr(1, s.size() - 2));
    if (textToNumber(s, d)) return Value(d);
    return Value(s);
}

double shown(double x) {
    char buf[40];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific, 14);
    double y = 0;
    std::from_chars(buf, r.ptr, y);
    return y;
}

bool same(const Value& want, const Value& got) {
    if (want.isNumber() && got.isNumber()) return shown(want.number()) == shown(got.number());
    return want == got;
}

std::string show(const Value& v) {
    std::wstring t = v.toText();
    std::string kind[] = {"empty", "number", "text", "logical", "error"};
    std::string out = kind[static_cast<int>(v.type())] + " ";
    for (wchar_t c : t)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

void runFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    ASSERT_TRUE(in) << path;
    MapHost host;
    int col = 10, row = 10, lineNo = 0, cases = 0;
    std::string raw;
    while (std::getline(in, raw)) {
        ++lineNo;
        std::wstring line = widen(raw);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        if (line.empty() || line[0] == L'#') continue;
        std::string where = path.filename().string() + ":" + std::to_string(lineNo);
        if (auto at = line.find(L" := ");
            at != std::wstring::npos && line.find(L'\t') == std::wstring::npos) {
            int c = 0, r = 0;
            ASSERT_TRUE(cellName(line.substr(0, at), c, r)) << where;
            host.set(c, r, literal(line.substr(at + 4)));
            continue;
        }
        if (line.rfind(L"at ", 0) == 0) {
            ASSERT_TRUE(cellName(line.substr(3), col, row)) << where;
            continue;
        }
        auto tab = line.find(L'\t');
        ASSERT_NE(tab, std::wstring::npos) << where << ": no tab";
        std::wstring text = line.substr(0, tab);
        std::wstring expected = line.substr(line.find_first_not_of(L'\t', tab));
        ++cases;
        std::wstring why;
        auto f = Formula::parse(text, RefStyle::A1, col, row, &why);
        if (expected == L"(refused)") {
            EXPECT_EQ(f, nullptr) << where;
            continue;
        }
        if (!f) {
            ADD_FAILURE() << where << ": refused: " << std::string(why.begin(), why.end());
            continue;
        }
        Value got = f->evaluate(host, col, row);
        Value want = literal(expected);
        EXPECT_TRUE(same(want, got)) << where << ": want " << show(want) << ", got " << show(got);
        // Written back in either style, it reads back to the same formula.
        for (RefStyle style : {RefStyle::A1, RefStyle::R1C1}) {
            std::wstring back = f->text(style, col, row);
            auto again = Formula::parse(back, style, col, row);
            ASSERT_NE(again, nullptr) << where << ": text does not parse back";
            EXPECT_EQ(again->text(RefStyle::A1, col, row), f->text(RefStyle::A1, col, row))
                << where;
        }
    }
    EXPECT_GT(cases, 0) << path;
}

TEST(FormulaTable, EveryDataFileComputesItsExpectedValues) {
    std::filesystem::path dir = std::filesystem::path(ZRLSS_TEST_DATA) / "formulas";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        if (entry.path().extension() != ".txt") continue;
        SCOPED_TRACE(entry.path().filename().string());
        runFile(entry.path());
        ++files;
    }
    EXPECT_GT(files, 0);
}

} // namespace
} // namespace spread::testing
