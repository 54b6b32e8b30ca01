#include "calc/inputs/NumVal.h"

#include "runtime/NumberReading.h"

namespace calc {

double NumVal(std::string_view text, double factor) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negate = false;
    bool scaled = false;
    if (!text.empty()) {
        char first = text.front();
        if (first == '>' || first == '<' || first == '~') {
            text.remove_prefix(1);
        } else if (first == '-') {
            text.remove_prefix(1);
            negate = true;
        } else if (first == '$') {
            text.remove_prefix(1);
            scaled = true;
        }
    }
    if (!text.empty() && text.back() == '$') scaled = true;
    double value = runtime::ReadLeadingNumber(text);
    if (scaled && factor > 0) value *= factor;
    return negate ? -value : value;
}

double NumVal(const runtime::Variant& value, double factor) {
    using Type = runtime::Variant::Type;
    switch (value.GetType()) {
    case Type::Empty:
    case Type::Null:
    case Type::Error:
        return 0;
    case Type::Object:
        return value.Object() ? NumVal(value.Object()->Value(), factor) : 0;
    case Type::Array:
        return value.Array() && !value.Array()->empty() ? NumVal(value.Array()->front(), factor) : 0;
    case Type::String:
        return NumVal(std::string_view(value.Text()), factor);
    default:
        return value.ToDouble();
    }
}

}  // namespace calc
