// Change notice for remembered files: tells, with one cheap call, whether
// anything may have changed on the way to the files being watched since a
// moment noted earlier, so that a cache need not stat each of its files
// again to know they are unchanged.
//
// A watched path is watched together with every folder above it: an edit of
// the file, its replacement, removal or renaming, and any entry made,
// removed or renamed in one of those folders moves the generation. Any
// notice at all moves it (the notices are not sorted out by file): changes
// to library files are rare, and a moved generation only means "check
// again".
//
// Only local file systems are watched. Changes made on another machine to a
// network share are not noticed here, so such paths are refused and their
// users go on checking stamps.
#pragma once

#include <filesystem>

namespace filewatch {

// Starts watching the absolute `path` (a file or folder that exists) and the
// folders above it. False when it cannot be watched reliably: not a local
// file system, no notice facility, or too many watches; the caller must then
// check the path itself each time.
bool watch(const std::filesystem::path& path);

// The current generation, after taking in the notices that arrived. It only
// grows; 0 means no watch is working (nothing can be trusted to it).
unsigned long long generation();

} // namespace filewatch
