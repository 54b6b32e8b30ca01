#include "NoTrainNotice.h"

#include "calc/suggest/BestTrain.h"
#include "calc/texts/MeasureText.h"
#include "calc/texts/ResultTexts.h"

namespace tools {

namespace {

// "A/B/C/D", or "A/D" for a two-gear train, as tooth counts.
std::string TrainText(const calc::TrainResult& train, const calc::GearSet& gears,
                      const runtime::NumberSeparators& separators) {
    using calc::ResultField;
    std::string text;
    for (ResultField field : {ResultField::GearA, ResultField::GearB, ResultField::GearC, ResultField::GearD}) {
        std::string count = calc::ResultFieldText(field, train, 0, gears, separators);
        if (count.empty()) continue;
        if (!text.empty()) text += '/';
        text += count;
    }
    return text;
}

}  // namespace

std::string NoTrainNotice(const calc::GearSet& gears, const calc::SearchInputs& inputs,
                          const runtime::NumberSeparators& separators) {
    std::string notice = "no train within " + calc::MeasureText(inputs.tolerance, separators) + " %";
    const auto best = calc::BestTrainFinder(gears, inputs).Find(inputs.requestTpi, inputs.request);
    if (!best) return notice + "; the gears make no train";
    return notice + "; the best is " + TrainText(*best, gears, separators) + " at " +
           calc::MeasureText(best->err, separators) + " %";
}

}  // namespace tools
