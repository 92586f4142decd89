// The stock files of cutting stock: per profile, the lengths in the shop
// ("shp" files) and the lengths that can be bought ("buy" files), in the
// library folder under "Cutting Stock\<profile>\".
//
// A stock file is a text file with one line per row and no header: the
// cells of a row are joined with "¿" (U+00BF). The profile is given by the
// folder, the columns by the caller's titles. Saved files are numbered:
// "Stock1.shp", "Stock2.shp", ...; the newest file of a kind is the one the
// next job starts from.
//
// No dialog code here: the cutting-stock dialog and the zrlss command share
// it.
#pragma once

#include "platform/core/text_helpers.h"

#include <cstdint>

namespace stock {

// The character that joins the cells of a row in a stock file.
inline constexpr wchar_t kCellSeparator = L'\u00BF';
inline constexpr const wchar_t* kShopExtension = L"shp";
inline constexpr const wchar_t* kPurchaseExtension = L"buy";

// True when `name` may name a profile's stock folder: not empty, not "."
// or "..", and without characters a file name may not hold (so it never
// leads outside "Cutting Stock\").
bool isValidProfileName(const Zrl_String& name);
// True for an extension the stock operations take: exactly three characters.
bool isStockExtension(const Zrl_String& extension);

// The library's folder of all stock folders: libDir + "Cutting Stock\".
Zrl_String stockRoot();
// The profile's stock folder: stockRoot() + profile + "\". Empty for a name
// that isValidProfileName refuses.
Zrl_String stockFolder(const Zrl_String& profile);
// Makes sure the profile's folder exists; false for an invalid name or when
// it cannot be created.
bool ensureStockFolder(const Zrl_String& profile);

// The number of a numbered stock file, read from its file name (never its
// folder): the decimal digits after its first five characters ("Stock" in
// any case); 0 when none follow or when they make more than nine digits'
// worth (a number the next one could not follow).
int stockFileNumber(const Zrl_String& path);
// One more than the largest number of the folder's files "Stock*." + ext
// (1 when there is none).
int nextStockNumber(const Zrl_String& folder, const Zrl_String& extension);
// folder + "Stock" + nextStockNumber + "." + extension.
Zrl_String nextStockPath(const Zrl_String& folder, const Zrl_String& extension);

// The folder's file "*." + extension with the latest modification time; of
// equal times the first in the search's order; files whose time cannot be
// read are skipped. False when there is none (`path` and `time` unchanged).
bool latestStockFile(const Zrl_String& folder, const Zrl_String& extension, Zrl_String& path,
                     std::int64_t* time = nullptr);

// A path chosen in a file dialog as a stock file: lower case, with "." and
// the extension appended unless its last four characters are already "."
// and the extension ("Rest.SHP" gives "rest.shp", "rest.txt" gives
// "rest.txt.shp").
Zrl_String chosenStockPath(const Zrl_String& path, const Zrl_String& extension);

// Rows as the lines of a stock file and back.
Zrl_StringArray stockLines(const Zrl_StringArrayArray& rows);
Zrl_StringArrayArray stockRows(const Zrl_StringArray& lines);

// The first row (from 0) holding a cell that a stock file cannot keep: one
// with "¿" or a line break, which would split the row when read back. -1
// when every cell can be kept.
int firstUnsavableRow(const Zrl_StringArrayArray& rows);

// Reads a stock file's rows; false when it cannot be read (`rows` then
// unchanged).
bool readStockFile(const Zrl_String& path, Zrl_StringArrayArray& rows);

enum class WriteResult {
    Written,
    UnsavableCell, // a cell with "¿" or a line break: nothing written
    Failed,        // the file could not be written: an existing one is whole
};
// Writes the rows as the whole file, replacing it atomically. `badRow`
// receives the row of an unsavable cell (from 0).
WriteResult writeStockFile(const Zrl_String& path, const Zrl_StringArrayArray& rows,
                           int* badRow = nullptr);

} // namespace stock
