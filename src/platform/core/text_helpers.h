// Text helpers of the core module: splitting and joining lists, duplicates,
// fresh names, sorting, number tests, comments and name checks.
//
// Every `caseSensitive` argument follows the core rule (zrl_string.h): set =
// compare case-sensitively, cleared = ignore case.
#pragma once

#include "platform/core/zrl_array.h"
#include "platform/core/zrl_stringarray.h"

#include <functional>

// A table of texts: a list of rows, each a list of cells.
using Zrl_StringArrayArray = Zrl_Array<Zrl_StringArray>;

// --- splitting and joining

// Splits `text` at every `separator`, keeping empty pieces in place
// ("a;;b" gives "a", "", "b"; "a;" gives "a", ""). An empty text gives an
// empty list. `out` is replaced; the result is the number of pieces.
int strToArr(const Zrl_String& text, Zrl_StringArray& out, wchar_t separator = L';');
// Joins the list with `separator` between entries (none at the end).
Zrl_String arrToStr(const Zrl_StringArray& list, wchar_t separator = L';');

// Splits `text` at every occurrence of `symbol` (a character or a longer
// text), keeping empty pieces so that positions keep their meaning
// ("10x" gives "10", ""). A text without the symbol gives itself as the one
// piece; an empty text gives an empty list. `out` is replaced.
int splitStringAtSymbol(const Zrl_String& text, const Zrl_String& symbol, Zrl_StringArray& out,
                        bool caseSensitive);

// Splits `text` in two at the FIRST occurrence of `separator`: `before` and
// `after` exclude the separator. Without the separator `before` is the whole
// text, `after` is empty and the result is false.
bool splitString(const Zrl_String& text, const Zrl_String& separator, Zrl_String& before,
                 Zrl_String& after, bool caseSensitive);

// The text before the FIRST occurrence of `separator`; the whole text when
// it does not occur ("HEA-100-S" before "-" is "HEA", "HEA" is "HEA").
Zrl_String getSubstrBefore(const Zrl_String& text, const Zrl_String& separator, bool caseSensitive);
// The text after the FIRST occurrence of `separator`; empty when it does not
// occur ("Module.A.B" after "." is "A.B").
Zrl_String getSubstrAfter(const Zrl_String& text, const Zrl_String& separator, bool caseSensitive);

// Rows to lines and back: each row's cells joined with `separator`, and each
// line split with strToArr (so an empty line becomes an empty row).
void arrArrToArr(const Zrl_StringArrayArray& rows, Zrl_StringArray& lines, wchar_t separator);
void arrToArrArr(const Zrl_StringArray& lines, Zrl_StringArrayArray& rows, wchar_t separator);

// The five texts one after the other.
Zrl_String appStrs(const Zrl_String& a, const Zrl_String& b = Zrl_String(),
                   const Zrl_String& c = Zrl_String(), const Zrl_String& d = Zrl_String(),
                   const Zrl_String& e = Zrl_String());

// The five texts as a list, in order, leaving out the empty ones (a fixed
// list of three entries is given as three texts and two empty ones).
Zrl_StringArray stringArr(const Zrl_String& a, const Zrl_String& b = Zrl_String(),
                          const Zrl_String& c = Zrl_String(), const Zrl_String& d = Zrl_String(),
                          const Zrl_String& e = Zrl_String());
// True when `text` contains any of the non-empty texts of `parts`.
bool hasASubstr(const Zrl_String& text, const Zrl_StringArray& parts, bool caseSensitive = true);

// --- duplicates and fresh names

// True when some text occurs more than once. `duplicates` receives each
// repeated text once, in the order of its first repetition.
bool hasDuplicates(const Zrl_StringArray& list, Zrl_StringArray& duplicates, bool caseSensitive);
// The indexes (ascending) of every LATER occurrence of a repeated text: the
// first occurrence is not reported, so removing the reported entries keeps
// the first declaration of each text. True when any were found.
bool getDuplicates(const Zrl_StringArray& list, AcArray<int>& indexes, bool caseSensitive);

// A text that is not in `list` (compared without case), made from `base`:
// the base itself when it is free, else the base with a counter. A base
// ending in digits counts on from that number keeping its width ("A07" gives
// "A08", "A09", ...); other bases get 1, 2, ... appended ("Group" gives
// "Group1"). An empty base counts from "1".
Zrl_String findNonExistingString(const Zrl_StringArray& list, const Zrl_String& base);

// --- ordering

// Natural order: runs of digits compare by their value ("HEA100" before
// "HEA1000" and after "HEA80"), the rest character by character under the
// case flag. <0, 0 or >0.
int compareNatural(const Zrl_String& a, const Zrl_String& b, bool caseSensitive);
// Sorts the list ascending in natural order; equal entries keep their order.
void sortArray(Zrl_StringArray& list, bool caseSensitive = false);
// Inserts `text` into a list kept in natural order, after any equal entries;
// returns its index.
int ObjectExportAddToSorted(Zrl_StringArray& list, const Zrl_String& text,
                            bool caseSensitive = false);

// --- numbers in texts

// True when the whole text (blanks around allowed) is a decimal number:
// optional sign, digits with an optional "." and an optional exponent.
bool isNumber(const Zrl_String& text);
// True when the first character is a digit 0-9.
bool startsWithNumber(const Zrl_String& text);
// Position of the first digit, -1 when there is none; `digits` (optional)
// receives the run of digits that starts there.
int findFirstNumbers(const Zrl_String& text, Zrl_String* digits = nullptr);
// The text without its trailing digits ("Macro12" gives "Macro").
Zrl_String stripNumbersAtEnd(const Zrl_String& text);
// Column letters of a 1-based number: 1 is "A", 26 "Z", 27 "AA", 702 "ZZ",
// 703 "AAA". Empty for numbers below 1.
Zrl_String getAlfabet(int number);

// --- comments

// The text before the first `marker` ("//" by default).
Zrl_String removeLineComment(const Zrl_String& text, const Zrl_String& marker = L"//");
// Removes block comments from "/*" to "*/" (they may span lines; an open
// comment runs to the end), then line comments "//". Lines keep their
// places: a line inside a block comment becomes empty.
void removeComments(Zrl_StringArray& lines);

// --- name checks

// True when the text is not empty and holds only letters and digits.
// Letters are those of the alphabets the case folding knows (Latin, Greek,
// Cyrillic); "_", blanks and punctuation are not letters.
bool hasOnlyLettersNumbers(const Zrl_String& text);
// True when the text holds a character a file name may not hold:
// \ / : * ? " < > | or a control character below U+0020.
bool hasInvalidFileNameChars(const Zrl_String& text);
// A random text of `length` characters: letters A-Z and a-z, and digits 0-9
// when `withDigits` is set.
Zrl_String generateRandomString(int length, bool withDigits = true);
// Replaces the source of generateRandomString (tests make draws predictable
// or exhaust them); an empty function restores the random one. Returns the
// source it replaced.
using RandomStringSource = std::function<Zrl_String(int length, bool withDigits)>;
RandomStringSource setRandomStringSource(RandomStringSource source);
