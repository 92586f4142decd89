// ZRLSS_EXPORT marks what leaves libzrlss.so: the entry point, the dialog
// starters, the exported classes and globals. Everything else is hidden.
// Every exported name is also listed in exports.txt (the link hides names
// that are not listed there).
#pragma once

#define ZRLSS_EXPORT __attribute__((visibility("default")))
