#include "platform/core/macro_parts.h"

namespace {

const wchar_t* const kOffsetNames[kVkCutOffsetTypeCount] = {
    L"cut",     L"poly",     L"length",   L"center", L"inside",
    L"outside", L"chamfer1", L"chamfer2", L"radius",
};

} // namespace

AcArray<int> getCutOffsets(int cutType) {
    switch (cutType) {
    case Zrl_CutStraight:
        return {VkCutOffset, VkCutLengthOffset};
    case Zrl_CutPolygon:
        return {VkCutPolyOffset};
    case Zrl_CutCope:
        return {VkCutOffset, VkCutInsideOffset, VkCutOutsideOffset, VkCutRadius};
    case Zrl_CutChamfer:
        return {VkCutChamferOffset1, VkCutChamferOffset2};
    case Zrl_CutCenter:
        return {VkCutCenterOffset};
    case Zrl_CutFull: {
        AcArray<int> all;
        for (int i = 0; i < kVkCutOffsetTypeCount; ++i)
            all.append(i);
        return all;
    }
    default:
        return AcArray<int>();
    }
}

Zrl_String cutOffsetName(int offsetType) {
    if (offsetType < 0 || offsetType >= kVkCutOffsetTypeCount) return Zrl_String();
    return Zrl_String(kOffsetNames[offsetType]);
}

int cutOffsetFromName(const Zrl_String& name) {
    for (int i = 0; i < kVkCutOffsetTypeCount; ++i) {
        if (name.equal(kOffsetNames[i], false)) return i;
    }
    return -1;
}

Zrl_String macroNumberText(double value) {
    Zrl_String text(value, 8);
    std::wstring& s = text.str();
    if (s.find(L'.') != std::wstring::npos) {
        while (!s.empty() && s.back() == L'0')
            s.pop_back();
        if (!s.empty() && s.back() == L'.') s.pop_back();
    }
    if (s == L"-0") s = L"0";
    return text;
}

bool macroTextToNumber(const Zrl_String& text, double& value) {
    bool ok = false;
    double v = text.toDouble(&ok);
    if (ok) value = v;
    return ok;
}
