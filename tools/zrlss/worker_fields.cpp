#include "worker_fields.h"

#include <charconv>

namespace zrlss {

void FieldLine::add(std::string_view text) {
    if (fields_++ > 0) text_ += '\t';
    // Runs without anything to escape are copied whole.
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        const char escape = ch == '\\'   ? '\\'
                            : ch == '\t' ? 't'
                            : ch == '\n' ? 'n'
                            : ch == '\r' ? 'r'
                                         : '\0';
        if (escape == '\0') continue;
        text_.append(text, start, i - start);
        text_ += '\\';
        text_ += escape;
        start = i + 1;
    }
    text_.append(text, start);
}

void FieldLine::add(long number) {
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number);
    add(std::string_view(digits, static_cast<size_t>(end - digits)));
}

bool splitFields(std::string_view line, std::vector<std::string>& fields) {
    size_t count = 0;
    auto next = [&]() -> std::string& {
        if (count == fields.size()) fields.emplace_back();
        std::string& field = fields[count++];
        field.clear();
        return field;
    };
    std::string* field = &next();
    size_t start = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch != '\\' && ch != '\t') continue;
        field->append(line, start, i - start);
        start = i + 1;
        if (ch == '\t') {
            field = &next();
            continue;
        }
        if (++i == line.size()) return false;
        switch (line[i]) {
        case '\\': *field += '\\'; break;
        case 't': *field += '\t'; break;
        case 'n': *field += '\n'; break;
        case 'r': *field += '\r'; break;
        default: return false;
        }
        start = i + 1;
    }
    field->append(line, start);
    fields.resize(count);
    return true;
}

bool fieldNumber(const std::string& field, long& number) {
    const char* end = field.data() + field.size();
    const auto [ptr, ec] = std::from_chars(field.data(), end, number);
    return !field.empty() && ec == std::errc() && ptr == end;
}

} // namespace zrlss
