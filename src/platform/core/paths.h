// Paths as the module writes them, and their place on disk.
//
// The module builds Windows-style paths: folders separated by "\" and
// folder paths ending in "\" ("...library\Connection Standards\Data\").
// These helpers accept "\" and "/" alike as separators. resolvePath maps such
// a path to the file system: every "\" becomes "/", and since Windows names
// ignore case, each component that does not exist as written is matched
// without case against the entries of its folder.
#pragma once

#include "platform/core/zrl_string.h"

#include <filesystem>

// The folder part of a path, with its final separator ("a\b\c.txt" gives
// "a\b\"); empty when the path has no folder.
Zrl_String getPath(const Zrl_String& path);
// The last component of a path ("a\b\c.txt" gives "c.txt").
Zrl_String getFileName(const Zrl_String& path);
// The path without the extension of its last component ("a\b.c\d.txt" gives
// "a\b.c\d"; "a\b.c\d" is unchanged; a name that starts with its only "."
// has no extension).
Zrl_String removeExtension(const Zrl_String& path);
// The path with its extension replaced by, or given, `extension` ("map" and
// ".map" both give "x.map"; an empty extension removes it).
Zrl_String changeExtension(const Zrl_String& path, const Zrl_String& extension);
// The path with a final "\" added unless it already ends in "\" or "/".
// An empty path stays empty.
Zrl_String ensureEndBSlash(const Zrl_String& path);

// The file-system path for a module path (see above). Never fails: the part
// that cannot be matched is kept as written.
std::filesystem::path resolvePath(const Zrl_String& path);
// A file-system path as module text (UTF-8 names decoded).
Zrl_String pathToText(const std::filesystem::path& path);
