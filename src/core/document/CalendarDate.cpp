#include "document/CalendarDate.h"

#include <ctime>

namespace pmr {
namespace {

std::string TwoDigits(int v) {
    std::string s = std::to_string(v);
    return s.size() < 2 ? "0" + s : s;
}

} // namespace

CalendarDate SystemToday() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string FormatShortDate(const CalendarDate& date) {
    std::string year = std::to_string(date.year);
    if (year.size() < 4)
        year.insert(0, 4 - year.size(), '0');
    return year + "-" + TwoDigits(date.month) + "-" + TwoDigits(date.day);
}

} // namespace pmr
