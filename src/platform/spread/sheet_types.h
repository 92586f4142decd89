// The records a sheet keeps besides cell contents: cell types, fonts, borders,
// colours, the sheet's look, and the numbering the module reads them by.
#pragma once

#include "platform/spread/spread_api.h"

#include <cstdint>
#include <string>
#include <vector>

namespace spread {

// In place of a column or a row, addresses the header column or header row.
// Column 0 and row 0 address the headers too: (kHeader, kHeader) and (0, 0)
// are both the corner cell.
constexpr int kHeader = -32767;

// Colours are 0x00BBGGRR. kDefaultColor means "the sheet's default".
using Color = uint32_t;
constexpr Color kDefaultColor = 0xFFFFFFFFu;

// Cell-type codes, as cellTypeCode() reports them:
//   0 general (no type set: text, numbers and formulas as typed)
//   1 edit          5 static text   7 button     8 combo box
//   9 picture      10 integer      12 check box  14 number (decimals)
// 15 and 16 (the other numeric kinds of some grids) are not used.
enum class CellKind : uint8_t {
    General = 0,
    Edit = 1,
    StaticText = 5,
    Button = 7,
    ComboBox = 8,
    Picture = 9,
    Integer = 10,
    CheckBox = 12,
    Number = 14,
};

// Bounds of number and integer cells unless set otherwise.
constexpr double kNumberMin = -99999999999999.0;
constexpr double kNumberMax = 99999999999999.0;

// A cell's type with every parameter any kind uses; the fields a kind does
// not use keep their defaults.
struct ZRLSPREAD_API CellType {
    CellKind kind = CellKind::General;
    uint32_t style = 0; // style bits as the owner passes them (kept, not interpreted)
    int maxLength = 0;  // edit: most characters kept; 0 = no limit
    int decimals = 2;   // number: decimals of the data text
    double min = kNumberMin, max = kNumberMax; // number, integer: accepted range
    bool separator = false;                    // number: thousands separator in the data text
    std::wstring text;                         // check box, button: caption
    std::wstring picture;  // check box: picture of the cleared state; picture: the picture
    std::wstring picture2; // check box: picture of the set state; button: pressed picture
    std::vector<std::wstring> items; // combo box: the choices
    bool editable = false;           // combo box: free text allowed

    static CellType general() { return {}; }
    static CellType edit(uint32_t style = 0, int maxLength = 0);
    static CellType number(int decimals, bool separator = false, double min = kNumberMin,
                           double max = kNumberMax, uint32_t style = 0);
    static CellType integer(double min = kNumberMin, double max = kNumberMax);
    static CellType staticText(uint32_t style = 0);
    static CellType checkBox(std::wstring text = {}, std::wstring clearedPicture = {},
                             std::wstring setPicture = {}, uint32_t style = 0);
    static CellType button(std::wstring text = {}, uint32_t style = 0);
    static CellType comboBox(std::vector<std::wstring> items, bool editable = false,
                             uint32_t style = 0);
    static CellType pictureCell(std::wstring picture, uint32_t style = 0);

    bool operator==(const CellType&) const = default;
};

struct Font {
    std::wstring name = L"Tahoma";
    int height = 15;  // logical units
    int weight = 400; // 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

// Border sides: 1 left, 2 right, 4 top, 8 bottom, 16 outline of a span;
// 31 all sides, 0 none. The style (line kind) is kept as given.
struct Border {
    int sides = 0;
    int style = 0;
    Color color = kDefaultColor;
    bool operator==(const Border&) const = default;
};

// Sheet-wide display settings. The engine keeps them for whoever draws the
// sheet; none of them changes a cell.
struct SheetLook {
    Color lockBack = kDefaultColor, lockFore = kDefaultColor;
    Color selBack = kDefaultColor, selFore = kDefaultColor;
    Color grayBack = kDefaultColor, grayFore = kDefaultColor;
    Color gridColor = kDefaultColor;
    int gridType = 0;
    int appearance = 0;
    int backColorStyle = 0;
    int activeCellHighlightStyle = 0;
    int enterAction = 0;
    int unitType = 0;
    int cellNoteIndicator = 0;
    int autoSizeVisibleCols = 0, autoSizeVisibleRows = 0;
    int cursorKind = 0, cursor = 0;
    int actionKeys[3] = {0, 0, 0};
    // Text tips: on/off status, delay in ms, font and colours.
    int textTipStatus = 0, textTipDelay = 0;
    Font textTipFont;
    Color textTipBack = kDefaultColor, textTipFore = kDefaultColor;
};

// Numbers of the boolean properties that change what the sheet does. Every
// other number (0..kBoolCount-1) is kept for its owner.
constexpr int kBoolCount = 64;
constexpr int kBoolRedraw = 8;   // drawing on (default on)
constexpr int kBoolAutoCalc = 7; // recompute dependents on every change (default on)
constexpr int kBoolProtect = 12; // locked cells refuse typed input (kept; default off)
constexpr int kBoolChanged = 30; // set by every change of content; cleared by load

} // namespace spread
