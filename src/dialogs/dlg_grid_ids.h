// Resource ids of the structural grid dialog (dlg_grid.h), as action
// scripts address them.
#pragma once

inline constexpr const wchar_t* IDD_DLG_GRID = L"DLG_GRID";
inline constexpr int IDC_GRID_GROUP1 = 1001;
inline constexpr int IDC_GRID_COUNT1_LABEL = 1002;
inline constexpr int IDC_GRID_COUNT1 = 1003;
inline constexpr int IDC_GRID_SPACING1_LABEL = 1004;
inline constexpr int IDC_GRID_SPACING1 = 1005;
inline constexpr int IDC_GRID_LABEL1_LABEL = 1006;
inline constexpr int IDC_GRID_LABEL1 = 1007;
inline constexpr int IDC_GRID_GROUP2 = 1008;
inline constexpr int IDC_GRID_COUNT2_LABEL = 1009;
inline constexpr int IDC_GRID_COUNT2 = 1010;
inline constexpr int IDC_GRID_SPACING2_LABEL = 1011;
inline constexpr int IDC_GRID_SPACING2 = 1012;
inline constexpr int IDC_GRID_LABEL2_LABEL = 1013;
inline constexpr int IDC_GRID_LABEL2 = 1014;
inline constexpr int IDC_GRID_FLAG = 1015;
