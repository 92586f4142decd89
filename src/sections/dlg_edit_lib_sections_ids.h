// Resource ids of the section library editor (dlg_edit_lib_sections.h) and
// its three pages.
#pragma once

inline constexpr const wchar_t* IDD_EDIT_SECTIONLIB = L"DLG_EDIT_SECTIONLIB";
inline constexpr const wchar_t* IDD_EDITLIB_GROUPS = L"DLG_EDITLIB_GROUPS";
inline constexpr const wchar_t* IDD_EDITLIB_TYPES = L"DLG_EDITLIB_TYPES";
inline constexpr const wchar_t* IDD_EDITLIB_VALUES = L"DLG_EDITLIB_VALUES";

inline constexpr int IDC_LIB_TAB = 1001;

// The groups and the types page.
inline constexpr int IDC_ITEMS_LIST = 1101;
inline constexpr int IDC_ITEMS_ENABLED = 1102;
inline constexpr int IDC_ITEMS_IMAGE_LABEL = 1103;
inline constexpr int IDC_ITEMS_IMAGE = 1104;
inline constexpr int IDC_ITEMS_NAMES = 1105;
inline constexpr int IDC_ITEMS_NEW = 1106;
inline constexpr int IDC_ITEMS_REMOVE = 1107;
inline constexpr int IDC_ITEMS_UP = 1108;
inline constexpr int IDC_ITEMS_DOWN = 1109;
inline constexpr int IDC_TYPES_GROUP = 1110;
inline constexpr int IDC_TYPES_TABLE = 1111;
inline constexpr int IDC_TYPES_GROUP_LABEL = 1112;
inline constexpr int IDC_TYPES_TABLE_LABEL = 1113;

// The values page.
inline constexpr int IDC_VALUES_TABLES = 1201;
inline constexpr int IDC_VALUES_SHAPE = 1202;
inline constexpr int IDC_VALUES_GRID = 1203;
inline constexpr int IDC_VALUES_NEW = 1204;
inline constexpr int IDC_VALUES_DELETE = 1205;
inline constexpr int IDC_VALUES_OPTIONS = 1206;
inline constexpr int IDC_VALUES_RENAME = 1207;
// Copy, paste, insert row, delete row, row up, row down, find.
inline constexpr int IDC_VALUES_COPY = 1210;
inline constexpr int IDC_VALUES_FIND = 1216;
