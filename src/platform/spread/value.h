// The value of a cell or of an expression: empty, number, text, logical or
// error. Spreadsheet errors are values, never exceptions.
#pragma once

#include "platform/spread/spread_api.h"

#include <atomic>
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
    Spill, // #SPILL!  (kept as read from workbooks of other programs)
    Calc,  // #CALC!   (likewise)
};

// "#DIV/0!" and the like.
ZRLSPREAD_API std::wstring_view errorName(ErrorKind kind);
// The error named by text, if it is one of the names above.
ZRLSPREAD_API bool parseErrorName(std::wstring_view text, ErrorKind& kind);

struct Empty {
    bool operator==(const Empty&) const = default;
};

// 16 bytes, as every cell holds one: a text lives on the heap, never changes
// once made, and is shared by the copies of a value (counted references), so
// copying a sheet or passing a text value along allocates nothing. Reading a
// value as the wrong kind throws std::bad_variant_access.
class ZRLSPREAD_API Value {
public:
    enum class Type : uint8_t { Empty, Number, Text, Logical, Error };

    Value() noexcept { u_.number = 0; }
    Value(double number) noexcept : type_(Type::Number) { u_.number = number; }
    Value(int number) noexcept : Value(static_cast<double>(number)) {}
    Value(std::wstring text) : type_(Type::Text) { u_.text = new SharedText{std::move(text), {1}}; }
    Value(const wchar_t* text) : Value(std::wstring(text)) {}
    static Value logical(bool b) noexcept {
        Value v;
        v.type_ = Type::Logical;
        v.u_.logical = b;
        return v;
    }
    static Value error(ErrorKind e) noexcept {
        Value v;
        v.type_ = Type::Error;
        v.u_.error = e;
        return v;
    }

    Value(const Value& o) noexcept : type_(o.type_), u_(o.u_) {
        if (type_ == Type::Text) u_.text->refs.fetch_add(1, std::memory_order_relaxed);
    }
    // A value moved from is empty.
    Value(Value&& o) noexcept : type_(o.type_), u_(o.u_) { o.type_ = Type::Empty; }
    Value& operator=(const Value& o) noexcept {
        if (this != &o) *this = Value(o);
        return *this;
    }
    Value& operator=(Value&& o) noexcept {
        if (this != &o) {
            release();
            type_ = o.type_;
            u_ = o.u_;
            o.type_ = Type::Empty;
        }
        return *this;
    }
    ~Value() { release(); }

    Type type() const { return type_; }
    bool isEmpty() const { return type_ == Type::Empty; }
    bool isNumber() const { return type_ == Type::Number; }
    bool isText() const { return type_ == Type::Text; }
    bool isLogical() const { return type_ == Type::Logical; }
    bool isError() const { return type_ == Type::Error; }

    double number() const { return expect(Type::Number).number; }
    const std::wstring& text() const { return expect(Type::Text).text->text; }
    bool logicalValue() const { return expect(Type::Logical).logical; }
    ErrorKind errorKind() const { return expect(Type::Error).error; }

    // The value text the module reads: a number in its shortest exact decimal
    // form ("0.1", "12", "1E+20" style not used: plain digits up to 1e21,
    // exponent form beyond), a text as is, a logical as "1" or "0", an error
    // by its name, an empty value as "".
    std::wstring toText() const;
    // The same text in place of what `out` held, in its storage.
    void textInto(std::wstring& out) const;

    bool operator==(const Value& other) const {
        if (type_ != other.type_) return false;
        switch (type_) {
        case Type::Number:
            return u_.number == other.u_.number;
        case Type::Text:
            return u_.text == other.u_.text || u_.text->text == other.u_.text->text;
        case Type::Logical:
            return u_.logical == other.u_.logical;
        case Type::Error:
            return u_.error == other.u_.error;
        default:
            return true;
        }
    }

private:
    struct SharedText {
        const std::wstring text;
        std::atomic<uint32_t> refs;
    };
    union Payload {
        double number;
        SharedText* text;
        bool logical;
        ErrorKind error;
    };
    const Payload& expect(Type t) const {
        if (type_ != t) throw std::bad_variant_access();
        return u_;
    }
    void release() noexcept {
        if (type_ == Type::Text && u_.text->refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete u_.text;
    }

    Type type_ = Type::Empty;
    Payload u_;
};
static_assert(sizeof(Value) == 16, "every cell holds a value");

// Shortest decimal text that reads back as exactly `number` (locale-free).
ZRLSPREAD_API std::wstring numberToText(double number);
// The same text written into [first, last) (400 characters are always
// enough); returns its end.
ZRLSPREAD_API char* numberChars(double number, char* first, char* last);
// Reads a whole text as a number the way a spreadsheet reads typed input and
// "3"+4: blanks around allowed, decimal point ".", optional exponent and a
// trailing "%" (divides by 100). False when the text is not a number.
ZRLSPREAD_API bool textToNumber(std::wstring_view text, double& number);

} // namespace spread
