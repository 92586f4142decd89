// Records as JSON: the reading helper that every record kind's reader uses,
// and the writing helpers.
//
// A reader walks the JSON with the path of the value in hand, so that every
// refusal names the field: "levels[2].name: expected a text",
// "levels[2].nmae: unknown field". Fields a record does not know are
// refused, so a misspelt field never passes unnoticed; absent fields keep
// the value they had (the record's default). Texts are UTF-8 in JSON and
// wide in the record. Numbers are read and written without regard to the
// process locale.
//
//   RecordReader r(root, error);                 // root of the record
//   if (!r.object({"name", "rows"})) return false;
//   if (!r.text("name", data.name)) return false;
//   r.each("rows", [&](RecordReader& row) { return row.object({...}) && ...; });
#pragma once

#include "platform/core/zrl_stringarray.h"

#include <functional>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

class RecordReader {
public:
    // The reader of a whole record; `error` receives the first refusal.
    RecordReader(const nlohmann::json& value, std::string& error)
        : RecordReader(value, std::string(), error) {}

    // Parses JSON text; false with a one-line reason ("line 3, column 5: ...").
    static bool parse(std::string_view text, nlohmann::json& out, std::string& error);

    // The value must be an object whose fields are all among `fields`.
    bool object(std::initializer_list<std::string_view> fields) {
        return object(std::vector<std::string_view>(fields));
    }
    bool object(const std::vector<std::string_view>& fields);

    // A field of the object; absent leaves `out` as it was.
    bool text(std::string_view field, Zrl_String& out);
    bool texts(std::string_view field, Zrl_StringArray& out);
    bool integer(std::string_view field, int& out);
    // A list of whole numbers.
    bool integers(std::string_view field, AcArray<int>& out);
    bool number(std::string_view field, double& out);
    bool boolean(std::string_view field, bool& out);
    // Each element of an array field, in order, with its own reader; stops
    // at the first element `read` refuses.
    bool each(std::string_view field, const std::function<bool(RecordReader&)>& read);
    // An object field with its own reader (absent: nothing is read).
    bool member(std::string_view field, const std::function<bool(RecordReader&)>& read);
    // Each member of an object field whose names are free (keys such as
    // handles), in the order of their names, with its own reader at
    // "field.key".
    bool members(std::string_view field,
                 const std::function<bool(const std::string&, RecordReader&)>& read);
    // A list of lists of texts (the rows of a table).
    bool textRows(std::string_view field, Zrl_Array<Zrl_StringArray>& out);

    // Refuses the current value (or a field of it) with a reason.
    bool refuse(const std::string& reason, std::string_view field = {});
    const std::string& path() const { return path_; }

private:
    RecordReader(const nlohmann::json& value, std::string path, std::string& error)
        : value_(value), path_(std::move(path)), error_(error) {}
    std::string fieldPath(std::string_view field) const;
    // The field's value, nullptr when absent.
    const nlohmann::json* find(std::string_view field) const;

    const nlohmann::json& value_;
    std::string path_;
    std::string& error_;
};

// Writing: texts as UTF-8 strings, lists as arrays.
nlohmann::json toJson(const Zrl_String& text);
nlohmann::json toJson(const Zrl_StringArray& texts);
// The record's text: two-space indents, a final line end; characters that
// cannot be UTF-8 become U+FFFD.
std::string dumpRecordJson(const nlohmann::json& record);
