#include "standards/ss_functions.h"

#include "platform/core/number_text.h"
#include "platform/core/section_tables.h"
#include "platform/core/text_helpers.h"
#include "platform/core/zrl_string_index.h"
#include "standards/ss_functions_support.h"
#include "standards/standards_failures.h"

#include <iterator>
#include <memory>
#include <vector>

namespace ssfn {

namespace {

// The rows of a data file by the name each answers to: its key, or for
// GETPROFCELL the system name of the section the key names. Built on the
// first look-up in a table and kept while the table is the cached one and,
// for section names, while the section tables are as they were.
struct RowIndex {
    std::weak_ptr<const DataRows> table;
    bool systemNames = false;
    uint64_t sections = 0;
    std::vector<Zrl_String> names;
    Zrl_NameIndex byName;
};

const RowIndex& rowIndex(const std::shared_ptr<const DataRows>& table, bool systemNames) {
    // A sheet reads a few files: the last few indexes are kept.
    thread_local RowIndex kept[8];
    thread_local unsigned next = 0;
    const uint64_t sections = systemNames ? gSectionTables.changes() : 0;
    for (const RowIndex& index : kept)
        if (index.systemNames == systemNames && index.sections == sections &&
            index.table.lock() == table)
            return index;
    RowIndex& index = kept[next++ % std::size(kept)];
    index.table = table;
    index.systemNames = systemNames;
    index.sections = sections;
    index.names.clear();
    index.names.reserve(static_cast<size_t>(table->length()));
    for (const Zrl_StringArray& row : *table) {
        Zrl_String name = row.isEmpty() ? Zrl_String() : row[0];
        Zrl_String systemName;
        if (systemNames && gSectionTables.getSystemName(name, systemName) == Acad::eOk)
            name = std::move(systemName);
        index.names.push_back(std::move(name));
    }
    index.byName.build(
        table->length(), [&](int i) -> const Zrl_String& { return index.names[i]; },
        [](int) { return true; });
    return index;
}

// GETCELL and GETPROFCELL: the value (field 2) of the data file's row whose
// key (field 1) is the remaining arguments joined with ";". `systemNames`
// compares the rows' keys as section system names.
bool lookUpCell(spread::CalcValue& result, spread::CalcValue* args, int count, bool systemNames) {
    clearResult(result);
    if (count < 2) return false;
    Zrl_String file, path;
    if (!readText(args[0], file)) return false;
    if (!findDataFile(file, path)) {
        noteLookupFault(L"data file " + file + L" not found");
        return false;
    }
    const std::shared_ptr<const DataRows> table = readDataFile(path);
    if (!table || table->isEmpty()) {
        noteLookupFault(L"data file " + path + L" is unreadable or empty");
        return false;
    }

    Zrl_StringArray keyParts;
    argumentTexts(args, count, 1, keyParts);
    const Zrl_String searchKey = arrToStr(keyParts, L';');

    // The first row whose key matches decides.
    const RowIndex& index = rowIndex(table, systemNames);
    const int found = index.byName.findFirst(
        searchKey, [&](int i) -> const Zrl_String& { return index.names[i]; },
        [](int) { return true; });
    if (found >= 0) {
        const Zrl_StringArray& row = (*table)[found];
        return row.length() >= 2 && setTextResult(result, row[1]);
    }
    noteLookupFault(L"key " + searchKey + L" not found in " + file);
    return false;
}

} // namespace

bool roundTo(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    double value = 0, step = 0;
    if (count < 2 || !readNumber(args[0], value) || !readNumber(args[1], step)) return false;
    setDoubleResult(result, ObjectExportRoundTo(value, step));
    return true;
}

bool getCell(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    return lookUpCell(result, args, count, false);
}

bool getProfCell(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    return lookUpCell(result, args, count, true);
}

namespace {

// A section's dimension as SECTIONSIZE gives it. A sheet asks for a few
// dimensions of the same sections on every run: the last few answers are
// kept while the section tables are as they were.
bool sectionNumber(const Zrl_String& section, int index, double& number) {
    struct Kept {
        Zrl_String section;
        int index = -1;
        uint64_t sections = 0;
        double number = 0;
    };
    thread_local Kept kept[16];
    thread_local unsigned next = 0;
    const uint64_t sections = gSectionTables.changes();
    for (const Kept& k : kept)
        if (k.index == index && k.sections == sections && k.section == section) {
            number = k.number;
            return true;
        }
    Zrl_String text;
    if (gSectionTables.getSectionValue(section, index, text) != Acad::eOk) return false;
    number = leadingNumber(text);
    kept[next++ % std::size(kept)] = {section, index, sections, number};
    return true;
}

} // namespace

bool sectionSize(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    Zrl_String section;
    double n = 0, number = 0;
    int index = 0;
    if (count < 2 || !readText(args[0], section) || !readNumber(args[1], n) || !itemIndex(n, index))
        return false;
    if (!sectionNumber(section, index, number)) {
        noteLookupFault(section.isEmpty() ? Zrl_String(L"the section is empty")
                                          : L"section " + section + L" not found");
        return false;
    }
    setDoubleResult(result, number);
    return true;
}

bool getSysName(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    Zrl_String name, systemName;
    if (count < 1 || !readText(args[0], name)) return false;
    if (gSectionTables.getSystemName(name, systemName) != Acad::eOk) systemName = name;
    return setTextResult(result, systemName);
}

bool getArrayItem(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    Zrl_String list;
    double n = 0;
    if (count < 2 || !readText(args[0], list) || !readNumber(args[1], n)) return false;
    Zrl_StringArray items;
    strToArr(list, items, L';');
    int index = -1;
    if (!itemIndex(n, index) || index < 0 || index >= items.length()) return true;
    return setTextResult(result, items[index]);
}

bool toNumber(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    Zrl_String text;
    if (count < 1 || !readText(args[0], text)) return false;
    setDoubleResult(result, leadingNumber(text));
    return true;
}

bool isNull(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    if (count < 1) return false;
    double number = 0;
    Zrl_String text;
    if (args[0].status == spread::kCalcEmpty) {
        setDoubleResult(result, 1);
    } else if (readText(args[0], text)) {
        setDoubleResult(result, text.isEmpty() ? 1 : 0);
    } else if (readNumber(args[0], number)) {
        setDoubleResult(result, number == 0 ? 1 : 0);
    } else {
        return false;
    }
    return true;
}

bool isPositive(spread::Sheet&, spread::CalcValue& result, spread::CalcValue* args, int count) {
    clearResult(result);
    if (count < 1) return false;
    double number = 0;
    Zrl_String text;
    if (args[0].status == spread::kCalcEmpty) {
        setDoubleResult(result, 0);
    } else if (readText(args[0], text)) {
        setDoubleResult(result, !text.isEmpty() && leadingNumber(text) > 0 ? 1 : 0);
    } else if (readNumber(args[0], number)) {
        setDoubleResult(result, number > 0 ? 1 : 0);
    } else {
        return false;
    }
    return true;
}

} // namespace ssfn

