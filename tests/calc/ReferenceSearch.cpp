#include "ReferenceSearch.h"

#include <cmath>
#include <set>
#include <string>

#include "calc/gears/FitCheck.h"

std::vector<calc::TrainResult> ReferenceSearch(const calc::SearchInputs& in, const calc::GearSet& g,
                                               long long* recorded) {
    std::vector<calc::TrainResult> list;
    std::set<std::string> keys;
    long long n = 0;
    const double p = calc::LeadAdvance(in);
    auto accept = [&](long long num, long long den, calc::TrainResult& r) {
        r.pitch = static_cast<double>(num) * p / static_cast<double>(den);
        r.tpi = 25.4 / r.pitch;
        double x = in.requestTpi ? r.tpi : r.pitch;
        r.err = (x - in.request) * 100 / in.request;
        if (std::fabs(r.err) < 1e-9) r.err = 0;  // rounding noise
        // An error within 1e-9 % of the tolerance counts as the tolerance, which is left out.
        return in.tolerance > 0 && (r.err == 0 || std::fabs(r.err) < in.tolerance - 1e-9);
    };
    auto empty = [&](int slot) { return g.Count(slot) <= 0; };  // below 0 is no gear either
    auto record = [&](const std::string& key, const calc::TrainResult& r) {
        ++n;
        if (keys.insert(key).second && r.pitch != 0) list.push_back(r);
    };
    const int u = g.Upper();
    for (int a = 0; a <= u; ++a)
        for (int d = 0; d <= u; ++d) {
            if (empty(a) || a == d || empty(d)) continue;
            calc::TrainResult r{a, -1, -1, d, 0, 0, 0, {}};
            if (accept(g.Count(a), g.Count(d), r))
                record(std::to_string(g.Count(a)) + "." + std::to_string(g.Count(d)), r);
        }
    for (int a = 0; a <= u; ++a)
        for (int b = 0; b <= u; ++b) {
            if (empty(a) || a == b || empty(b)) continue;
            for (int c = 0; c <= u; ++c) {
                if (empty(c) || c == a || c == b) continue;
                for (int d = 0; d <= u; ++d) {
                    if (empty(d) || d == a || d == b || d == c) continue;
                    calc::TrainResult r{a, b, c, d, 0, 0, 0, {}};
                    if (!accept(1LL * g.Count(a) * g.Count(c), 1LL * g.Count(b) * g.Count(d), r)) continue;
                    auto fit = calc::CheckFit(g.Count(a), g.Count(b), g.Count(c), g.Count(d), in.includeLow,
                                              in.includeIntersecting);
                    if (!fit.passes) continue;
                    r.comm = fit.marks;
                    record(std::to_string(g.Count(a)) + "." + std::to_string(g.Count(b)) + "." +
                               std::to_string(g.Count(c)) + "." + std::to_string(g.Count(d)),
                           r);
                }
            }
        }
    if (recorded) *recorded = n;
    return list;
}
