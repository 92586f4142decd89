// CDlgSSOptions: the sheet size and captions dialog (template 245). The user
// sets the number of columns and rows, the captions of the column and row
// headers (in two small grids) and the height of the header row and width of
// the header column.
//
// Captions of columns (rows) that the user removes by lowering a count are
// remembered while the dialog lives: raising the count again brings them
// back. At every read-back the captions lists hold exactly one entry per
// column (row) of the small grid.
#pragma once

#include "grid/zrl_spread.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/win/dialog.h"

class CDlgSSOptions : public win::Dialog {
public:
    static constexpr int kTemplateId = 245;
    static constexpr int kIntroId = 1026;
    static constexpr int kColumnGridId = 1025;
    static constexpr int kRowGridId = 1002;
    static constexpr int kColumnsLabelId = 1016;
    static constexpr int kColumnsId = 1017;
    static constexpr int kRowsLabelId = 1018;
    static constexpr int kRowsId = 1019;
    static constexpr int kHeaderHeightLabelId = 1020;
    static constexpr int kHeaderHeightId = 1021;
    static constexpr int kHeaderWidthLabelId = 1022;
    static constexpr int kHeaderWidthId = 1023;
    static constexpr int kNoteId = 1027;

    explicit CDlgSSOptions(win::Window* parent = nullptr);
    ~CDlgSSOptions() override;

    static win::DialogTemplate dialogTemplate();

    int columns = 0;
    int rows = 0;
    int headerHeight = 0;
    int headerWidth = 0;
    Zrl_StringArray columnCaptions;
    Zrl_StringArray rowCaptions;

    const Zrl_StringArray& columnMemory() const { return columnMemory_; }
    const Zrl_StringArray& rowMemory() const { return rowMemory_; }
    Zrl_Spread& columnGrid() { return columnGrid_; }
    Zrl_Spread& rowGrid() { return rowGrid_; }

    // A count or size typed into a field: its leading decimal integer (0 for
    // text that is not a number), never below 0 nor above `most`.
    static int readCount(const std::wstring& text, int most);

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int notifyCode) override;
    void onOK() override;

private:
    void setUpColumnGrid();
    void setUpRowGrid();
    void fillColumnGrid();
    void fillRowGrid();
    void readBackColumnGrid();
    void readBackRowGrid();

    Zrl_Spread columnGrid_;
    Zrl_Spread rowGrid_;
    Zrl_StringArray columnMemory_;
    Zrl_StringArray rowMemory_;
    // Field changes are followed only once the fields show the start values.
    bool followEdits_ = false;
};
