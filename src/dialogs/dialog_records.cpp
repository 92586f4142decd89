// The members of the exported input dialog records, defined here so that
// the module exports them.
#include "dialogs/dialog_records.h"

#include "platform/core/macro_data.h"

VkGridDlgData::VkGridDlgData() = default;
VkGridDlgData::VkGridDlgData(const VkGridDlgData&) = default;
VkGridDlgData& VkGridDlgData::operator=(const VkGridDlgData&) = default;
VkGridDlgData::~VkGridDlgData() = default;

VkLookUpDlgData::VkLookUpDlgData() = default;
VkLookUpDlgData::VkLookUpDlgData(const VkLookUpDlgData&) = default;
VkLookUpDlgData& VkLookUpDlgData::operator=(const VkLookUpDlgData&) = default;
VkLookUpDlgData::~VkLookUpDlgData() = default;

VkSelectImageDlgData::VkSelectImageDlgData() = default;
VkSelectImageDlgData::VkSelectImageDlgData(const VkSelectImageDlgData&) = default;
VkSelectImageDlgData& VkSelectImageDlgData::operator=(const VkSelectImageDlgData&) = default;
VkSelectImageDlgData::~VkSelectImageDlgData() = default;

VkDlgCis2Data::VkDlgCis2Data() = default;
VkDlgCis2Data::VkDlgCis2Data(const VkDlgCis2Data&) = default;
VkDlgCis2Data& VkDlgCis2Data::operator=(const VkDlgCis2Data&) = default;
VkDlgCis2Data::~VkDlgCis2Data() = default;

VkMACallBackData::VkMACallBackData() = default;

VkMACallBackData::VkMACallBackData(const VkMACallBackData& other)
    : name(other.name), caller(other.caller),
      macroData(other.macroData ? new MacroData(*other.macroData) : nullptr), value(other.value),
      indexes(other.indexes) {}

VkMACallBackData& VkMACallBackData::operator=(const VkMACallBackData& other) {
    if (this == &other) return *this;
    // The copy is made first, so that a failure leaves this record whole.
    MacroData* copy = other.macroData ? new MacroData(*other.macroData) : nullptr;
    delete macroData;
    macroData = copy;
    name = other.name;
    caller = other.caller;
    value = other.value;
    indexes = other.indexes;
    return *this;
}

VkMACallBackData::~VkMACallBackData() {
    delete macroData;
}

void VkMACallBackData::initDataClass(const MacroData& data) {
    if (!macroData)
        macroData = new MacroData(data);
    else if (macroData != &data)
        *macroData = data;
}
