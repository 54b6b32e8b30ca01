// kestrany-calc's option parsing, through the search, the ordering and the
// result lines: any command line must end in a request or a one-line error,
// and a request must calculate without a fault. Cases are bounded (gear
// slots and tolerance) so that one input stays fast.
#include <string>
#include <vector>

#include "CalcOptions.h"
#include "FuzzInput.h"
#include "calc/texts/ResultLineWriter.h"
#include "calc/texts/ResultTexts.h"
#include "calc/search/TrainSearch.h"
#include "calc/order/TrainSortKeys.h"
#include "runtime/NumberSeparators.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    std::vector<std::string> args;
    while (!input.Rest().empty() && args.size() < 24) args.push_back(input.Text());

    std::string error;
    const auto request = tools::ParseCalcOptions(args, error);
    if (!request) {
        if (error.empty() || error.find('\n') != std::string::npos) __builtin_trap();
        return 0;
    }
    if (request->help || request->version) return 0;
    if (request->gears.Upper() > 24 || !(request->inputs.tolerance <= 2)) return 0;

    const std::vector<calc::TrainResult> list = calc::SearchTrains(request->inputs, request->gears);
    const std::vector<std::uint32_t> order = calc::SortedOrder(list, request->gears);
    if (order.size() != list.size()) __builtin_trap();
    std::string out;
    calc::AppendHeaderLine(out);
    calc::ResultLineWriter writer(request->gears, runtime::NumberSeparators{".", ","});
    for (std::size_t i = 0; i < order.size(); ++i) writer.Append(out, list[order[i]], i);
    return 0;
}
