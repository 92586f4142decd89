// The dialogs on screen: `zrlss dialog NAME --gui` runs the dialog in a real
// window through the Qt back end, when the command was built with it.
#pragma once

#include <memory>

namespace zrlss {

class GuiSession {
public:
    virtual ~GuiSession() = default;
};

// Starts the toolkit and installs its back end until the session ends;
// throws Failure when the command was built without it or no display can
// be opened.
std::unique_ptr<GuiSession> startGui();

} // namespace zrlss
