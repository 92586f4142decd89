#include "standards/ss_mapping.h"

#include "platform/core/files.h"
#include "platform/core/macro_data.h"
#include "platform/core/macro_model.h"
#include "platform/core/paths.h"
#include "platform/core/section_tables.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "standards/dlg_standards_data.h"
#include "standards/file_cache.h"

#include <vector>

namespace {

// The line list of a mapping file starts with room for 1024 lines.
Zrl_StringArray newLineList() {
    return Zrl_StringArray(1024, 512);
}

Zrl_String lineKey(const Zrl_String& line) {
    Zrl_String key, rest;
    if (!splitString(line, Zrl_String(kMapKeySeparator), key, rest, false)) return Zrl_String();
    return key;
}

// The readable pairs of a line's text after its key; null when there are none.
std::shared_ptr<VkObjectMapList> readPairs(const Zrl_String& rest) {
    Zrl_Array<VkObjectMap> entries;
    Zrl_StringArray pairs;
    splitStringAtSymbol(rest, Zrl_String(kMapPairSeparator), pairs, true);
    for (const Zrl_String& pair : pairs) {
        Zrl_String ssName, mapText;
        if (!splitString(pair, Zrl_String(kMapNameSeparator), ssName, mapText, false)) continue;
        VkObjectMap entry;
        if (entry.getMappingFromStrs(ssName, mapText) == Acad::eOk)
            entries.append(std::move(entry));
    }
    if (entries.isEmpty()) return nullptr;
    return std::make_shared<VkObjectMapList>(std::move(entries));
}

// A mapping file as read: its data lines (header dropped), and each line's
// key and entries (split false for a line without "="). The entries are
// handed to the mappings read from the file, which share them.
struct MappingFile {
    Zrl_StringArray lines;
    struct Line {
        bool split = false;
        Zrl_String key;
        std::shared_ptr<VkObjectMapList> entries;
    };
    std::vector<Line> read;
};

// Null when the file cannot be read; read again only when it changed.
std::shared_ptr<const MappingFile> readMappingFile(const Zrl_String& path) {
    return filecache::cachedRead<MappingFile>(
        path, [](const Zrl_String& file, const std::filesystem::path&, MappingFile& out) {
            out.lines = newLineList();
            if (!ObjectExportReadFile(file, out.lines)) return false;
            if (out.lines.length() > 0 && out.lines[0].hasSubString(L"Mapping", false) &&
                out.lines[0].hasSubString(L"version", false))
                out.lines.removeAt(0);
            for (const Zrl_String& text : out.lines) {
                MappingFile::Line& line = out.read.emplace_back();
                Zrl_String rest;
                line.split = splitString(text, Zrl_String(kMapKeySeparator), line.key, rest, false);
                if (line.split)
                    line.entries = readPairs(rest);
                else
                    line.key = Zrl_String();
            }
            return true;
        });
}

// The file's data lines; false when it cannot be read.
bool readMappingLines(const Zrl_String& path, Zrl_StringArray& lines) {
    auto file = readMappingFile(path);
    if (!file) return false;
    lines = file->lines;
    return true;
}

bool hasLineBreak(const Zrl_String& text) {
    return text.hasSubString(L"\n", true) || text.hasSubString(L"\r", true);
}

// A pair that would not read back as written: its parts hold the separators
// of the line, or line breaks.
bool breaksLine(const Zrl_String& ssName, const Zrl_String& mapText) {
    const Zrl_String pairSep(kMapPairSeparator), nameSep(kMapNameSeparator);
    return ssName.isEmpty() || ssName.hasSubString(pairSep, true) ||
           ssName.hasSubString(nameSep, true) || mapText.hasSubString(pairSep, true) ||
           hasLineBreak(ssName) || hasLineBreak(mapText);
}

int categoryOf(bool first, bool second) {
    if (first && second) return 0;
    if (first) return 1;
    if (second) return 2;
    return 3;
}

VkObjectMap candidate(const Zrl_String& group, const Zrl_String& objName, VkMapVarKind kind,
                      int category = 0) {
    VkObjectMap entry;
    entry.group = group;
    entry.objName = objName;
    entry.kind = kind;
    entry.category = category;
    return entry;
}

// Sheet names of module-group standards: the suffixes of the cut offsets in
// offset-type order.
const wchar_t* const kCutSuffixes[] = {L".Cut",       L".CutPoly",   L".CutLength",
                                       L".CutCenter", L".CutInside", L".CutOutside",
                                       L".Chamfer1",  L".Chamfer2",  L".CutRadius"};

} // namespace

