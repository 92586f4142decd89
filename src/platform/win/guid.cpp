#include "platform/win/guid.h"

namespace win {

namespace {

void appendHex(std::wstring& out, std::uint64_t value, int digits) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
        out += kDigits[(value >> shift) & 0xF];
}

} // namespace

std::wstring Guid::toText() const {
    std::wstring out;
    out.reserve(38);
    out += L'{';
    appendHex(out, data1, 8);
    out += L'-';
    appendHex(out, data2, 4);
    out += L'-';
    appendHex(out, data3, 4);
    out += L'-';
    for (size_t i = 0; i < data4.size(); ++i) {
        if (i == 2) out += L'-';
        appendHex(out, data4[i], 2);
    }
    out += L'}';
    return out;
}

} // namespace win
