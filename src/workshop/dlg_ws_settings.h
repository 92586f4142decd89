// CDlgWsSettings: the workshop-drawing settings. Its tree holds "Global"
// with "Assembly" under it; "Global" shows the page of the general
// workshop settings (CSubDlgWsSetGlobal), "Assembly" has no page. The Add
// button adds a settings group under a name the user gives.
#pragma once

#include "platform/core/ws_ui_settings.h"
#include "workshop/dlg_settings_template.h"

class CDlgWsSettings : public CDlgSettingsTemplate {
public:
    static constexpr const wchar_t* kCaption = L"Algemene werkplaatstekeningen instellingen";

    explicit CDlgWsSettings(win::Window* parent = nullptr) : CDlgSettingsTemplate(parent) {}

    WsUiGlobalSettings& record() { return settings_; }
    // The settings path of item `item`; false outside the items.
    bool settingPath(int item, WsUiSettingPath& path) const;

protected:
    void getTexts(Zrl_String& caption, Zrl_String& addText, Zrl_String& removeText) override;
    void fillItems(VkTreeSpread& tree, Zrl_Array<VkTreeItem>& items) override;
    std::unique_ptr<CDlgGeneralSettingsChild> createPage(const Zrl_String& type,
                                                         win::ResourceId& resource) override;
    void onAdd() override;

private:
    WsUiGlobalSettings settings_;
    Zrl_Array<WsUiSettingPath> paths_;
};

// The general page: dimension styles and two switches, under the item's
// path.
class CSubDlgWsSetGlobal : public CDlgGeneralSettingsChild {
public:
    explicit CSubDlgWsSetGlobal(win::Window* parent = nullptr);
    ~CSubDlgWsSetGlobal() override;
    static win::DialogTemplate dialogTemplate();

    ErrorStatus loadItem(int item) override;
    ErrorStatus saveItem(int item) override;

private:
    // The owning settings dialog and the item's path; null when there is
    // no owner or no such item.
    CDlgWsSettings* ownerFor(int item, WsUiSettingPath& path) const;
};

// Runs the workshop settings on the caller's settings; true (settings
// copied back) on OK.
bool StartDlgWsSettings(WsUiGlobalSettings& settings);
