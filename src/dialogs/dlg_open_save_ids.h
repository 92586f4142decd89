// Resource ids of the filtered open and save dialog (dlg_open_save.h).
#pragma once

inline constexpr int IDD_DLG_OPENSAVE = 231;
inline constexpr int IDC_OPENSAVE_LIST = 1317;
inline constexpr int IDC_OPENSAVE_NAME = 1043;
inline constexpr int IDC_OPENSAVE_DELETE = 1087;
inline constexpr int IDC_OPENSAVE_STANDARD = 1382;
inline constexpr int IDI_OPENSAVE_DELETE = 206;
