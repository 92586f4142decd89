// Resource ids of the dialog designer (dlg_designer.h): its template, the
// button row, the property panel, and the range of the designed controls.
#pragma once

inline constexpr const wchar_t* IDD_DLG_DESIGNER = L"DLG_DLGDESIGNER";
inline constexpr int IDC_DESIGNER_OPEN = 1000;
inline constexpr int IDC_DESIGNER_SAVE_AS = 1001;
inline constexpr int IDC_DESIGNER_ADD = 1002;
inline constexpr int IDC_DESIGNER_REMOVE = 1003;
inline constexpr int IDC_DESIGNER_IMAGE = 1004;
inline constexpr int IDC_DESIGNER_WIDTH = 1005;
inline constexpr int IDC_DESIGNER_HEIGHT = 1006;
inline constexpr int IDC_DESIGNER_COPY = 1007;
inline constexpr int IDC_DESIGNER_ALIGN_BOTTOMS = 1008; // "_ _"
inline constexpr int IDC_DESIGNER_PLACE_RIGHT = 1009;   // "| |"
inline constexpr int IDC_DESIGNER_TYPE_GROUP = 1010;
inline constexpr int IDC_DESIGNER_CONTENTS_GROUP = 1011; // the contents caption
inline constexpr int IDC_DESIGNER_LIST_GROUP = 1012;     // the list caption
inline constexpr int IDC_DESIGNER_TYPE_LIST = 1013;
inline constexpr int IDC_DESIGNER_CONTENTS = 1014;
inline constexpr int IDC_DESIGNER_LIST = 1015;
// The canvas as action scripts address it (canvas_script.h).
inline constexpr int IDC_DESIGNER_CANVAS = 1016;

// The identifiers the designed controls receive.
inline constexpr int IDC_DESIGNED_FIRST = 33000;
inline constexpr int IDC_DESIGNED_LAST = 33099;
