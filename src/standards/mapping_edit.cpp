#include "standards/mapping_edit.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/text/fold.h"

#include <unordered_set>

namespace mapedit {

namespace {

std::wstring folded(const Zrl_String& text) {
    std::wstring out = text.str();
    for (wchar_t& ch : out)
        ch = zrltext::foldCase(ch);
    return out;
}

// What makes two entries the same quantity (VkObjectMap::isCompatible).
std::wstring quantityKey(const VkObjectMap& entry) {
    return folded(entry.group) + L'\x1f' + folded(entry.objName) + L'\x1f' +
           std::to_wstring(static_cast<int>(entry.kind));
}

} // namespace

bool isModuleKey(const Zrl_String& key) {
    return key.startsWith(kModulePrefix, false);
}

Zrl_String standardsFolder() {
    return ensureEndBSlash(Zrl_Settings::libDir()) + L"Connection Standards\\";
}

// --- the standards list

Zrl_StringArray sheetChoices(const Zrl_String& folder) {
    Zrl_StringArray files;
    ObjectExportFindFilesRecursive(folder, L"*.vks", files);
    const int prefix = ensureEndBSlash(folder).length();
    Zrl_StringArray out;
    for (const Zrl_String& file : files)
        out.append(removeExtension(file.getSubStringAt(prefix)));
    return out;
}

Zrl_StringArray mapsToChoices(const TabMappingData& data) {
    Zrl_StringArray out;
    out.append(kEntireMacro);
    for (const Zrl_String& group : data.groupNames)
        out.append(group);
    return out;
}

std::vector<StandardRow> standardRows(const TabMappingData& data) {
    std::vector<StandardRow> rows;
    rows.reserve(static_cast<size_t>(data.sheetNames.length()));
    for (int i = 0; i < data.sheetNames.length(); ++i) {
        const Zrl_String key = i < data.keys.length() ? data.keys[i] : Zrl_String();
        rows.push_back({data.sheetNames[i], isModuleKey(key) ? key.getSubStringAt(7)
                                                             : Zrl_String(kEntireMacro)});
    }
    return rows;
}

bool readStandardsBack(TabMappingData& data, const std::vector<StandardRow>& rows) {
    const TabMappingData copy = data;
    data.sheetNames.removeAll();
    data.keys.removeAll();
    for (size_t r = 0; r < rows.size(); ++r) {
        const StandardRow& row = rows[r];
        data.sheetNames.append(row.sheet);
        // An empty cell is read as the entire macro: "Module." alone names no group.
        if (row.mapsTo.isEmpty() || row.mapsTo == kEntireMacro) {
            const Zrl_String key = copy.getMapping(row.sheet, static_cast<int>(r));
            data.keys.append(isModuleKey(key) ? Zrl_String() : key);
        } else {
            data.keys.append(Zrl_String(kModulePrefix) + row.mapsTo);
        }
    }
    return !(data.sheetNames == copy.sheetNames) || !(data.keys == copy.keys);
}

// --- the mapping table

Zrl_String itemText(const VkObjectMap& candidate) {
    Zrl_String text = candidate.group;
    const auto join = [&text](const Zrl_String& part) {
        if (!text.isEmpty()) text += L".";
        text += part;
    };
    if (!candidate.objName.isEmpty()) join(candidate.objName);
    if (candidate.kind != VkMapVarDistance && candidate.kind != VkMapVarMemberSectionSize)
        join(mapVarKindKeyword(candidate.kind));
    text += candidate.label;
    return text;
}

int CandidateItems::slot(VkValueType type) {
    return type == VkValueInt ? 0 : type == VkValueDouble ? 1 : 2;
}

CandidateItems::CandidateItems(const VkSSMapping& candidates) : candidates_(candidates) {
    const Zrl_Array<VkObjectMap>& all = candidates.mappedObjects();
    std::vector<std::wstring> texts[3];
    itemOf_.assign(static_cast<size_t>(all.length()), -1);
    byQuantity_.reserve(static_cast<size_t>(all.length()));
    for (int i = 0; i < all.length(); ++i) {
        byQuantity_.emplace(quantityKey(all[i]), i);
        VkValueType type = VkValueString;
        if (!mapVarKindValueType(all[i].kind, type)) continue;
        const int s = slot(type);
        itemOf_[static_cast<size_t>(i)] = valid_[s].length();
        valid_[s].append(i);
        texts[s].push_back(itemText(all[i]).str());
    }
    for (int s = 0; s < 3; ++s)
        items_[s] = std::make_shared<const std::vector<std::wstring>>(std::move(texts[s]));
}

const AcArray<int>& CandidateItems::validVars(VkValueType type) const {
    return valid_[slot(type)];
}

const std::shared_ptr<const std::vector<std::wstring>>& CandidateItems::items(
    VkValueType type) const {
    return items_[slot(type)];
}

int CandidateItems::itemOfCandidate(VkValueType type, int index) const {
    if (index < 0 || index >= static_cast<int>(itemOf_.size())) return -1;
    VkValueType own = VkValueString;
    if (!mapVarKindValueType(candidates_.mappedObjects()[index].kind, own) || own != type)
        return -1;
    return itemOf_[static_cast<size_t>(index)];
}

int CandidateItems::findCompatible(const VkObjectMap& entry) const {
    auto it = byQuantity_.find(quantityKey(entry));
    return it == byQuantity_.end() ? -1 : it->second;
}

std::vector<int> CandidateItems::itemsReading(VkValueType type, const Zrl_String& text) const {
    std::vector<int> out;
    const std::vector<std::wstring>& list = *items_[slot(type)];
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i] == text.str()) out.push_back(static_cast<int>(i));
    return out;
}

