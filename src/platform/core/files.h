// Text files as lists of lines, folders and file searches.
//
// Paths are module paths (see paths.h): "\" or "/" separated, matched without
// case on disk.
//
// Reading accepts UTF-8 with or without a byte-order mark, UTF-16LE and
// UTF-16BE with their byte-order marks, and line ends CRLF, LF or a lone CR.
// A file without a mark that is not valid UTF-8 is read as Latin-1 (files
// written by single-byte tools), so no byte is lost. A line end after the
// last line does not make an extra empty line.
//
// Writing produces UTF-8 without a byte-order mark, every line ended by LF.
// A file is never half-written: the text goes to a temporary file in the same
// folder, is flushed to disk and then renamed over the old file. When any step
// fails the old file stays whole and the temporary is removed.
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// Reads the file's lines into `lines` (replacing its contents). False when
// the file cannot be read; `lines` is then unchanged.
bool ObjectExportReadFile(const Zrl_String& path, Zrl_StringArray& lines);
// Writes the lines as the whole file (replacing it atomically). False when it
// could not be written; an existing file is then unchanged.
bool ObjectExportWriteFile(const Zrl_String& path, const Zrl_StringArray& lines);

// The files (not folders) of `folder` whose names match `pattern` ("*" any
// run of characters, "?" one character, names compared without case), as
// full paths: the folder as given with a final "\" and the file's name.
// Sorted by name without case. `files` is replaced. False when the folder
// cannot be read (files then empty).
bool ObjectExportFindFiles(const Zrl_String& folder, const Zrl_String& pattern,
                           Zrl_StringArray& files);
// As ObjectExportFindFiles, through all subfolders: a folder's own files
// first, then each subfolder's in name order, as folder + "sub\" + name.
bool ObjectExportFindFilesRecursive(const Zrl_String& folder, const Zrl_String& pattern,
                                    Zrl_StringArray& files);
// Creates the folder and any missing parents; true when it exists afterwards.
bool ObjectExportCreateDirectory(const Zrl_String& folder);
// The file's modification time as ticks that compare between files; false
// when it cannot be read (`time` then unchanged).
bool ObjectExportGetFileTime(const Zrl_String& path, std::int64_t& time);
// Deletes a file (not a folder); true when it existed and is gone.
bool deleteFile(const Zrl_String& path);
// True when the path names an existing file / folder.
bool fileExists(const Zrl_String& path);
bool folderExists(const Zrl_String& path);
// Copies a file, replacing the target atomically; false on any failure.
bool copyFile(const Zrl_String& from, const Zrl_String& to);

// True when `name` matches `pattern` ("*" and "?", without case).
bool matchesFilePattern(const Zrl_String& name, const Zrl_String& pattern);

// Byte-level helpers the other file formats build on.
// Reads the whole file; false (bytes unchanged), with a one-line reason,
// when it cannot be read or is larger than any reader takes
// (files::kMaxReadBytes), which is refused before it is read.
bool readFileBytes(const std::filesystem::path& path, std::string& bytes,
                   std::string* error = nullptr);
// Replaces the file with `bytes` through a temporary in the same folder,
// flushed and renamed; false (old file whole) on any failure.
bool writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
// Decodes file bytes into lines as ObjectExportReadFile does.
Zrl_StringArray decodeTextLines(std::string_view bytes);
