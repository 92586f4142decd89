#include "comreg/clsid_printout.h"

#include "comreg/com_ids.h"

namespace comreg {

std::optional<std::wstring> clsidDeclaration(std::wstring_view className,
                                             std::wstring_view idText) {
    if (!win::Guid::fromText(idText)) return std::nullopt;
    // Positions in "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}": the first three
    // groups whole, then the digit pairs of the last two groups.
    const std::wstring_view groups = idText.substr(1, 36);
    std::wstring out = L"const cCLSID CLSID_" + std::wstring(className) + L" = {0x";
    out += groups.substr(0, 8);
    out += L",0x";
    out += groups.substr(9, 4);
    out += L",0x";
    out += groups.substr(14, 4);
    out += L",{";
    bool first = true;
    for (size_t pos : {19u, 21u, 24u, 26u, 28u, 30u, 32u, 34u}) {
        out += first ? L"0x" : L",0x";
        out += groups.substr(pos, 2);
        first = false;
    }
    out += L"}};";
    return out;
}

Zrl_StringArray registryIdLines() {
    Zrl_StringArray lines;
    lines.append(Zrl_String(L"TypeLib_=" + kTypeLib.id.toText()));
    for (const ComClass& c : kClasses)
        lines.append(Zrl_String(L"Class_" + std::wstring(c.name) + L"=" + c.clsid.toText()));
    for (const ComClass& c : kClasses)
        if (c.hasInterface())
            lines.append(
                Zrl_String(L"Interface_" + std::wstring(c.interfaceName) + L"=" + c.iid.toText()));
    return lines;
}

} // namespace comreg
