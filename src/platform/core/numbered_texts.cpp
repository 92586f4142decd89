#include "platform/core/numbered_texts.h"

#include "platform/core/files.h"
#include "platform/core/paths.h"
#include "platform/core/settings.h"
#include "platform/core/text_helpers.h"

#include <map>
#include <memory>

namespace {

const wchar_t* const kFallbackLanguage = L"English";

Zrl_String unescape(const Zrl_String& text) {
    std::wstring out;
    const std::wstring& s = text.str();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != L'\\' || i + 1 == s.size()) {
            out += s[i];
            continue;
        }
        wchar_t next = s[++i];
        out += next == L'n' ? L'\n' : next == L't' ? L'\t' : next;
    }
    return Zrl_String(std::move(out));
}

// A language name is used as a file name: it must not lead elsewhere.
bool usableLanguage(const Zrl_String& language) {
    return !language.isEmpty() && !hasInvalidFileNameChars(language) &&
           !language.startsWith(L".", true);
}

Zrl_String languageFile(const Zrl_String& language) {
    return Zrl_Settings::zrlDir() + L"texts\\" + language + L".txt";
}

// Tables read so far, by file path; an unreadable file is remembered as null.
std::map<std::wstring, std::unique_ptr<NumberedTextTables>>& cache() {
    static std::map<std::wstring, std::unique_ptr<NumberedTextTables>> tables;
    return tables;
}

const NumberedTextTables* tablesOf(const Zrl_String& language) {
    if (!usableLanguage(language)) return nullptr;
    const Zrl_String path = languageFile(language);
    auto& all = cache();
    auto it = all.find(path.str());
    if (it == all.end()) {
        std::unique_ptr<NumberedTextTables> tables;
        Zrl_StringArray lines;
        if (ObjectExportReadFile(path, lines)) {
            tables = std::make_unique<NumberedTextTables>();
            parseNumberedTexts(lines, *tables);
        }
        it = all.emplace(path.str(), std::move(tables)).first;
    }
    return it->second.get();
}

const Zrl_String* lookUp(const Zrl_String& language, int n, bool dialogTable) {
    const NumberedTextTables* tables = tablesOf(language);
    if (!tables) return nullptr;
    const auto& table = dialogTable ? tables->dialog : tables->strings;
    auto it = table.find(n);
    return it == table.end() ? nullptr : &it->second;
}

Zrl_String text(int n, bool dialogTable) {
    if (const Zrl_String* t = lookUp(Zrl_Settings::workLanguage(), n, dialogTable)) return *t;
    if (const Zrl_String* t = lookUp(kFallbackLanguage, n, dialogTable)) return *t;
    return Zrl_String(dialogTable ? L"#text " : L"#string ") + Zrl_String(n) + L"#";
}

} // namespace

bool parseNumberedTexts(const Zrl_StringArray& lines, NumberedTextTables& tables, int* badLines) {
    int bad = 0;
    auto* table = &tables.dialog;
    for (const Zrl_String& raw : lines) {
        Zrl_String line = raw;
        if (line.trimmed().isEmpty() || line.startsWith(L"#", true)) continue;
        if (line.trimmed() == L"[dialString]") {
            table = &tables.dialog;
            continue;
        }
        if (line.trimmed() == L"[string]") {
            table = &tables.strings;
            continue;
        }
        Zrl_String number, value;
        bool ok = false;
        int n = 0;
        if (splitString(line, L"\t", number, value, true)) n = number.toInt(&ok);
        if (!ok) {
            ++bad;
            continue;
        }
        table->emplace(n, unescape(value));
    }
    if (badLines) *badLines = bad;
    return bad == 0;
}

Zrl_String dialString(int n) {
    return text(n, true);
}

Zrl_String string(int n) {
    return text(n, false);
}

int availableLanguages(Zrl_StringArray& languages) {
    Zrl_StringArray files;
    ObjectExportFindFiles(Zrl_Settings::zrlDir() + L"texts\\", L"*.txt", files);
    Zrl_StringArray names;
    for (const Zrl_String& f : files)
        names.append(removeExtension(getFileName(f)));
    sortArray(names);
    languages = std::move(names);
    return languages.length();
}

int dialStringAllLangs(int n, Zrl_StringArray& list) {
    Zrl_StringArray languages;
    availableLanguages(languages);
    Zrl_StringArray out;
    for (const Zrl_String& language : languages) {
        const Zrl_String* t = lookUp(language, n, true);
        if (!t) t = lookUp(kFallbackLanguage, n, true);
        out.append(t ? *t : text(n, true));
    }
    list = std::move(out);
    return list.length();
}

void reloadNumberedTexts() {
    cache().clear();
}
