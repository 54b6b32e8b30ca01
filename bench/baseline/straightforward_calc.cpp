// straightforward-calc: kestrany-calc's options and output, computed the
// straightforward way, for measuring kestrany-calc against it.
#include <clocale>
#include <cstdio>
#include <iostream>

#include "CalcOptions.h"
#include "StraightforwardCalc.h"

int main(int argc, char** argv) {
    std::setlocale(LC_NUMERIC, "");
    std::string error;
    auto request = tools::ParseCalcOptions(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!request || request->help) {
        std::cerr << "straightforward-calc: " << (request ? "takes the options of kestrany-calc" : error) << "\n";
        return 2;
    }
    return baseline::Calculate(request->inputs, request->gears, runtime::SeparatorsFromCLocale(), stdout) ? 0 : 1;
}
