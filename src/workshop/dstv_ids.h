// Resource ids of the DSTV point group dialog and the point editor.
#pragma once

inline constexpr int IDD_DSTV_GROUPS = 3102;
inline constexpr int IDC_DSTV_GROUP_LIST = 1001;
inline constexpr int IDC_DSTV_GROUP_ADD = 1002;
inline constexpr int IDC_DSTV_GROUP_REMOVE = 1003;
inline constexpr int IDC_DSTV_GROUP_USE = 1004;
inline constexpr int IDC_DSTV_GROUP_EDIT = 1005;

inline constexpr int IDD_DSTV_POINT = 3103;
inline constexpr int IDC_PT_LIST = 1010;
inline constexpr int IDC_PT_ADD = 1011;
inline constexpr int IDC_PT_REMOVE = 1012;
inline constexpr int IDC_PT_NAME_LABEL = 1020;
inline constexpr int IDC_PT_NAME = 1021;
inline constexpr int IDC_PT_EXTENT = 1022;
inline constexpr int IDC_PT_SIDES_LABEL = 1023;
inline constexpr int IDC_PT_SIDE1 = 1024;
inline constexpr int IDC_PT_SIDE2 = 1025;
inline constexpr int IDC_PT_INTERS = 1026;
inline constexpr int IDC_PT_MIDDLE = 1027;
inline constexpr int IDC_PT_START = 1028;
inline constexpr int IDC_PT_VIEW_LABEL = 1029;
inline constexpr int IDC_PT_VIEW = 1030;
inline constexpr int IDC_PT_MARK_LABEL = 1031;
inline constexpr int IDC_PT_MARK = 1032;
inline constexpr int IDC_PT_DIST_LABEL = 1033;
inline constexpr int IDC_PT_DIST = 1034;
inline constexpr int IDC_PT_DRILL = 1035;
inline constexpr int IDC_PT_THICK = 1036;
inline constexpr int IDC_PT_SIZE_LABEL = 1037;
inline constexpr int IDC_PT_SIZE = 1038;
