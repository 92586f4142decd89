// Resource ids of the simple section editor (dlg_edit_lib_simple.h). Field i
// (from 0) of the form is IDC_SIMPLE_VALUE + i with its label
// IDC_SIMPLE_LABEL + i.
#pragma once

inline constexpr const wchar_t* IDD_EDITLIBSIMPLE = L"DLG_EDITLIBSIMPLE";
inline constexpr int IDC_SIMPLE_PICTURE = 1001;
inline constexpr int IDC_SIMPLE_NAME_GROUP = 1002;
inline constexpr int IDC_SIMPLE_AUTO = 1003;
inline constexpr int IDC_SIMPLE_OWN = 1004;
inline constexpr int IDC_SIMPLE_NAME_LABEL = 1005;
inline constexpr int IDC_SIMPLE_NAME = 1006;
inline constexpr int IDC_SIMPLE_LABEL = 1010;
inline constexpr int IDC_SIMPLE_VALUE = 1030;
inline constexpr int kSimpleFieldCount = 11;