std::vector<spread::CustomFunction> standardsFunctions() {
    return {
        {L"ROUNDTO", 2, 2, 0, ssfn::roundTo},
        {L"GETCELL", 2, 7, 0, ssfn::getCell},
        {L"GETPROFCELL", 2, 7, 0, ssfn::getProfCell},
        {L"SECTIONSIZE", 2, 2, 0, ssfn::sectionSize},
        {L"GETSYSNAME", 1, 1, 0, ssfn::getSysName},
        {L"STDWIDTHWITHTOLERANCE", 6, 6, 0, ssfn::stdWidthWithTolerance},
        {L"STDTHICKNESSWITHTOLERANCE", 5, 5, 0, ssfn::stdThicknessWithTolerance},
        {L"STDSIZEWITHTOLERANCE", 5, 5, 0, ssfn::stdSizeWithTolerance},
        {L"GETARRAYITEM", 2, 2, 0, ssfn::getArrayItem},
        {L"TONUMBER", 1, 1, 0, ssfn::toNumber},
        {L"ISNULL", 1, 1, 0, ssfn::isNull},
        {L"ISPOSITIVE", 1, 1, 0, ssfn::isPositive},
    };
}

namespace {

using Proc = bool (*)(spread::Sheet&, spread::CalcValue&, spread::CalcValue*, int);

bool sameFunction(const spread::CustomFunction& a, const spread::CustomFunction& b) {
    const Proc* pa = a.proc.target<Proc>();
    const Proc* pb = b.proc.target<Proc>();
    return pa != nullptr && pb != nullptr && *pa == *pb && a.minArgs == b.minArgs &&
           a.maxArgs == b.maxArgs && a.flags == b.flags;
}

} // namespace

void registerStandardsFunctions(spread::FunctionRegistry& registry) {
    // A pooled sheet keeps its functions from run to run: only those missing
    // or replaced by others are added.
    static const std::vector<spread::CustomFunction> functions = standardsFunctions();
    for (const spread::CustomFunction& fn : functions) {
        const spread::CustomFunction* known = registry.find(fn.name);
        if (known == nullptr || !sameFunction(*known, fn)) registry.add(fn);
    }
}
