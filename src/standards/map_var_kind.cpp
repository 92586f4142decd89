#include "standards/map_var_kind.h"

namespace {

struct KindInfo {
    const wchar_t* keyword;
    VkValueType type;
};

const KindInfo kKinds[kVkMapVarKindCount] = {
    {L"", VkValueString},
    {L"Distance", VkValueDouble},
    {L"GenVar", VkValueDouble},
    {L"CutOffset", VkValueDouble},
    {L"CutPolyOffset", VkValueDouble},
    {L"CutLengthOffset", VkValueDouble},
    {L"CutCenterOffset", VkValueDouble},
    {L"CutInsideOffset", VkValueDouble},
    {L"CutOutsideOffset", VkValueDouble},
    {L"CutChamferOffset1", VkValueDouble},
    {L"CutChamferOffset2", VkValueDouble},
    {L"CutRadius", VkValueDouble},
    {L"PrPlName", VkValueString},
    {L"PrPlMaterial", VkValueString},
    {L"OwnedMemberName", VkValueString},
    {L"MemberSectionSize", VkValueDouble},
    {L"PatternNrBolts1", VkValueString},
    {L"PatternNrBolts2", VkValueString},
    {L"PatternReverseStart1", VkValueInt},
    {L"PatternReverseStart2", VkValueInt},
    {L"BoltsDiameter", VkValueDouble},
    {L"BoltsHoleOffset", VkValueDouble},
};

bool known(VkMapVarKind kind) {
    return kind > VkMapVarNone && kind < kVkMapVarKindCount;
}

} // namespace

Zrl_String mapVarKindKeyword(VkMapVarKind kind) {
    return known(kind) ? Zrl_String(kKinds[kind].keyword) : Zrl_String();
}

bool mapVarKindValueType(VkMapVarKind kind, VkValueType& type) {
    if (!known(kind)) return false;
    type = kKinds[kind].type;
    return true;
}

bool mapVarKindFromText(const Zrl_String& text, VkMapVarKind& kind) {
    int start = 0;
    while (start < text.length() && (text[start] == L' ' || text[start] == L'\t'))
        ++start;
    const Zrl_String rest = text.getSubStringAt(start);
    for (int k = 1; k < kVkMapVarKindCount; ++k) {
        if (rest.startsWith(kKinds[k].keyword, true)) {
            kind = static_cast<VkMapVarKind>(k);
            return true;
        }
    }
    return false;
}

bool isMacroKind(VkMapVarKind kind) {
    return kind == VkMapVarGenVar || kind == VkMapVarPrPlName || kind == VkMapVarPrPlMaterial ||
           kind == VkMapVarMemberSectionSize;
}
