// Format: any pattern applied to numbers, dates, texts and the empty value,
// under both decimal marks, must end without a fault. A date beyond the
// calendar's range raises the runtime's Overflow error, as it is meant to.
#include "FuzzInput.h"
#include "runtime/Error.h"
#include "runtime/Format.h"
#include "runtime/Variant.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const std::string pattern = input.Text();
    const double number = input.Double();
    const std::string text = input.Text();
    const runtime::Variant values[] = {runtime::Variant(number), runtime::Variant(runtime::Date{number}),
                                       runtime::Variant(text), runtime::Variant(), runtime::Variant(runtime::Null{})};
    for (const runtime::NumberSeparators& separators : {runtime::NumberSeparators{".", ","},
                                                        runtime::NumberSeparators{",", "."}}) {
        for (const runtime::Variant& value : values) {
            try {
                (void)runtime::Format(value, pattern, separators);
            } catch (const runtime::Error& error) {
                if (error.Number() != runtime::errors::Overflow) throw;
            }
        }
        (void)runtime::FormatNumber(number, pattern, separators);
    }
    return 0;
}
