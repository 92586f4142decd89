// The picture of a section: the file in the installation folder's "icons\"
// that shows a table's shape, a drawing's own picture, or a user section.
#pragma once

#include "platform/core/zrl_string.h"

// The full path of the image (zrlDir() + "icons\" + base + "-big.bmp" or
// "-small.bmp") for a table's picture text, or, when the picture is empty,
// for the section named `sectionName` (a user section, "User Sections\" and
// the extension dropped from its name):
//   - a shape number gives its shape's image, a ".dwg" name its own name;
//   - a small image of a user section that "icons\" lacks is copied from the
//     library's "User Sections\" + base + ".bmp" to base + "-automated.bmp"
//     (again when the copy is older than the user's picture);
//   - a missing image gives "Unknown-big.bmp" or "Unknown-small.bmp".
// Empty when there is no base name (another number, no name): the caller
// shows no picture.
Zrl_String getSectionImagePath(const Zrl_String& picture, const Zrl_String& sectionName, bool big);
