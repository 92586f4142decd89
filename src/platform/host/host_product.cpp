#include "platform/host/host_product.h"

#include "platform/host/call_log.h"

#include <cwchar>

namespace host {

std::wstring productName() {
    recordCall("productName");
    return L"DraftHost";
}

int productRelease() {
    recordCall("productRelease");
    return 24;
}

std::wstring dragFormatName() {
    wchar_t buffer[128];
    std::swprintf(buffer, 128, L"%ls.r%d", productName().c_str(), productRelease());
    return buffer;
}

} // namespace host
