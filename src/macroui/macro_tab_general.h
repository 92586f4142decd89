// CMacroTabGeneral: the page of a general, bolt or other tab. Grid 1001
// holds a row per value of the tab (Name, Value, Fix) and then a row per
// bolt count (a second row for a pattern's second count). Values are
// numbers, bolt counts whole numbers of at least 1; a refused text leaves
// the cell as it was. The Fix cell of a variable with a flex/fix button is
// a check box (set = fixed). A bolt tab shows its assembly (1091) and
// diameter (1092) below the grid and the bolt settings button (1114).
#pragma once

#include "macroui/macro_page_grid.h"

#include <vector>

class CMacroTabGeneral : public CMacroGridPage {
public:
    static constexpr int kColName = 1;
    static constexpr int kColValue = 2;
    static constexpr int kColFix = 3;

    CMacroTabGeneral(MacroPageHost& host, int tabIndex);
    ~CMacroTabGeneral() override;

    static win::DialogTemplate dialogTemplate();

    void refresh(const MacroTabData& tab) override;
    void readBack(MacroTabData& tab) override;

    // What a grid row shows.
    struct Row {
        enum Kind { Value, Count1, Count2 } kind = Value;
        int index = 0;
        bool operator==(const Row&) const = default;
    };
    const std::vector<Row>& rows() const { return rows_; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    bool onNotify(int id, const win::NotifyHeader& hdr, win::LRESULT& result) override;

private:
    std::vector<Row> rowsOf(const MacroTabData& tab) const;
    void buildGrid();
    void fillCells();
    void fillBoltControls();
    // The text of a row's value in the tab.
    Zrl_String rowValue(const Row& row) const;
    // Checks an edited text; the text to keep, or nothing when refused.
    bool acceptText(const Row& row, const Zrl_String& text, Zrl_String& kept) const;
    void cellEdited();
    void cellClicked();
    void assemblyChanged();

    std::vector<Row> rows_;
};
