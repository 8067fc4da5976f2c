#pragma once
// Dates as the runtime keeps them: days since 1899-12-30, the time of day as
// the fraction. Texts follow the current locale (QLocale's default), always
// with a four-digit year so that a text reads back to the same day.

#include "platform/runtime/Variant.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform::runtime {

// The runtime's range of days, 100-01-01 to 9999-12-31, any time of the day.
inline constexpr double kMinDate = -657434;
inline constexpr double kMaxDate = 2958465;

// DateSerial for a valid calendar day; 5 (invalid argument) for a day that
// does not exist or is outside the runtime's range.
Date makeDate(int year, int month, int day);
// TimeSerial added to a date's day.
Date withTime(Date date, int hour, int minute, int second);

struct DateParts {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    friend bool operator==(const DateParts&, const DateParts&) = default;
};
// Day and time of a date, the time rounded to the second; 6 (overflow) for a
// date outside the runtime's range. The texts below raise the same.
DateParts dateParts(Date date);

// Today at midnight and now, in local time, by the system clock unless a
// ScopedClock is set.
Date today();
Date now();

// A clock for tests: while the object lives, today() and now() read its
// moment instead of the system time; the clock that was in use before comes
// back when it goes. Set it only from the thread that reads the time.
class ScopedClock {
public:
    explicit ScopedClock(Date moment);
    ~ScopedClock();
    ScopedClock(const ScopedClock&) = delete;
    ScopedClock& operator=(const ScopedClock&) = delete;

    // Moves the clock to another moment, the next day for example.
    void set(Date moment);

private:
    std::optional<Date> m_previous;
};

// The locale's short date ("12/10/2026") and long date ("Thursday, December
// 10, 2026") of the day.
std::string shortDateText(Date date);
std::string longDateText(Date date);
// The day as an ISO date ("2026-12-10"), the same in every locale.
std::string isoDateText(Date date);
// The runtime's default text of a date (CStr): the short date, followed by the
// time when it is not midnight; only the time for a date on day 0.
std::string dateText(Date date);

// A date text read back: the locale's short or long date, an ISO date
// ("2026-12-10"), each optionally followed by a time. Two-digit years below 30
// are 20xx, others 19xx. nullopt when the text is not a date.
std::optional<Date> parseDate(std::string_view text);

}  // namespace platform::runtime
