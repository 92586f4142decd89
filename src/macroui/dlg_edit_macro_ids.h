// Resource ids of the macro editor and its four pages.
#pragma once

inline constexpr int IDD_DLG_EDIT_MACRO = 8715;
inline constexpr int IDD_TAB_EDIT_CONSTRAINTS = 8730;
inline constexpr int IDD_TAB_GEOMETRIES = 8731;
inline constexpr int IDD_TAB_EDIT_VARS = 8732;
inline constexpr int IDD_TAB_MACRO_COMMANDS = 8733;

inline constexpr int IDC_EDITMACRO_MODULES = 1460;
inline constexpr int IDC_EDITMACRO_SELECT = 1461;
inline constexpr int IDC_EDITMACRO_RENAME = 1462;
inline constexpr int IDC_EDITMACRO_REMOVE = 1463;
inline constexpr int IDC_EDITMACRO_SETTINGS = 1464;
inline constexpr int IDC_EDITMACRO_ADD_MODULE = 1465;
inline constexpr int IDC_EDITMACRO_ZOOM = 1466;
inline constexpr int IDC_EDITMACRO_TABS = 1467;

// Pages: the grids, and the command buttons (command k has id + k).
inline constexpr int IDC_RULES_GRID = 1470;
inline constexpr int IDC_GEOMETRIES_GRID = 1471;
inline constexpr int IDC_VARS_GRID = 1472;
inline constexpr int IDC_DIALOG_VARS_GRID = 1473;
inline constexpr int IDC_COMMAND_FIRST = 1480;
inline constexpr int kMacroCommandCount = 14;
