// CDlgEditLibSections: the section library editor. Three pages in a tab
// control share the dialog's copy of the library record: the section groups,
// the section types, and the section tables (one table in a sheet).
//
// OK and Cancel (also Escape in a page) first ask to save a changed table;
// Cancel in that question keeps the editor open. OK stores the current
// group and type and hands the record back; table files are written and
// deleted by the tables page at once.
#pragma once

#include "frame/export.h"
#include "platform/core/resizer.h"
#include "platform/core/section_library_data.h"
#include "platform/win/dialog.h"
#include "sections/dlg_edit_lib_sections_ids.h"
#include "sections/tab_edit_lib_items.h"
#include "sections/tab_edit_lib_values.h"

class CDlgEditLibSections : public win::Dialog {
public:
    explicit CDlgEditLibSections(win::Window* parent = nullptr);
    ~CDlgEditLibSections() override;

    static win::DialogTemplate dialogTemplate();

    DlgEditLibData data;
    DlgEditLibData& record() { return data; }
    // A table (or TABLE-SYS) to open the tables page on.
    void takeArguments(const Zrl_String& tableName) { open_ = tableName; }
    void giveArguments(const Zrl_String&) const {}

    CTabEditLibGroups& groupsPage() { return groups_; }
    CTabEditLibTypes& typesPage() { return types_; }
    CTabEditLibValues& valuesPage() { return values_; }
    // The page shown: 0 groups, 1 types, 2 tables.
    int currentPage() const { return page_; }

protected:
    bool onInitDialog() override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;
    void onOK() override;
    void onCancel() override;
    void onSize(int cx, int cy) override;
    void onDestroy() override;

private:
    void showPage(int page);

    Zrl_String open_;
    CTabEditLibGroups groups_{data};
    CTabEditLibTypes types_{data};
    CTabEditLibValues values_{data};
    int page_ = 0;
    CResizer resizer_;
    int minWidth_ = 0;
    int minHeight_ = 0;
};

// Runs the library editor on a copy of the record; on OK the record takes
// the groups and types. A table name opens the tables page on that table
// ("HEA", or "HEA-200" with that section's row active).
ZRLSS_EXPORT bool StartDlgEditLibSections(DlgEditLibData& data, const Zrl_String& tableName);
