#include "runtime/NumberSeparators.h"

#include <clocale>

namespace runtime {

namespace {
NumberSeparators& Current() {
    static NumberSeparators separators;
    return separators;
}
}  // namespace

const NumberSeparators& UserSeparators() { return Current(); }

void SetUserSeparators(NumberSeparators separators) {
    // A character, not a one-letter string: g++ 12 warns falsely (-Wrestrict)
    // on the string's inlined copy in release builds.
    if (separators.decimal.empty()) separators.decimal = '.';
    Current() = std::move(separators);
}

NumberSeparators SeparatorsFromCLocale() {
    NumberSeparators result;
    if (const std::lconv* conv = std::localeconv()) {
        if (conv->decimal_point && *conv->decimal_point) result.decimal = conv->decimal_point;
        if (conv->thousands_sep) result.thousands = conv->thousands_sep;
    }
    return result;
}

}  // namespace runtime
