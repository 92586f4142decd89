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

// The rules page's fields below its grid (shown by the row's kind), their
// labels, and the five Enum buttons (button k toggles entry k of the row's
// list).
inline constexpr int IDC_RULE_NAME = 1510;
inline constexpr int IDC_RULE_VARIABLE = 1511;
inline constexpr int IDC_RULE_VALUE = 1512;
inline constexpr int IDC_RULE_CHOICE = 1513;
inline constexpr int IDC_RULE_FLAG1 = 1514;
inline constexpr int IDC_RULE_FLAG2 = 1515;
inline constexpr int IDC_RULE_ENUM_FIRST = 1516;
inline constexpr int kRuleEnumCount = 5;
inline constexpr int IDC_RULE_NAME_LABEL = 1521;
inline constexpr int IDC_RULE_VARIABLE_LABEL = 1522;
inline constexpr int IDC_RULE_VALUE_LABEL = 1523;
inline constexpr int IDC_RULE_CHOICE_LABEL = 1524;
// The commands page's icons (command k: id + k), left of their buttons.
inline constexpr int IDC_COMMAND_ICON_FIRST = 1530;
