// VkAutoStandardsData: the general variables that automatic standards apply.
//
// Two tables of parallel lists: entry i of every list of one table belongs to
// row i of that table.
//  - drawing variables: name, value, filter;
//  - standard variables: name, value, override, filter.
// A filter holds paths joined by ";": drawings or folders relative to the
// folder "Macros\" under the library folder, to which the variable applies.
#pragma once

#include "platform/core/zrl_stringarray.h"

class VkAutoStandardsData {
public:
    VkAutoStandardsData() = default;
    VkAutoStandardsData(const VkAutoStandardsData&) = default;
    VkAutoStandardsData& operator=(const VkAutoStandardsData&) = default;
    virtual ~VkAutoStandardsData() = default;

    // Variables set per drawing.
    Zrl_StringArray& dwgGenVars() { return dwgGenVars_; }
    Zrl_StringArray& dwgGenValues() { return dwgGenValues_; }
    Zrl_StringArray& dwgGenFilters() { return dwgGenFilters_; }
    const Zrl_StringArray& dwgGenVars() const { return dwgGenVars_; }
    const Zrl_StringArray& dwgGenValues() const { return dwgGenValues_; }
    const Zrl_StringArray& dwgGenFilters() const { return dwgGenFilters_; }

    // Variables set per standard.
    Zrl_StringArray& stdGenVars() { return stdGenVars_; }
    Zrl_StringArray& stdGenValues() { return stdGenValues_; }
    Zrl_StringArray& stdGenOverrides() { return stdGenOverrides_; }
    Zrl_StringArray& stdGenFilters() { return stdGenFilters_; }
    const Zrl_StringArray& stdGenVars() const { return stdGenVars_; }
    const Zrl_StringArray& stdGenValues() const { return stdGenValues_; }
    const Zrl_StringArray& stdGenOverrides() const { return stdGenOverrides_; }
    const Zrl_StringArray& stdGenFilters() const { return stdGenFilters_; }

    bool operator==(const VkAutoStandardsData&) const = default;

private:
    Zrl_StringArray dwgGenVars_;
    Zrl_StringArray dwgGenValues_;
    Zrl_StringArray dwgGenFilters_;
    Zrl_StringArray stdGenVars_;
    Zrl_StringArray stdGenValues_;
    Zrl_StringArray stdGenOverrides_;
    Zrl_StringArray stdGenFilters_;
};
