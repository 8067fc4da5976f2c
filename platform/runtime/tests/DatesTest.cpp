#include "platform/runtime/Dates.h"

#include "platform/runtime/Variant.h"
#include "platform/runtime/tests/ErrorNumber.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <ctime>
#include <limits>

namespace platform::runtime {
namespace {

using testing::errorNumberOf;

class DatesTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

TEST_F(DatesTest, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(makeDate(1899, 12, 30).days, 0);
    EXPECT_EQ(makeDate(1900, 1, 1).days, 2);
    EXPECT_EQ(makeDate(2026, 12, 10).days, 46366);
    EXPECT_EQ(makeDate(100, 1, 1).days, kMinDate);
    EXPECT_EQ(makeDate(9999, 12, 31).days, 2958465);
    EXPECT_EQ(makeDate(2024, 2, 29).days, 45351);

    EXPECT_EQ(dateParts(Date{46366.75}), (DateParts{2026, 12, 10, 18, 0, 0}));
    // Before day 0 the day counts back and the time still runs forward.
    EXPECT_EQ(dateParts(Date{-1.25}), (DateParts{1899, 12, 29, 6, 0, 0}));
    EXPECT_EQ(withTime(makeDate(1899, 12, 29), 6, 0, 0).days, -1.25);
    EXPECT_EQ(dateParts(withTime(makeDate(2026, 1, 31), 23, 59, 59)), (DateParts{2026, 1, 31, 23, 59, 59}));

    EXPECT_EQ(errorNumberOf([] { makeDate(2026, 2, 29); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { makeDate(99, 12, 31); }), errors::InvalidProcedureCall);
    EXPECT_EQ(errorNumberOf([] { withTime(Date{}, 24, 0, 0); }), errors::InvalidProcedureCall);
    // A date read from a damaged file may be anything.
    EXPECT_EQ(errorNumberOf([] { dateParts(Date{std::numeric_limits<double>::quiet_NaN()}); }), errors::Overflow);
    EXPECT_EQ(errorNumberOf([] { shortDateText(Date{kMaxDate + 1}); }), errors::Overflow);
}

TEST_F(DatesTest, WritesTheLocalesShortAndLongDate)
{
    const Date day = makeDate(2026, 3, 5);
    EXPECT_EQ(shortDateText(day), "3/5/2026");
    EXPECT_EQ(longDateText(day), "Thursday, March 5, 2026");
    EXPECT_EQ(dateText(day), "3/5/2026");
    EXPECT_EQ(dateText(withTime(day, 18, 30, 15)), "3/5/2026 6:30:15 PM");
    EXPECT_EQ(dateText(withTime(Date{}, 9, 5, 0)), "9:05:00 AM") << "day 0 shows as a time";
    EXPECT_EQ(Variant(day).toString(), "3/5/2026");

    EXPECT_EQ(isoDateText(withTime(day, 18, 30, 15)), "2026-03-05");

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(shortDateText(day), "05.03.2026");
    EXPECT_EQ(isoDateText(day), "2026-03-05");
    EXPECT_EQ(longDateText(day), "Donnerstag, 5. März 2026");
}

TEST_F(DatesTest, ReadsItsOwnTextsBack)
{
    const Date day = makeDate(2026, 12, 10);
    const Date evening = withTime(day, 18, 30, 15);
    for (const auto& locale : {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
                               QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
        QLocale::setDefault(locale);
        EXPECT_EQ(parseDate(shortDateText(day)), day) << shortDateText(day);
        EXPECT_EQ(parseDate(longDateText(day)), day) << longDateText(day);
        EXPECT_EQ(parseDate(dateText(evening)), evening) << dateText(evening);
        EXPECT_EQ(parseDate(dateText(makeDate(1950, 1, 2))), makeDate(1950, 1, 2));
    }
}

TEST_F(DatesTest, ReadsOtherDateFormsAndRefusesWhatIsNoDate)
{
    EXPECT_EQ(parseDate("2026-12-10"), makeDate(2026, 12, 10));
    EXPECT_EQ(parseDate(" 12/10/26 "), makeDate(2026, 12, 10));
    EXPECT_EQ(parseDate("1/2/45"), makeDate(1945, 1, 2));
    EXPECT_EQ(parseDate("14:30"), withTime(Date{}, 14, 30, 0));
    EXPECT_EQ(parseDate(""), std::nullopt);
    EXPECT_EQ(parseDate("someday"), std::nullopt);
    EXPECT_EQ(parseDate("2/30/2026"), std::nullopt);
    EXPECT_EQ(parseDate("12"), std::nullopt);
}

TEST_F(DatesTest, TodayIsMidnightOfNow)
{
    const Date day = today();
    const Date moment = now();
    EXPECT_EQ(day.days, std::trunc(day.days));
    EXPECT_GE(moment.days, day.days);
    EXPECT_LT(moment.days, day.days + 1.001);  // may cross midnight between the calls
}

TEST_F(DatesTest, AScopedClockStandsAtItsMomentMovesAndGivesTheSystemClockBack)
{
    const Date morning = withTime(makeDate(2001, 2, 3), 10, 30, 0);
    {
        ScopedClock clock(morning);
        EXPECT_EQ(now(), morning);
        EXPECT_EQ(today(), makeDate(2001, 2, 3));

        clock.set(withTime(makeDate(2001, 2, 4), 0, 0, 1));  // the next day
        EXPECT_EQ(today(), makeDate(2001, 2, 4));
        {
            ScopedClock inner(morning);
            EXPECT_EQ(today(), makeDate(2001, 2, 3));
        }
        EXPECT_EQ(today(), makeDate(2001, 2, 4)) << "an inner clock gives back the one before it";
    }
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    EXPECT_GE(today().days, makeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).days)
        << "back on the system clock";
}

}  // namespace
}  // namespace platform::runtime
