// A file's modification time as text in local time, for reports such as the
// stock files loaded ("07 December, 2026 (14:05)").
#pragma once

#include "platform/core/zrl_string.h"

#include <cstdint>

// The time given as ObjectExportGetFileTime's ticks, in the process's local
// time zone, written with a strftime-style `format` ("%d %B, %Y (%H:%M)").
// Names of months and days are English whatever the process locale. Empty
// when the time cannot be converted.
Zrl_String formatFileTime(std::int64_t ticks, const Zrl_String& format);
