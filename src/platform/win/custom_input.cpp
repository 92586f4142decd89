// The input handlers of windows the layer does not know.
#include "platform/win/custom_input.h"

#include "platform/win/detail_hooks.h"

namespace win {

namespace {

std::vector<CustomInput>& handlers() {
    static std::vector<CustomInput> list;
    return list;
}

} // namespace

void addCustomInput(CustomInput handler) {
    detail::addHook(handlers(), handler);
}

void removeCustomInput(CustomInput handler) {
    detail::removeHook(handlers(), handler);
}

bool offerCustomInput(Window& window, const UserInput& input, InputReply& reply) {
    // A copy: a handler may add or remove handlers.
    const std::vector<CustomInput> list = handlers();
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if ((*it)(window, input, reply)) return true;
    return false;
}

} // namespace win
