#include "standards/var_cell.h"

#include "standards/ss_mapping.h"

namespace {

bool isBlank(wchar_t ch) {
    return ch == L' ' || ch == L'\t';
}

} // namespace

bool VkVarCell::parseDeclaration(const Zrl_String& text, VkValueType& type, Zrl_String& name) {
    int start = 0;
    while (start < text.length() && isBlank(text[start]))
        ++start;
    const Zrl_String stripped = text.getSubStringAt(start);
    static const struct {
        const wchar_t* word;
        VkValueType type;
    } kWords[] = {{L"Int", VkValueInt}, {L"Double", VkValueDouble}, {L"String", VkValueString}};
    for (const auto& w : kWords) {
        if (!stripped.startsWith(w.word, true)) continue;
        type = w.type;
        const int blank = stripped.findFirst(L" ", true);
        name = blank < 0 ? Zrl_String() : stripped.getSubStringAt(blank + 1);
        return true;
    }
    return false;
}

ErrorStatus VkVarCell::setNewValue(const Zrl_String& v) {
    value = v;
    return Acad::eOk;
}

ErrorStatus VkVarCell::setValueFromMacro(VkSSMapping& mapping, VkDlgStandardsData& data) {
    return mapping.getMacroVarValue(name, valueType, value, data) == Acad::eOk
               ? Acad::eOk
               : Acad::eInvalidInput;
}

ErrorStatus VkVarCell::setValueToMacro(VkSSMapping& mapping, VkDlgStandardsData& data) {
    Zrl_String sent = value;
    return mapping.setMacroVarValue(name, valueType, sent, data) == Acad::eOk ? Acad::eOk
                                                                              : Acad::eInvalidInput;
}
