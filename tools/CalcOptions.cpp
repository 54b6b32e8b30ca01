#include "CalcOptions.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "calc/suggest/GearSuggestion.h"
#include "runtime/NumberReading.h"

namespace tools {

namespace {

class BadOption {
public:
    explicit BadOption(std::string message) : message(std::move(message)) {}
    std::string message;
};

// What was typed, as an error message shows it: control characters escaped,
// so the message stays one line whatever was typed.
std::string Shown(const std::string& text) {
    std::string shown;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += ch;
            continue;
        }
        static const char kHex[] = "0123456789abcdef";
        shown += "\\x";
        shown += kHex[byte >> 4];
        shown += kHex[byte & 0xF];
    }
    return shown;
}

double Number(const std::string& option, const std::string& text) {
    auto value = runtime::ParseLocaleNumber(text, runtime::NumberSeparators{".", ""});
    if (!value || !std::isfinite(*value)) throw BadOption("not a number for " + option + ": '" + Shown(text) + "'");
    return *value;
}

// A pitch, a count of threads per inch or a leadscrew: a number above 0.
double PositiveNumber(const std::string& option, const std::string& text) {
    const double value = Number(option, text);
    if (!(value > 0)) throw BadOption(option + " must be greater than 0, got '" + Shown(text) + "'");
    return value;
}

// An error in percent: 0 or more.
double Tolerance(const std::string& text) {
    const double value = Number("--tolerance", text);
    if (value < 0) throw BadOption("--tolerance must be 0 or more, got '" + Shown(text) + "'");
    return value;
}

// A whole number from 0 up, without a sign. Nothing is rounded: a fraction
// or a sign is a mistake the user hears of.
bool IsCount(double value) { return value == std::floor(value) && !std::signbit(value); }

// A count up to what 32 bits hold, as the window's boxes take them.
std::int32_t CountInRange(const std::string& what, double value, const std::string& text) {
    if (value > 2147483647.0) throw BadOption("value out of range for " + what + ": '" + Shown(text) + "'");
    return static_cast<std::int32_t>(value);
}

// The window has this many gear boxes; the command line takes no more.
constexpr std::size_t kMostGears = 56;

// Slot `slot` (from 1) of --gears: a tooth count, or 0 or nothing for an empty slot.
std::int32_t ToothCount(std::size_t slot, const std::string& text) {
    if (text.find_first_not_of(' ') == std::string::npos) return 0;
    const std::string what = "--gears slot " + std::to_string(slot);
    const double value = Number(what, text);
    if (!IsCount(value))
        throw BadOption(what + ": a tooth count is a whole number from 1 up (0 or nothing for an empty slot), got '" +
                        Shown(text) + "'");
    return CountInRange(what, value, text);
}

// "20,20,30,,40": the slots in order; an empty entry or 0 is an empty slot.
calc::GearSet Gears(const std::string& text) {
    std::vector<std::int32_t> counts;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        counts.push_back(ToothCount(counts.size() + 1, item));
        if (counts.size() > kMostGears)
            throw BadOption("--gears takes at most " + std::to_string(kMostGears) + " slots, as the window has");
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return calc::GearSet(counts);
}

std::string Lowered(std::string text) {
    for (char& ch : text)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return text;
}

// "metric-coarse, metric-fine, ..., all": the names --chart takes.
std::string FamilyNames() {
    std::string names;
    for (const calc::ThreadFamily& family : calc::ThreadFamilies()) names += std::string(family.key) + ", ";
    return names + "all";
}

