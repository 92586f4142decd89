// Text rules of a standards sheet: declarations, section bounds, equations,
// child calls, and the whole-word replacement of names (variable names by
// cell addresses, general variable names by their values).
//
// These work on texts only, so that the sheet class and the tools that read
// a sheet share one reading of its conventions.
#pragma once

#include "platform/core/zrl_string.h"
#include "platform/core/zrl_stringarray.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace calc_area {

// A character that belongs to a word: ASCII letter, digit or "_". A name
// found with one of these right before or right after it is part of a
// longer word and is left alone.
bool isWordChar(wchar_t ch);

// Replaces whole-word occurrences of names by texts, in one pass over the
// text. A replacement that was put in is never looked at again, so a text
// put in for one name is never taken for another name (a variable named H1
// stays itself even when another variable lives in cell H1). Where names
// overlap at one place, the longest wins ("P.Name" before "P"). Names are
// compared without case, like variable names everywhere in a sheet.
class WordReplacer {
public:
    // Adds a name; a name added before (without case) keeps its first text.
    // Empty names are ignored.
    void add(const Zrl_String& name, const Zrl_String& with);
    bool empty() const { return with_.empty(); }
    int size() const { return static_cast<int>(with_.size()); }

    // Replaces in `text`; returns the number of replacements. With
    // `skipQuoted`, text between double quotes (a text constant of a
    // formula) is left as it is.
    int apply(Zrl_String& text, bool skipQuoted) const;

private:
    std::unordered_map<std::wstring, int> index_; // folded name -> entry
    std::vector<Zrl_String> with_;
    std::vector<int> lengths_; // distinct name lengths, longest first
    std::vector<bool> firstAscii_ = std::vector<bool>(128, false);
    bool firstOther_ = false;  // some name starts with a non-ASCII character
    mutable std::wstring key_; // scratch buffer for look-ups
};

// The bounds of the sections "Input", "Output", "Local" and "Calc".
// starts[k] is the row below the title of section k, 0 when the title is
// missing. A section ends on the row of the nearest title below it (the
// nearest greater start row minus one), else on `lastRow`.
int sectionEndRow(const int* starts, int count, int section, int lastRow);

// An equation "name = expression", split at the first "=" with blanks
// trimmed from both parts. Without "=" the whole (trimmed) text is the
// expression and `assignment` is false.
struct Equation {
    Zrl_String name;
    Zrl_String expression;
    bool assignment = false;
};
Equation splitEquation(const Zrl_String& text);

// The name of the module's own function that an equation can call.
inline const wchar_t* kCallChild = L"CallChild";

// Reads "CallChild(file, var1, var2, ...)" out of an expression: the text
// between the first "(" after the name and the first ")" after the name is
// split at ","; the first part (quotes and blanks removed) is the file, the
// others (blanks removed) the variable names. False when the name or a
// parenthesis is missing or fewer than two parts are given.
bool parseChildCall(const Zrl_String& expression, Zrl_String& file, Zrl_StringArray& vars);

// A general variable's value as it goes into a cell: a number as it is, any
// other text in double quotes.
Zrl_String genVarLiteral(const Zrl_String& value);

} // namespace calc_area
