// The language table: its file and its look-ups.
#include "platform/core/macro_langs.h"

#include "platform/core/files.h"
#include "platform/text/fold.h"
#include "platform/core/rows_file.h"
#include "platform/core/settings.h"

#include <vector>

MacroLangs gMacroLangs;

namespace {

std::wstring folded(const Zrl_String& text) {
    std::wstring out = text.trimmed().str();
    for (wchar_t& c : out)
        c = zrltext::foldCase(c);
    return out;
}

std::wstring entryKey(const Zrl_String& section, const Zrl_String& key) {
    return folded(section) + L'\n' + folded(key);
}

int languageIndex(const Zrl_String& language) {
    const Zrl_StringArray& all = MacroLangs::Languages();
    for (int i = 0; i < all.length(); ++i)
        if (all[i].equal(language.trimmed(), false)) return i;
    return -1;
}

} // namespace

const Zrl_StringArray& MacroLangs::Languages() {
    static const Zrl_StringArray languages = [] {
        Zrl_StringArray l;
        for (const wchar_t* name : {L"English", L"Dutch", L"German", L"French", L"Korean"})
            l.append(name);
        return l;
    }();
    return languages;
}

Zrl_String MacroLangs::GetCurLanguage() const {
    const int i = languageIndex(Zrl_Settings::workLanguage());
    return Languages()[i < 0 ? 0 : i];
}

bool MacroLangs::Parse(const Zrl_StringArray& lines, int* badLines) {
    loadedFrom_ = std::wstring();
    return parseLines(lines, badLines);
}

bool MacroLangs::parseLines(const Zrl_StringArray& lines, int* badLines) {
    texts_.clear();
    int bad = 0;
    bool header = false;
    std::vector<int> columns; // language index of each text column, -1 ignored
    Zrl_String section;
    for (const Zrl_String& line : lines) {
        const Zrl_String trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(L"#", true)) continue;
        const Zrl_StringArray cells = decodeRow(line);
        if (!header) {
            // "key", then the languages of the columns.
            if (cells.length() < 2 || !cells[0].equal(L"key", false)) break;
            header = true;
            for (int c = 1; c < cells.length(); ++c) {
                int language = languageIndex(cells[c]);
                for (int used : columns)
                    if (used == language) language = -1;
                if (language < 0) ++bad;
                columns.push_back(language);
            }
            continue;
        }
        if (trimmed.startsWith(L"[", true) && trimmed.endsWith(L"]", true)) {
            section = trimmed.getSubStringAt(1, trimmed.length() - 2);
            continue;
        }
        if (cells.length() < 2 || cells.length() - 1 > static_cast<int>(columns.size()) ||
            cells[0].trimmed().isEmpty()) {
            ++bad;
            continue;
        }
        Zrl_StringArray texts;
        for (int i = 0; i < Languages().length(); ++i)
            texts.append(Zrl_String());
        for (int c = 1; c < cells.length(); ++c)
            if (const int language = columns[static_cast<size_t>(c - 1)]; language >= 0)
                texts[language] = cells[c];
        texts_.emplace(entryKey(section, cells[0]), std::move(texts)); // the first wins
    }
    if (!header) texts_.clear();
    if (badLines) *badLines = bad + (header ? 0 : 1);
    return header;
}

void MacroLangs::ensureLoaded() {
    const Zrl_String path = Zrl_Settings::zrlDir() + L"languages.txt";
    if (loadedFrom_ && (loadedFrom_->empty() || *loadedFrom_ == path.str())) return;
    Zrl_StringArray lines;
    if (!ObjectExportReadFile(path, lines) || !parseLines(lines, nullptr)) texts_.clear();
    loadedFrom_ = path.str();
}

Zrl_String MacroLangs::GetString(const Zrl_String& section, const Zrl_String& key) {
    return GetString(section, key, GetCurLanguage());
}

Zrl_String MacroLangs::GetString(const Zrl_String& section, const Zrl_String& key,
                                 const Zrl_String& language) {
    ensureLoaded();
    const int index = languageIndex(language);
    const auto it = texts_.find(entryKey(section, key));
    if (index < 0 || it == texts_.end()) return {};
    return it->second[index];
}