// "unc,UNF" or "all": the families, each once, in the order given; names are
// matched without regard to case.
std::vector<const calc::ThreadFamily*> ChartFamilies(const std::string& text) {
    std::vector<const calc::ThreadFamily*> families;
    auto add = [&families](const calc::ThreadFamily* family) {
        if (std::find(families.begin(), families.end(), family) == families.end()) families.push_back(family);
    };
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        std::string name = Lowered(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (name == "all") {
            for (const calc::ThreadFamily& family : calc::ThreadFamilies()) add(&family);
        } else if (const calc::ThreadFamily* family = calc::FindThreadFamily(name)) {
            add(family);
        } else {
            throw BadOption("unknown thread family for --chart: '" + Shown(name) + "' (the families: " +
                            FamilyNames() + ")");
        }
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return families;
}

std::string PdfPath(const std::string& text) {
    if (text.empty()) throw BadOption("--pdf needs a file name");
    return text;
}

// One side of --ratio: a whole number from 1 up, or nothing.
std::optional<std::int32_t> RatioSide(const std::string& text) {
    const auto value = runtime::ParseLocaleNumber(text, runtime::NumberSeparators{".", ""});
    if (!value || !std::isfinite(*value) || !IsCount(*value) || *value < 1) return std::nullopt;
    return CountInRange("--ratio", *value, text);
}

// "L:R", two whole numbers from 1 up.
void Ratio(const std::string& text, calc::SearchInputs& inputs) {
    const std::size_t colon = text.find(':');
    std::optional<std::int32_t> left, right;
    if (colon != std::string::npos) {
        left = RatioSide(text.substr(0, colon));
        right = RatioSide(text.substr(colon + 1));
    }
    if (!left || !right) throw BadOption("--ratio wants L:R, two whole numbers from 1 up, got '" + Shown(text) + "'");
    inputs.ratioLeft = *left;
    inputs.ratioRight = *right;
}

// "MIN-MAX": the tooth counts a suggestion tries besides 127 and the gears owned.
void SuggestRange(const std::string& text, CalcRequest& request) {
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string::npos) throw BadOption("--range needs MIN-MAX, got '" + Shown(text) + "'");
    const auto count = [&](const std::string& part) {
        const double value = Number("--range", part);
        if (!IsCount(value)) throw BadOption("--range takes whole tooth counts, got '" + Shown(text) + "'");
        return CountInRange("--range", value, text);
    };
    request.suggestLowest = count(text.substr(0, dash));
    request.suggestHighest = count(text.substr(dash + 1));
    if (request.suggestLowest < 1 || request.suggestLowest > request.suggestHighest ||
        request.suggestHighest > calc::kSuggestionTeethLimit)
        throw BadOption("--range takes tooth counts from 1 to " + std::to_string(calc::kSuggestionTeethLimit) +
                        ", the lower first: '" + Shown(text) + "'");
}

struct Parser {
    CalcRequest request;
    bool requestSeen = false;
    bool leadscrewSeen = false;
    bool toleranceSeen = false;
    std::set<std::string> seen;

    // Every option is taken once; a second one is more likely a slip than a change of mind.
    void Once(const std::string& option) {
        if (!seen.insert(option).second) throw BadOption(option + " is given more than once");
    }
    bool rangeSeen = false;

    void Request(bool tpi, const std::string& option, const std::string& value) {
        if (requestSeen) throw BadOption("give only one of --pitch-mm and --tpi");
        requestSeen = true;
        request.inputs.requestTpi = tpi;
        request.inputs.request = PositiveNumber(option, value);
    }

    void Leadscrew(bool tpi, const std::string& option, const std::string& value) {
        if (leadscrewSeen) throw BadOption("give only one of --leadscrew-mm and --leadscrew-tpi");
        leadscrewSeen = true;
        request.inputs.imperialLeadscrew = tpi;
        request.inputs.leadscrew = PositiveNumber(option, value);
    }

    void Valued(const std::string& option, const std::string& value) {
        calc::SearchInputs& in = request.inputs;
        if (option == "--gears") request.gears = Gears(value);
        else if (option == "--leadscrew-mm") Leadscrew(false, option, value);
        else if (option == "--leadscrew-tpi") Leadscrew(true, option, value);
        else if (option == "--ratio") Ratio(value, in);
        else if (option == "--pitch-mm") Request(false, option, value);
        else if (option == "--tpi") Request(true, option, value);
        else if (option == "--tolerance") { toleranceSeen = true; in.tolerance = Tolerance(value); }
        else if (option == "--chart") { request.chart = true; request.chartFamilies = ChartFamilies(value); }
        else if (option == "--pdf") request.pdfPath = PdfPath(value);
        else if (option == "--range") { rangeSeen = true; SuggestRange(value, request); }
        else throw BadOption("unknown option: " + Shown(option));
    }

    static bool TakesValue(const std::string& option) {
        static const char* valued[] = {"--gears", "--leadscrew-mm", "--leadscrew-tpi", "--ratio",
                                       "--pitch-mm", "--tpi", "--tolerance", "--chart", "--pdf",
                                       "--range"};
        for (const char* v : valued)
            if (option == v) return true;
        return false;
    }

