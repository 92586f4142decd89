// ZRLSPREAD_API marks what leaves libzrlspread.so: the classes and functions
// of the engine's public headers. The library is built with hidden
// visibility, so everything else (the cell store, the formula compiler, the
// file readers' helpers, namespace spread::detail) stays inside it.
#pragma once

#define ZRLSPREAD_API __attribute__((visibility("default")))