Zrl_Array<VkObjectMap>& VkSSMapping::mappedObjectsWrite() {
    if (!list_) {
        list_ = std::make_shared<VkObjectMapList>();
    } else if (list_.use_count() > 1) {
        list_ = std::make_shared<VkObjectMapList>(list_->entries());
    }
    return list_->entriesWrite();
}

Zrl_String VkSSMapping::mappingFilePath(const Zrl_String& sheetName) {
    // Beside the sheet that VkCalcSS::load reads for this name: a path (or an
    // existing file) as given, anything else under the standards folder,
    // a relative folder ("Childs\\Bolt Group") included.
    // A path is absolute when it starts with a separator; asked of the text
    // itself, since matching it against the disk reads folders.
    Zrl_String base = sheetName;
    const bool absolute =
        !sheetName.isEmpty() && (sheetName.at(0) == L'\\' || sheetName.at(0) == L'/');
    if (!absolute && !filecache::isFile(sheetName))
        base = ensureEndBSlash(Zrl_Settings::libDir()) + L"Connection Standards\\" + sheetName;
    if (base.endsWith(L".vks", false)) base = base.left(base.length() - 4);
    return base + L".map";
}

// --- set-up

ErrorStatus VkSSMapping::initFromModuleGroup(Zrl_String group) {
    if (group.isEmpty()) return Acad::eInvalidInput;
    mappingMode_ = kModuleGroup;
    return Acad::eOk;
}

ErrorStatus VkSSMapping::initFromMacro(VkDlgStandardsData& data) {
    if (!data.macroObject || !data.group.isEmpty()) return Acad::eInvalidInput;
    mappingMode_ = kMappingFile;
    return getMappingFromFile(data.sheetFile, data.macroKey);
}

ErrorStatus VkSSMapping::getMappingFromFile(Zrl_String sheetName, const Zrl_String& key) {
    auto file = readMappingFile(mappingFilePath(sheetName));
    if (!file) return Acad::eInvalidInput;
    if (file->lines.isEmpty()) return Acad::eOk;
    for (const MappingFile::Line& line : file->read) {
        if (!line.key.equal(key, true)) continue;
        list_ = line.split ? line.entries : nullptr;
        return line.split ? Acad::eOk : Acad::eInvalidInput;
    }
    return Acad::eInvalidInput;
}

ErrorStatus VkSSMapping::initMappingFromLine(const Zrl_String& line) {
    list_.reset();
    Zrl_String key, rest;
    if (!splitString(line, Zrl_String(kMapKeySeparator), key, rest, false))
        return Acad::eInvalidInput;
    list_ = readPairs(rest);
    return Acad::eOk;
}

