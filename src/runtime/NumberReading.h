#pragma once

#include <optional>
#include <string_view>

#include "runtime/NumberSeparators.h"

namespace runtime {

// Reads the number at the start of a text the way a field's value is read:
// blanks, tabs and line feeds are skipped wherever they occur, then an
// optional sign, digits with "." as the only decimal mark and an optional
// exponent (E or D) are taken; "&H" and "&O" read a hexadecimal or octal
// integer instead. Reading stops at the first character that does not fit;
// a text without a leading number reads as 0. Independent of the locale.
double ReadLeadingNumber(std::string_view text);

// Reads a whole text as a number by the user's regional rules (decimal mark
// and thousands separator of `separators`, surrounding blanks allowed).
// Returns nothing when the text is not a number.
std::optional<double> ParseLocaleNumber(std::string_view text, const NumberSeparators& separators);

}  // namespace runtime
