// The module-wide calling sheet and its scoped guard.
#include "sheettools/calling_sheet.h"

namespace {
Zrl_Spread* gCallingSheet = nullptr;
} // namespace

Zrl_Spread* callingSheet() {
    return gCallingSheet;
}

CallingSheetScope::CallingSheetScope(Zrl_Spread* grid) : previous_(gCallingSheet) {
    gCallingSheet = grid;
}

CallingSheetScope::~CallingSheetScope() {
    gCallingSheet = previous_;
}