ErrorStatus VkSSMapping::setMappingToFile(Zrl_String sheetName, Zrl_String& key) {
    // A key must read back as the whole text before the line's first "=".
    if (key.isEmpty() || key.hasSubString(Zrl_String(kMapKeySeparator), true) || hasLineBreak(key))
        return Acad::eInvalidInput;

    Zrl_StringArray names, texts;
    for (const VkObjectMap& entry : mappedObjects()) {
        Zrl_String text, name;
        if (entry.setMappingToStrs(text, name) != Acad::eOk) continue;
        names.append(name);
        texts.append(text);
    }
    // Each sheet variable once: the later entries of a name are dropped.
    AcArray<int> duplicates;
    getDuplicates(names, duplicates, false);
    for (int i = duplicates.length() - 1; i >= 0; --i) {
        names.removeAt(duplicates[i]);
        texts.removeAt(duplicates[i]);
    }
    for (int i = names.length() - 1; i >= 0; --i) {
        if (hasInvalidFileNameChars(names[i]) || breaksLine(names[i], texts[i])) {
            names.removeAt(i);
            texts.removeAt(i);
        }
    }

    const Zrl_String path = mappingFilePath(sheetName);
    Zrl_StringArray lines = newLineList();
    // A file that exists but cannot be read is never replaced: its lines
    // would be lost.
    if (!readMappingLines(path, lines)) {
        if (fileExists(path) || folderExists(path)) return Acad::eInvalidInput;
        lines.removeAll();
    }
    bool first = true;
    for (int i = 0; i < lines.length();) {
        if (!lineKey(lines[i]).equal(key, true)) {
            ++i;
            continue;
        }
        if (first) {
            first = false;
            VkSSMapping current;
            if (current.initMappingFromLine(lines[i]) == Acad::eOk && isEqual(current))
                return Acad::eOk;
        }
        // Every line of the key goes, so that no older line can shadow the new one.
        lines.removeAt(i);
    }

    Zrl_String line = key + Zrl_String(kMapKeySeparator);
    const int count = names.length() < texts.length() ? names.length() : texts.length();
    for (int i = 0; i < count; ++i) {
        if (i > 0) line += kMapPairSeparator;
        line += names[i] + Zrl_String(kMapNameSeparator) + texts[i];
    }
    lines.append(line);
    lines.insertAt(0, kMappingFileHeader);
    return ObjectExportWriteFile(path, lines) ? Acad::eOk : Acad::eInvalidInput;
}

bool VkSSMapping::hasSameMapping(const Zrl_String& sheetName, Zrl_String& keyOut) const {
    Zrl_StringArray lines = newLineList();
    if (!readMappingLines(mappingFilePath(sheetName), lines)) return false;
    for (const Zrl_String& line : lines) {
        VkSSMapping stored;
        if (stored.initMappingFromLine(line) != Acad::eOk || !isEqual(stored)) continue;
        keyOut = lineKey(line);
        return true;
    }
    return false;
}

// --- comparison and look-up

bool VkSSMapping::isEqual(const VkSSMapping& other) const {
    for (const VkObjectMap& entry : mappedObjects()) {
        VkValueType type = VkValueString;
        int index = -1;
        if (!mapVarKindValueType(entry.kind, type) ||
            other.findSSVar(entry.ssName, type, index) != Acad::eOk ||
            other.mappedObjects()[index].isCompatible(entry) != Acad::eOk)
            return false;
    }
    return true;
}

ErrorStatus VkSSMapping::findSSVar(const Zrl_String& ssName, const VkValueType& type,
                                   int& index) const {
    const int found = list_ ? list_->findSSVar(ssName, type) : -1;
    if (found < 0) return Acad::eInvalidInput;
    index = found;
    return Acad::eOk;
}

