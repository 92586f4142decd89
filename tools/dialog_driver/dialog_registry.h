// The dialogs that `zrlss dialog` and the dialog tests can open by name.
//
// Each dialog file of this folder adds its entry through a static
// DialogRegistrar: a short lower-case name, the starter it calls, a one-line
// description and a factory of sessions. A session holds one run's record:
// it reads the record from JSON (refusing unknown fields and wrong types
// with the field's path) before anything opens, calls the starter, and
// writes the record back as JSON.
#pragma once

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

class RecordReader;

namespace dialogs {

// Options of a run beside the record.
struct DialogOptions {
    std::string sheet;   // a sheet file for the dialogs that work on one
    std::string baseDir; // relative file names of the record are found from here
};

// Refuses a --sheet given to a dialog that takes none.
bool refuseSheet(const DialogOptions& options, std::string& error);

class DialogSession {
public:
    virtual ~DialogSession() = default;
    // Takes the record (null: the default record) and the options; false with
    // a one-line reason naming the refused field or option.
    virtual bool prepare(const std::string* recordJson, const DialogOptions& options,
                         std::string& error) = 0;
    // Calls the starter; answers its result (true or false, "IDOK",
    // "IDCANCEL", or null for a starter without one).
    virtual nlohmann::json start() = 0;
    // The record as it is now.
    virtual nlohmann::json record() const = 0;
};

// A session whose record is one JSON object: the steps every such dialog
// takes before reading its own fields.
class RecordSession : public DialogSession {
public:
    bool prepare(const std::string* recordJson, const DialogOptions& options,
                 std::string& error) final;

protected:
    // Before the record is read: takes the options (the default refuses
    // --sheet).
    virtual bool setUp(const DialogOptions& options, std::string& error);
    // The record's fields, read into the session.
    virtual bool readFields(const nlohmann::json& root, RecordReader& reader,
                            std::string& error) = 0;

    DialogOptions options_;
};

// A session over a record that has its own JSON reader and writer, opened
// by a starter taking the record.
template <class Record> class RecordFunctionsSession : public DialogSession {
public:
    using Read = bool (*)(std::string_view, Record&, std::string&);
    using Write = std::string (*)(const Record&);
    using Start = bool (*)(Record&);
    RecordFunctionsSession(Read read, Write write, Start start)
        : read_(read), write_(write), start_(start) {}

    bool prepare(const std::string* json, const DialogOptions& options,
                 std::string& error) override {
        if (!refuseSheet(options, error)) return false;
        return json == nullptr || read_(*json, data_, error);
    }
    nlohmann::json start() override { return start_(data_); }
    nlohmann::json record() const override { return nlohmann::json::parse(write_(data_)); }

private:
    Read read_;
    Write write_;
    Start start_;
    Record data_;
};

struct DialogEntry {
    std::string name;
    std::string starter; // what the entry calls
    std::string description;
    std::function<std::unique_ptr<DialogSession>()> session;
};

// Every entry, by name.
const std::vector<DialogEntry>& registeredDialogs();
const DialogEntry* findDialog(std::string_view name);

struct DialogRegistrar {
    explicit DialogRegistrar(DialogEntry entry);
};

// Shared pieces of the dialog files.
// `name` found from the options' base folder when it is relative.
std::string resolveFrom(const DialogOptions& options, const std::string& name);
// A dialog end code as the scripts name it ("IDOK", "IDCANCEL", else the number).
nlohmann::json endCodeJson(long long code);

} // namespace dialogs
