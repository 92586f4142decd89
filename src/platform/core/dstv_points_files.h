// The DSTV point groups of the core module: one file per group in the
// library's "DSTV Points\" folder, named for the group with the extension
// ".dat", and the standard group, whose name the folder's "Standard.txt"
// holds.
//
// A group file (docs/core-files.md): the first line "DSTV points 1", then
// one point a line in the rows-file syntax, 13 cells: name, extent flag,
// side 1, side 2, intersection flag, middle flag, start side, view plate,
// mark plate, minimum distance, drill flag, thickness-based flag, hole size.
// A file without any line is an empty group. Reading is all or nothing: a
// line that is not a valid point refuses the whole file with its line
// number. Writing replaces the file atomically.
#pragma once

#include "platform/core/dstv_point_info.h"
#include "platform/core/zrl_stringarray.h"

// Why a group could not be read: the file line (from 1; 0 when the file
// itself could not be read) and the reason.
struct DstvReadError {
    int line = 0;
    Zrl_String reason;
    // "line N: reason", or the reason alone for line 0.
    Zrl_String text() const;
};

class DlgDstvPoints {
public:
    static constexpr const wchar_t* kHeader = L"DSTV points 1";
    static constexpr int kCells = 13;

    // libDir() + "DSTV Points\".
    static Zrl_String getDstvPointsFolder();
    // The group names (files ".dat" of the folder without the extension), in
    // natural order. An absent folder gives no names; false when the folder
    // exists and cannot be read.
    static bool getAllDstvPointsFiles(Zrl_StringArray& names);
    // The path of a group's file.
    static Zrl_String groupPath(const Zrl_String& name);

    // Reads a group; false with `error` set and `points` unchanged when the
    // file cannot be read or is not a valid group.
    static bool readFromFile(const Zrl_String& name, Zrl_DstvPointList& points,
                             DstvReadError* error = nullptr);
    // Writes a group (creating the folder); false when the name is not a
    // valid group name, a number is not finite or the file could not be
    // written (an existing file then stays as it was).
    static bool writeToFile(const Zrl_String& name, const Zrl_DstvPointList& points);
    // Deletes a group's file; true when it existed and is gone.
    static bool removeFile(const Zrl_String& name);

    // The standard group's name (empty when none is set).
    static Zrl_String getStandardDstvPointsFile();
    // Makes `name` the standard group; false when it could not be stored.
    static bool setStandardDstvPointsFile(const Zrl_String& name);
};

// A group name that can be a file name on every system: not blank, none of
// the characters a file name may not hold, no "." or blank at its end (the
// names "." and ".." included), and none of the reserved device names (CON,
// PRN, AUX, NUL, COM1-9, LPT1-9, with or without extension).
bool isValidDstvGroupName(const Zrl_String& name);

// The lines of a group file and back. parseDstvPoints is all or nothing
// (`points` unchanged on failure); formatDstvPoints fails for a point with a
// number that is not finite.
bool parseDstvPoints(const Zrl_StringArray& lines, Zrl_DstvPointList& points,
                     DstvReadError* error = nullptr);
bool formatDstvPoints(const Zrl_DstvPointList& points, Zrl_StringArray& lines);

// One point as the 13 cells of its line and back; fromCells gives the
// reason a row is refused.
Zrl_StringArray dstvPointCells(const Zrl_DstvPointInfo& point);
bool dstvPointFromCells(const Zrl_StringArray& cells, Zrl_DstvPointInfo& point,
                        Zrl_String& reason);
