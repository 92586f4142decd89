// The information dialog: a title, a subtitle and lines of text, shown
// read-only with an OK button (reports such as the stock files loaded).
#pragma once

#include "platform/core/zrl_stringarray.h"

namespace win {
class Window;
}

class DlgInfoData {
public:
    DlgInfoData() = default;
    virtual ~DlgInfoData() = default;
    DlgInfoData(const DlgInfoData&) = default;
    DlgInfoData& operator=(const DlgInfoData&) = default;

    Zrl_String title;    // the dialog's caption
    Zrl_String subtitle; // the line above the text
    Zrl_StringArray lines;
};

// The dialog template's number and the ids of its controls.
inline constexpr int kInfoDlgTemplate = 30901;
inline constexpr int kInfoDlgSubtitle = 1001;
inline constexpr int kInfoDlgText = 1002;

// Shows the record modally; true when the user closed it with OK.
bool ExportStartDlgInfo(const DlgInfoData& data, win::Window* parent = nullptr);
