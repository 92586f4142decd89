// The hidden window a bill sheet lives in: CDlgSSAsTool is a small modeless
// dialog with one grid, never shown; DlgSSAsTool owns it.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/win/dialog.h"

#include <memory>

class CDlgSSAsTool : public win::Dialog {
public:
    static constexpr const wchar_t* kTemplateName = L"IDD_SS_AS_TOOL";
    static constexpr int kGridId = 1001;

    explicit CDlgSSAsTool(win::Window* parent = nullptr);
    ~CDlgSSAsTool() override;

    static win::DialogTemplate dialogTemplate();
    Zrl_Spread& spread() { return spread_; }

protected:
    bool onInitDialog() override;

private:
    Zrl_Spread spread_;
};

class DlgSSAsTool {
public:
    DlgSSAsTool() = default;
    DlgSSAsTool(const DlgSSAsTool&) = delete;
    DlgSSAsTool& operator=(const DlgSSAsTool&) = delete;
    // Destroys the window and deletes the dialog.
    virtual ~DlgSSAsTool();

    // Makes the hidden dialog under the host's main window and gives the
    // focus back to the main window. False when it could not be made.
    bool create();
    bool isCreated() const { return created_; }
    // The dialog's grid, or null before a successful create.
    Zrl_Spread* sheet();

private:
    bool created_ = false;
    std::unique_ptr<CDlgSSAsTool> dlg_;
};
