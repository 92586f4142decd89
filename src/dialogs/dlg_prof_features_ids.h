// Resource ids of the profile features dialog (dlg_prof_features.h): its
// template and its controls, as action scripts address them.
#pragma once

inline constexpr int IDD_DLG_PROF_FEATURES = 241;
inline constexpr int IDC_FEAT_PROFILE_LABEL = 1188;
inline constexpr int IDC_FEAT_PROFILE = 1250; // the family's sections, then "<Various>"
inline constexpr int IDC_FEAT_CHOOSE = 1251;  // the profile chooser
inline constexpr int IDC_FEAT_A_LABEL = 1299;
inline constexpr int IDC_FEAT_A = 1252; // field A: a level
inline constexpr int IDC_FEAT_A_LEVELS = 1254;
inline constexpr int IDC_FEAT_B_LABEL = 1301;
inline constexpr int IDC_FEAT_B = 1302;
inline constexpr int IDC_FEAT_C_LABEL = 1303;
inline constexpr int IDC_FEAT_C = 1304;       // field C as text
inline constexpr int IDC_FEAT_C_LEVEL = 1253; // field C as a level
inline constexpr int IDC_FEAT_C_LEVELS = 1255;
inline constexpr int IDC_FEAT_D_LABEL = 1305;
inline constexpr int IDC_FEAT_D = 1306;
inline constexpr int IDC_FEAT_SWITCH = 1018;
