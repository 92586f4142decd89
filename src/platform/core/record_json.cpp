// The path-tracking JSON reader of records and the writing helpers.
#include "platform/core/record_json.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <set>
#include <vector>

using nlohmann::json;

bool RecordReader::parse(std::string_view text, json& out, std::string& error) {
    // A field given twice would silently keep its last value: refused.
    std::vector<std::set<std::string>> keys; // of each object being read
    std::string duplicate;
    auto track = [&](int, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::object_start) keys.emplace_back();
        if (event == json::parse_event_t::object_end && !keys.empty()) keys.pop_back();
        if (event == json::parse_event_t::key && !keys.empty() &&
            !keys.back().insert(parsed.get<std::string>()).second && duplicate.empty())
            duplicate = parsed.get<std::string>();
        return true;
    };
    try {
        json parsed = json::parse(text, track);
        if (!duplicate.empty()) {
            error = "field \"" + duplicate + "\" given twice";
            return false;
        }
        out = std::move(parsed);
        return true;
    } catch (const json::exception& e) {
        // "[json.exception.parse_error.101] parse error at line 1, ..." without its tag.
        std::string what = e.what();
        const size_t tag = what.find("] ");
        error = tag == std::string::npos ? what : what.substr(tag + 2);
        return false;
    }
}

std::string RecordReader::fieldPath(std::string_view field) const {
    if (field.empty()) return path_.empty() ? std::string("the record") : path_;
    return path_.empty() ? std::string(field) : path_ + "." + std::string(field);
}

bool RecordReader::refuse(const std::string& reason, std::string_view field) {
    if (error_.empty()) error_ = fieldPath(field) + ": " + reason;
    return false;
}

const json* RecordReader::find(std::string_view field) const {
    if (!value_.is_object()) return nullptr;
    const auto it = value_.find(field);
    return it == value_.end() ? nullptr : &*it;
}

bool RecordReader::object(const std::vector<std::string_view>& fields) {
    if (!value_.is_object()) return refuse("expected an object");
    for (const auto& [key, value] : value_.items()) {
        bool known = false;
        for (std::string_view f : fields)
            known = known || key == f;
        if (!known) return refuse("unknown field", key);
    }
    return true;
}

bool RecordReader::text(std::string_view field, Zrl_String& out) {
    const json* v = find(field);
    if (!v) return true;
    if (!v->is_string()) return refuse("expected a text", field);
    out = Zrl_String::fromUtf8(v->get_ref<const std::string&>());
    return true;
}

bool RecordReader::texts(std::string_view field, Zrl_StringArray& out) {
    const json* v = find(field);
    if (!v) return true;
    if (!v->is_array()) return refuse("expected a list of texts", field);
    Zrl_StringArray list;
    for (size_t i = 0; i < v->size(); ++i) {
        if (!(*v)[i].is_string())
            return refuse("expected a text", std::string(field) + "[" + std::to_string(i) + "]");
        list.append(Zrl_String::fromUtf8((*v)[i].get_ref<const std::string&>()));
    }
    out = std::move(list);
    return true;
}

namespace {

// A JSON number that is a whole number within the range of int.
bool wholeNumber(const json& v, int& out) {
    constexpr std::int64_t lo = std::numeric_limits<int>::min();
    constexpr std::int64_t hi = std::numeric_limits<int>::max();
    if (v.is_number_unsigned() && v.get<std::uint64_t>() <= static_cast<std::uint64_t>(hi)) {
        out = static_cast<int>(v.get<std::uint64_t>());
        return true;
    }
    if (v.is_number_integer() && !v.is_number_unsigned() && v.get<std::int64_t>() >= lo &&
        v.get<std::int64_t>() <= hi) {
        out = static_cast<int>(v.get<std::int64_t>());
        return true;
    }
    return false;
}

} // namespace

bool RecordReader::integer(std::string_view field, int& out) {
    const json* v = find(field);
    if (!v) return true;
    if (wholeNumber(*v, out)) return true;
    return refuse("expected a whole number", field);
}

bool RecordReader::integers(std::string_view field, AcArray<int>& out) {
    AcArray<int> list;
    const bool ok = each(field, [&](RecordReader& element) {
        int n = 0;
        if (!wholeNumber(element.value_, n)) return element.refuse("expected a whole number");
        list.append(n);
        return true;
    });
    if (ok && find(field)) out = list;
    return ok;
}

bool RecordReader::number(std::string_view field, double& out) {
    const json* v = find(field);
    if (!v) return true;
    if (!v->is_number() || !std::isfinite(v->get<double>()))
        return refuse("expected a number", field);
    out = v->get<double>();
    return true;
}

bool RecordReader::boolean(std::string_view field, bool& out) {
    const json* v = find(field);
    if (!v) return true;
    if (!v->is_boolean()) return refuse("expected true or false", field);
    out = v->get<bool>();
    return true;
}

bool RecordReader::each(std::string_view field, const std::function<bool(RecordReader&)>& read) {
    const json* v = find(field);
    if (!v) return true;
    if (!v->is_array()) return refuse("expected a list", field);
    for (size_t i = 0; i < v->size(); ++i) {
        RecordReader element((*v)[i], fieldPath(field) + "[" + std::to_string(i) + "]", error_);
        if (!read(element)) return element.refuse("refused");
    }
    return true;
}

bool RecordReader::member(std::string_view field, const std::function<bool(RecordReader&)>& read) {
    const json* v = find(field);
    if (!v) return true;
    RecordReader element(*v, fieldPath(field), error_);
    return read(element);
}

bool RecordReader::members(std::string_view field,
                           const std::function<bool(const std::string&, RecordReader&)>& read) {
    const json* v = find(field);
    if (!v) return true;
    if (!v->is_object()) return refuse("expected an object", field);
    for (const auto& [key, value] : v->items()) {
        RecordReader element(value, fieldPath(field) + "." + key, error_);
        if (!read(key, element)) return element.refuse("refused");
    }
    return true;
}

bool RecordReader::textRows(std::string_view field, Zrl_Array<Zrl_StringArray>& out) {
    Zrl_Array<Zrl_StringArray> rows;
    const bool ok = each(field, [&](RecordReader& row) {
        if (!row.value_.is_array()) return row.refuse("expected a list of texts");
        Zrl_StringArray list;
        for (size_t i = 0; i < row.value_.size(); ++i) {
            if (!row.value_[i].is_string())
                return row.refuse("cell " + std::to_string(i) + ": expected a text");
            list.append(Zrl_String::fromUtf8(row.value_[i].get_ref<const std::string&>()));
        }
        rows.append(list);
        return true;
    });
    if (ok && find(field)) out = std::move(rows);
    return ok;
}

json toJson(const Zrl_String& text) {
    return text.toUtf8();
}

json toJson(const Zrl_StringArray& texts) {
    json list = json::array();
    for (const Zrl_String& t : texts)
        list.push_back(t.toUtf8());
    return list;
}

std::string dumpRecordJson(const json& record) {
    return record.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}
