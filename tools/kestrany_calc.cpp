// kestrany-calc: the change-gear calculation on the command line. Prints
// the lines that saving the results grid writes after the same calculation.
#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "CalcOptions.h"
#include "calc/ResultTexts.h"
#include "calc/TrainOrder.h"
#include "calc/TrainSearch.h"
#include "runtime/NumberSeparators.h"

int main(int argc, char** argv) {
    std::setlocale(LC_NUMERIC, "");
    const runtime::NumberSeparators separators = runtime::SeparatorsFromCLocale();

    std::string error;
    auto request = tools::ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request) {
        std::cerr << "kestrany-calc: " << error << " (see --help)\n";
        return 2;
    }
    if (request->help) {
        std::cout << tools::CalcUsage();
        return 0;
    }
    if (request->version) {
        std::cout << "kestrany-calc " << KESTRANY_VERSION << "\n";
        return 0;
    }

    std::vector<calc::TrainResult> list = calc::SearchTrains(request->inputs, request->gears);
    calc::QuickSort(list, 0, -1, request->gears);

    std::string out = calc::JoinCsvFields(calc::DefaultResultHeaders()) + calc::kCsvLineEnd;
    for (std::size_t i = 0; i < list.size(); ++i)
        out += calc::JoinCsvFields(calc::ResultRowTexts(list[i], i, request->gears, separators)) + calc::kCsvLineEnd;
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
