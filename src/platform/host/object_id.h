// AcDbObjectId: the host's identifier of a drawing object. A null id names
// no object. Ids compare and hash by value, so they can key maps and sit in
// an AcArray.
#pragma once

#include <compare>
#include <cstdint>
#include <functional>

class AcDbObjectId {
public:
    AcDbObjectId() = default;
    explicit AcDbObjectId(std::int64_t value) : value_(value) {}

    static const AcDbObjectId kNull;

    bool isNull() const { return value_ == 0; }
    void setNull() { value_ = 0; }
    // The id as a plain number (0 for null), and back.
    std::int64_t asOldId() const { return value_; }
    AcDbObjectId& setFromOldId(std::int64_t value) {
        value_ = value;
        return *this;
    }

    friend bool operator==(const AcDbObjectId&, const AcDbObjectId&) = default;
    friend auto operator<=>(const AcDbObjectId&, const AcDbObjectId&) = default;

private:
    std::int64_t value_ = 0;
};

inline const AcDbObjectId AcDbObjectId::kNull{};

template <> struct std::hash<AcDbObjectId> {
    std::size_t operator()(const AcDbObjectId& id) const noexcept {
        return std::hash<std::int64_t>()(id.asOldId());
    }
};
