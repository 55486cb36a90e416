#pragma once
// A calendar date and the short date text the dealer information shows.

#include <string>

namespace pmr {

struct CalendarDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

/// The local date of the system clock.
CalendarDate SystemToday();

/// The short date: "YYYY-MM-DD", the same whatever the user's locale.
std::string FormatShortDate(const CalendarDate& date);

} // namespace pmr
