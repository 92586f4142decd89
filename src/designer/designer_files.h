// Where designed dialogs live: the designer root folder in the library, the
// names of the templates under it, and the named fields of a template.
//
// A template name is the template's path below the root folder without its
// extension, folders separated by "\" ("Bases\Base Plate").
#pragma once

#include "frame/export.h"
#include "platform/core/zrl_stringarray.h"

// The library folder followed by "Dialog Templates\Dialog Design\".
ZRLSS_EXPORT Zrl_String getDesignerRootFolder();
// Every template under the root folder, subfolders included, by name,
// sorted.
ZRLSS_EXPORT void getModuleImages(Zrl_StringArray& names);
// The named edit fields of the template at `path` (read without its
// picture); `names` is emptied when the template cannot be read.
ZRLSS_EXPORT void GetImageDlgCtrlNames(const Zrl_String& path, Zrl_StringArray& names);

// The template name of `path` when it lies under the root folder ("/" and
// "\" alike, without case); false (name unchanged) otherwise.
bool templateNameOfPath(const Zrl_String& path, Zrl_String& name);
// The path of a template's ".txt" file from a name or a path: a text that
// ends in ".txt" or names an existing file is taken as a path, anything
// else as a name under the root folder.
Zrl_String templatePathOf(const Zrl_String& nameOrPath);
