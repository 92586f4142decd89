// Transient graphics of the host: pictures drawn over the drawing for a
// while (a preview of what a command would change) that are no part of it
// and are removed again by whoever drew them.
//
// Each drawing gets a marker, by which it is removed; the list of what is
// drawn now is kept in drawing order so that a test can see what a dialog
// left behind. Every add and erase is logged in the call log.
#pragma once

#include "platform/host/host_api.h"
#include "platform/host/object_id.h"

#include <string>
#include <vector>

namespace host {

struct Transient {
    int marker = 0;
    AcDbObjectId object; // the object it is drawn for
    std::wstring what;   // what it shows (a cut's description, ...)
};

// Draws a transient for `object`; answers its marker (never 0).
ZRLHOST_API int addTransient(const AcDbObjectId& object, const std::wstring& what);
// Removes the transient of that marker; false when none is drawn.
ZRLHOST_API bool eraseTransient(int marker);
// What is drawn now, in drawing order.
ZRLHOST_API std::vector<Transient> drawnTransients();
// Removes every transient without logging (a fresh drawing).
ZRLHOST_API void clearTransients();

} // namespace host