ErrorStatus VkSSMapping::findCompatible(const VkObjectMap& entry, int& index) const {
    const Zrl_Array<VkObjectMap>& entries = mappedObjects();
    for (int i = 0; i < entries.length(); ++i) {
        if (entries[i].isCompatible(entry) == Acad::eOk) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

ErrorStatus VkSSMapping::isCompatible(const VkSSMapping& other, int& missing) const {
    missing = 0;
    for (const VkObjectMap& entry : mappedObjects()) {
        int index = -1;
        if (other.findCompatible(entry, index) != Acad::eOk) ++missing;
    }
    return Acad::eOk;
}

// --- value transfer

ErrorStatus VkSSMapping::getMacroVarValue(const Zrl_String& ssName, const VkValueType& type,
                                          Zrl_String& value, VkDlgStandardsData& data) {
    return getSetMacroVarValue(ssName, type, value, data, true);
}

ErrorStatus VkSSMapping::setMacroVarValue(const Zrl_String& ssName, const VkValueType& type,
                                          Zrl_String& value, VkDlgStandardsData& data) {
    return getSetMacroVarValue(ssName, type, value, data, false);
}

ErrorStatus VkSSMapping::getSetMacroVarValue(const Zrl_String& ssName, const VkValueType& type,
                                             Zrl_String& value, VkDlgStandardsData& data,
                                             bool get) {
    if (!data.macroObject) return Acad::eInvalidInput;
    if (mappingMode_ == kModuleGroup) return getSetModuleGroupValue(ssName, type, value, data, get);
    int index = -1;
    if (findSSVar(ssName, type, index) != Acad::eOk) return Acad::eInvalidInput;
    return mappedObjects()[index].getSetMacroVarValue(data.macroObject, data.macroData, value, get,
                                                      data.transaction);
}

ErrorStatus VkSSMapping::getSetModuleGroupValue(const Zrl_String& ssName, const VkValueType& type,
                                                Zrl_String& value, VkDlgStandardsData& data,
                                                bool get) {
    Zrl_Macro* macro = data.macroObject->macroWrite();
    if (get) {
        bool found = false;
        if (macro->visitModulesOfGroup(data.group, [&](Zrl_MacroModule& module, int) {
                found = interpretName(*data.macroObject, &module, data.macroData, ssName, type,
                                      value, true, data.transaction) == Acad::eOk;
                return !found;
            }) != Acad::eOk)
            return Acad::eInvalidInput;
        return found ? Acad::eOk : Acad::eInvalidInput;
    }
    // Every module of the group takes the value, and so does an entry of
    // the list for the name. The value is stored when anything took it; a
    // write leaves it as it is.
    bool stored = false;
    if (macro->visitModulesOfGroup(data.group, [&](Zrl_MacroModule& module, int) {
            if (interpretName(*data.macroObject, &module, data.macroData, ssName, type, value,
                              false, data.transaction) == Acad::eOk)
                stored = true;
            return true;
        }) != Acad::eOk)
        return Acad::eInvalidInput;
    int index = -1;
    if (findSSVar(ssName, type, index) == Acad::eOk &&
        mappedObjects()[index].getSetMacroVarValue(data.macroObject, data.macroData, value, false,
                                                   data.transaction) == Acad::eOk)
        stored = true;
    return stored ? Acad::eOk : Acad::eInvalidInput;
}

ErrorStatus VkSSMapping::interpretName(Zrl_DbMacro& macroObject, Zrl_MacroModule* module,
                                       MacroData* macroData, const Zrl_String& ssName,
                                       const VkValueType& type, Zrl_String& value, bool get,
                                       AcTransaction* tr) {
    if (!module || !macroData) return Acad::eInvalidInput;
    MacroTabData* tab = vkquantity::moduleTab(*module, *macroData);
    if (!tab) return Acad::eInvalidInput;
    const bool numeric = isNumericValueType(type);
    const Zrl_String before = getSubstrBefore(ssName, L".", true);

    if (numeric && ssName.startsWith(L"gen.", false)) {
        Zrl_Macro* macro = macroObject.macroWrite();
        const Zrl_String genName = Zrl_String(L"gen_") + ssName.getSubStringAt(4);
        double number = 0;
        if (get) {
            if (macro->getGenVarValue(genName, number) != Acad::eOk) return Acad::eInvalidInput;
            value = Zrl_String(number, 4);
            return Acad::eOk;
        }
        if (!macro->hasGeneralVariable(genName) || !isNumber(value)) return Acad::eInvalidInput;
        return macro->setGenVarValue(genName, value.toDouble()) == Acad::eOk ? Acad::eOk
                                                                             : Acad::eInvalidInput;
    }
    if (!numeric && get &&
        (ssName.endsWith(L".Name", false) || ssName.endsWith(L".Material", false))) {
        if (const Zrl_NamedPrpl* prpl = module->getNamedPrpl(before)) {
            if (ssName.endsWith(L".Name", false)) {
                value = prpl->section;
                return Acad::eOk;
            }
            Zrl_String material;
            if (getMaterial(*prpl, material) != Acad::eOk) return Acad::eInvalidInput;
            value = material;
            return Acad::eOk;
        }
    }
    if (numeric) {
        for (int t = 0; t < kVkCutOffsetTypeCount; ++t) {
            if (ssName.endsWith(kCutSuffixes[t], false))
                return vkquantity::cutOffset(*module, before, t, value, get);
        }
        if (ssName.endsWith(L".Diameter", false) || ssName.endsWith(L".HoleOffset", false))
            return vkquantity::boltData(*tab, ssName.endsWith(L".Diameter", false), value, get);
    }
    if (ssName.endsWith(L".NrBolts1", false) || ssName.endsWith(L".NrBolts2", false))
        return vkquantity::nrBolts(*tab, before, ssName.endsWith(L".NrBolts1", false), value, get);
    if (numeric &&
        (ssName.endsWith(L".ReverseStart1", false) || ssName.endsWith(L".ReverseStart2", false))) {
        if (module->type() != kZrlModuleBolt) return Acad::eInvalidInput;
        return vkquantity::reverseStart(*module, before, ssName.endsWith(L".ReverseStart1", false),
                                        value, get, tr);
    }
    if (!numeric) {
        if (ssName.endsWith(L".MemberName", false))
            return vkquantity::memberName(*tab, before, value, get);
        return Acad::eInvalidInput;
    }
    return vkquantity::dialogVariable(*module, *tab, ssName, value, get);
}

// --- candidates

ErrorStatus VkSSMapping::initAllVarsFromMacro(Zrl_DbMacro* macroObject, AcTransaction* /*tr*/) {
    if (!macroObject) return Acad::eInvalidInput;
    const Zrl_Macro& macro = macroObject->macroRead();
    Zrl_StringArray moduleNames;
    macro.getModuleNames(moduleNames);
    for (const Zrl_String& name : moduleNames) {
        const Zrl_MacroModule* module = macro.findModule(name);
        if (!module) continue;
        const Zrl_String group = module->tabName();
        addAllVariables(*module, group);
        addAllCuts(*module, group);
        if (module->type() == kZrlModuleBolt) addAllPatterns(*module, group);
        if (module->type() == kZrlModuleProfile) addAllProfPlacements(*module, group);
    }
    addAllBaseProfs(*macroObject);
    addAllGenVars(*macroObject);
    return Acad::eOk;
}

void VkSSMapping::addAllVariables(const Zrl_MacroModule& module, const Zrl_String& group) {
    Zrl_StringArray names;
    AcArray<bool> first, second;
    if (module.getDialogVariables(names, first, second) != Acad::eOk) return;
    for (int i = 0; i < names.length(); ++i) {
        const bool f = i < first.length() && first[i];
        const bool s = i < second.length() && second[i];
        mappedObjectsWrite().append(candidate(group, names[i], VkMapVarDistance, categoryOf(f, s)));
    }
}

void VkSSMapping::addAllCuts(const Zrl_MacroModule& module, const Zrl_String& group) {
    Zrl_StringArray names;
    AcArray<int> cutTypes;
    if (module.getCutConstraints(names, cutTypes) != Acad::eOk) return;
    for (int i = 0; i < names.length() && i < cutTypes.length(); ++i) {
        for (int offsetType : getCutOffsets(cutTypes[i])) {
            mappedObjectsWrite().append(candidate(
                group, names[i], static_cast<VkMapVarKind>(offsetType + VkMapVarCutOffset)));
        }
    }
}

void VkSSMapping::addAllPatterns(const Zrl_MacroModule& module, const Zrl_String& group) {
    mappedObjectsWrite().append(candidate(group, Zrl_String(), VkMapVarBoltsDiameter));
    mappedObjectsWrite().append(candidate(group, Zrl_String(), VkMapVarBoltsHoleOffset));
    AcArray<int> ids;
    module.getPatternIds(ids);
    for (int id : ids) {
        Zrl_BoltPattern pattern;
        if (module.getPattern(id, pattern) != Acad::eOk) continue;
        mappedObjectsWrite().append(candidate(group, pattern.name, VkMapVarPatternNrBolts1));
        mappedObjectsWrite().append(candidate(group, pattern.name, VkMapVarPatternReverseStart1));
        if (pattern.typeCode == kZrlPatternDouble) {
            mappedObjectsWrite().append(candidate(group, pattern.name, VkMapVarPatternNrBolts2));
            mappedObjectsWrite().append(
                candidate(group, pattern.name, VkMapVarPatternReverseStart2));
        }
    }
}

void VkSSMapping::addAllProfPlacements(const Zrl_MacroModule& module, const Zrl_String& group) {
    for (const Zrl_NamedPrpl& placement : module.placements) {
        if (!placement.name.isEmpty())
            mappedObjectsWrite().append(candidate(group, placement.name, VkMapVarOwnedMemberName));
    }
}

void VkSSMapping::addAllBaseProfs(const Zrl_DbMacro& macroObject) {
    AcArray<AcDbObjectId> ids;
    macroObject.getBaseProfIds(ids);
    for (int n = 0; n < ids.length(); ++n) {
        const Zrl_String prof = Zrl_String(L"Prof") + Zrl_String(n);
        mappedObjectsWrite().append(candidate(Zrl_String(), prof, VkMapVarPrPlName));
        mappedObjectsWrite().append(candidate(Zrl_String(), prof, VkMapVarPrPlMaterial));
        Zrl_String section;
        Zrl_StringArray columns;
        if (macroObject.getSectionName(ids[n], section) != Acad::eOk ||
            gSectionTables.getSectionColumnNames(section, columns) != Acad::eOk)
            continue;
        for (int c = 0; c < columns.length(); ++c) {
            VkObjectMap entry =
                candidate(Zrl_String(), prof + L";" + Zrl_String(c), VkMapVarMemberSectionSize);
            entry.label = columns[c];
            mappedObjectsWrite().append(entry);
        }
    }
}

void VkSSMapping::addAllGenVars(const Zrl_DbMacro& macroObject) {
    Zrl_StringArray names;
    macroObject.macroRead().getGeneralVariables(names);
    for (const Zrl_String& name : names)
        mappedObjectsWrite().append(candidate(Zrl_String(), name, VkMapVarGenVar));
}

ErrorStatus VkSSMapping::getValidVars(const bool& /*flag*/, const VkValueType& type,
                                      AcArray<int>& out) {
    out.removeAll();
    const Zrl_Array<VkObjectMap>& entries = mappedObjects();
    for (int i = 0; i < entries.length(); ++i) {
        VkValueType entryType = VkValueString;
        if (mapVarKindValueType(entries[i].kind, entryType) &&
            isNumericValueType(entryType) == isNumericValueType(type))
            out.append(i);
    }
    return Acad::eOk;
}

ErrorStatus VkSSMapping::sortValidVars(AcArray<int>& vars, const AcArray<int>& categoryOrder) {
    if (categoryOrder.isEmpty()) return Acad::eInvalidInput;
    const AcArray<int> old = vars;
    Zrl_Array<AcArray<int>> buckets;
    for (int i = 0; i < categoryOrder.length(); ++i)
        buckets.append(AcArray<int>());
    for (int index : old) {
        // Break markers of an earlier sort and stale indexes carry no entry.
        if (index < 0 || index >= mappedObjects().length()) continue;
        int position = categoryOrder.find(mappedObjects()[index].category);
        if (position < 0) position = categoryOrder.length() - 1;
        buckets[position].append(index);
    }
    vars.removeAll();
    for (const AcArray<int>& bucket : buckets) {
        vars.append(-1);
        vars.append(bucket);
    }
    return Acad::eOk;
}
