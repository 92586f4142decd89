// Zrl_PropertiesList: named integer, double and text properties, kept in the
// order they were first set, with a file form that reads back exactly what was
// written (syntax in docs/core-files.md).
//
// Names are compared exactly (case-sensitively); an empty name is refused.
// Setting a name again replaces its value and type in place.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/host/acadstatus.h"

#include <variant>
#include <vector>

class Zrl_PropertiesList {
public:
    Zrl_PropertiesList() = default;
    virtual ~Zrl_PropertiesList() = default;
    Zrl_PropertiesList(const Zrl_PropertiesList&) = default;
    Zrl_PropertiesList& operator=(const Zrl_PropertiesList&) = default;
    Zrl_PropertiesList(Zrl_PropertiesList&&) noexcept = default;
    Zrl_PropertiesList& operator=(Zrl_PropertiesList&&) noexcept = default;

    // eInvalidInput for an empty name (or a non-finite double).
    ErrorStatus setProperty(const Zrl_String& name, int value);
    ErrorStatus setProperty(const Zrl_String& name, double value);
    ErrorStatus setProperty(const Zrl_String& name, const Zrl_String& value);
    ErrorStatus setProperty(const Zrl_String& name, const wchar_t* value) {
        return setProperty(name, Zrl_String(value));
    }

    // eKeyNotFound when there is no such property; eInvalidInput when it has
    // another type (an integer may be read as a double); `value` is then
    // unchanged.
    ErrorStatus getProperty(const Zrl_String& name, int& value) const;
    ErrorStatus getProperty(const Zrl_String& name, double& value) const;
    ErrorStatus getProperty(const Zrl_String& name, Zrl_String& value) const;

    bool hasProperty(const Zrl_String& name) const { return find(name) >= 0; }
    ErrorStatus removeProperty(const Zrl_String& name);
    int length() const { return static_cast<int>(entries_.size()); }
    Zrl_String nameAt(int index) const;
    void clear() {
        entries_.clear();
        slots_.clear();
    }

    // Replaces the list with the file's properties. eFileNotFound when the
    // file cannot be read, eInvalidInput when a line is malformed; the list
    // is then unchanged.
    ErrorStatus readFromFile(const Zrl_String& path);
    // Writes the whole list, replacing the file atomically; eInvalidInput
    // when it could not be written (an existing file is then unchanged).
    ErrorStatus writeToFile(const Zrl_String& path) const;

    bool operator==(const Zrl_PropertiesList& other) const { return entries_ == other.entries_; }

private:
    using Value = std::variant<int, double, Zrl_String>;
    struct Entry {
        Zrl_String name;
        Value value;
        size_t hash = 0; // of name, kept so that growing the index does not hash again
        bool operator==(const Entry&) const = default;
    };
    // The slot of `name` in slots_: the one holding its position, or the
    // empty one where it would go. slots_ must not be empty.
    size_t slotOf(const Zrl_String& name, size_t hash) const;
    int find(const Zrl_String& name) const;
    ErrorStatus set(const Zrl_String& name, Value value);
    void rebuildIndex(size_t slotCount);

    std::vector<Entry> entries_;
    // The position of each name in entries_ (-1 for a free slot), open
    // addressing over a power-of-two table at most half full, so that a
    // look-up hashes the name once and does not walk the list (a template of
    // 1,000 controls holds 7,001 properties).
    std::vector<int> slots_;
};
