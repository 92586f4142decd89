// The export marker of the host stand-in: what it offers stays visible to
// modules built with hidden visibility.
#pragma once

#define ZRLHOST_API __attribute__((visibility("default")))
