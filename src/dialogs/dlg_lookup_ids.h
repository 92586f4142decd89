// Resource ids of the look-up dialog (dlg_lookup.h), as action scripts
// address them.
#pragma once

inline constexpr const wchar_t* IDD_DLG_LOOKUP = L"DLG_LOOKUP";
inline constexpr int IDC_LOOKUP_GROUP = 1001;
inline constexpr int IDC_LOOKUP_LABEL1 = 1002; // labels of the four lists of the group
inline constexpr int IDC_LOOKUP_LABEL2 = 1003;
inline constexpr int IDC_LOOKUP_LABEL3 = 1004;
inline constexpr int IDC_LOOKUP_LABEL4 = 1005;
inline constexpr int IDC_LOOKUP_LABEL5 = 1006; // of the fifth list
inline constexpr int IDC_LOOKUP_MATCH_LABEL = 1007;
inline constexpr int IDC_LOOKUP_SHOW_ALL = 1008;
inline constexpr int IDC_LOOKUP_OPTION0 = 1009; // option 0
inline constexpr int IDC_LOOKUP_OPTION1 = 1010; // option 1
inline constexpr int IDC_LOOKUP_FLAG = 1011;    // enabled with option 0 only
inline constexpr int IDC_LOOKUP_TEXT1 = 1012;   // editable lists: text1..text4
inline constexpr int IDC_LOOKUP_TEXT2 = 1013;
inline constexpr int IDC_LOOKUP_TEXT3 = 1014;
inline constexpr int IDC_LOOKUP_TEXT4 = 1015;
inline constexpr int IDC_LOOKUP_TEXT5 = 1016;
inline constexpr int IDC_LOOKUP_MATCH = 1017; // choiceA
inline constexpr int IDC_LOOKUP_ORDER = 1018; // choiceB
