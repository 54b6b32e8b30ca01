#include "StraightforwardCalc.h"

#include <cmath>
#include <unordered_map>

#include "calc/gears/FitCheck.h"
#include "calc/texts/ResultTexts.h"
#include "runtime/Format.h"
#include "runtime/Rounding.h"

namespace baseline {

namespace {

bool Accept(const calc::SearchInputs& in, double p, long long n, long long m, Record& r) {
    r.pitch = static_cast<double>(n) * p / static_cast<double>(m);
    r.tpi = 25.4 / r.pitch;
    const double x = in.requestTpi ? r.tpi : r.pitch;
    r.err = (x - in.request) * 100 / in.request;
    if (std::fabs(r.err) < 1e-9) r.err = 0;  // rounding noise
    return std::fabs(r.err) < in.tolerance;
}

struct Store {
    std::unordered_map<std::string, std::size_t> keys;
    std::vector<Record> list;
    void Add(const std::string& key, const baseline::Record& r) {
        if (keys.emplace(key, list.size()).second && r.pitch != 0) list.push_back(r);
    }
};

int CompareOptional(int x, int y, const calc::GearSet& g) {
    if (y < 0) return 1;
    if (x < 0) return -1;
    if (g.Count(x) > g.Count(y)) return 1;
    if (g.Count(x) < g.Count(y)) return -1;
    return 0;
}

int Compare(const Record& x, const Record& y, const calc::GearSet& g) {
    if (std::fabs(x.err) < std::fabs(y.err)) return 1;
    if (std::fabs(x.err) != std::fabs(y.err)) return -1;
    if (x.comm < y.comm) return 1;
    if (x.comm != y.comm) return -1;
    if (g.Count(x.a) > g.Count(y.a)) return 1;
    if (g.Count(x.a) < g.Count(y.a)) return -1;
    if (int k = CompareOptional(x.b, y.b, g)) return k;
    return CompareOptional(x.c, y.c, g);
}

bool ComesBefore(const Record& x, const Record& y, const calc::GearSet& g) { return Compare(x, y, g) > 0; }

void SelectionSort(std::vector<Record>& list, long first, long last, const calc::GearSet& g) {
    for (long i = first; i <= last - 1; ++i) {
        Record best = list[static_cast<std::size_t>(i)];
        long m = i;
        for (long j = i + 1; j <= last; ++j) {
            if (ComesBefore(list[static_cast<std::size_t>(j)], best, g)) {
                best = list[static_cast<std::size_t>(j)];
                m = j;
            }
        }
        list[static_cast<std::size_t>(m)] = list[static_cast<std::size_t>(i)];
        list[static_cast<std::size_t>(i)] = best;
    }
}

}  // namespace

std::vector<Record> Search(const calc::SearchInputs& in, const calc::GearSet& g) {
    Store store;
    const double p = calc::LeadAdvance(in);
    const int u = g.Upper();
    for (int a = 0; a <= u; ++a)
        for (int d = 0; d <= u; ++d) {
            if (g.Count(a) == 0 || a == d || g.Count(d) == 0) continue;
            Record r{a, -1, -1, d, 0, 0, 0, {}};
            if (Accept(in, p, g.Count(a), g.Count(d), r))
                store.Add(std::to_string(g.Count(a)) + "." + std::to_string(g.Count(d)), r);
        }
    for (int a = 0; a <= u; ++a)
        for (int b = 0; b <= u; ++b) {
            if (g.Count(a) == 0 || a == b || g.Count(b) == 0) continue;
            for (int c = 0; c <= u; ++c) {
                if (g.Count(c) == 0 || c == a || c == b) continue;
                for (int d = 0; d <= u; ++d) {
                    if (g.Count(d) == 0 || d == a || d == b || d == c) continue;
                    Record r{a, b, c, d, 0, 0, 0, {}};
                    if (!Accept(in, p, 1LL * g.Count(a) * g.Count(c), 1LL * g.Count(b) * g.Count(d), r)) continue;
                    auto fit = calc::CheckFit(g.Count(a), g.Count(b), g.Count(c), g.Count(d), in.includeLow,
                                              in.includeIntersecting);
                    if (!fit.passes) continue;
                    r.comm = std::string(fit.marks.Text());
                    store.Add(std::to_string(g.Count(a)) + "." + std::to_string(g.Count(b)) + "." +
                                     std::to_string(g.Count(c)) + "." + std::to_string(g.Count(d)),
                                 r);
                }
            }
        }
    return std::move(store.list);
}

void QuickSort(std::vector<Record>& list, long first, long last, const calc::GearSet& g) {
    auto at = [&list](long i) -> Record& { return list[static_cast<std::size_t>(i)]; };
    if (last < 0) last = static_cast<long>(list.size()) - 1;
    if (last - first < 20) {
        SelectionSort(list, first, last, g);
        return;
    }
    const long mid = static_cast<long>(runtime::RoundHalfEven((last - first + 1) / 2.0 + static_cast<double>(first)));
    const Record pivot = at(mid);
    std::swap(at(mid), at(first));
    long lo = first, hi = last;
    for (;;) {
        while (!ComesBefore(at(hi), pivot, g)) {
            --hi;
            if (hi <= lo) break;
        }
        if (hi <= lo) {
            at(lo) = pivot;
            break;
        }
        std::swap(at(lo), at(hi));
        ++lo;
        while (ComesBefore(at(lo), pivot, g)) {
            ++lo;
            if (lo >= hi) break;
        }
        if (lo >= hi) {
            lo = hi;
            at(hi) = pivot;
            break;
        }
        std::swap(at(lo), at(hi));
    }
    if (first < lo - 1) QuickSort(list, first, lo - 1, g);
    if (lo + 1 < last) QuickSort(list, lo + 1, last, g);
}

std::string ResultsText(const std::vector<Record>& list, const calc::GearSet& g,
                        const runtime::NumberSeparators& separators) {
    auto count = [&g](int slot) { return slot < 0 ? std::string() : std::to_string(g.Count(slot)); };
    auto measure = [&separators](double v) { return runtime::Format(runtime::Variant(v), "0.0###", separators); };
    std::string text = calc::JoinCsvFields(calc::DefaultResultHeaders()) + calc::kCsvLineEnd;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Record& r = list[i];
        const std::vector<std::string> fields = {std::to_string(i + 1), count(r.a),        count(r.b),
                                                 count(r.c),            count(r.d),        measure(r.err),
                                                 measure(r.pitch),      measure(r.tpi),    r.comm};
        text += calc::JoinCsvFields(fields) + calc::kCsvLineEnd;
    }
    return text;
}

bool Calculate(const calc::SearchInputs& inputs, const calc::GearSet& gears,
               const runtime::NumberSeparators& separators, std::FILE* out) {
    std::vector<Record> list = Search(inputs, gears);
    QuickSort(list, 0, -1, gears);
    const std::string text = ResultsText(list, gears, separators);
    return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

}  // namespace baseline
