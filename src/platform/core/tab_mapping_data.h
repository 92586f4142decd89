// TabMappingData: the standards of one macro as the standards mapping tab
// edits them. Sheet names and keys run in parallel, one entry per standard;
// the group names are what a standard may map to beside the entire macro;
// the candidates (every quantity of the macro) are filled by whoever opens
// the tab, and the tab does nothing while they are null.
#pragma once

#include "platform/core/zrl_stringarray.h"

class VkSSMapping;
class Zrl_DbMacro;

class TabMappingData {
public:
    TabMappingData() = default;
    TabMappingData(const TabMappingData&) = default;
    TabMappingData& operator=(const TabMappingData&) = default;
    virtual ~TabMappingData() = default;

    // The key to use for an entire-macro standard shown in `row` (from 0):
    // that row's key when the row names this sheet (without case), else
    // empty, so that a row given another sheet starts without a mapping.
    Zrl_String getMapping(const Zrl_String& sheetName, int row) const;

    // Sheets and keys from the macro's standards, group names from its
    // modules (a module without a group forms one of its own name), each
    // group once in module order. The candidates are left as they are.
    void fillFromMacro(const Zrl_DbMacro& macro);
    // The standards back into the macro (one per sheet name; a missing key
    // is read as empty).
    void storeInMacro(Zrl_DbMacro& macro) const;

    Zrl_StringArray sheetNames;
    Zrl_StringArray keys;
    Zrl_StringArray groupNames;
    VkSSMapping* candidates = nullptr;
};
