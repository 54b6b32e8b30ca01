#pragma once

#include <string>

namespace runtime {

// The user's decimal mark and thousands separator, used when numbers are
// shown as text and when text is read as a number by the regional rules.
struct NumberSeparators {
    std::string decimal = ".";
    std::string thousands = ",";
};

const NumberSeparators& UserSeparators();
void SetUserSeparators(NumberSeparators separators);

// The separators of the C library's current numeric locale (after
// setlocale(LC_NUMERIC, "") this is the user's choice).
NumberSeparators SeparatorsFromCLocale();

}  // namespace runtime
