// The criteria of COUNTIF and SUMIF: "5", ">=2", "<>x", "ab*". Private to
// the engine.
#pragma once

#include "platform/spread/formula_values.h"

namespace spread {

class Criterion {
public:
    explicit Criterion(const Value& criterion);
    bool matches(const Value& v) const;

private:
    enum class Cmp : uint8_t { Eq, Ne, Lt, Le, Gt, Ge };
    Cmp cmp_ = Cmp::Eq;
    Value operand_;
    bool wild_ = false; // text operand of = or <> with wildcards
};

} // namespace spread
