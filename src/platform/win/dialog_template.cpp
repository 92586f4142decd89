// Resource identifiers and the conversion of dialog units to pixels.
#include "platform/win/dialog_template.h"

#include "platform/text/fold.h"

namespace win {

namespace {

// units * base / divisor rounded to the nearest integer, halves away from 0.
int scale(int units, int base, int divisor) {
    const long long n = static_cast<long long>(units) * base;
    const long long q = (n >= 0 ? n + divisor / 2 : n - divisor / 2) / divisor;
    return static_cast<int>(q);
}

} // namespace

std::wstring ResourceId::text() const {
    return isNumber() ? std::to_wstring(number()) : name();
}

bool operator==(const ResourceId& a, const ResourceId& b) {
    if (a.isNumber() != b.isNumber()) return false;
    if (a.isNumber()) return a.number() == b.number();
    return zrltext::equalNoCase(std::get<std::wstring>(a.value_), std::get<std::wstring>(b.value_));
}

int dialogUnitsToPixelsX(int units) {
    return scale(units, kDialogBaseUnitX, 4);
}
int dialogUnitsToPixelsY(int units) {
    return scale(units, kDialogBaseUnitY, 8);
}

Rect dialogUnitsToPixels(const Rect& units) {
    return {dialogUnitsToPixelsX(units.left), dialogUnitsToPixelsY(units.top),
            dialogUnitsToPixelsX(units.right), dialogUnitsToPixelsY(units.bottom)};
}

} // namespace win
