// Resource ids of the settings dialog template, the workshop settings'
// Global page and the sheets manager.
#pragma once

inline constexpr int IDD_SETTINGS_TEMPLATE = 3100;
inline constexpr int IDC_SET_TREE = 1001;
inline constexpr int IDC_SET_PAGE_AREA = 1002;
inline constexpr int IDC_SET_SEPARATOR = 1003;
inline constexpr int IDC_SET_ADD = 1004;
inline constexpr int IDC_SET_REMOVE = 1005;

inline constexpr int IDD_WS_SET_GLOBAL = 3101;
inline constexpr int IDC_WSG_TEMPLATE_LABEL = 1101;
inline constexpr int IDC_WSG_TEMPLATE = 1102;
inline constexpr int IDC_WSG_ACAD_LABEL = 1103;
inline constexpr int IDC_WSG_ACAD = 1104;
inline constexpr int IDC_WSG_VK_LABEL = 1105;
inline constexpr int IDC_WSG_VK = 1106;
inline constexpr int IDC_WSG_WELDPOINTS = 1107;
inline constexpr int IDC_WSG_STRIPS = 1108;
inline constexpr int IDC_WSG_GROUPS_LABEL = 1109;
inline constexpr int IDC_WSG_GROUPS = 1110;
inline constexpr int IDC_WSG_GROUP_ADD = 1111;
inline constexpr int IDC_WSG_GROUP_REMOVE = 1112;
inline constexpr int IDC_WSG_GROUP_RENAME = 1113;

inline constexpr int IDD_SHEETS_MGR = 267;
inline constexpr int IDC_SM_UPPER = 1201;
inline constexpr int IDC_SM_TAB = 1202;
inline constexpr int IDC_SM_LOWER = 1203;
inline constexpr int IDC_SM_OUTPUT = 1204;
inline constexpr int IDC_SM_PREVIOUS = 1205;
inline constexpr int IDC_SM_NEXT = 1206;
inline constexpr int IDC_SM_REVIEW = 1207;
inline constexpr int IDC_SM_APPLY_FILTER = 1208;
inline constexpr int IDC_SM_MANUAL_SELECT = 1209;
inline constexpr int IDC_SM_RESET = 1210;
inline constexpr int IDC_SM_HIDE_SHOW = 1211;
inline constexpr int IDC_SM_FILTER_LABEL = 1212;
inline constexpr int IDC_SM_FILTER1 = 1213;
inline constexpr int IDC_SM_FILTER2 = 1214;
