// One standards evaluation: a sheet is loaded into a pooled calculation
// window, its variables are filled from the macro (mode 0) or from the
// caller's list (mode 1), its equations computed, and the outputs handed
// back.
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_string.h"
#include "platform/host/acadstatus.h"

class VkCalcSS;
class VkDlgStandardsData;

// The path a sheet name stands for (see lookUpStandardsSheet), checked
// through the file cache; empty when there is none.
Zrl_String standardsSheetPath(const Zrl_String& name);

// Runs the evaluation of `record` on `sheet` (the steps after the window was
// taken from the pool). eInvalidInput at the first step that fails.
ErrorStatus runStandardsEvaluation(VkCalcSS& sheet, VkDlgStandardsData& record);

// The core module's call for one evaluation, and the child call's. True when
// the run succeeded; `data` then holds the run's record. False leaves `data`
// as it was.
ZRLSS_EXPORT bool StartDlgStandardsSS(VkDlgStandardsData& data);

// StartDlgStandardsSS for a child call: the record is handed to the run and
// back, whatever the outcome (a failed run leaves it half done).
bool runChildEvaluation(VkDlgStandardsData& record);

// Runs StartDlgStandardsSS on a fixed mode-1 record: sheet
// "c:\a\a\a\test.vks", inputs Column = "IPE-200" and Thickness = "10",
// outputs Width = "212" and Length = "356", all texts.
ZRLSS_EXPORT bool StartDlgStandardsSStest();
