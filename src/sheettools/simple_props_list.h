// Zrl_SimplePropsList: a small ordered list of named, typed values with a
// text form of its own.
//
// Value types: 0 empty, 1 double, 2 int, 3 long (both 32 bits), 4 string.
// Text form: for each entry, name ¤ type ¤ value ¤ (the separator is the
// single character U+00A4), with no header, count or line break. Doubles are
// written with two decimals.
#pragma once

#include "platform/core/zrl_string.h"

#include <vector>

class Zrl_SimplePropsList {
public:
    static constexpr wchar_t kSeparator = L'\u00A4';

    enum Type { kEmpty = 0, kDouble = 1, kInt = 2, kLong = 3, kString = 4 };

    struct Value {
        int type = kEmpty;
        double number = 0.0; // doubles, ints and longs
        Zrl_String text;     // strings only

        Zrl_String toText() const;
        // A value of `type` read from its text form; an unknown type gives
        // an empty value.
        static Value fromText(int type, const Zrl_String& text);
    };

    struct Entry {
        Zrl_String name;
        Value value;
    };

    Zrl_SimplePropsList() = default;
    virtual ~Zrl_SimplePropsList() = default;

    void clear() { entries_.clear(); }
    int length() const { return static_cast<int>(entries_.size()); }
    const Entry& entry(int index) const { return entries_[static_cast<size_t>(index)]; }

    // Index of the entry with exactly this name (case counts), -1 if none.
    int find(const Zrl_String& name) const;
    // Replaces the value of an existing entry or appends a new one; an empty
    // name is refused.
    bool setValue(const Zrl_String& name, const Value& value);
    bool setInt(const Zrl_String& name, int value);
    bool setBool(const Zrl_String& name, bool value);
    bool setString(const Zrl_String& name, const Zrl_String& value);

    // False (target 0, false or empty) when the name is missing or the entry
    // has another type: ints and bools need type 2, strings type 4.
    bool getInt(const Zrl_String& name, int& value) const;
    bool getBool(const Zrl_String& name, bool& value) const;
    bool getString(const Zrl_String& name, Zrl_String& value) const;

    Zrl_String toText() const;
    // Replaces the list with the triples of `text`. A separator at the very
    // start stops at once; text after the last separator and an incomplete
    // last triple are ignored. False for empty text.
    bool fromText(const Zrl_String& text);
    // As fromText, reading single bytes from a file: the byte 0xA4 ends a
    // field, bytes from 0x80 are Windows-1252 characters. CR LF reads as LF,
    // and line breaks between entries are skipped. False when the path is
    // empty or the file cannot be read.
    bool fromFile(const Zrl_String& path);

private:
    // Sets one triple read from text or file (bad names are skipped).
    void setTriple(const Zrl_String& name, const Zrl_String& type, const Zrl_String& value);

    std::vector<Entry> entries_;
};
