#include "platform/core/sheets_mgr_data.h"

namespace {

Zrl_StringArray& requests() {
    static Zrl_StringArray formats;
    return formats;
}

} // namespace

VkSheetEntry VkSheetsMgrDlgData::getAt(int i) const {
    return i >= 0 && i < sheets_.length() ? sheets_[i] : VkSheetEntry();
}

void VkSheetsMgrDlgData::changeFormatCmd(const Zrl_String& format) const {
    requests().append(format);
}

const Zrl_StringArray& VkSheetsMgrDlgData::formatRequests() {
    return requests();
}

void VkSheetsMgrDlgData::clearFormatRequests() {
    requests().removeAll();
}
