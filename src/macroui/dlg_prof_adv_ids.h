// Resource ids of the advanced profile dialog (dlg_prof_adv.h), as action
// scripts address them.
#pragma once

inline constexpr const wchar_t* IDD_DLG_PROF_ADV = L"DLG_PROF_ADV";
inline constexpr int IDC_PROFADV_NAME_LABEL = 1001;
inline constexpr int IDC_PROFADV_NAME = 1002;
inline constexpr int IDC_PROFADV_FAMILY_LABEL = 1003;
inline constexpr int IDC_PROFADV_FAMILY = 1004;
inline constexpr int IDC_PROFADV_SIZE_LABEL = 1005;
inline constexpr int IDC_PROFADV_SIZE = 1006;
inline constexpr int IDC_PROFADV_SECTION_LABEL = 1007;
inline constexpr int IDC_PROFADV_SECTION = 1008;
inline constexpr int IDC_PROFADV_MATERIAL_LABEL = 1009;
inline constexpr int IDC_PROFADV_MATERIAL = 1010;
inline constexpr int IDC_PROFADV_PLACEMENTS_LABEL = 1011;
inline constexpr int IDC_PROFADV_PLACEMENTS = 1012;
