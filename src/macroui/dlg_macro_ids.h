// Resource ids of the macro dialog (dlg_macro.h) and its two pages.
#pragma once

// The dialog.
inline constexpr int IDD_DLG_MACRO = 8131;
inline constexpr int IDC_MACRO_TABS = 1186;
inline constexpr int IDC_MACRO_SELECT = 1176;
inline constexpr int IDC_MACRO_FILTER1 = 1177;
inline constexpr int IDC_MACRO_FILTER2 = 1178;
inline constexpr int IDC_MACRO_FILTER1_GROUP = 1179;
inline constexpr int IDC_MACRO_FILTER2_GROUP = 1180;
inline constexpr int IDC_MACRO_VIEW3 = 1181;
inline constexpr int IDC_MACRO_VIEW0 = 1182;
inline constexpr int IDC_MACRO_VIEW1 = 1183;
inline constexpr int IDC_MACRO_VIEW2 = 1184;
inline constexpr int IDC_MACRO_STANDARDS = 1185;
inline constexpr int IDC_MACRO_CLASH = 1292;
inline constexpr int IDC_MACRO_REAPPLY = 1293;
inline constexpr int IDC_MACRO_LOAD_LIST = 1299;
inline constexpr int IDC_MACRO_SAVE_LIST = 1302;

// The general page.
inline constexpr int IDD_MACRO_TAB_GENERAL = 8137;
inline constexpr int IDC_GENERAL_GRID = 1001;
inline constexpr int IDC_GENERAL_ASSEMBLY = 1091;
inline constexpr int IDC_GENERAL_DIAMETER = 1092;
inline constexpr int IDC_GENERAL_ASSEMBLY_LABEL = 1093;
inline constexpr int IDC_GENERAL_DIAMETER_LABEL = 1094;

// The profile page.
inline constexpr int IDD_MACRO_TAB_PROF = 219;
inline constexpr int IDC_PROF_GRID = 1196;
inline constexpr int IDC_PROF_GROUP = 1211;
inline constexpr int IDC_PROF_FAMILY = 1212;
inline constexpr int IDC_PROF_SIZE = 1213;
inline constexpr int IDC_PROF_NAME = 1215;
inline constexpr int IDC_PROF_MATERIAL = 1219;
inline constexpr int IDC_PROF_SECTION = 1221;
inline constexpr int IDC_PROF_SECTION_PICK = 1222;
inline constexpr int IDC_PROF_NAME_PICK = 1223;
inline constexpr int IDC_PROF_ROTATION = 1316;
inline constexpr int IDC_PROF_CUTS = 1210;
inline constexpr int IDC_PROF_SECTION_LABEL = 1224;
inline constexpr int IDC_PROF_MATERIAL_LABEL = 1225;
inline constexpr int IDC_PROF_ROTATION_LABEL = 1226;
inline constexpr int IDC_PROF_NAME_LABEL = 1227;

// The advanced button of both pages.
inline constexpr int IDC_MACRO_ADVANCED = 1114;

// The host's keep-focus query.
inline constexpr unsigned kMsgKeepFocus = 0x7101;
