#include "standards/ss_functions_support.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/text/number.h"
#include "standards/file_cache.h"
#include "standards/first_existing.h"

#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>

namespace ssfn {

bool readNumber(const spread::CalcValue& arg, double& number) {
    if (arg.status != spread::kCalcValue) return false;
    if (arg.type == spread::kCalcInt) {
        number = arg.v.i;
        return true;
    }
    if (arg.type == spread::kCalcDouble) {
        number = arg.v.d;
        return true;
    }
    return false;
}

bool readText(const spread::CalcValue& arg, Zrl_String& text) {
    if (arg.status != spread::kCalcValue || arg.type != spread::kCalcText) return false;
    const wchar_t* chars = spread::lockTextBlock(arg.v.text);
    if (!chars) return false;
    std::wstring_view read(chars);
    if (!read.empty() && read.front() == L'"') read.remove_prefix(1);
    if (!read.empty() && read.back() == L'"') read.remove_suffix(1);
    text.str().assign(read);
    return true;
}

void argumentTexts(const spread::CalcValue* args, int count, int first, Zrl_StringArray& texts) {
    texts.removeAll();
    for (int i = first; i < count; ++i) {
        double number = 0;
        Zrl_String text;
        if (readNumber(args[i], number)) {
            texts.append(Zrl_String(number, 6));
        } else if (readText(args[i], text)) {
            texts.append(text);
        } else {
            break;
        }
    }
}

void clearResult(spread::CalcValue& result) {
    result.status = spread::kCalcEmpty;
    result.type = spread::kCalcInt;
    result.v.i = 0;
}

void setDoubleResult(spread::CalcValue& result, double number) {
    result.status = spread::kCalcValue;
    result.type = spread::kCalcDouble;
    result.v.d = number;
}

bool setTextResult(spread::CalcValue& result, const Zrl_String& text) {
    if (text.isEmpty()) {
        clearResult(result);
        return true;
    }
    spread::TextBlock block = spread::allocTextBlock(text.str());
    if (!block) return false;
    result.status = spread::kCalcValue;
    result.type = spread::kCalcText;
    result.v.text = block;
    return true;
}

double leadingNumber(const Zrl_String& text) {
    const double number = zrltext::leadingDouble(text.str());
    return std::isfinite(number) ? number : 0.0;
}

bool itemIndex(double n, int& index) {
    if (!std::isfinite(n)) return false;
    const double whole = std::trunc(n) - 1;
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        return false;
    index = static_cast<int>(whole);
    return true;
}

bool findDataFile(const Zrl_String& name, Zrl_String& path) {
    if (name.isEmpty()) return false;
    thread_local filecache::FirstExisting places;
    const Zrl_String* found = places.find(
        name.str(), [] { return ensureEndBSlash(Zrl_Settings::libDir()).str(); },
        [&name](const std::wstring& folder) {
            const Zrl_String lib(folder);
            return std::vector<Zrl_String>{name, lib + L"Connection Standards\\Data\\" + name,
                                           lib + L"Connection Standards\\" + name, lib + name};
        },
        filecache::isFile);
    if (found == nullptr) return false;
    path = *found;
    return true;
}

std::shared_ptr<const DataRows> readDataFile(const Zrl_String& path) {
    return filecache::cachedRead<DataRows>(
        path, [](const Zrl_String& file, const std::filesystem::path&, DataRows& rows) {
            Zrl_StringArray lines;
            if (!ObjectExportReadFile(file, lines)) return false;
            for (const Zrl_String& line : lines) {
                const Zrl_String text = removeLineComment(line);
                if (text.trimmed().isEmpty()) continue;
                Zrl_StringArray fields;
                strToArr(text, fields, L'\t');
                rows.append(fields);
            }
            return true;
        });
}

std::shared_ptr<const StandardSizes> readStandardSizes(const Zrl_String& path) {
    return filecache::cachedRead<StandardSizes>(
        path, [](const Zrl_String& file, const std::filesystem::path&, StandardSizes& sizes) {
            Zrl_StringArray lines;
            if (!ObjectExportReadFile(file, lines)) return false;
            removeComments(lines);
            for (const Zrl_String& line : lines) {
                if (line.trimmed().isEmpty()) continue;
                Zrl_StringArray parts;
                splitStringAtSymbol(line, L"x", parts, true);
                const bool pair = parts.length() >= 2;
                sizes.firsts.append(leadingNumber(pair ? parts[0] : line));
                sizes.seconds.append(pair ? leadingNumber(parts[1]) : 0.0);
            }
            return true;
        });
}

} // namespace ssfn
