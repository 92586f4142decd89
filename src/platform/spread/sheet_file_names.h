// Names the native sheet file shares between its reader and its writer.
#pragma once

#include "platform/spread/sheet_types.h"

namespace spread::detail {

constexpr const char* kSheetFormatName = "zrlss-sheet";
// 1: fonts and cell types written in full with every cell.
// 2: fonts and cell types written once, in the tables "fonts" and "types",
//    and cells refer to them by position.
constexpr int kSheetFormatVersion = 2;

struct KindName {
    CellKind kind;
    const char* name;
};
constexpr KindName kKindNames[] = {
    {CellKind::General, "general"}, {CellKind::Edit, "edit"},      {CellKind::StaticText, "static"},
    {CellKind::Button, "button"},   {CellKind::ComboBox, "combo"}, {CellKind::Picture, "picture"},
    {CellKind::Integer, "integer"}, {CellKind::CheckBox, "check"}, {CellKind::Number, "number"},
};

} // namespace spread::detail
