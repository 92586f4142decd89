// CSV text for the command's subcommands: reading records, writing lines.
#include "csv_text.h"

#include "command.h"
#include "platform/text/utf.h"

#include <algorithm>

namespace zrlss {

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}

std::vector<std::vector<std::string>> csvRecords(std::string_view text, bool keepEmptyLines,
                                                 std::vector<size_t>* lines) {
    if (text.substr(0, 3) == kByteOrderMark) text.remove_prefix(3);
    std::vector<std::vector<std::string>> records;
    std::vector<std::string> record;
    std::string field;
    bool quoted = false;    // inside quotes
    bool wasQuoted = false; // the field had quotes (so it exists even if empty)
    size_t line = 1;
    size_t firstLine = 1; // of the record being read
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
        } else {
            return;
        }
        if (lines) lines->push_back(firstLine);
        // The next record is likely as wide: room for it is made at once.
        record.clear();
        record.reserve(records.back().size());
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
            firstLine = ++line;
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

size_t firstLineNotUtf8(std::string_view text) {
    if (text.substr(0, 3) == kByteOrderMark) text.remove_prefix(3);
    std::wstring wide;
    size_t line = 1;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        const std::string_view one = text.substr(0, end);
        // A NUL byte is UTF-8, but no text line holds one: it is a UTF-16 file.
        if (one.find('\0') != std::string_view::npos || !zrltext::fromUtf8Strict(one, wide))
            return line;
        text.remove_prefix(std::min(end + 1, text.size()));
        ++line;
    }
    return 0;
}

void appendCsvField(std::string& out, std::string_view text) {
    // A field that starts with a byte-order mark is quoted too: at the head
    // of a file a reader would take the mark for the file's own and drop it.
    const bool plain = std::none_of(text.begin(), text.end(), [](char ch) {
        return ch == ',' || ch == '"' || ch == '\r' || ch == '\n';
    });
    if (plain && text.substr(0, kByteOrderMark.size()) != kByteOrderMark) {
        out += text;
        return;
    }
    out += '"';
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
}

std::string csvField(const std::string& text) {
    std::string field;
    appendCsvField(field, text);
    return field;
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
