// Text blocks and a sheet's registry of custom functions.
#include "platform/spread/custom_function.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <new>

namespace spread {

namespace {

// A block is a length-prefixed, zero-terminated wide string in one malloc'd
// piece, so that a block handed over by a callback can be freed here.
struct BlockHeader {
    size_t length;
};

wchar_t upperAscii(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

std::wstring upper(std::wstring_view name) {
    std::wstring out(name);
    for (auto& c : out)
        c = upperAscii(c);
    return out;
}

} // namespace

TextBlock allocTextBlock(std::wstring_view text) {
    size_t bytes = sizeof(BlockHeader) + (text.size() + 1) * sizeof(wchar_t);
    void* mem = std::malloc(bytes);
    if (!mem) return nullptr;
    auto* header = static_cast<BlockHeader*>(mem);
    header->length = text.size();
    auto* chars = reinterpret_cast<wchar_t*>(header + 1);
    if (!text.empty()) std::memcpy(chars, text.data(), text.size() * sizeof(wchar_t));
    chars[text.size()] = L'\0';
    return mem;
}

const wchar_t* lockTextBlock(TextBlock block) {
    if (!block) return nullptr;
    return reinterpret_cast<const wchar_t*>(static_cast<BlockHeader*>(block) + 1);
}

void freeTextBlock(TextBlock block) {
    std::free(block);
}

void FunctionRegistry::add(CustomFunction fn) {
    fn.name = upper(fn.name);
    auto key = fn.name;
    fns_.insert_or_assign(std::move(key), std::move(fn));
    ++version_;
}

const CustomFunction* FunctionRegistry::find(std::wstring_view name) const {
    // Names are short: folded on the stack, looked up without a copy.
    wchar_t buf[64];
    auto it = fns_.end();
    if (name.size() <= std::size(buf)) {
        for (size_t i = 0; i < name.size(); ++i)
            buf[i] = upperAscii(name[i]);
        it = fns_.find(std::wstring_view(buf, name.size()));
    } else {
        it = fns_.find(upper(name));
    }
    return it == fns_.end() ? nullptr : &it->second;
}

const CustomFunction* FunctionRegistry::findNumbered(uint32_t nameId,
                                                     std::wstring_view name) const {
    if (nameId == 0) return find(name);
    if (!kept_.answers || kept_.version != version_) {
        if (!kept_.answers)
            kept_.answers.reset(new (std::nothrow) Kept::Answer[Kept::kSlots]);
        else
            std::fill_n(kept_.answers.get(), Kept::kSlots, Kept::Answer{});
        if (!kept_.answers) return find(name);
        kept_.version = version_;
    }
    Kept::Answer& answer = kept_.answers[nameId % Kept::kSlots];
    if (answer.nameId != nameId) answer = {nameId, find(name)};
    return answer.fn;
}

} // namespace spread
