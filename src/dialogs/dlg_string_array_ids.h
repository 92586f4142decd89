// Resource ids of the string grid dialog (dlg_string_array.h), as action
// scripts address them.
#pragma once

inline constexpr int IDD_DLG_STRING_ARRAY = 208;
inline constexpr int IDC_STRINGS_GRID = 1196;   // the grid (columns and rows from 1)
inline constexpr int IDC_STRINGS_ADD = 1088;    // a row below the active cell's
inline constexpr int IDC_STRINGS_REMOVE = 1089; // the active cell's row
