// Small dialogs that stand in for the module's modeless and modal dialogs
// in the frame's tests.
#pragma once

#include "platform/win/dialog.h"
#include "platform/win/resources.h"

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace frame_test {

inline constexpr int kTestTemplate = 9901;
inline constexpr int kCloseButton = 1001;

// Registers the test dialogs' template with `module`.
inline void registerTestTemplate(win::ModuleHandle module) {
    win::DialogTemplate t;
    t.id = kTestTemplate;
    t.width = 100;
    t.height = 60;
    t.caption = L"Test dialog";
    t.style = win::WS_POPUP | win::WS_CAPTION;
    t.controls = {
        {win::IDOK, win::ControlKind::Button, {5, 40, 45, 54}, win::BS_PUSHBUTTON, L"OK"},
        {win::IDCANCEL, win::ControlKind::Button, {50, 40, 95, 54}, win::BS_PUSHBUTTON, L"Cancel"},
        {kCloseButton, win::ControlKind::Button, {5, 5, 45, 19}, win::BS_PUSHBUTTON, L"Close"},
        {1002, win::ControlKind::Edit, {5, 22, 95, 34}, win::WS_TABSTOP, L""},
    };
    win::registerTemplate(module, std::move(t));
}

// A modeless dialog with a postpone-close flag, like the macro dialog.
class PostponingDialog : public win::Dialog {
public:
    bool postponeClose() const { return postpone; }
    bool open() {
        if (!create(kTestTemplate, nullptr)) return false;
        show(true);
        return true;
    }

    bool postpone = false;
    int index = -1;
    std::wstring data;
    // Called when the close button is clicked (the dialog asks its owner to
    // close it from within its own handler).
    std::function<void()> onClose;

protected:
    bool onCommand(int id, int code) override {
        if (id == kCloseButton && onClose) {
            onClose();
            return true;
        }
        return win::Dialog::onCommand(id, code);
    }
};

// Opens a PostponingDialog carrying `data` at `index`; null when it fails.
inline std::unique_ptr<PostponingDialog> openDialog(const std::wstring& data = L"", int index = -1,
                                                    bool postpone = false) {
    auto dlg = std::make_unique<PostponingDialog>();
    dlg->data = data;
    dlg->index = index;
    dlg->postpone = postpone;
    return dlg->open() ? std::move(dlg) : nullptr;
}

// A record whose copy can be made to fail.
struct TestRecord {
    std::wstring text;
    int number = 0;
    bool failCopy = false;

    TestRecord() = default;
    TestRecord(const TestRecord&) = default;
    TestRecord& operator=(const TestRecord& other) {
        if (other.failCopy) throw std::runtime_error("copy failed");
        text = other.text;
        number = other.number;
        return *this;
    }
};

// A modal dialog over a TestRecord, with one extra in/out argument.
class RecordDialog : public win::Dialog {
public:
    RecordDialog() : win::Dialog(kTestTemplate, nullptr) {}
    TestRecord& record() { return rec; }
    void takeArguments(const int& extra) { extraIn = extra; }
    void giveArguments(int& extra) { extra = extraIn * 2; }

    TestRecord rec;
    int extraIn = 0;
    // What the resources were while the dialog ran.
    static inline win::ModuleHandle resourcesSeen = win::ModuleHandle::None;

protected:
    bool onInitDialog() override {
        resourcesSeen = win::currentResourceModule();
        return true;
    }
};

} // namespace frame_test
