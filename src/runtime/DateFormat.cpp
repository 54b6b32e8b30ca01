#include "runtime/DateFormat.h"

#include <cctype>
#include <cstdio>

#include "runtime/DateParts.h"

namespace runtime {

namespace {

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[at + i]) != Lower(prefix[i])) return false;
    return true;
}

std::string Two(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// The 12-hour clock markers; returns the length of the marker at `at`, 0 when none.
std::size_t MarkerLength(std::string_view pattern, std::size_t at) {
    for (std::string_view marker : {"AM/PM", "AMPM", "A/P"})
        if (StartsWithNoCase(pattern, at, marker)) return marker.size();
    return 0;
}

class DateWriter {
public:
    DateWriter(const DateParts& parts, std::string_view pattern) : p_(parts), pattern_(pattern) {
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (MarkerLength(pattern, i)) twelveHour_ = true;
    }

    std::string Write() {
        for (std::size_t i = 0; i < pattern_.size();) i = Token(i);
        return out_;
    }

private:
    std::size_t Run(std::size_t i) const {
        std::size_t j = i;
        while (j < pattern_.size() && Lower(pattern_[j]) == Lower(pattern_[i])) ++j;
        return j - i;
    }

    std::size_t Token(std::size_t i) {
        const char c = pattern_[i];
        if (c == '"') {
            std::size_t end = pattern_.find('"', i + 1);
            if (end == std::string_view::npos) end = pattern_.size();
            out_ += pattern_.substr(i + 1, end - i - 1);
            return end + 1;
        }
        if (c == '\\') {
            if (i + 1 < pattern_.size()) out_ += pattern_[i + 1];
            return i + 2;
        }
        if (std::size_t marker = MarkerLength(pattern_, i)) {
            Marker(pattern_.substr(i, marker));
            return i + marker;
        }
        const std::size_t n = Run(i);
        switch (Lower(c)) {
        case 'd': Days(n); break;
        case 'w': out_ += n == 1 ? std::to_string(p_.weekday) : std::to_string(WeekOfYear()); break;
        case 'm': Months(n); break;
        case 'q': out_ += std::to_string((p_.month - 1) / 3 + 1); break;
        case 'y': out_ += n == 1 ? std::to_string(p_.dayOfYear) : n < 4 ? Two(p_.year % 100) : std::to_string(p_.year); break;
        case 'h':
            Number(Hour(), n);
            lastWasHour_ = true;
            return i + n;
        case 'n': Number(p_.minute, n); break;
        case 's': Number(p_.second, n); break;
        case 't': out_ += LongTime(); break;
        case 'c': out_ += GeneralDate(); break;
        default:
            out_ += pattern_.substr(i, n);  // separators and other literals keep "after an hour"
            return i + n;
        }
        lastWasHour_ = false;
        return i + n;
    }

    void Number(int value, std::size_t n) { out_ += n >= 2 ? Two(value) : std::to_string(value); }

    int Hour() const {
        if (!twelveHour_) return p_.hour;
        int h = p_.hour % 12;
        return h == 0 ? 12 : h;
    }

    void Days(std::size_t n) {
        if (n <= 2) Number(p_.day, n);
        else if (n == 3) out_ += std::string(kDays[p_.weekday - 1]).substr(0, 3);
        else if (n == 4) out_ += kDays[p_.weekday - 1];
        else if (n == 5) out_ += ShortDate();
        else out_ += LongDate();
    }

    void Months(std::size_t n) {
        if (n <= 2 && lastWasHour_) Number(p_.minute, n);  // m after h is the minute
        else if (n <= 2) Number(p_.month, n);
        else if (n == 3) out_ += std::string(kMonths[p_.month - 1]).substr(0, 3);
        else out_ += kMonths[p_.month - 1];
    }

    void Marker(std::string_view marker) {
        const bool pm = p_.hour >= 12;
        if (StartsWithNoCase(marker, 0, "A/P")) {
            const bool upper = std::isupper(static_cast<unsigned char>(marker[0])) != 0;
            out_ += pm ? (upper ? 'P' : 'p') : (upper ? 'A' : 'a');
            return;
        }
        const bool lower = marker[0] == 'a';
        out_ += pm ? (lower ? "pm" : "PM") : (lower ? "am" : "AM");
    }

    int WeekOfYear() const {
        // The weekday of 1 January, then whole weeks from its Sunday.
        const int jan1 = ((p_.weekday - 1 - (p_.dayOfYear - 1)) % 7 + 7) % 7;  // 0 = Sunday
        return (p_.dayOfYear - 1 + jan1) / 7 + 1;
    }

    std::string ShortDate() const { return std::to_string(p_.year) + "-" + Two(p_.month) + "-" + Two(p_.day); }
    std::string LongDate() const {
        return std::string(kDays[p_.weekday - 1]) + ", " + kMonths[p_.month - 1] + " " + std::to_string(p_.day) +
               ", " + std::to_string(p_.year);
    }
    std::string LongTime() const { return Two(p_.hour) + ":" + Two(p_.minute) + ":" + Two(p_.second); }
    std::string GeneralDate() const { return p_.HasTime() ? ShortDate() + " " + LongTime() : ShortDate(); }

    const DateParts& p_;
    std::string_view pattern_;
    std::string out_;
    bool twelveHour_ = false;
    bool lastWasHour_ = false;
};

}  // namespace

bool IsDatePattern(std::string_view pattern) {
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = Lower(pattern[i]);
        if (c == '"') {
            std::size_t end = pattern.find('"', i + 1);
            if (end == std::string_view::npos) return false;
            i = end;
        } else if (c == '\\') {
            ++i;
        } else if (c == 'e' && i + 1 < pattern.size() && (pattern[i + 1] == '+' || pattern[i + 1] == '-')) {
            ++i;  // a number's exponent
        } else if (std::string_view("dmyhnswqct").find(c) != std::string_view::npos || MarkerLength(pattern, i)) {
            return true;
        }
    }
    return false;
}

std::string_view NamedDatePattern(std::string_view name) {
    struct Named { std::string_view name, pattern; };
    static constexpr Named table[] = {
        {"General Date", "c"},     {"Long Date", "dddddd"}, {"Medium Date", "dd-mmm-yy"}, {"Short Date", "ddddd"},
        {"Long Time", "ttttt"},    {"Medium Time", "hh:nn AMPM"}, {"Short Time", "hh:nn"},
    };
    for (const Named& n : table) {
        if (n.name.size() != name.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < name.size() && same; ++i) same = Lower(n.name[i]) == Lower(name[i]);
        if (same) return n.pattern;
    }
    return {};
}

std::string FormatDate(double serial, std::string_view pattern) {
    std::string_view named = NamedDatePattern(pattern);
    if (!named.empty()) pattern = named;
    if (pattern.empty()) pattern = "c";
    return DateWriter(DateParts::FromSerial(serial), pattern).Write();
}

}  // namespace runtime
