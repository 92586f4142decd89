// Pictures of the dialogs a run opens: the module's grids drawn for
// win::paintTree, and the back end that takes the picture of the first
// dialog a run opens as it stands when it closes.
#pragma once

#include "platform/win/backend.h"
#include "platform/win/window.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dialogs {

// The painter of the module's grids for win::paintTree, and their input
// handler for a window back end, added while a scope lives.
class GridPainterScope {
public:
    GridPainterScope();
    ~GridPainterScope();
    GridPainterScope(const GridPainterScope&) = delete;
    GridPainterScope& operator=(const GridPainterScope&) = delete;
};

// Takes the picture of the first dialog of a run that is not a page of
// another: when it is about to be destroyed, or at the end of the run when
// it is still open (a modeless or docked dialog). Everything else goes to
// the back end in use when it was made (the scripted user, or a window on
// screen).
class PictureBackend final : public win::Backend {
public:
    explicit PictureBackend(int scale) : next_(win::backend()), scale_(scale) {}

    void beginModal(win::Dialog& d) override { next().beginModal(d); }
    void runModal(win::Dialog& d) override { next().runModal(d); }
    void endModal(win::Dialog& d) override { next().endModal(d); }
    void messageBox(win::Window* parent, win::MessageBoxRecord& box) override {
        next().messageBox(parent, box);
    }
    win::FileDialogResult fileDialog(const win::FileDialogRequest& r) override {
        return next().fileDialog(r);
    }
    int popupMenu(const win::Menu& m, win::Point p, win::Window* owner) override {
        return next().popupMenu(m, p, owner);
    }
    std::uint32_t dragDrop(const win::DataObject& data, std::uint32_t allowed) override {
        return next().dragDrop(data, allowed);
    }
    void windowEvent(win::Window& window, win::WindowEvent event) override;
    void timersChanged() override { next().timersChanged(); }

    // At the end of the run: the picture of a dialog still open.
    void finish();
    // The PNG bytes of the picture, once taken.
    const std::optional<std::vector<std::uint8_t>>& png() const { return png_; }
    // What the picture shows amiss: push buttons too narrow for their text.
    const std::vector<std::string>& faults() const { return faults_; }

private:
    win::Backend& next() { return next_; }
    void take(const win::Window& window);

    win::Backend& next_;
    int scale_;
    win::WindowHandle first_ = 0;
    std::optional<std::vector<std::uint8_t>> png_;
    std::vector<std::string> faults_;
};

// The picture of a window as paintFramed draws it, as PNG bytes.
std::vector<std::uint8_t> pngOf(const win::Window& window, int scale);

} // namespace dialogs
