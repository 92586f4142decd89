// Resource ids of the array dialog (dlg_array.h), as action scripts address
// them. Direction d (0..2) has its count at IDC_ARRAY_COUNT1 + 10 * d and
// its spacing at IDC_ARRAY_SPACING1 + 10 * d.
#pragma once

inline constexpr const wchar_t* IDD_DLG_ARRAY = L"DLG_ARRAY";
inline constexpr int IDC_ARRAY_DIRECTION1 = 1001;
inline constexpr int IDC_ARRAY_COUNT1 = 1002;
inline constexpr int IDC_ARRAY_SPACING1 = 1003;
inline constexpr int IDC_ARRAY_DIRECTION_STEP = 10;
inline constexpr int IDC_ARRAY_COUNT_LABEL = 1031;
inline constexpr int IDC_ARRAY_SPACING_LABEL = 1032;
inline constexpr int IDC_ARRAY_FIRST_ORIGINAL = 1033;
inline constexpr int IDC_ARRAY_TITLE_LABEL = 1034;
inline constexpr int IDC_ARRAY_TITLE = 1035;
inline constexpr int IDC_ARRAY_TOTAL = 1036;
inline constexpr int IDC_ARRAY_OBJECTS = 1037;
