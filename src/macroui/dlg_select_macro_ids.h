// Resource ids of the macro selection dialog.
#pragma once

inline constexpr int IDD_DLG_SELECT_MACRO = 8717;
inline constexpr int IDC_SELMACRO_GROUP = 1175;
inline constexpr int IDC_SELMACRO_TOGGLE = 1409;
inline constexpr int IDC_SELMACRO_GRID = 1196;
inline constexpr int IDC_SELMACRO_GALLERY = 9091;
inline constexpr int IDC_SELMACRO_NOTE = 1353;
inline constexpr int IDC_SELMACRO_PICTURES = 9093;
inline constexpr int IDC_SELMACRO_OTHER = 1352;
// The toggle's icons: filter shown, filter hidden.
inline constexpr int IDI_SELMACRO_EXPANDED = 241;
inline constexpr int IDI_SELMACRO_COLLAPSED = 240;
