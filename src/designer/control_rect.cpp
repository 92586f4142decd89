#include "designer/control_rect.h"

#include "platform/win/button.h"
#include "platform/win/combo_box.h"
#include "platform/win/edit.h"
#include "platform/win/static_control.h"

CControlRect::CControlRect(const win::Rect& rect) : CRectTracker(rect, solidLine | resizeOutside) {
    m_nHandleSize = 5;
}

CControlRect::~CControlRect() {
    if (window_ && window_->isCreated()) window_->destroy();
}

bool CControlRect::create(const std::wstring& className, const std::wstring& text,
                          std::uint32_t style, win::Window* parent, int id) {
    if (className == L"BUTTON") {
        window_ = std::make_unique<win::Button>();
    } else if (className == L"EDIT") {
        window_ = std::make_unique<win::Edit>();
    } else if (className == L"COMBOBOX") {
        window_ = std::make_unique<win::ComboBox>();
    } else {
        window_ = std::make_unique<win::StaticText>();
    }
    if (!window_->create(className, text, style, trueRect(), parent, id)) {
        window_.reset();
        return false;
    }
    return true;
}

void CControlRect::setRect(const win::Rect& rect) {
    m_rect = rect;
    if (window_ && window_->isCreated()) window_->setRect(trueRect());
}

void CControlRect::OnChangedRect(const win::Rect&) {
    setRect(m_rect);
}
