// The macro dialog's starters and the module's table of modeless macro
// dialogs.
#include "macroui/macro_starters.h"

#include "frame/library_instance.h"
#include "frame/modeless_table.h"
#include "macroui/dlg_macro.h"
#include "platform/host/host_windows.h"

namespace {

zrlss::ModelessTable<CDlgMacro>& table() {
    static zrlss::ModelessTable<CDlgMacro> dialogs;
    return dialogs;
}

} // namespace

void StartDlgMacro(MacroData& data) {
    try {
        zrlss::ResourceScope resources;
        CDlgMacro dlg(nullptr, -1);
        dlg.record() = data;
        dlg.doModal();
        // The dialog applies every change as it goes: the record is the
        // drawing's state however the dialog ended.
        data = dlg.record();
    } catch (...) {
    }
}

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& index) {
    index = -1;
    try {
        zrlss::ResourceScope resources;
        win::Window* host = adsw_acadMainWnd();
        const bool shown = table().start(
            [&](int slot) -> std::unique_ptr<CDlgMacro> {
                auto dlg = std::make_unique<CDlgMacro>(host, slot);
                dlg->record() = data;
                if (!dlg->create(IDD_DLG_MACRO, host)) return nullptr;
                dlg->show(true);
                return dlg;
            },
            index);
        if (shown && !keepFocus && host) host->setFocus();
        return shown;
    } catch (...) {
        index = -1;
        return false;
    }
}

bool GetDlgMacroData(int index, MacroData& data) {
    const CDlgMacro* dlg = table().at(index);
    if (!dlg) return false;
    data = dlg->record();
    return true;
}

bool EndDlgMacroModeless(int index) {
    try {
        zrlss::ResourceScope resources;
        return table().end(index);
    } catch (...) {
        return false;
    }
}

void DestroyAllMacroDlgs() {
    try {
        zrlss::ResourceScope resources;
        table().endAll();
    } catch (...) {
    }
}

namespace macroui {

CDlgMacro* modelessMacroDlg(int index) {
    return table().at(index);
}

int modelessTableSize() {
    return table().size();
}

void flushClosedMacroDlgs() {
    table().flushClosed();
}

} // namespace macroui
