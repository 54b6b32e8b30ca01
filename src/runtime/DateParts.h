#pragma once

#include <string>

namespace runtime {

// A date serial (days since 30 December 1899, the time of day as the
// fraction; before that day the fraction still counts forward from
// midnight) taken apart.
struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    int weekday = 7;    // 1 = Sunday .. 7 = Saturday
    int dayOfYear = 364;

    // Error 6 (overflow) for a serial outside the years 100 to 9999.
    static DateParts FromSerial(double serial);
    bool HasTime() const { return hour != 0 || minute != 0 || second != 0; }
};

}  // namespace runtime
