#include "runtime/Variant.h"

#include <cctype>
#include <cmath>
#include <cstdio>

#include "runtime/DateFormat.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/NumberReading.h"
#include "runtime/Rounding.h"

namespace runtime {

Variant VariantObject::Value() const { return {}; }

bool Variant::IsNumeric() const {
    switch (GetType()) {
    case Type::Boolean: case Type::Byte: case Type::Integer: case Type::Long:
    case Type::Single: case Type::Double: case Type::Currency: case Type::Date:
        return true;
    default:
        return false;
    }
}


std::string Variant::ToText() const {
    const NumberSeparators& separators = UserSeparators();
    switch (GetType()) {
    case Type::Empty: return {};
    case Type::Null: throw Error(errors::InvalidUseOfNull);
    case Type::Boolean: return std::get<bool>(value_) ? "True" : "False";
    case Type::Byte: return std::to_string(std::get<std::uint8_t>(value_));
    case Type::Integer: return std::to_string(std::get<std::int16_t>(value_));
    case Type::Long: return std::to_string(std::get<std::int32_t>(value_));
    case Type::Single: {
        // A Single shows 7 significant digits.
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.7g", static_cast<double>(std::get<float>(value_)));
        return GeneralNumberText(ReadLeadingNumber(buffer), separators);
    }
    case Type::Double: return GeneralNumberText(std::get<double>(value_), separators);
    case Type::Currency:
        return GeneralNumberText(static_cast<double>(std::get<Currency>(value_).scaled) / 10000.0, separators);
    case Type::Date: return FormatDate(std::get<Date>(value_).serial, "General Date");
    case Type::String: return std::get<std::string>(value_);
    case Type::Object: {
        const ObjectRef& object = std::get<ObjectRef>(value_);
        if (!object) throw Error(errors::ObjectVariableNotSet, "Object variable not set");
        return object->Value().ToText();
    }
    case Type::Error: return "Error " + std::to_string(std::get<ErrorValue>(value_).code);
    case Type::Array: throw Error(errors::TypeMismatch);
    }
    throw Error(errors::TypeMismatch);
}

double Variant::ToDouble() const {
    switch (GetType()) {
    case Type::Empty: return 0;
    case Type::Null: throw Error(errors::InvalidUseOfNull);
    case Type::Boolean: return std::get<bool>(value_) ? -1.0 : 0.0;
    case Type::Byte: return std::get<std::uint8_t>(value_);
    case Type::Integer: return std::get<std::int16_t>(value_);
    case Type::Long: return std::get<std::int32_t>(value_);
    case Type::Single: return std::get<float>(value_);
    case Type::Double: return std::get<double>(value_);
    case Type::Currency: return static_cast<double>(std::get<Currency>(value_).scaled) / 10000.0;
    case Type::Date: return std::get<Date>(value_).serial;
    case Type::String: {
        auto parsed = ParseLocaleNumber(std::get<std::string>(value_), UserSeparators());
        if (!parsed) throw Error(errors::TypeMismatch);
        return *parsed;
    }
    case Type::Object: {
        const ObjectRef& object = std::get<ObjectRef>(value_);
        if (!object) throw Error(errors::ObjectVariableNotSet, "Object variable not set");
        return object->Value().ToDouble();
    }
    case Type::Error:
    case Type::Array:
        throw Error(errors::TypeMismatch);
    }
    throw Error(errors::TypeMismatch);
}

bool Variant::ToBoolean() const {
    if (GetType() == Type::Boolean) return std::get<bool>(value_);
    if (GetType() == Type::String) {
        const std::string& text = std::get<std::string>(value_);
        auto equals = [&text](std::string_view word) {
            if (text.size() != word.size()) return false;
            for (std::size_t i = 0; i < text.size(); ++i)
                if (std::tolower(static_cast<unsigned char>(text[i])) != word[i]) return false;
            return true;
        };
        if (equals("true")) return true;
        if (equals("false")) return false;
    }
    return ToDouble() != 0;
}

std::int16_t Variant::ToInteger() const { return RoundToInteger(ToDouble()); }
std::int32_t Variant::ToLong() const { return RoundToLong(ToDouble()); }

}  // namespace runtime
