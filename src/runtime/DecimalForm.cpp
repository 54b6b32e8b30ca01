#include "runtime/DecimalForm.h"

#include <charconv>
#include <cstdlib>

namespace runtime {

DecimalForm DecimalForm::Of(double absValue) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, absValue,
                                std::chars_format::scientific, 14);
    std::string text(buffer, result.ptr);  // d.dddddddddddddde+XX
    DecimalForm form;
    std::size_t e = text.find('e');
    form.digits = text.substr(0, 1) + text.substr(2, e - 2);
    form.pointPosition = std::atoi(text.c_str() + e + 1) + 1;
    while (form.digits.size() > 1 && form.digits.back() == '0') form.digits.pop_back();
    if (form.digits == "0") form.pointPosition = 1;
    return form;
}

bool DecimalForm::IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }

DecimalForm DecimalForm::RoundedTo(int fractionDigits) const {
    int keep = pointPosition + fractionDigits;
    if (keep >= static_cast<int>(digits.size())) return *this;
    DecimalForm out = *this;
    if (keep < 0) return DecimalForm{"0", 1};
    bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    out.digits = digits.substr(0, static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && out.digits[static_cast<std::size_t>(i)] == '9') {
            out.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++out.digits[static_cast<std::size_t>(i)];
        } else {
            out.digits.insert(out.digits.begin(), '1');
            ++out.pointPosition;
        }
    }
    if (out.digits.empty() || out.IsZero()) return DecimalForm{"0", 1};
    while (out.digits.size() > 1 && out.digits.back() == '0') out.digits.pop_back();
    return out;
}

std::string DecimalForm::IntegerDigits() const {
    if (IsZero() || pointPosition <= 0) return {};
    std::string result = digits.substr(0, std::min<std::size_t>(digits.size(), static_cast<std::size_t>(pointPosition)));
    result.append(static_cast<std::size_t>(pointPosition) - result.size(), '0');
    return result;
}

std::string DecimalForm::FractionDigits(int fractionDigits) const {
    std::string result;
    if (fractionDigits <= 0) return result;
    for (int i = 0; i < fractionDigits; ++i) {
        int index = pointPosition + i;
        char digit = '0';
        if (!IsZero() && index >= 0 && index < static_cast<int>(digits.size()))
            digit = digits[static_cast<std::size_t>(index)];
        result += digit;
    }
    return result;
}

}  // namespace runtime
