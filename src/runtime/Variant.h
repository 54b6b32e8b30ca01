#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace runtime {

class Variant;

// An object held in a Variant; its default (value) property is what
// conversions of the Variant read.
class VariantObject {
public:
    virtual ~VariantObject() = default;
    virtual Variant Value() const;
};

struct Empty {
    bool operator==(const Empty&) const = default;
};
struct Null {
    bool operator==(const Null&) const = default;
};
// A fixed-point amount with four decimals, stored as units of 1/10000.
struct Currency {
    std::int64_t scaled = 0;
    bool operator==(const Currency&) const = default;
};
// A date as days since 30 December 1899, the time as the fraction.
struct Date {
    double serial = 0;
    bool operator==(const Date&) const = default;
};
struct ErrorValue {
    std::int32_t code = 0;
    bool operator==(const ErrorValue&) const = default;
};

using ObjectRef = std::shared_ptr<VariantObject>;
using ArrayRef = std::shared_ptr<std::vector<Variant>>;

// The dynamically typed value of the program: what a cell, a setting or a
// property may hold before it is converted for use.
class Variant {
public:
    enum class Type {
        Empty, Null, Boolean, Byte, Integer, Long, Single, Double,
        Currency, Date, String, Object, Error, Array
    };

    Variant() = default;
    Variant(Empty) {}
    Variant(Null v) : value_(v) {}
    Variant(bool v) : value_(v) {}
    Variant(std::uint8_t v) : value_(v) {}
    Variant(std::int16_t v) : value_(v) {}
    Variant(std::int32_t v) : value_(v) {}
    Variant(float v) : value_(v) {}
    Variant(double v) : value_(v) {}
    Variant(Currency v) : value_(v) {}
    Variant(Date v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(ObjectRef v) : value_(std::move(v)) {}
    Variant(ErrorValue v) : value_(v) {}
    Variant(ArrayRef v) : value_(std::move(v)) {}

    Type GetType() const { return static_cast<Type>(value_.index()); }
    bool IsEmpty() const { return GetType() == Type::Empty; }
    bool IsNull() const { return GetType() == Type::Null; }
    bool IsText() const { return GetType() == Type::String; }
    bool IsNumeric() const;  // Boolean through Currency, and Date

    // Direct access; only valid for the matching type.
    const std::string& Text() const { return std::get<std::string>(value_); }
    const ObjectRef& Object() const { return std::get<ObjectRef>(value_); }
    const ArrayRef& Array() const { return std::get<ArrayRef>(value_); }
    Date AsDate() const { return std::get<Date>(value_); }

    // Conversions. Each raises Error 13 (type mismatch) where the value has
    // no such reading, 94 for Null, and 6 (overflow) when out of range.
    std::string ToText() const;     // as the value is shown: numbers with the user's decimal mark
    double ToDouble() const;        // text is read with the user's separators
    bool ToBoolean() const;
    std::int16_t ToInteger() const;  // rounded to nearest, halves to even
    std::int32_t ToLong() const;     // rounded to nearest, halves to even

    bool operator==(const Variant& other) const { return value_ == other.value_; }

private:
    using Storage = std::variant<Empty, Null, bool, std::uint8_t, std::int16_t, std::int32_t,
                                 float, double, Currency, Date, std::string, ObjectRef,
                                 ErrorValue, ArrayRef>;
    Storage value_;
};

}  // namespace runtime