int preselect(const VkSSMapping& edited, const CandidateItems& items, const VkVarCell& variable) {
    int entry = -1;
    if (edited.findSSVar(variable.name, variable.valueType, entry) != Acad::eOk) return -1;
    const int candidate = items.findCompatible(edited.mappedObjects()[entry]);
    return items.itemOfCandidate(variable.valueType, candidate);
}

VkSSMapping mappingFromChoices(const CandidateItems& items, const VkVarCells& variables,
                               const std::vector<Choice>& choices) {
    VkSSMapping out;
    const Zrl_Array<VkObjectMap>& all = items.candidates().mappedObjects();
    for (const Choice& choice : choices) {
        if (choice.varIndex < 0 || choice.varIndex >= variables.length()) continue;
        const VkVarCell& variable = variables[choice.varIndex];
        const AcArray<int>& valid = items.validVars(variable.valueType);
        if (choice.item < 0 || choice.item >= valid.length()) continue;
        const int candidate = valid[choice.item];
        if (candidate < 0 || candidate >= all.length()) continue;
        VkObjectMap entry;
        entry.group = all[candidate].group;
        entry.objName = all[candidate].objName;
        entry.kind = all[candidate].kind;
        entry.ssName = variable.name;
        out.mappedObjectsWrite().append(std::move(entry));
    }
    return out;
}

std::vector<int> mappedVariables(const VkVarCells& variables) {
    std::vector<int> out;
    for (VkCellType section : {VkCellInput, VkCellOutput}) {
        for (int i = 0; i < variables.length(); ++i)
            if (variables[i].cellType == section) out.push_back(i);
    }
    return out;
}

VkSSMapping storedMapping(const Zrl_String& sheet, const Zrl_String& key) {
    VkSSMapping stored;
    if (stored.getMappingFromFile(sheet, key) != Acad::eOk) return VkSSMapping();
    return stored;
}

// --- saving

SaveResult saveStandard(TabMappingData& data, int index, const VkSSMapping& edited,
                        bool& modified) {
    if (!data.candidates || index < 0 || index >= data.keys.length() ||
        index >= data.sheetNames.length())
        return SaveResult::Skipped;
    const Zrl_String sheet = data.sheetNames[index];
    const Zrl_String key = data.keys[index];
    if (isModuleKey(key) || sheet.isEmpty()) return SaveResult::Skipped;

    VkSSMapping stored;
    const bool hasLine = stored.getMappingFromFile(sheet, key) == Acad::eOk;
    if (hasLine ? edited.isEqual(stored) : edited.mappedObjects().isEmpty())
        return SaveResult::Unchanged;

    // The keys of every line, so that a new key shadows none of them.
    const Zrl_String path = VkSSMapping::mappingFilePath(sheet);
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(path, lines) && (fileExists(path) || folderExists(path)))
        return SaveResult::WriteFailed;
    std::unordered_set<std::wstring> used;
    used.reserve(static_cast<size_t>(lines.length()));
    for (const Zrl_String& line : lines) {
        const int at = line.findFirst(Zrl_String(kMapKeySeparator), true);
        if (at >= 0) used.insert(folded(line.left(at)));
    }
    Zrl_String newKey;
    for (int draw = 0; draw < kMaxKeyDraws && newKey.isEmpty(); ++draw) {
        const Zrl_String candidate = generateRandomString(kKeyLength, true);
        if (!candidate.isEmpty() && !used.count(folded(candidate))) newKey = candidate;
    }
    if (newKey.isEmpty()) return SaveResult::KeysExhausted;

    VkSSMapping toWrite = edited;
    if (toWrite.setMappingToFile(sheet, newKey) != Acad::eOk) return SaveResult::WriteFailed;
    data.keys[index] = newKey;
    modified = true;
    return SaveResult::Saved;
}

} // namespace mapedit
