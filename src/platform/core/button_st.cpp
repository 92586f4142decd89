#include "platform/core/button_st.h"

#include "platform/core/icon_resources.h"
#include "platform/win/button.h"

bool CButtonST::SubclassDlgItem(int id, win::Window* parent) {
    button_ = parent ? dynamic_cast<win::Button*>(parent->child(id)) : nullptr;
    if (button_ && icon_ != 0) {
        button_->modifyStyle(0, win::BS_ICON);
        button_->setIcon(icon_);
    }
    return button_ != nullptr;
}

void CButtonST::SetIcon(int iconId) {
    icon_ = iconId;
    ensureIconResource(iconId);
    if (!button_) return;
    button_->modifyStyle(win::BS_ICON, iconId != 0 ? win::BS_ICON : 0);
    button_->setIcon(iconId);
    button_->invalidate();
}
