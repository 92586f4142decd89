// The sheet options operation: lets the user set a grid's number of columns
// and rows, its header captions and the size of its header row and column in
// the sheet size and captions dialog, and applies the result on OK.
#pragma once

class Zrl_Spread;

// True when the user confirmed and the grid took the new settings; on any
// other answer the grid is left as it was. The grid's boolean property 30
// (changed) is switched on after a confirmed change.
bool runSheetOptions(Zrl_Spread& grid);
