#include "platform/host/transients.h"

#include "platform/host/call_log.h"

#include <algorithm>

namespace {

struct Transients {
    int lastMarker = 0;
    std::vector<host::Transient> drawn;
};

Transients& transients() {
    static Transients t;
    return t;
}

} // namespace

namespace host {

int addTransient(const AcDbObjectId& object, const std::wstring& what) {
    Transients& t = transients();
    const int marker = ++t.lastMarker;
    recordCall("addTransient", {std::to_wstring(object.asOldId()), what, std::to_wstring(marker)});
    t.drawn.push_back({marker, object, what});
    return marker;
}

bool eraseTransient(int marker) {
    recordCall("eraseTransient", {std::to_wstring(marker)});
    auto& drawn = transients().drawn;
    auto it = std::find_if(drawn.begin(), drawn.end(),
                           [&](const Transient& t) { return t.marker == marker; });
    if (it == drawn.end()) return false;
    drawn.erase(it);
    return true;
}

std::vector<Transient> drawnTransients() {
    return transients().drawn;
}

// Markers go on across clears, so that a marker kept from before never
// removes a new drawing.
void clearTransients() {
    transients().drawn.clear();
}

} // namespace host
