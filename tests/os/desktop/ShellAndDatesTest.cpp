#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <string>
#include <vector>

#include "os/desktop/DateFormats.h"
#include "os/desktop/Shell.h"

namespace {

// Puts an opener in place for one test and the previous one back after it.
class ShellOpenerScope {
public:
    explicit ShellOpenerScope(os::ShellOpener opener) : previous_(os::SetShellOpener(std::move(opener))) {}
    ~ShellOpenerScope() { os::SetShellOpener(std::move(previous_)); }
    ShellOpenerScope(const ShellOpenerScope&) = delete;
    ShellOpenerScope& operator=(const ShellOpenerScope&) = delete;

private:
    os::ShellOpener previous_;
};

TEST(ShellTest, OpenGoesToTheOpenerAndReportsItsAnswer) {
    struct Case {
        std::string operation;
        std::string file;
        bool openerAnswer;
        bool reachesOpener;
        bool succeeds;
    };
    const std::vector<Case> cases = {
        {"open", "mailto:someone@example.org?subject=x", true, true, true},
        {"", "https://example.org/", true, true, true},
        {"open", "mailto:someone@example.org", false, true, false},
        {"print", "mailto:someone@example.org", true, false, false},
        {"open", "", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation + " " + c.file);
        std::vector<std::string> opened;
        ShellOpenerScope scope([&](const std::string& address) {
            opened.push_back(address);
            return c.openerAnswer;
        });
        const std::intptr_t answer = os::ShellExecute(0, c.operation, c.file, "", "", 0);
        EXPECT_EQ(answer > os::SE_ERR_SUCCESS_ABOVE, c.succeeds);
        EXPECT_EQ(opened, c.reachesOpener ? std::vector<std::string>{c.file} : std::vector<std::string>{});
    }
}

TEST(DateFormatsTest, UnixTimesGiveTheirUtcDay) {
    struct Case {
        std::int64_t seconds;
        std::uint16_t year, month, day;
    };
    const Case cases[] = {
        {0, 1970, 1, 1},          {86399, 1970, 1, 1},       {86400, 1970, 1, 2},
        {951782400, 2000, 2, 29}, {1796774399, 2026, 12, 8}, {1796774400, 2026, 12, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seconds);
        const os::SYSTEMTIME date = os::DateOfUnixTime(c.seconds);
        EXPECT_EQ(date.wYear, c.year);
        EXPECT_EQ(date.wMonth, c.month);
        EXPECT_EQ(date.wDay, c.day);
    }
}

TEST(DateFormatsTest, ShortDateFollowsTheUserLocaleAndRefusesImpossibleDates) {
    const QString expected = QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat);
    EXPECT_EQ(os::GetDateFormat(os::DATE_SHORTDATE, {2026, 12, 8}), expected.toStdString());
    EXPECT_EQ(os::GetDateFormat(os::DATE_SHORTDATE, {2026, 2, 30}), "");
    EXPECT_EQ(os::GetDateFormat(os::DATE_SHORTDATE, {}), "");
}

}  // namespace
