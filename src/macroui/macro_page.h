// CMacroPage: what the macro dialog needs of a tab page. A page shows one
// tab of the dialog's record from its own copy of the tab; when the user
// changes a value the page edits its copy and asks the dialog to apply it
// (MacroPageHost::applyPage), which updates the drawing and refreshes every
// page from the record.
#pragma once

#include "frame/restore_focus.h"
#include "platform/core/macro_data.h"
#include "platform/win/dialog.h"

#include <utility>

class MacroPageHost {
public:
    virtual ~MacroPageHost() = default;
    virtual const MacroData& pageRecord() const = 0;
    // A page's tab changed: compare with the record's tab and apply.
    virtual void applyPage(int tabIndex, const MacroTabData& pageTab) = 0;
    // A detail dialog of the page's tab (through the core); true when it
    // changed the tab, which then has been applied.
    virtual bool openDetail(int tabIndex, int buttonId) = 0;
};

class CMacroPage : public win::Dialog {
public:
    CMacroPage(win::ResourceId templateId, MacroPageHost& host, int tabIndex)
        : Dialog(std::move(templateId)), host_(host), tabIndex_(tabIndex) {}

    int tabIndex() const { return tabIndex_; }
    const MacroTabData& pageTab() const { return tab_; }

    // Shows the tab (writing only what changed on the screen).
    virtual void refresh(const MacroTabData& tab) = 0;
    // Ends an edit in progress and reads the controls into `tab`.
    virtual void readBack(MacroTabData& tab) = 0;
    // The size the page needs, in pixels.
    virtual win::Size neededSize() const = 0;
    // Its controls for the focus memory.
    virtual Zrl_FocusProbe focusProbe() = 0;
    // Button 1114: the advanced settings of the tab.
    void openAdvanced() { openDetail(1114); }

protected:
    void openDetail(int buttonId) { host_.openDetail(tabIndex_, buttonId); }
    void apply() { host_.applyPage(tabIndex_, tab_); }

    MacroPageHost& host_;
    int tabIndex_;
    MacroTabData tab_;
};
