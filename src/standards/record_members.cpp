// The constructors, destructors and assignments of the classes a host hands
// to the module and gets back (the evaluation record and what it carries).
// The module exports them; a host that reaches the module only through
// dlopen compiles this file into itself instead of linking the module.
#include "standards/dlg_standards_data.h"
#include "standards/object_map.h"
#include "standards/ss_mapping.h"
#include "standards/var_cell.h"
#include "standards/var_cells.h"

VkSSMapping::VkSSMapping() = default;
VkSSMapping::VkSSMapping(const VkSSMapping&) = default;
VkSSMapping& VkSSMapping::operator=(const VkSSMapping&) = default;
VkSSMapping::VkSSMapping(VkSSMapping&&) noexcept = default;
VkSSMapping& VkSSMapping::operator=(VkSSMapping&&) noexcept = default;
VkSSMapping::~VkSSMapping() = default;

VkObjectMap::VkObjectMap() = default;
VkObjectMap::VkObjectMap(const VkObjectMap&) = default;
VkObjectMap& VkObjectMap::operator=(const VkObjectMap&) = default;
VkObjectMap::VkObjectMap(VkObjectMap&&) noexcept = default;
VkObjectMap& VkObjectMap::operator=(VkObjectMap&&) noexcept = default;
VkObjectMap::~VkObjectMap() = default;

VkVarCell::VkVarCell() = default;
VkVarCell::VkVarCell(const VkVarCell&) = default;
VkVarCell& VkVarCell::operator=(const VkVarCell&) = default;
VkVarCell::VkVarCell(VkVarCell&&) noexcept = default;
VkVarCell& VkVarCell::operator=(VkVarCell&&) noexcept = default;
VkVarCell::~VkVarCell() = default;

VkVarCells::VkVarCells() = default;
VkVarCells::VkVarCells(const VkVarCells&) = default;
VkVarCells& VkVarCells::operator=(const VkVarCells&) = default;
VkVarCells::VkVarCells(VkVarCells&&) noexcept = default;
VkVarCells& VkVarCells::operator=(VkVarCells&&) noexcept = default;
VkVarCells::~VkVarCells() = default;

VkDlgStandardsData::VkDlgStandardsData() = default;
VkDlgStandardsData::VkDlgStandardsData(const VkDlgStandardsData&) = default;
VkDlgStandardsData& VkDlgStandardsData::operator=(const VkDlgStandardsData&) = default;
VkDlgStandardsData::VkDlgStandardsData(VkDlgStandardsData&&) noexcept = default;
VkDlgStandardsData& VkDlgStandardsData::operator=(VkDlgStandardsData&&) noexcept = default;
VkDlgStandardsData::~VkDlgStandardsData() = default;
