// Resource ids of the image choice dialog (dlg_select_image.h), as action
// scripts address them.
#pragma once

// The template's name, also the name its size is kept under.
inline constexpr const wchar_t* IDD_DLG_SELECT_IMAGE = L"DLG_SELECT_IMAGE";
inline constexpr int IDC_SELECT_IMAGE_LIST = 1001; // the thumbnails, by label
