// The three functions that pick a standard size within tolerances.
#include "platform/core/number_text.h"
#include "platform/core/settings.h"
#include "platform/win/constants.h"
#include "platform/win/message_box.h"
#include "standards/ss_functions.h"
#include "standards/ss_functions_support.h"
#include "standards/standards_failures.h"

#include <algorithm>

namespace ssfn {

namespace {

// Distance of a side that has no candidate.
constexpr double kNoCandidate = 999999999.0;

void warnInvalidTolerances(double tolDown, double tolUp) {
    if (!curDocSettings().standardsDiagnostics) return;
    const Zrl_String text = Zrl_String(L"Invalid tolerances provided.\n DownTolerance is :") +
                            Zrl_String(tolDown, 2) + L"UpTolerance is :" + Zrl_String(tolUp, 2) +
                            L"\nAdding both tolerances should result in a positive value.";
    win::messageBox(nullptr, text.str(), L"", win::MB_OK | win::MB_ICONEXCLAMATION);
}

// Which candidates a function offers from the standard-size file.
enum class Sizes { Firsts, Seconds, FirstsOfThickness };

// The common course of the three functions: `fileArg` names the standard-size
// file, `valueArgs` the numbers step, [thickness,] target, tolDown, tolUp.
bool standardSize(spread::CalcValue& result, spread::CalcValue* args, int count, int minArgs,
                  Sizes sizes) {
    clearResult(result);
    if (count < minArgs) return false;
    Zrl_String file;
    if (!readText(args[0], file)) return false;
    double numbers[5] = {};
    for (int i = 1; i < minArgs; ++i) {
        if (!readNumber(args[i], numbers[i - 1])) return false;
    }
    const int t = sizes == Sizes::FirstsOfThickness ? 1 : 0;
    const double step = numbers[0];
    const double thickness = numbers[1];
    const double target = numbers[1 + t];
    const double tolDown = numbers[2 + t];
    const double tolUp = numbers[3 + t];

    if (tolDown + tolUp <= 0) warnInvalidTolerances(tolDown, tolUp);

    Zrl_String path;
    std::shared_ptr<const StandardSizes> read;
    if (findDataFile(file, path)) read = readStandardSizes(path);
    // The size is still chosen (by the step alone), as before; the caller
    // that listens is told it came without the file.
    if (!read) noteLookupFault(L"standard-size file " + file + L" not found or unreadable");
    static const StandardSizes kNoSizes;
    const AcArray<double>& firsts = read ? read->firsts : kNoSizes.firsts;
    const AcArray<double>& seconds = read ? read->seconds : kNoSizes.seconds;
    AcArray<double> candidates;
    switch (sizes) {
    case Sizes::Firsts:
        candidates = firsts;
        break;
    case Sizes::Seconds:
        candidates = seconds;
        break;
    case Sizes::FirstsOfThickness: {
        for (int i = 0; i < firsts.length(); ++i) {
            if (seconds[i] == thickness || seconds[i] == 0) candidates.append(firsts[i]);
        }
        AcArray<int> order;
        ObjectExportSort(candidates, order, true);
        break;
    }
    }
    setDoubleResult(result, chooseStandardSize(candidates, step, target, tolDown, tolUp));
    return true;
}

} // namespace

double chooseStandardSize(const AcArray<double>& candidates, double step, double target,
                          double tolDown, double tolUp) {
    bool hasBelow = false, hasAbove = false;
    double below = 0, above = 0;
    double distBelow = kNoCandidate, distAbove = kNoCandidate;
    for (double c : candidates) {
        if (c <= target) {
            if (!hasBelow || target - c < distBelow) {
                hasBelow = true;
                below = c;
                distBelow = target - c;
            }
        } else if (!hasAbove || c - target < distAbove) {
            hasAbove = true;
            above = c;
            distAbove = c - target;
        }
    }
    const bool belowFits = hasBelow && distBelow <= tolDown && below <= target + tolUp;
    const bool aboveFits = hasAbove && distAbove <= tolUp && above >= target - tolDown;
    if (distBelow <= distAbove) {
        if (belowFits) return below;
        if (aboveFits) return above;
    } else {
        if (aboveFits) return above;
        if (belowFits) return below;
    }

    // No standard size fits: round to the step inside the tolerance band.
    const double lo = target - tolDown;
    const double hi = target + tolUp;
    const double limited = std::max(std::min(target, hi), lo);
    const double up = ObjectExportRoundUp(limited, step, tolUp);
    double down = ObjectExportRoundTo(limited, step);
    if (down > limited) down -= step;
    const bool downFits = target - down <= tolDown && down >= lo;
    const bool upFits = up - target <= tolUp && up <= hi;
    if (target - down <= up - target) {
        if (downFits) return down;
        if (upFits) return up;
    } else {
        if (upFits) return up;
        if (downFits) return down;
    }
    return limited;
}

bool stdWidthWithTolerance(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args,
                           int count) {
    return standardSize(result, args, count, 6, Sizes::FirstsOfThickness);
}

bool stdThicknessWithTolerance(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args,
                               int count) {
    return standardSize(result, args, count, 5, Sizes::Seconds);
}

bool stdSizeWithTolerance(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args,
                          int count) {
    return standardSize(result, args, count, 5, Sizes::Firsts);
}

} // namespace ssfn
