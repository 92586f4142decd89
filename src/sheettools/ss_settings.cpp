// VkSSSettings: defaults, keys, corner-cell tag and settings files.
#include "sheettools/ss_settings.h"

#include "grid/zrl_spread.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"

#include <algorithm>

namespace {

const wchar_t* const kVarNames = L"varNames";
const wchar_t* const kVarValues = L"varValues";

// Reads "<base>0", "<base>1", ... while each is a string entry.
Zrl_StringArray readList(const Zrl_SimplePropsList& list, const wchar_t* base) {
    Zrl_StringArray out;
    for (int i = 0;; ++i) {
        Zrl_String value;
        if (!list.getString(Zrl_String(base) + Zrl_String(i), value)) break;
        out.append(value);
    }
    return out;
}

} // namespace

void VkSSSettings::reset() {
    *this = VkSSSettings();
}

Zrl_SimplePropsList VkSSSettings::toList() const {
    Zrl_SimplePropsList list;
    list.setString(L"defaultFont", defaultFont);
    list.setInt(L"defaultTextHeight", defaultTextHeight);
    list.setString(L"headerFile", headerFile);
    list.setString(L"footerFile", footerFile);
    list.setInt(L"marginLeft", marginLeft);
    list.setInt(L"marginRight", marginRight);
    list.setInt(L"marginTop", marginTop);
    list.setInt(L"marginBottom", marginBottom);
    list.setBool(L"smartPrint", smartPrint);
    list.setBool(L"colors", colors);
    list.setBool(L"colHeader", colHeader);
    list.setBool(L"rowHeader", rowHeader);
    list.setBool(L"cellSeperators", cellSeparators);
    list.setBool(L"border", border);
    for (int i = 0; i < varNames.length(); ++i)
        list.setString(Zrl_String(kVarNames) + Zrl_String(i), varNames[i]);
    for (int i = 0; i < varValues.length(); ++i)
        list.setString(Zrl_String(kVarValues) + Zrl_String(i), varValues[i]);
    return list;
}

void VkSSSettings::fromList(const Zrl_SimplePropsList& list) {
    Zrl_Spread* const keptSheet = sheet;
    reset();
    sheet = keptSheet;
    valid = true;
    Zrl_String text;
    int number = 0;
    bool flag = false;
    if (list.getString(L"defaultFont", text)) defaultFont = text;
    if (list.getInt(L"defaultTextHeight", number)) defaultTextHeight = number;
    if (list.getString(L"headerFile", text)) headerFile = text;
    if (list.getString(L"footerFile", text)) footerFile = text;
    if (list.getInt(L"marginLeft", number)) marginLeft = number;
    if (list.getInt(L"marginRight", number)) marginRight = number;
    if (list.getInt(L"marginTop", number)) marginTop = number;
    if (list.getInt(L"marginBottom", number)) marginBottom = number;
    if (list.getBool(L"smartPrint", flag)) smartPrint = flag;
    if (list.getBool(L"colors", flag)) colors = flag;
    if (list.getBool(L"colHeader", flag)) colHeader = flag;
    if (list.getBool(L"rowHeader", flag)) rowHeader = flag;
    if (list.getBool(L"cellSeperators", flag)) cellSeparators = flag;
    if (list.getBool(L"border", flag)) border = flag;
    setVars(readList(list, kVarNames), readList(list, kVarValues));
}

void VkSSSettings::setVars(const Zrl_StringArray& names, const Zrl_StringArray& values) {
    varNames = names;
    varValues = values;
    const int n = std::min(varNames.length(), varValues.length());
    varNames.setLogicalLength(n);
    varValues.setLogicalLength(n);
}

bool VkSSSettings::fromSheet(Zrl_Spread* grid) {
    reset();
    valid = true;
    sheet = grid;
    if (!grid || !grid->isCreated()) return false;
    const Zrl_String tag(grid->getCellTag(0, 0));
    if (tag.isEmpty()) return true;
    Zrl_SimplePropsList list;
    list.fromText(tag);
    fromList(list);
    return true;
}

bool VkSSSettings::toSheet() const {
    if (!valid || !sheet || !sheet->isCreated()) return false;
    return sheet->setCellTag(0, 0, toList().toText().str());
}

bool VkSSSettings::fromSettingsName(const Zrl_String& name) {
    Zrl_Spread* const keptSheet = sheet;
    reset();
    sheet = keptSheet;
    Zrl_SimplePropsList list;
    if (name.isEmpty() || !list.fromFile(settingsPath(name))) return false;
    fromList(list);
    return true;
}

Zrl_String VkSSSettings::settingsFolder() {
    Zrl_String folder = Zrl_Settings::zrlDir();
    folder.replaceSubString(L"/", L"\\", true);
    return ensureEndBSlash(folder);
}

Zrl_String VkSSSettings::settingsPath(const Zrl_String& name) {
    return settingsFolder() + name + L".vkd";
}