    void Parse(const std::vector<std::string>& args) {
        for (std::size_t i = 0; i < args.size(); ++i) {
            std::string option = args[i];
            std::string value;
            bool hasValue = false;
            if (std::size_t eq = option.find('='); option.starts_with("--") && eq != std::string::npos) {
                value = option.substr(eq + 1);
                option = option.substr(0, eq);
                hasValue = true;
            }
            if (option == "--help" || option == "-h") { request.help = true; continue; }
            if (option == "--version") { request.version = true; continue; }
            Once(option);
            if (option == "--include-low") { request.inputs.includeLow = true; continue; }
            if (option == "--include-intersecting") { request.inputs.includeIntersecting = true; continue; }
            if (option == "--fewest-changes") { request.fewestChanges = true; continue; }
            if (option == "--suggest") { request.suggest = true; continue; }
            if (option == "--pairs") { request.suggestPairs = true; continue; }
            if (!TakesValue(option)) throw BadOption("unknown option: " + Shown(option));
            if (!hasValue) {
                if (i + 1 >= args.size()) throw BadOption(Shown(option) + " needs a value");
                value = args[++i];
            }
            Valued(option, value);
        }
        if (request.help || request.version) return;
        if (!request.chart && (request.fewestChanges || !request.pdfPath.empty()))
            throw BadOption("--fewest-changes and --pdf go with --chart");
        if ((request.suggestPairs || rangeSeen) && !request.suggest) throw BadOption("--pairs and --range go with --suggest");
        if (request.suggest && !request.chart && !requestSeen)
            throw BadOption("--suggest needs the threads wanted: --chart FAMILIES, --pitch-mm V or --tpi V");
        if (request.suggest && (request.fewestChanges || !request.pdfPath.empty()))
            throw BadOption("--suggest lists gears: leave out --fewest-changes and --pdf");
        if (request.chart) {
            if (requestSeen) throw BadOption("--chart lists standard threads: leave out --pitch-mm and --tpi");
            if (toleranceSeen) request.chartTolerance = request.inputs.tolerance;
            return;
        }
        if (!requestSeen) throw BadOption("give the thread wanted with --pitch-mm V or --tpi V");
        if (!toleranceSeen) request.inputs.tolerance = calc::factory::Tolerance(request.inputs.requestTpi);
    }
};

// "20,20,30,...": the factory gears as --gears takes them.
std::string FactoryGearsText() {
    std::string text;
    for (const std::int32_t teeth : calc::factory::kGears) {
        if (!text.empty()) text += ',';
        text += std::to_string(teeth);
    }
    return text;
}

}  // namespace

std::optional<CalcRequest> ParseCalcOptions(const std::vector<std::string>& args, std::string& error) {
    Parser parser;
    try {
        parser.Parse(args);
    } catch (const BadOption& bad) {
        error = bad.message;
        return std::nullopt;
    }
    return parser.request;
}

std::string CalcUsage() {
    using namespace calc::factory;
    return std::string() +
           "Usage: kestrany-calc (--pitch-mm V | --tpi V) [options]\n"
           "Lists every two- and four-gear change-gear train that cuts the thread,\n"
           "best first, as the lines of the results file (fields joined by \"; \").\n"
           "   or: kestrany-calc --chart FAMILY[,FAMILY...] [options]\n"
           "Lists the best train for each standard thread of the families: metric-coarse,\n"
           "metric-fine, unc, unf, bsw, bsf, bsp, ba, me, module, dp, or all (any case).\n"
           "   or: kestrany-calc --suggest [--pairs] [--range MIN-MAX] (--chart FAMILIES | --pitch-mm V | --tpi V)\n"
           "Lists the gears (or pairs of gears, with --pairs) to add that bring the most of\n"
           "those threads within the tolerance or make them exact, best first.\n"
           "\n"
           "  --gears N,N,...        the gear slots in order, at most 56 (the window's boxes):\n"
           "                         tooth counts from 1 up; 0 or nothing is an empty slot\n"
           "                         (default: " + FactoryGearsText() + ")\n"
           "  --leadscrew-mm V       metric leadscrew pitch in mm (default " + FactoryText(kLeadscrewMm) + ")\n"
           "  --leadscrew-tpi V      imperial leadscrew in threads per inch\n"
           "  --ratio L:R            fixed ratio ahead of the change gears, two whole\n"
           "                         numbers from 1 up (default " + std::to_string(kRatioLeft) + ":" +
           std::to_string(kRatioRight) + ")\n"
           "  --pitch-mm V           the thread wanted, as a pitch in mm\n"
           "  --tpi V                the thread wanted, in threads per inch\n"
           "  --tolerance T          accepted error in percent, 0 or more\n"
           "                         (default " + FactoryText(kToleranceMm) + " for mm, " + FactoryText(kToleranceTpi) +
           " for TPI)\n"
           "                         (with --chart: list only threads whose best error is below T)\n"
           "  --range MIN-MAX        tooth counts a suggestion tries, besides 127 and the\n"
           "                         gears owned (default " + std::to_string(kSuggestLowest) + "-" +
           std::to_string(kSuggestHighest) + ")\n"
           "  --include-low          also list trains that may be too small to reach\n"
           "  --include-intersecting also list trains whose gears foul a shaft\n"
           "  --fewest-changes       (with --chart) choose each thread's train among those within\n"
           "                         the tolerance so that going down the chart changes the\n"
           "                         fewest gears (B, C count 4, A, D 1); both counts go to stderr\n"
           "  --pdf FILE             (with --chart) write the chart as a landscape sheet for the\n"
           "                         lathe door into FILE (PDF) instead of the lines\n"
           "  --help                 this text\n"
           "  --version              the program's version\n"
           "Pitches, TPI and leadscrews are greater than 0; each option is given once.\n";
}

}  // namespace tools
