// Arbitrary UTF-8 as a formula in both reference styles: parsing, computing
// against a tiny sheet, writing back and reading the written text again must
// never fail on what was accepted once; the quick compile of simple formulas
// must give what the full parser gives.
#include "platform/spread/custom_function.h"
#include "platform/spread/formula.h"
#include "platform/spread/formula_impl.h"

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

using namespace spread;

namespace {

class TinyHost : public FormulaHost {
public:
    TinyHost() {
        cells_[{1, 1}] = Value(2.5);
        cells_[{1, 2}] = Value(L"12");
        cells_[{2, 1}] = Value(L"text");
        cells_[{2, 2}] = Value::logical(true);
        cells_[{3, 3}] = Value::error(ErrorKind::NA);
        fns_.add({L"ECHO", 0, 3, 1, [](Sheet&, CalcValue& r, CalcValue* a, int n) {
                      if (n > 0) r = a[0];
                      if (r.type == kCalcText) r.v.text = allocTextBlock(lockTextBlock(r.v.text));
                      return n != 2;
                  }});
    }
    Value cellValue(int col, int row) override {
        auto it = cells_.find({col, row});
        return it == cells_.end() ? Value() : it->second;
    }
    void forEachValue(const CellRange& r,
                      const std::function<void(int, int, const Value&)>& fn) override {
        for (const auto& [at, v] : cells_)
            if (r.contains(at.first, at.second)) fn(at.first, at.second, v);
    }
    const CustomFunction* customFunction(std::wstring_view name) override {
        return fns_.find(name);
    }
    Sheet& callerSheet() override { return *reinterpret_cast<Sheet*>(this); }

private:
    std::map<std::pair<int, int>, Value> cells_;
    FunctionRegistry fns_;
};

// UTF-8 to wide characters; invalid bytes become U+FFFD.
std::wstring decode(const uint8_t* data, size_t size) {
    std::wstring out;
    for (size_t i = 0; i < size;) {
        uint8_t c = data[i];
        int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= size + (extra == 0 ? 1 : 0)) {
            out += L'\uFFFD';
            ++i;
            continue;
        }
        uint32_t v = extra == 0 ? c : c & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            uint8_t d = data[i + static_cast<size_t>(k)];
            ok = ok && (d & 0xC0) == 0x80;
            v = (v << 6) | (d & 0x3F);
        }
        out += ok && v <= 0x10FFFF ? static_cast<wchar_t>(v) : L'\uFFFD';
        i += ok ? static_cast<size_t>(extra) + 1 : 1;
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4096) return 0;
    static TinyHost host;
    std::wstring text = decode(data, size);
    const int col = 4, row = 5;
    for (RefStyle style : {RefStyle::A1, RefStyle::R1C1}) {
        // The quick compile of simple formulas and the full parser agree.
        std::wstring_view bare(text);
        if (!bare.empty() && bare[0] == L'=') bare.remove_prefix(1);
        if (!quickCompileAgrees(bare, style, col, row)) std::abort();
        std::wstring why;
        auto f = Formula::parse(text, style, col, row, &why);
        if (!f) {
            if (why.empty()) std::abort(); // a refusal always says why
            continue;
        }
        Value v = f->evaluate(host, col, row);
        (void)v.toText();
        std::vector<CellRange> refs;
        f->references(refs);
        for (RefStyle out : {RefStyle::A1, RefStyle::R1C1}) {
            std::wstring back = f->text(out, col, row);
            auto again = Formula::parse(back, out, col, row, &why);
            if (!again) std::abort();
            // Reading the written text gives the same formula.
            if (again->text(out, col, row) != back) std::abort();
        }
        if (auto m = f->moved(-3, 2)) (void)m->evaluate(host, 1, 7);
        f->adjustRows(2, -1);
        f->adjustCols(1, 3);
        (void)f->evaluate(host, col, row);
        (void)f->text(RefStyle::A1, col, row);
    }
    return 0;
}
