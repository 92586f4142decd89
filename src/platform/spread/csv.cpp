// CSV import and export.
#include "platform/spread/csv.h"

#include "platform/spread/formula.h"
#include "platform/spread/sheet.h"
#include "platform/spread/sheet_data.h"
#include "platform/spread/sheet_load.h"
#include "platform/text/utf.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace spread {

namespace {

// A raw (UTF-8) field, and whether it was in quotes.
struct Field {
    std::string text;
    bool quoted = false;
};
using Record = std::vector<Field>;

// The mark, first in a quoted field, of a text that would otherwise read as a
// formula or a number; the import drops it and keeps the rest as text.
constexpr char kTextMark = '\'';

// Splits CSV text into records of fields.
bool splitRecords(std::string_view text, std::vector<Record>& records, std::wstring& why) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    Record record;
    std::string field;
    bool quoted = false;
    size_t i = 0;
    bool any = false; // something read since the last record ended
    while (i < text.size()) {
        char ch = text[i];
        if (ch == '"' && field.empty()) {
            // A quoted field: up to the lone closing quote.
            size_t start = i;
            quoted = true;
            ++i;
            bool closed = false;
            while (i < text.size()) {
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                field += text[i++];
            }
            if (!closed) {
                why = L"unterminated quoted field starting at byte " + std::to_wstring(start + 1);
                return false;
            }
            if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                why = L"text after a closing quote at byte " + std::to_wstring(i + 1);
                return false;
            }
            any = true;
            continue;
        }
        if (ch == ',') {
            record.push_back({std::move(field), quoted});
        quoted = false;
            field.clear();
            any = true;
            ++i;
            continue;
        }
        if (ch == '\r' || ch == '\n') {
            record.push_back({std::move(field), quoted});
        quoted = false;
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            any = false;
            i += (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        if (ch == '"') {
            why = L"quote inside an unquoted field at byte " + std::to_wstring(i + 1);
            return false;
        }
        field += ch;
        any = true;
        ++i;
    }
    if (any) {
        record.push_back({std::move(field), quoted});
        quoted = false;
        records.push_back(std::move(record));
    }
    return true;
}

// Quoted also: a field starting with a byte-order mark, which the import
// would skip as the file's own were the field first in the file.
bool needsQuotes(std::string_view s) {
    return s.find_first_of(",\"\r\n") != std::string_view::npos ||
           (!s.empty() && s[0] == kTextMark) || s.starts_with("\xEF\xBB\xBF");
}

// A text value the import would read as a formula or a number, or whose
// first character is the text mark.
bool textReadAsOther(const Value& v) {
    if (!v.isText()) return false;
    const std::wstring& text = v.text();
    double x;
    return !text.empty() && (text[0] == L'=' || text[0] == kTextMark || textToNumber(text, x));
}

bool negativeZero(const Value& v) {
    return v.isNumber() && v.number() == 0 && std::signbit(v.number());
}

} // namespace

bool readCsv(Sheet& sheet, std::string_view text, std::wstring* error) {
    return detail::readCsvWarn(sheet, text, nullptr, error);
}

bool detail::readCsvWarn(Sheet& sheet, std::string_view text, std::vector<LoadWarning>* warnings,
                         std::wstring* error) {
    std::wstring why;
    std::vector<Record> records;
    auto fail = [&](std::wstring reason) {
        if (error) *error = std::move(reason);
        return false;
    };
    if (!splitRecords(text, records, why)) return fail(why);
    size_t cols = 0;
    for (const Record& r : records)
        cols = std::max(cols, r.size());
    if (records.size() > static_cast<size_t>(kMaxSheetRows)) return fail(L"too many rows");
    if (cols > static_cast<size_t>(kMaxSheetCols)) return fail(L"too many columns");
    sheet.setBoolProperty(kBoolAutoCalc, false);
    sheet.setMaxCols(static_cast<int>(cols));
    sheet.setMaxRows(static_cast<int>(records.size()));
    std::wstring field;
    for (size_t r = 0; r < records.size(); ++r)
        for (size_t c = 0; c < records[r].size(); ++c) {
            const Field& raw = records[r][c];
            if (raw.text.empty()) continue;
            int col = static_cast<int>(c) + 1, row = static_cast<int>(r) + 1;
            if (!zrltext::fromUtf8Strict(raw.text, field))
                return fail(L"not UTF-8 in row " + std::to_wstring(row));
            std::wstring formulaError;
            if (raw.quoted && field[0] == kTextMark) {
                field.erase(0, 1);
                // Stored as it is: typed in, it would read as the number.
                if (!field.empty())
                    sheet.internals().content.cells[cellKey(col, row)].value = Value(field);
            } else if (field[0] != L'=') {
                sheet.setData(col, row, field);
            } else if (!sheet.setFormula(col, row, field, &formulaError)) {
                // One bad formula does not refuse the file: it keeps its
                // text, computes to #NAME? and is reported.
                sheet.setValue(col, row, L"#NAME?");
                CellTexts& t = detail::ensureTexts(sheet.internals().content, cellKey(col, row));
                t.typed = field;
                t.hasTyped = true;
                if (warnings)
                    warnings->push_back({L"", col, row, field, L"does not parse: " + formulaError});
            }
        }
    return true;
}

std::string writeCsv(const Sheet& sheet) {
    // Over the used range only: a large declared size costs nothing.
    const int rows = std::min(sheet.maxRows(), sheet.lastUsedRow());
    const int cols = std::min(sheet.maxCols(), sheet.lastUsedCol());
    std::string out;
    for (int row = 1; row <= rows; ++row) {
        for (int col = 1; col <= cols; ++col) {
            if (col > 1) out += ',';
            std::string field = zrltext::toUtf8(sheet.valueText(col, row));
            if (!field.empty() && textReadAsOther(sheet.value(col, row)))
                field.insert(0, 1, kTextMark);
            else if (negativeZero(sheet.value(col, row)))
                field = "-0";
            if (!needsQuotes(field)) {
                out += field;
                continue;
            }
            out += '"';
            for (char ch : field) {
                if (ch == '"') out += '"';
                out += ch;
            }
            out += '"';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace spread
