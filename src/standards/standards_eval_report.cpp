#include "standards/standards_eval_report.h"

#include "platform/core/settings.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"
#include "standards/calc_ss.h"

bool standardsDiagnosticsOn() {
    return curDocSettings().standardsDiagnostics;
}

Zrl_String failedEquationText(const Zrl_String& file, const Zrl_String& name,
                              const Zrl_String& expression, int row) {
    Zrl_String text(L"The following equation failed:\n");
    if (!name.isEmpty()) text += name + L" = ";
    text += expression + L"\n";
    text += L"Spreadsheet : " + file + L" (line: " + Zrl_String(row) + L")\n";
    text += L"Here's a tip for finding the cause :\n";
    text += L"If this equation contains variable names, then the translator does not know the "
            L"value of the variable. Make sure the variable exists either in input, output, "
            L"local declarations or among the gen_ variables.";
    return text;
}

void reportFailedEquation(VkCalcSS& sheet, const Zrl_String& name, const Zrl_String& expression,
                          int row) {
    if (!standardsDiagnosticsOn()) return;
    win::messageBox(&sheet, failedEquationText(sheet.fileName, name, expression, row).str(), L"",
                    win::MB_ICONEXCLAMATION);
}
