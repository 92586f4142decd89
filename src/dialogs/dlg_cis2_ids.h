// Resource ids of the CIS/2 export options dialog (dlg_cis2.h), as action
// scripts address them.
#pragma once

inline constexpr const wchar_t* IDD_DLG_CIS2 = L"DLG_CIS2";
inline constexpr int IDC_CIS2_HEADING = 1001;
inline constexpr int IDC_CIS2_A_TRUE = 1002;  // optionA set
inline constexpr int IDC_CIS2_A_FALSE = 1003; // optionA cleared: the options below apply
inline constexpr int IDC_CIS2_B = 1004;
inline constexpr int IDC_CIS2_D = 1005; // not shown, kept as it came
inline constexpr int IDC_CIS2_E = 1006;
inline constexpr int IDC_CIS2_C_FALSE = 1007;
inline constexpr int IDC_CIS2_C_TRUE = 1008;
inline constexpr int IDC_CIS2_NAMES = 1009; // edits the translations of section names
