// Resource ids of the cuts dialog (dlg_macro_cuts.h), as action scripts
// address them.
#pragma once

inline constexpr const wchar_t* IDD_DLG_MACRO_CUTS = L"DLG_MACRO_CUTS";
inline constexpr int IDC_CUTS_GRID = 1001;
inline constexpr int IDC_CUTS_APPLY_ALL = 1002;
