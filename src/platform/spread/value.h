// The value of a cell or of an expression: empty, number, text, logical or
// error. Spreadsheet errors are values, never exceptions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace spread {

enum class ErrorKind : uint8_t {
    Null,  // #NULL!
    Div0,  // #DIV/0!
    Value, // #VALUE!
    Ref,   // #REF!
    Name,  // #NAME?
    Num,   // #NUM!
    NA,    // #N/A
    Cycle, // #CYCLE!  (a cell on a circular reference)
};

// "#DIV/0!" and the like.
std::wstring_view errorName(ErrorKind kind);
// The error named by text, if it is one of the names above.
bool parseErrorName(std::wstring_view text, ErrorKind& kind);

struct Empty {
    bool operator==(const Empty&) const = default;
};

class Value {
public:
    enum class Type : uint8_t { Empty, Number, Text, Logical, Error };

    Value() = default;
    Value(double number) : v_(number) {}
    Value(int number) : v_(static_cast<double>(number)) {}
    Value(std::wstring text) : v_(std::move(text)) {}
    Value(const wchar_t* text) : v_(std::wstring(text)) {}
    static Value logical(bool b) { return Value(Tag{}, b); }
    static Value error(ErrorKind e) { return Value(Tag{}, e); }

    Type type() const { return static_cast<Type>(v_.index()); }
    bool isEmpty() const { return type() == Type::Empty; }
    bool isNumber() const { return type() == Type::Number; }
    bool isText() const { return type() == Type::Text; }
    bool isLogical() const { return type() == Type::Logical; }
    bool isError() const { return type() == Type::Error; }

    double number() const { return std::get<double>(v_); }
    const std::wstring& text() const { return std::get<std::wstring>(v_); }
    bool logicalValue() const { return std::get<bool>(v_); }
    ErrorKind errorKind() const { return std::get<ErrorKind>(v_); }

    // The value text the module reads: a number in its shortest exact decimal
    // form ("0.1", "12", "1E+20" style not used: plain digits up to 1e21,
    // exponent form beyond), a text as is, a logical as "1" or "0", an error
    // by its name, an empty value as "".
    std::wstring toText() const;

    bool operator==(const Value& other) const = default;

private:
    struct Tag {};
    Value(Tag, bool b) : v_(b) {}
    Value(Tag, ErrorKind e) : v_(e) {}
    std::variant<Empty, double, std::wstring, bool, ErrorKind> v_;
};

// Shortest decimal text that reads back as exactly `number` (locale-free).
std::wstring numberToText(double number);
// Reads a whole text as a number the way a spreadsheet reads typed input and
// "3"+4: blanks around allowed, decimal point ".", optional exponent and a
// trailing "%" (divides by 100). False when the text is not a number.
bool textToNumber(std::wstring_view text, double& number);

} // namespace spread
