#include "dialogs/dialog_setup.h"

#include "platform/core/numbered_texts.h"
#include "platform/win/dialog.h"

#include <algorithm>

void setDialogTexts(win::Dialog* dlg, int caption, std::initializer_list<ControlText> texts) {
    dlg->setText(dialString(caption).str());
    for (const ControlText& t : texts)
        dlg->setItemText(t.id, dialString(t.text).str());
}

bool setUpIconButton(CButtonST& button, int id, win::Window* dlg, int icon, int tooltipText) {
    const bool attached = button.SubclassDlgItem(id, dlg);
    button.SetFlat(false);
    button.DrawFlatFocus(false);
    button.SetTooltipText(dialString(tooltipText));
    button.SetIcon(icon);
    return attached;
}

bool keepMinimumSize(win::Window* dlg, int minWidth, int minHeight) {
    const win::Rect r = dlg->rect();
    if (r.width() >= minWidth && r.height() >= minHeight) return false;
    dlg->setRect({r.left, r.top, r.left + std::max(r.width(), minWidth),
                  r.top + std::max(r.height(), minHeight)});
    return true;
}

win::DialogTemplate inputDialogTemplate(const win::ResourceId& id, int width, int height,
                                        const wchar_t* caption, bool resizable) {
    win::DialogTemplate t;
    t.id = id;
    t.width = width;
    t.height = height;
    t.caption = caption;
    t.style = win::WS_POPUP | win::WS_CAPTION | win::WS_SYSMENU;
    if (resizable) t.style |= win::WS_THICKFRAME;
    return t;
}
