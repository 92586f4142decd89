// VkSSRegistrySets: the language and the name of the default settings file
// kept under HKEY_LOCAL_MACHINE "Software\Vendrik\Spreadsheet Editor v1.0".
#pragma once

#include "platform/core/zrl_string.h"

class VkSSRegistrySets {
public:
    static constexpr const wchar_t* kKey = L"Software\\Vendrik\\Spreadsheet Editor v1.0";
    // Longest value accepted, in bytes of its UTF-8 form.
    static constexpr int kMaxValueBytes = 256;

    VkSSRegistrySets() = default;
    virtual ~VkSSRegistrySets() = default;

    Zrl_String language = L"EN";
    Zrl_String defaultSettings;

    // Reads both values; a value that is missing or too long keeps its
    // default. True only when both were read.
    bool read();
};
