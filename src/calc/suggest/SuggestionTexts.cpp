#include "calc/suggest/SuggestionTexts.h"

#include "calc/texts/MeasureText.h"

namespace calc {

const SuggestionFields& SuggestionHeaders() {
    static const SuggestionFields headers{"gear(s)", "threads gained", "made exact", "sum |error| %", "threads"};
    return headers;
}

std::string SuggestionGearsText(const GearSuggestion& suggestion) {
    std::string text;
    for (std::int32_t teeth : suggestion.teeth) text += (text.empty() ? "" : " + ") + std::to_string(teeth);
    return text;
}

std::string GainText(const GearSuggestion& suggestion, const ThreadGain& gain,
                     const std::vector<WantedThread>& threads, const runtime::NumberSeparators& separators) {
    const TrainResult& train = gain.train;
    std::string text = threads[gain.thread].name + ":";
    for (int slot : {train.a, train.b, train.c, train.d})
        if (slot >= 0) {
            text += text.back() == ':' ? ' ' : '-';
            text += std::to_string(suggestion.gears.Count(slot));
        }
    return text + " (" + MeasureText(train.err, separators) + " %)";
}

SuggestionFields SuggestionRowFields(const GearSuggestion& suggestion, const std::vector<WantedThread>& threads,
                                     const runtime::NumberSeparators& separators) {
    std::string gains;
    for (const ThreadGain& gain : suggestion.gains)
        gains += (gains.empty() ? "" : ", ") + GainText(suggestion, gain, threads, separators);
    return {SuggestionGearsText(suggestion), std::to_string(suggestion.gained), std::to_string(suggestion.madeExact),
            MeasureText(suggestion.errorSum, separators), gains};
}

}  // namespace calc
