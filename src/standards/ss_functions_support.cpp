#include "standards/ss_functions_support.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"
#include "platform/text/number.h"
#include "standards/file_cache.h"

#include <array>
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
    Zrl_String read(chars);
    if (read.length() > 0 && read[0] == L'"') read.removeAt(0);
    if (read.length() > 0 && read[read.length() - 1] == L'"') read.removeAt(read.length() - 1);
    text = read;
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
    // Within one evaluation the files are taken not to change (see
    // filecache::Scope), so each name is looked for once in it; "" stands
    // for not found.
    struct Found {
        unsigned long scope = 0;
        std::unordered_map<std::wstring, Zrl_String> paths;
    };
    thread_local Found found;
    const unsigned long scope = filecache::currentScope();
    if (scope != 0) {
        if (found.scope != scope) {
            found.paths.clear();
            found.scope = scope;
        }
        auto it = found.paths.find(name.str());
        if (it != found.paths.end()) {
            if (it->second.isEmpty()) return false;
            path = it->second;
            return true;
        }
    }
    // The places a name can be, made once per name and library folder.
    using Candidates = std::array<Zrl_String, 4>;
    struct Places {
        std::wstring lib;
        std::unordered_map<std::wstring, Candidates> byName;
    };
    thread_local Places places;
    const Zrl_String lib = ensureEndBSlash(Zrl_Settings::libDir());
    if (places.lib != lib.str() || places.byName.size() >= 256) {
        places.byName.clear();
        places.lib = lib.str();
    }
    auto [made, fresh] = places.byName.try_emplace(name.str());
    if (fresh)
        made->second = {name, lib + L"Connection Standards\\Data\\" + name,
                        lib + L"Connection Standards\\" + name, lib + name};
    Zrl_String hit;
    for (const Zrl_String& candidate : made->second) {
        if (filecache::isFile(candidate)) {
            hit = candidate;
            break;
        }
    }
    if (scope != 0) found.paths.emplace(name.str(), hit);
    if (hit.isEmpty()) return false;
    path = hit;
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
