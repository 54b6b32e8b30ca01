#include "SuggestOutput.h"

#include "calc/texts/ResultTexts.h"
#include "calc/suggest/SuggestionTexts.h"

namespace tools {

namespace {

// The chart's threads with the tolerance of each kind (--tolerance for both,
// or the usual 0.1 % for mm and 0.2 % for TPI), or the one thread asked for.
std::vector<calc::WantedThread> Wanted(const CalcRequest& request, const runtime::NumberSeparators& separators) {
    if (request.chart)
        return calc::WantedThreads(request.chartFamilies, request.chartTolerance.value_or(0.1),
                                   request.chartTolerance.value_or(0.2));
    const calc::SearchInputs& in = request.inputs;
    return {calc::SingleWantedThread(in.requestTpi, in.request, in.tolerance, separators)};
}

}  // namespace

std::string SuggestionFileText(const CalcRequest& request, const runtime::NumberSeparators& separators) {
    calc::SuggestionRequest question{request.gears, request.inputs, Wanted(request, separators),
                                     request.suggestLowest, request.suggestHighest};
    const auto list = request.suggestPairs ? calc::SuggestGearPairs(question) : calc::SuggestGears(question);
    std::string out = calc::JoinCsvFields(calc::SuggestionHeaders()) + calc::kCsvLineEnd;
    for (const calc::GearSuggestion& suggestion : list)
        out += calc::JoinCsvFields(calc::SuggestionRowFields(suggestion, question.threads, separators)) +
               calc::kCsvLineEnd;
    return out;
}

}  // namespace tools
