// Internal: a combo box control of the core taking the place of the
// template's combo box with the same id.
#pragma once

#include "platform/win/combo_box.h"

// Destroys the combo box `id` of `parent` and creates `self` as a drop-down
// list in its place (same id, rectangle, text and other styles). False when
// `parent` has no combo box with that id.
bool replaceCombo(win::ComboBox& self, int id, win::Window* parent);
