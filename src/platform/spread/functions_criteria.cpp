#include "platform/spread/functions_criteria.h"

#include "platform/text/fold.h"

namespace spread {

Criterion::Criterion(const Value& criterion) {
    if (!criterion.isText()) {
        // A number, logical value or error matches its equal; a blank cell
        // as the criterion is the number 0.
        operand_ = criterion.isEmpty() ? Value(0.0) : criterion;
        return;
    }
    std::wstring_view t = criterion.text();
    static constexpr std::pair<std::wstring_view, Cmp> kOps[] = {
        {L"<=", Cmp::Le}, {L">=", Cmp::Ge}, {L"<>", Cmp::Ne},
        {L"<", Cmp::Lt},  {L">", Cmp::Gt},  {L"=", Cmp::Eq},
    };
    for (const auto& [text, cmp] : kOps) {
        if (t.substr(0, text.size()) == text) {
            cmp_ = cmp;
            t.remove_prefix(text.size());
            break;
        }
    }
    double d = 0;
    ErrorKind e;
    if (textToNumber(t, d))
        operand_ = d;
    else if (zrltext::equalNoCase(t, L"TRUE") || zrltext::equalNoCase(t, L"FALSE"))
        operand_ = Value::logical(zrltext::equalNoCase(t, L"TRUE"));
    else if (parseErrorName(t, e))
        operand_ = Value::error(e);
    else {
        operand_ = Value(std::wstring(t));
        wild_ = (cmp_ == Cmp::Eq || cmp_ == Cmp::Ne) &&
                t.find_first_of(L"?*~") != std::wstring_view::npos;
    }
}

bool Criterion::matches(const Value& v) const {
    bool same = false;
    const Value& op = operand_;
    if (op.isText() && op.text().empty()) {
        // "" or "=": blank cells and empty texts; "<>": every cell that is
        // not blank, empty texts included.
        if (cmp_ == Cmp::Eq) return v.isEmpty() || (v.isText() && v.text().empty());
        if (cmp_ == Cmp::Ne) return !v.isEmpty();
        return false;
    }
    if (cmp_ == Cmp::Eq || cmp_ == Cmp::Ne) {
        if (op.isNumber()) {
            double d = 0;
            // A text that reads as the number is equal to it, but not
            // unequal: "<>5" excludes only the number 5.
            same = (v.isNumber() && v.number() == op.number()) ||
                   (cmp_ == Cmp::Eq && v.isText() && textToNumber(v.text(), d) &&
                    d == op.number());
        } else if (op.isText()) {
            same = v.isText() && (wild_ ? wildcardMatch(op.text(), v.text())
                                        : zrltext::equalNoCase(op.text(), v.text()));
        } else {
            same = v.type() == op.type() && v == op;
        }
        return cmp_ == Cmp::Eq ? same : !same;
    }
    // Ordering compares only values of the operand's own type.
    if (v.type() != op.type() || v.isError()) return false;
    int c = compareValues(v, op);
    switch (cmp_) {
    case Cmp::Lt:
        return c < 0;
    case Cmp::Le:
        return c <= 0;
    case Cmp::Gt:
        return c > 0;
    case Cmp::Ge:
        return c >= 0;
    default:
        return false;
    }
}

} // namespace spread
