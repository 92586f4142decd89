// The pictures of icon buttons, found as the resource a button names.
//
// A module may register an icon's picture itself (a bitmap resource under
// the icon's number). Otherwise the installation folder's "icons\" holds it
// as "icon<number>.bmp", which becomes a resource of the current resource
// module the first time a button asks for it.
#pragma once

// True when a bitmap resource with this number exists afterwards; false
// for 0 and for a number with neither resource nor file.
bool ensureIconResource(int number);
