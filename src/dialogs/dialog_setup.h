// Setting up the input dialogs: the numbered texts of their controls, and
// their small icon buttons (add, delete, ...): the template's push button
// taken over by a CButtonST that shows an icon and a tooltip, with the flat
// look and the flat focus rectangle off.
#pragma once

#include "platform/core/button_st.h"
#include "platform/win/dialog_template.h"
#include "platform/win/resources.h"

#include <initializer_list>

namespace win {
class Dialog;
class Window;
} // namespace win

struct ControlText {
    int id;
    int text; // a dialString number
};

// The dialog's caption and its controls' texts, from numbered texts.
void setDialogTexts(win::Dialog* dlg, int caption, std::initializer_list<ControlText> texts);

// False when the dialog has no button `id` (the CButtonST then only stores).
bool setUpIconButton(CButtonST& button, int id, win::Window* dlg, int icon, int tooltipText);

// A dialog's size handler calls this first: a dialog made smaller than
// minWidth x minHeight is given that size back (true: the handler's work is
// done by the size change that follows).
bool keepMinimumSize(win::Window* dlg, int minWidth, int minHeight);

// The template of an input dialog: a popup with a caption and a system
// menu, with a sizing frame when `resizable`; the controls are added after.
win::DialogTemplate inputDialogTemplate(const win::ResourceId& id, int width, int height,
                                        const wchar_t* caption, bool resizable = false);

// Registers the template of dialog class D (its static dialogTemplate()) with
// the module: const zrlss::ResourceRegistrar registrar(registerTemplateOf<D>);
template <class D> void registerTemplateOf(win::ModuleHandle module) {
    win::registerTemplate(module, D::dialogTemplate());
}
