// CDlgMacroSettings: the macro settings dialog of the macro editor, a tab
// dialog whose one page is the standards mapping tab. OK applies the page
// (its list read back, the current mapping saved) and keeps the page's
// modified flag as the dialog's own.
#pragma once

#include "macroui/tab_macro_mapping.h"
#include "platform/core/edit_constr_data.h"
#include "platform/core/tab_mapping_data.h"
#include "platform/win/dialog.h"

#include <memory>

inline constexpr int IDD_DLG_MACRO_SETTINGS = 8721;
inline constexpr int IDC_MACRO_SETTINGS_TABS = 1450;

class CDlgMacroSettings : public win::Dialog {
public:
    CDlgMacroSettings();
    ~CDlgMacroSettings() override;

    static win::DialogTemplate dialogTemplate();
    std::wstring scriptName() const override { return L"macro-settings"; }

    TabMappingData& record() { return record_; }
    bool modified() const { return modified_; }
    void takeArguments(const bool&) {}
    void giveArguments(bool& modified) const { modified = modified_; }
    CTabMacroMapping* mappingPage() const { return page_.get(); }

protected:
    bool onInitDialog() override;
    void onOK() override;

private:
    TabMappingData record_;
    std::unique_ptr<CTabMacroMapping> page_;
    bool modified_ = false;
};

// Runs the dialog on the record; true on OK, with the record changed and
// `modified` set when the standards or a mapping changed.
bool runMacroSettings(TabMappingData& data, bool& modified);

// The macro editor's Settings: the dialog filled with GetMacroSettings, its
// candidates from the current macro; on OK the result goes back with
// SetMacroSettings. True on OK.
bool runEditorMacroSettings(EditConstrData& data);
