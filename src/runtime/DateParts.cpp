#include "runtime/DateParts.h"

#include <cmath>

#include "runtime/Error.h"

namespace runtime {

namespace {

// Days since 1970-01-01 to a civil date (proleptic Gregorian).
void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

}  // namespace

DateParts DateParts::FromSerial(double serial) {
    if (!(serial >= -657434.0 && serial < 2958466.0)) throw Error(errors::Overflow);
    const double days = std::trunc(serial);
    long long seconds = std::llround(std::fabs(serial - days) * 86400.0);
    long long dayNumber = static_cast<long long>(days);
    if (seconds >= 86400) {  // rounding reached the next midnight
        seconds -= 86400;
        dayNumber += serial < 0 ? -1 : 1;
    }
    DateParts parts;
    CivilFromDays(dayNumber - 25569, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    // 30 December 1899 was a Saturday.
    parts.weekday = static_cast<int>(((dayNumber % 7) + 7 + 6) % 7) + 1;
    static const int cumulative[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    parts.dayOfYear = cumulative[parts.month - 1] + parts.day + (parts.month > 2 && IsLeap(parts.year) ? 1 : 0);
    return parts;
}

}  // namespace runtime
