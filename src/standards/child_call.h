// The child call of an equation: CallChild(file, var1, var2, ...) evaluates
// another standards sheet with some of this sheet's variables and copies the
// child's outputs back into the same-named variables of this sheet.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"
#include "platform/host/acadstatus.h"

class VkCalcSS;

// The child's file: the name itself when it exists; else the first existing
// of the calling sheet's folder + name, and libDir + "Connection Standards\"
// + name, then its folders "Childs\", "Data\" and "Parents\". Empty when none
// exists.
Zrl_String resolveChildFile(const Zrl_String& callerFile, const Zrl_String& name);

// Runs the child call written in `expression` for `sheet`. eInvalidInput
// when the call is malformed, the child file or a variable is missing, the
// child is a sheet whose evaluation is already in progress (the sheet
// itself, or one of the sheets that called it), the child's evaluation
// fails, or an output would overwrite an input of this sheet.
ErrorStatus callChild(VkCalcSS& sheet, const Zrl_String& expression);
// The same for a call already read (see calc_area::parseChildCall).
ErrorStatus callChild(VkCalcSS& sheet, const Zrl_String& file, const Zrl_StringArray& names);
