// The calling sheet: the grid on which the running look-up evaluation was
// started. Each formulas dialog that evaluates (one cell, or a table look-up)
// names its own grid here for the time of the evaluation and then puts the
// previous one back, so that a look-up nested inside another finds its own
// caller and the outer one finds its caller again when the inner one ends.
#pragma once

class Zrl_Spread;

// The grid of the evaluation in progress, or null when none runs.
Zrl_Spread* callingSheet();

// Names `grid` as the calling sheet until the end of the scope, then restores
// the grid named before (also when the scope is left by an exception).
class CallingSheetScope {
public:
    explicit CallingSheetScope(Zrl_Spread* grid);
    ~CallingSheetScope();
    CallingSheetScope(const CallingSheetScope&) = delete;
    CallingSheetScope& operator=(const CallingSheetScope&) = delete;

private:
    Zrl_Spread* previous_;
};
