// Numbers: rounding to a step, sorting numbers with their indexes, and the
// number-to-text conversion.
//
// Text of a number: Zrl_String(value, decimals) gives exactly `decimals`
// decimals with "." as decimal point whatever the locale, halves rounded away
// from zero on the shortest decimal form of the value ("2.675" with 2
// decimals is "2.68", "-0.5" with 0 decimals is "-1"; a result of zero never
// carries a minus sign).
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/host/acarray.h"

// The multiple of `step` nearest to `value`, halves away from zero
// (2.5 to step 1 is 3, -2.5 is -3). Values that are a half up to rounding
// noise (0.35 to step 0.1) count as halves. The sign of the step is ignored;
// a zero or non-finite step, or a non-finite value, returns the value as is.
double ObjectExportRoundTo(double value, double step);

// The smallest multiple of `step` that is not below `value`. `tolerance` is
// the rounding noise to forgive: a value that lies above a multiple by at
// most `tolerance` counts as lying on it. The forgiven amount is capped at a
// millionth of the step, so the result is never noticeably below the value
// whatever tolerance the caller passes. The sign of the step is ignored; a
// zero or non-finite step, or a non-finite value, returns the value as is.
double ObjectExportRoundUp(double value, double step, double tolerance);

// Sorts `values` ascending (descending when `ascending` is cleared), stably:
// equal values keep their order. `indexes` travels along: when it has as many
// entries as `values` its entries are reordered with them, otherwise it is
// filled with the values' original positions first. NaN values go last.
void ObjectExportSort(AcArray<double>& values, AcArray<int>& indexes, bool ascending = true);

// What a dialog's field gives as a number, read as the C library's
// conversions read it (the number at the start of the text, the rest
// ignored) but made safe: a text that does not start with a number, and one
// that reads as infinity or not-a-number ("inf", "nan", "1e999"), gives 0;
// an integer beyond 32 bits is held at the nearest limit.
double fieldDouble(const Zrl_String& text);
int fieldInt(const Zrl_String& text);
