// Resource ids of the bracing dialog (dlg_bracing.h), as action scripts
// address them.
#pragma once

inline constexpr int IDD_DLG_BRACING = 255;
inline constexpr int IDC_BRACING_GROUP1 = 1425;
inline constexpr int IDC_BRACING_KIND1 = 1426; // the six kinds, in their order
inline constexpr int IDC_BRACING_NAME1_LABEL = 1430;
inline constexpr int IDC_BRACING_NAME1 = 1429; // the names offered, sorted
inline constexpr int IDC_BRACING_GROUP2 = 1427;
inline constexpr int IDC_BRACING_KIND2 = 1428;
inline constexpr int IDC_BRACING_NAME2_LABEL = 1432;
inline constexpr int IDC_BRACING_NAME2 = 1431;
inline constexpr int IDC_BRACING_SWITCH = 1433;
