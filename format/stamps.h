#pragma once

#include <functional>
#include <string>

/// A local date and time, broken down as people read it (month 1 to 12).
struct LocalTime {
    int year = 1970;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

/// The source of the current local time: the real clock in the program, a
/// fixed one in tests.
using Clock = std::function<LocalTime()>;

/// D.M.YYYY, without leading zeros: 6.12.2026.
std::string dateStamp(const LocalTime& time);

/// hh:mm:ss on the 24-hour clock: 09:05:07.
std::string timeStamp(const LocalTime& time);

/// YYYYMMDD_hh.mm.ss, for a file name: 20261206_01.43.31.
std::string fileStamp(const LocalTime& time);
