// The profile combo of the profile features and cladding settings dialogs:
// the sections of the profile's family by their display names, or a user
// section's drawing by its name, with a last entry "<Various>" (text 695)
// that stands for "keep the profile as it is".
//
// The entries keep the order of the names behind them, so that an entry's
// position is the position of its section name.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <optional>

namespace win {
class Dialog;
}

// The start of a user section's name: "User Sections\Beam1.dwg".
inline constexpr const wchar_t* kUserSectionsStart = L"User Sections\\";

// Fills combo `id` of `dlg` for `profile` and selects the profile's entry
// (none when it is not listed); `names` is replaced by the section names
// behind the entries. A user section gives its own entry; otherwise the
// family file (the text before the first "-", plus ".pr", in the library's
// "prof\" folder) gives its active sections. A family file that is missing,
// unreadable, holds no sections, or a name with folder parts gives text 695
// alone.
void fillProfileCombo(win::Dialog* dlg, int id, const Zrl_String& profile,
                      Zrl_StringArray& names);

// The section name the combo's selection stands for; `profile` when the
// selection is none or "<Various>".
Zrl_String selectedProfile(const win::Dialog* dlg, int id, const Zrl_StringArray& names,
                           const Zrl_String& profile);

// Runs the core's profile chooser (user sections offered) starting on
// `initial`; the chosen name, less the library folder when it starts with
// it. Nothing when the user chose nothing.
std::optional<Zrl_String> chooseProfile(const Zrl_String& initial, win::Dialog* parent);
