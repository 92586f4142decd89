// Resource ids of the cutting-stock dialog (dlg_csp2.h). The template's
// name is also the key under which the dialog's size is remembered.
#pragma once

inline constexpr const wchar_t* IDD_OPTIMIZECSP2 = L"DLG_OPTIMIZECSP2";

inline constexpr int IDC_CSP2_PROFILE_LABEL = 1000;
inline constexpr int IDC_CSP2_PROFILE = 1001;        // combo box of the profiles
inline constexpr int IDC_CSP2_ADD_PROFILE = 1002;
inline constexpr int IDC_CSP2_REMOVE_PROFILE = 1003;
inline constexpr int IDC_CSP2_FRAME = 1004;

// Per list: the group box, the grid, the row buttons and (shop and
// purchase) the load and save buttons. The three sets are 10 apart.
inline constexpr int IDC_CSP2_PIECES_GROUP = 1010;
inline constexpr int IDC_CSP2_PIECES_GRID = 1011;
inline constexpr int IDC_CSP2_PIECES_ADD = 1012;
inline constexpr int IDC_CSP2_PIECES_DELETE = 1013;
inline constexpr int IDC_CSP2_SHOP_GROUP = 1020;
inline constexpr int IDC_CSP2_SHOP_GRID = 1021;
inline constexpr int IDC_CSP2_SHOP_ADD = 1022;
inline constexpr int IDC_CSP2_SHOP_DELETE = 1023;
inline constexpr int IDC_CSP2_SHOP_LOAD = 1024;
inline constexpr int IDC_CSP2_SHOP_SAVE = 1025;
inline constexpr int IDC_CSP2_BUY_GROUP = 1030;
inline constexpr int IDC_CSP2_BUY_GRID = 1031;
inline constexpr int IDC_CSP2_BUY_ADD = 1032;
inline constexpr int IDC_CSP2_BUY_DELETE = 1033;
inline constexpr int IDC_CSP2_BUY_LOAD = 1034;
inline constexpr int IDC_CSP2_BUY_SAVE = 1035;

inline constexpr int IDC_CSP2_ALL = 1040;       // the bottom command, both modes
inline constexpr int IDC_CSP2_ASK_FILES = 1041; // result mode: a file dialog per profile
