// Operations on a bill sheet and its settings: the sheet's standard set-up
// with a settings file, saving it with its settings, and bringing its header
// and footer pictures along to the folder it is saved in.
#pragma once

#include "platform/core/zrl_string.h"

class Zrl_Spread;
class VkSSSettings;

// Sets up the sheet (6 x 11 edit cells, tips, options), reads the named
// settings file (falling back to the registry's default settings file, then
// to the built-in defaults), stores the settings in the corner-cell tag and
// applies the default font to cells and headers. False when the grid does not
// exist.
bool prepareSheetWithSettings(Zrl_Spread& grid, const Zrl_String& settingsName);

// Writes the sheet to `path`, the format by the extension: ".xlsx" a
// workbook, ".csv" the value texts, anything else the native sheet file.
bool saveSheetFile(Zrl_Spread& grid, const Zrl_String& path, Zrl_String* error = nullptr);

// Saves the sheet, then copies its header and footer pictures next to the
// file and stores their new names (relative) in the corner-cell tag. False
// only when the sheet could not be saved.
bool saveSheetWithSettings(Zrl_Spread& grid, const Zrl_String& path, Zrl_String* error = nullptr);

// Where a header or footer picture name points to, looked up against the
// folder `folder` (ending in "\") and the settings folder. An absolute name
// comes back unchanged; a name found nowhere comes back as given.
Zrl_String resolveSettingsFile(const Zrl_String& name, const Zrl_String& folder);

// Copies the picture `name` (and the ".bmp" beside it) into `folder` when the
// copy there is missing or older, then sets `name` to the copy, relative to
// the folder. True when `name` changed.
bool bringSettingsFileAlong(Zrl_String& name, const Zrl_String& folder);
