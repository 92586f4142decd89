#include "test_dialogs.h"

namespace frame_test {

void registerTestTemplate(win::ModuleHandle module) {
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

} // namespace frame_test
