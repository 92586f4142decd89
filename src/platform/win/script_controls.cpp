// The interfaces' type information lives here, once for every library.
#include "platform/win/script_controls.h"

namespace win {

ScriptGrid::~ScriptGrid() = default;
ScriptItems::~ScriptItems() = default;

bool ScriptGrid::scriptTakesTyping(int, int) const {
    return true;
}

bool ScriptGrid::scriptCopy(bool) {
    return false;
}

bool ScriptGrid::scriptPaste() {
    return false;
}

bool ScriptItems::scriptDragItem(int) {
    return false;
}

} // namespace win
