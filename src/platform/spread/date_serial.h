// Dates and times as serial numbers: whole days counted from 1 on
// 1 January 1900, the time of day as the fraction. Day 60 is 29 February
// 1900, a day that never was, kept so that serial numbers agree with the
// workbooks of other spreadsheet programs; from 1 March 1900 on, serials
// are true day counts. Private to the engine.
#pragma once

#include <string_view>

namespace spread {

constexpr double kLastSerial = 2958465; // 31 December 9999

struct CivilDate {
    int year, month, day; // day 0 of January 1900 for serial 0
};

// The serial of a year, month and day; months and days outside their range
// roll over into the next or previous year and month.
double serialOf(long long year, long long month, long long day);
// The date of a serial (its whole part), 0 <= serial <= kLastSerial.
CivilDate dateOf(double serial);
int daysInMonth(int year, int month);

// A text that reads as a date, a time or both: ISO dates ("2024-02-29"),
// month/day/year and day-month name-year orders ("2/29/2024",
// "29-Feb-2024", "February 29, 2024"), times "10:30", "10:30:15.5",
// "10:30 PM", and a date followed by a time. Independent of the process
// locale.
bool textToDateTime(std::wstring_view text, double& serial);

} // namespace spread
