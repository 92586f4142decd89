// The core module's record of the sheets manager: the workshop-drawing
// sheets in list order, each with the parts shown under it, and the command
// that changes a sheet's format.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"

class VkSheetEntry {
public:
    VkSheetEntry() = default;
    VkSheetEntry(const Zrl_String& name, const Zrl_StringArray& parts)
        : name(name), parts(parts) {}
    VkSheetEntry(const VkSheetEntry&) = default;
    VkSheetEntry& operator=(const VkSheetEntry&) = default;
    virtual ~VkSheetEntry() = default;

    Zrl_String name;
    Zrl_StringArray parts;
};

class VkSheetsMgrDlgData {
public:
    VkSheetsMgrDlgData() = default;
    VkSheetsMgrDlgData(const VkSheetsMgrDlgData&) = default;
    VkSheetsMgrDlgData& operator=(const VkSheetsMgrDlgData&) = default;
    virtual ~VkSheetsMgrDlgData() = default;

    int length() const { return sheets_.length(); }
    // The entry at `i`; an empty entry outside the list.
    VkSheetEntry getAt(int i) const;
    void append(const VkSheetEntry& entry) { sheets_.append(entry); }

    // The core's command that gives the selected sheets another format. This
    // stand-in keeps the formats asked for, in order (formatRequests).
    void changeFormatCmd(const Zrl_String& format) const;
    static const Zrl_StringArray& formatRequests();
    static void clearFormatRequests();

private:
    Zrl_Array<VkSheetEntry> sheets_;
};
