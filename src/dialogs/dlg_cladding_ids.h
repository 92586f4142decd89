// Resource ids of the cladding settings dialog (dlg_cladding.h): its
// template and its controls, as action scripts address them.
#pragma once

inline constexpr int IDD_DLG_CLADDING = 252;
inline constexpr int IDC_CLAD_PROFILE_LABEL = 1188;
inline constexpr int IDC_CLAD_PROFILE = 1250; // the family's sections, then "<Various>"
inline constexpr int IDC_CLAD_CHOOSE = 1251;  // the profile chooser
inline constexpr int IDC_CLAD_TYPE1_LABEL = 1192;
inline constexpr int IDC_CLAD_TYPE1 = 1254; // the types the kind allows
inline constexpr int IDC_CLAD_TYPE2_LABEL = 1193;
inline constexpr int IDC_CLAD_TYPE2 = 1255;
inline constexpr int IDC_CLAD_A_LABEL = 1189;
inline constexpr int IDC_CLAD_A = 1252; // list A: the fixing
inline constexpr int IDC_CLAD_B_LABEL = 1190;
inline constexpr int IDC_CLAD_B = 1253; // list B: the position
inline constexpr int IDC_CLAD_VALUE_LABEL = 1191;
inline constexpr int IDC_CLAD_VALUE = 1410; // only for positions 3 and 4
inline constexpr int IDC_CLAD_SWITCH = 1411;
