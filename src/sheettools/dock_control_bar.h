// Docking bars in the host's main frame.
//
// CAcUiDockControlBar is the host's docking bar as far as the module uses
// it: a child window of the main frame that is docked at one side of the
// frame (its dock position) or floats at its floating size, and that the
// host shows and hides. CVkDockControlBar carries one of the module's
// dialogs inside such a bar and keeps it filling the bar.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/win/dialog.h"
#include "platform/win/window.h"

#include <cstdint>
#include <memory>
#include <string>

class CAcUiDockControlBar : public win::Window {
public:
    // The sides a bar may dock at (any combination).
    static constexpr std::uint32_t kAlignLeft = 0x1000;
    static constexpr std::uint32_t kAlignTop = 0x2000;
    static constexpr std::uint32_t kAlignRight = 0x4000;
    static constexpr std::uint32_t kAlignBottom = 0x8000;
    static constexpr std::uint32_t kAlignAny = 0xF000;
    // Dock positions of the frame.
    static constexpr int kDockTop = 59419;
    static constexpr int kDockLeft = 59420;
    static constexpr int kDockRight = 59421;
    static constexpr int kDockBottom = 59422;
    static constexpr int kFloating = 59424;

    CAcUiDockControlBar() = default;
    ~CAcUiDockControlBar() override = default;

    void setToolID(const std::wstring& toolId) { toolId_ = toolId; }
    const std::wstring& toolID() const { return toolId_; }
    void enableDocking(std::uint32_t sides) { dockingSides_ = sides & kAlignAny; }
    std::uint32_t dockingSides() const { return dockingSides_; }
    // Docks the bar at one side of the frame (its width or height kept, the
    // other side spanning the frame) or lets it float at its floating size,
    // and shows it. False for a bar that is not live or a side it may not
    // dock at.
    bool restoreControlBar(int dockPosition = kDockLeft);
    int dockPosition() const { return dockPosition_; }
    bool isFloating() const { return dockPosition_ == kFloating; }
    // The host shows and hides bars; a hidden bar keeps its place.
    void showBar(bool visible) { show(visible); }
    // Size of the floating bar.
    virtual win::Size floatingSize() const { return {250, 200}; }

private:
    std::wstring toolId_;
    std::uint32_t dockingSides_ = 0;
    int dockPosition_ = kFloating;
};

class CVkDockControlBar : public CAcUiDockControlBar {
public:
    // The bar's window class: double clicks reach it, arrow cursor.
    static constexpr const wchar_t* kClassName = L"VkDockControlBar";
    static constexpr std::uint32_t kClassStyle = 0x0008; // double clicks
    static constexpr int kClassCursor = 32512;           // arrow
    // Visible child that clips its children.
    static constexpr std::uint32_t kBarStyle = 0x52000000;
    static constexpr int kInitialWidth = 250;
    static constexpr int kInitialHeight = 200;

    // `dialog` is made from `resourceId` inside the bar when the bar is
    // created; `callerValue` is kept for the caller.
    CVkDockControlBar(std::unique_ptr<win::Dialog> dialog, win::ResourceId resourceId,
                      std::intptr_t callerValue = 0);
    ~CVkDockControlBar() override;

    // Creates the bar in the host's main frame with `caption`; false when
    // the frame is missing, the bar is live already or the dialog could not
    // be made (no window is left behind then).
    bool create(const Zrl_String& caption, int id = 0);
    // create, then the host's tool id, docking on all sides and the bar
    // restored at the left dock position.
    bool createDocked(const Zrl_String& caption, const std::wstring& toolId, int id = 0);

    win::Dialog* dialog() const { return dialog_.get(); }
    const win::ResourceId& resourceId() const { return resourceId_; }
    std::intptr_t callerValue() const { return callerValue_; }
    win::Size floatingSize() const override { return floatingSize_; }

protected:
    bool onCreate() override;
    void onSize(int cx, int cy) override;

private:
    std::unique_ptr<win::Dialog> dialog_;
    win::ResourceId resourceId_;
    std::intptr_t callerValue_ = 0;
    // Until the dialog's own size is known.
    win::Size floatingSize_{400, 500};
};
