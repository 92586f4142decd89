#include "standards_sheet.h"

#include "command.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/spread/sheet.h"
#include "standards/calc_area_text.h"
#include "standards/sheet_lookup.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace zrlss {

namespace fs = std::filesystem;

bool fileExists(const Zrl_String& path) {
    std::error_code ec;
    return !path.isEmpty() && fs::is_regular_file(resolvePath(path), ec);
}

Zrl_String sheetPath(const std::string& sheet) {
    const Zrl_String found = lookUpStandardsSheet(Zrl_String::fromUtf8(sheet), fileExists);
    if (found.isEmpty()) throw Failure{"sheet not found: " + sheet};
    return found;
}

bool readDeclaration(const Zrl_String& text, VkValueType& type, Zrl_String& name) {
    int start = 0;
    while (text.at(start) == L' ')
        ++start;
    const Zrl_String body = text.getSubStringAt(start);
    if (body.startsWith(L"Int", true))
        type = VkValueInt;
    else if (body.startsWith(L"Double", true))
        type = VkValueDouble;
    else if (body.startsWith(L"String", true))
        type = VkValueString;
    else
        return false;
    const int blank = body.findFirst(L" ", true);
    name = blank < 0 ? Zrl_String() : body.getSubStringAt(blank + 1).trimmed();
    return true;
}

std::vector<Declaration> readDeclarations(const Zrl_String& path, int* calcRow) {
    spread::Sheet sheet;
    std::wstring why;
    if (!sheet.load(resolvePath(path), &why))
        throw Failure{"cannot load " + path.toUtf8() + ": " + Zrl_String(why).toUtf8()};
    const wchar_t* const titles[] = {L"Input", L"Output", L"Local", L"Calc"};
    int starts[4] = {};
    // Only the used range holds titles and declarations.
    const int lastRow = std::min(sheet.maxRows(), sheet.lastUsedRow());
    const int lastCol = std::min(sheet.maxCols(), sheet.lastUsedCol());
    for (int row = 1; row <= lastRow; ++row)
        for (int col = 1; col <= lastCol; ++col)
            for (int k = 0; k < 4; ++k)
                if (starts[k] == 0 &&
                    Zrl_String::compareNoCase(sheet.valueText(col, row), titles[k]) == 0)
                    starts[k] = row + 1;
    if (calcRow != nullptr) *calcRow = starts[3] > 0 ? starts[3] - 1 : 0;
    if (starts[0] == 0 || starts[1] == 0)
        throw Failure{"the sheet lacks an \"Input\" or \"Output\" title"};
    const VkCellType kinds[] = {VkCellInput, VkCellOutput, VkCellLocal};
    std::vector<Declaration> out;
    for (int k = 0; k < 3; ++k) {
        if (starts[k] == 0) continue;
        int end = lastRow;
        for (int other = 0; other < 4; ++other)
            if (starts[other] > starts[k] && starts[other] - 1 < end) end = starts[other] - 1;
        for (int row = starts[k]; row <= end; ++row) {
            for (int col = 1; col <= lastCol; ++col) {
                Declaration d;
                if (!readDeclaration(sheet.valueText(col, row), d.cell.valueType, d.cell.name))
                    continue;
                d.cell.cellType = kinds[k];
                d.cell.col = col;
                d.cell.row = row;
                // The text beside it, unless that is the next declaration.
                d.note = Zrl_String(sheet.valueText(col + 1, row)).trimmed();
                VkValueType type;
                Zrl_String name;
                if (readDeclaration(d.note, type, name)) d.note = Zrl_String();
                out.push_back(d);
            }
        }
    }
    return out;
}

std::vector<Zrl_String> placesFor(const Zrl_String& sheetFile, const Zrl_String& name,
                                  bool child) {
    const Zrl_String lib = Zrl_Settings::libDir();
    const Zrl_String standards = lib + L"Connection Standards\\";
    if (child)
        return {getPath(sheetFile) + name, standards + name, standards + L"Childs\\" + name,
                standards + L"Data\\" + name, standards + L"Parents\\" + name};
    return {name, standards + L"Data\\" + name, standards + name, lib + name};
}

Zrl_String foundPlace(const Zrl_String& sheetFile, const Zrl_String& name, bool child) {
    for (const Zrl_String& place : placesFor(sheetFile, name, child))
        if (fileExists(place)) return place;
    return Zrl_String();
}

std::vector<ChildCall> childCallsOf(const Zrl_String& path) {
    int calcRow = 0;
    readDeclarations(path, &calcRow);
    spread::Sheet sheet;
    std::wstring why;
    if (calcRow == 0 || !sheet.load(resolvePath(path), &why)) return {};
    std::vector<ChildCall> calls;
    const int lastRow = std::min(sheet.maxRows(), sheet.lastUsedRow());
    const int lastCol = std::min(sheet.maxCols(), sheet.lastUsedCol());
    for (int row = calcRow + 1; row <= lastRow; ++row)
        for (int col = 1; col <= lastCol; ++col) {
            const Zrl_String text(sheet.valueText(col, row));
            ChildCall call{row, {}, 0};
            Zrl_StringArray names;
            if (text.hasSubString(calc_area::kCallChild, true) &&
                calc_area::parseChildCall(text, call.file, names)) {
                call.names = names.length();
                calls.push_back(call);
            }
        }
    return calls;
}

std::string fileKey(const Zrl_String& path) {
    std::error_code ec;
    return std::filesystem::weakly_canonical(resolvePath(path), ec).string();
}


std::vector<Zrl_String> childSheetsOf(const Zrl_String& path) {
    std::vector<Zrl_String> found;
    std::set<std::string> seen{fileKey(path)};
    std::vector<Zrl_String> waiting{path};
    while (!waiting.empty()) {
        const Zrl_String sheet = waiting.back();
        waiting.pop_back();
        std::vector<ChildCall> calls;
        try {
            calls = childCallsOf(sheet);
        } catch (const Failure&) {
            continue;
        }
        // Reversed onto the stack, so that the first call is followed first.
        for (auto call = calls.rbegin(); call != calls.rend(); ++call) {
            const Zrl_String child = foundPlace(sheet, call->file, true);
            if (child.isEmpty() || !seen.insert(fileKey(child)).second) continue;
            waiting.push_back(child);
        }
        if (sheet.str() != path.str()) found.push_back(sheet);
    }
    return found;
}

} // namespace zrlss
