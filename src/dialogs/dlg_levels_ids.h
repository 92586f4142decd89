// Resource ids of the levels dialog (dlg_levels.h): its template and its
// controls, as action scripts address them.
#pragma once

inline constexpr int IDD_DLG_LEVELS = 243;
inline constexpr int IDC_LEVELS_LIST = 1381;   // the levels, in index order
inline constexpr int IDC_LEVELS_ADD = 1088;    // add a level (asks its name)
inline constexpr int IDC_LEVELS_DELETE = 1089; // delete the level shown
inline constexpr int IDC_LEVELS_GROUP = 1081;
inline constexpr int IDC_LEVELS_NAME_LABEL = 1123;
inline constexpr int IDC_LEVELS_NAME = 1000; // the level's name, read only
inline constexpr int IDC_LEVELS_REF_LABEL = 1124;
inline constexpr int IDC_LEVELS_REFERENCE = 1382; // its reference; a new level only
inline constexpr int IDC_LEVELS_VALUE_LABEL = 1227;
inline constexpr int IDC_LEVELS_VALUE = 1001; // height over the reference
inline constexpr int IDC_LEVELS_ABS_LABEL = 1126;
inline constexpr int IDC_LEVELS_ABSOLUTE = 1002; // absolute height, read only
