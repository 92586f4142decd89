#include "platform/core/dstv_points_files.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/rows_file.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/text/number.h"

#include <cmath>

Zrl_String DstvReadError::text() const {
    if (line <= 0) return reason;
    return Zrl_String(L"line ") + Zrl_String(line) + L": " + reason;
}

namespace {

const wchar_t* const kStandardFile = L"Standard.txt";
const wchar_t* const kExtension = L".dat";

// The shortest text of a number that reads back as the same number.
Zrl_String numberText(double value) {
    for (int precision : {15, 16, 17}) {
        const std::wstring text = zrltext::generalText(value, precision);
        if (zrltext::leadingDouble(text) == value || precision == 17) return Zrl_String(text);
    }
    return Zrl_String();
}

bool readFlag(const Zrl_String& cell, bool& value) {
    if (cell.str() != L"0" && cell.str() != L"1") return false;
    value = cell.str() == L"1";
    return true;
}

// One digit from 0 to `count` - 1.
bool readChoice(const Zrl_String& cell, int count, int& value) {
    if (cell.length() != 1 || cell[0] < L'0' || cell[0] >= L'0' + count) return false;
    value = cell[0] - L'0';
    return true;
}

bool readNumber(const Zrl_String& cell, double& value) {
    if (!isNumber(cell)) return false;
    const double v = zrltext::leadingDouble(cell.str());
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

Zrl_String flagText(bool on) {
    return Zrl_String(on ? L"1" : L"0");
}

} // namespace

Zrl_StringArray dstvPointCells(const Zrl_DstvPointInfo& p) {
    return {p.name(),
            flagText(p.selectGeomExtent()),
            Zrl_String(static_cast<int>(p.sideSelection1())),
            Zrl_String(static_cast<int>(p.sideSelection2())),
            flagText(p.selectIntersGeom()),
            flagText(p.selectIntersMid()),
            Zrl_String(static_cast<int>(p.intersStartDir())),
            Zrl_String(static_cast<int>(p.viewPlateSelection())),
            Zrl_String(static_cast<int>(p.markPlateSelection())),
            numberText(p.minPlateSideDist()),
            flagText(p.drillFullHole()),
            flagText(p.radiusThicknessBased()),
            numberText(p.drillRadius())};
}

bool dstvPointFromCells(const Zrl_StringArray& cells, Zrl_DstvPointInfo& point,
                        Zrl_String& reason) {
    if (cells.length() != DlgDstvPoints::kCells) {
        reason = Zrl_String(L"expected 13 cells, found ") + Zrl_String(cells.length());
        return false;
    }
    bool extent = false, inters = false, middle = false, drill = false, thickness = false;
    int side1 = 0, side2 = 0, start = 0, view = 0, mark = 0;
    double dist = 0, radius = 0;
    const struct {
        const wchar_t* what;
        bool ok;
    } checks[] = {
        {L"extent flag: expected 0 or 1", readFlag(cells[1], extent)},
        {L"side 1: expected 0 to 3", readChoice(cells[2], kDstvSideCount, side1)},
        {L"side 2: expected 0 to 3", readChoice(cells[3], kDstvSideCount, side2)},
        {L"intersection flag: expected 0 or 1", readFlag(cells[4], inters)},
        {L"middle flag: expected 0 or 1", readFlag(cells[5], middle)},
        {L"start side: expected 0 to 3", readChoice(cells[6], kDstvSideCount, start)},
        {L"view plate: expected 0 to 4", readChoice(cells[7], kDstvPlateChoiceCount, view)},
        {L"mark plate: expected 0 to 4", readChoice(cells[8], kDstvPlateChoiceCount, mark)},
        {L"minimum distance: expected a finite number", readNumber(cells[9], dist)},
        {L"drill flag: expected 0 or 1", readFlag(cells[10], drill)},
        {L"thickness-based flag: expected 0 or 1", readFlag(cells[11], thickness)},
        {L"hole size: expected a finite number", readNumber(cells[12], radius)},
    };
    for (const auto& check : checks)
        if (!check.ok) {
            reason = check.what;
            return false;
        }
    Zrl_DstvPointInfo p(cells[0]);
    p.setSelectGeomExtent(extent, dstvSide(side1), dstvSide(side2));
    p.setSelectIntersGeom(inters, middle, dstvSide(start));
    p.setPlateSelection(static_cast<std::int16_t>(view), static_cast<std::int16_t>(mark), dist);
    p.setDrillFullHole(drill, thickness, radius);
    point = p;
    return true;
}

bool parseDstvPoints(const Zrl_StringArray& lines, Zrl_DstvPointList& points,
                     DstvReadError* error) {
    DstvReadError local;
    DstvReadError& err = error ? *error : local;
    Zrl_DstvPointList read(lines.length());
    if (!lines.isEmpty() && lines[0].str() != DlgDstvPoints::kHeader) {
        err = {1, Zrl_String(L"not a DSTV points file (expected \"") + DlgDstvPoints::kHeader +
                      L"\")"};
        return false;
    }
    for (int i = 1; i < lines.length(); ++i) {
        Zrl_DstvPointInfo point;
        Zrl_String reason;
        if (!dstvPointFromCells(decodeRow(lines[i]), point, reason)) {
            err = {i + 1, reason};
            return false;
        }
        read.append(point);
    }
    points = std::move(read);
    return true;
}

bool formatDstvPoints(const Zrl_DstvPointList& points, Zrl_StringArray& lines) {
    Zrl_StringArray out(points.length() + 1);
    out.append(Zrl_String(DlgDstvPoints::kHeader));
    for (const Zrl_DstvPointInfo& p : points) {
        if (!std::isfinite(p.minPlateSideDist()) || !std::isfinite(p.drillRadius()))
            return false;
        out.append(encodeRow(dstvPointCells(p)));
    }
    lines = std::move(out);
    return true;
}

bool isValidDstvGroupName(const Zrl_String& name) {
    const std::wstring& s = name.str();
    if (s.find_first_not_of(L" \t") == std::wstring::npos) return false;
    if (hasInvalidFileNameChars(name)) return false;
    if (s.back() == L'.' || s.back() == L' ') return false;
    // Device names stay devices whatever extension follows them.
    const Zrl_String stem = getSubstrBefore(name, L".", true);
    static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL"};
    for (const wchar_t* device : kDevices)
        if (stem.equal(device, false)) return false;
    if (stem.length() == 4 && stem[3] >= L'1' && stem[3] <= L'9' &&
        (stem.startsWith(L"COM", false) || stem.startsWith(L"LPT", false)))
        return false;
    return true;
}

Zrl_String DlgDstvPoints::getDstvPointsFolder() {
    return ensureEndBSlash(Zrl_Settings::libDir()) + L"DSTV Points\\";
}

bool DlgDstvPoints::getAllDstvPointsFiles(Zrl_StringArray& names) {
    names.removeAll();
    const Zrl_String folder = getDstvPointsFolder();
    if (!folderExists(folder)) return true;
    Zrl_StringArray files;
    if (!ObjectExportFindFiles(folder, Zrl_String(L"*") + kExtension, files)) return false;
    for (const Zrl_String& file : files)
        names.append(removeExtension(getFileName(file)));
    sortArray(names, false);
    return true;
}

Zrl_String DlgDstvPoints::groupPath(const Zrl_String& name) {
    return getDstvPointsFolder() + name + kExtension;
}

bool DlgDstvPoints::readFromFile(const Zrl_String& name, Zrl_DstvPointList& points,
                                 DstvReadError* error) {
    Zrl_StringArray lines;
    if (!isValidDstvGroupName(name) || !ObjectExportReadFile(groupPath(name), lines)) {
        if (error) *error = {0, Zrl_String(L"cannot be read")};
        return false;
    }
    return parseDstvPoints(lines, points, error);
}

bool DlgDstvPoints::writeToFile(const Zrl_String& name, const Zrl_DstvPointList& points) {
    Zrl_StringArray lines;
    if (!isValidDstvGroupName(name) || !formatDstvPoints(points, lines)) return false;
    return ObjectExportCreateDirectory(getDstvPointsFolder()) &&
           ObjectExportWriteFile(groupPath(name), lines);
}

bool DlgDstvPoints::removeFile(const Zrl_String& name) {
    return isValidDstvGroupName(name) && deleteFile(groupPath(name));
}

Zrl_String DlgDstvPoints::getStandardDstvPointsFile() {
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(getDstvPointsFolder() + kStandardFile, lines) || lines.isEmpty())
        return Zrl_String();
    return lines[0];
}

bool DlgDstvPoints::setStandardDstvPointsFile(const Zrl_String& name) {
    return ObjectExportCreateDirectory(getDstvPointsFolder()) &&
           ObjectExportWriteFile(getDstvPointsFolder() + kStandardFile, Zrl_StringArray{name});
}
