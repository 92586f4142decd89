// Variable records as tests build them.
#pragma once

#include "standards/var_cell.h"

namespace testsupport {

// A variable of a record given by the caller (mode 1).
inline VkVarCell var(const wchar_t* name, VkCellType kind, const wchar_t* value = L"",
                     VkValueType type = VkValueDouble) {
    VkVarCell v;
    v.name = name;
    v.cellType = kind;
    v.value = value;
    v.valueType = type;
    return v;
}

} // namespace testsupport
