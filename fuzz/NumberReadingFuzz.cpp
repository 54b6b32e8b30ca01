// Number reading: the field reading and the regional reading of any text,
// under both decimal marks, must end without a fault.
#include <cmath>

#include "FuzzInput.h"
#include "calc/inputs/NumVal.h"
#include "runtime/NumberReading.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    volatile double sink = runtime::ReadLeadingNumber(text);
    sink = calc::NumVal(text);
    for (const runtime::NumberSeparators& separators : {runtime::NumberSeparators{".", ","},
                                                        runtime::NumberSeparators{",", "."}}) {
        if (const auto number = runtime::ParseLocaleNumber(text, separators)) sink = *number;
    }
    (void)sink;
    return 0;
}
