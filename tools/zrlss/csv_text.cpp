// CSV text for the command's subcommands: reading records, writing lines.
#include "csv_text.h"

#include "command.h"

namespace zrlss {

std::vector<std::vector<std::string>> csvRecords(std::string_view text, bool keepEmptyLines) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;    // inside quotes
    bool wasQuoted = false; // the field had quotes (so it exists even if empty)
    size_t line = 1;
    auto endField = [&] {
        record.push_back(std::move(field));
        field.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        if (!record.empty() || !field.empty() || wasQuoted) {
            endField();
            records.push_back(std::move(record));
        } else if (keepEmptyLines) {
            records.emplace_back();
        }
        record.clear();
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (quoted) {
            if (ch != '"') {
                if (ch == '\n') ++line;
                field += ch;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
            continue;
        }
        switch (ch) {
        case '"':
            if (!field.empty() || wasQuoted)
                throw Failure{"line " + std::to_string(line) + ": a quote inside a field"};
            quoted = wasQuoted = true;
            break;
        case ',':
            endField();
            break;
        case '\r':
            if (i + 1 < text.size() && text[i + 1] == '\n') break;
            [[fallthrough]];
        case '\n':
            endRecord();
            ++line;
            break;
        default:
            if (wasQuoted)
                throw Failure{"line " + std::to_string(line) + ": text after a closing quote"};
            field += ch;
        }
    }
    if (quoted) throw Failure{"a quoted field is not closed"};
    // The last line has no line end: it counts only when it holds something.
    if (!record.empty() || !field.empty() || wasQuoted) endRecord();
    return records;
}

std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char ch : text) {
        if (ch == '"') quoted += '"';
        quoted += ch;
    }
    return quoted + "\"";
}

std::string csvLine(const Zrl_StringArray& fields) {
    std::string line;
    for (int i = 0; i < fields.length(); ++i) {
        if (i > 0) line += ',';
        line += csvField(fields[i].toUtf8());
    }
    return line;
}

} // namespace zrlss
