// What the standards sheet functions share: reading their argument records
// and writing their result, finding and reading the data files and
// standard-size files, and choosing a standard size within tolerances.
#pragma once

#include "platform/core/zrl_stringarray.h"
#include "platform/host/acarray.h"
#include "platform/spread/custom_function.h"

#include <memory>

namespace ssfn {

// --- arguments and results

// A number: status "value", type integer (widened) or double.
bool readNumber(const spread::CalcValue& arg, double& number);
// A text: status "value", type text. One leading and one trailing double
// quote are removed.
bool readText(const spread::CalcValue& arg, Zrl_String& text);
// The arguments from `first` on as texts: a number with 6 decimals, a text
// as read; the first argument of any other kind ends the list.
void argumentTexts(const spread::CalcValue* args, int count, int first, Zrl_StringArray& texts);

// Every function starts from an empty result.
void clearResult(spread::CalcValue& result);
void setDoubleResult(spread::CalcValue& result, double number);
// An empty text leaves the result empty and still succeeds; false when the
// text block cannot be allocated.
bool setTextResult(spread::CalcValue& result, const Zrl_String& text);

// The number a text begins with, as the C library reads it in the "C"
// locale (zrltext::leadingDouble); 0 when it begins with none or with one that
// is not finite.
double leadingNumber(const Zrl_String& text);
// `n` truncated toward zero, minus 1; false when that is no int.
bool itemIndex(double n, int& index);

// --- files

// The file a function names: the name itself when it exists, else the first
// existing one of libDir + "Connection Standards\Data\" + name,
// libDir + "Connection Standards\" + name and libDir + name.
bool findDataFile(const Zrl_String& name, Zrl_String& path);

// A data file: line comments "//" removed, empty lines dropped, every line
// split at tabs (field 1 the key, field 2 the value). Null when it cannot be
// read. Read again only when the file changed.
using DataRows = Zrl_Array<Zrl_StringArray>;
std::shared_ptr<const DataRows> readDataFile(const Zrl_String& path);

// A standard-size file: comments removed, empty lines skipped; "AxB" gives
// first A and second B, a plain number gives first the number and second 0.
// Null when the file is missing or unreadable. Read again only when the file
// changed.
struct StandardSizes {
    AcArray<double> firsts, seconds;
};
std::shared_ptr<const StandardSizes> readStandardSizes(const Zrl_String& path);

// --- tolerances

// The size for `target` within [target - tolDown, target + tolUp]: the
// nearest candidate inside the band (the one below on equal distance), else
// `target` rounded to a multiple of `step` inside the band, else `target`
// limited to the band.
double chooseStandardSize(const AcArray<double>& candidates, double step, double target,
                          double tolDown, double tolUp);

} // namespace ssfn
