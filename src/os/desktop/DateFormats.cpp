#include "os/desktop/DateFormats.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTimeZone>

namespace os {

std::string GetDateFormat(DWORD flags, const SYSTEMTIME& date) {
    const QDate day(date.wYear, date.wMonth, date.wDay);
    if (!day.isValid()) return {};
    const auto form = (flags & DATE_LONGDATE) != 0 ? QLocale::LongFormat : QLocale::ShortFormat;
    return QLocale::system().toString(day, form).toStdString();
}

SYSTEMTIME DateOfUnixTime(std::int64_t seconds) {
    const QDate day = QDateTime::fromSecsSinceEpoch(seconds, QTimeZone::utc()).date();
    return {static_cast<std::uint16_t>(day.year()), static_cast<std::uint16_t>(day.month()),
            static_cast<std::uint16_t>(day.day())};
}

}  // namespace os
