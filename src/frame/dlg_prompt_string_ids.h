// Resource ids of the module's prompt for one line of text
// (dlg_prompt_string.h): its template and its controls. Scripts address the
// text field as 1001 and the buttons as OK and CANCEL.
#pragma once

inline constexpr const wchar_t* IDD_PROMPT_STRING = L"IDD_PROMPT_STRING";
inline constexpr int IDC_PROMPT_LABEL = 1000;
inline constexpr int IDC_PROMPT_VALUE = 1001;
