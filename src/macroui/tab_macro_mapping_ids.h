// Resource ids of the standards mapping tab (tab_macro_mapping.h).
#pragma once

inline constexpr int IDD_TAB_MACRO_MAPPING = 8720;
inline constexpr int IDC_MAPPING_STANDARDS_GROUP = 1440;
inline constexpr int IDC_MAPPING_STANDARDS = 1441;
inline constexpr int IDC_MAPPING_DOWN = 1442;
inline constexpr int IDC_MAPPING_UP = 1443;
inline constexpr int IDC_MAPPING_TABLE_GROUP = 1444;
inline constexpr int IDC_MAPPING_ADD = 1088;
inline constexpr int IDC_MAPPING_REMOVE = 1089;
inline constexpr int IDC_MAPPING_TABLE = 1196;
