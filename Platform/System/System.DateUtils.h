// The run-time stand-in's calendar-independent date and time routines and its proleptic Gregorian
// calendar over TDateTime: days from 1899-12-30 in the integral part, the time of day in the fraction
// (for days before 1899-12-30 the fraction still counts forward from midnight: -1.25 is 1899-12-29
// 06:00).
#pragma once

#include "System.SysUtils.h"

#include <cstdint>

namespace Sys {

using TDateTime = double;

inline constexpr int32_t HoursPerDay = 24;
inline constexpr int32_t MinsPerHour = 60;
inline constexpr int32_t SecsPerMin = 60;
inline constexpr int32_t MSecsPerSec = 1000;
inline constexpr int64_t MSecsPerDay = 86400000;
// Days from 0001-01-01 (time stamp day 1) to 1899-12-31.
inline constexpr int32_t DateDelta = 693594;
inline constexpr TDateTime MinDateTime = -693593.0;        // 0001-01-01
inline constexpr TDateTime MaxDateTime = 2958465.99999999; // 9999-12-31 23:59:59.999
inline constexpr double ApproxDaysPerMonth = 30.4375;
inline constexpr double ApproxDaysPerYear = 365.25;
// A part of a Recode call that keeps its value.
inline constexpr uint16_t RecodeLeaveFieldAsIs = 65535;

// The first day of a week.
enum TCalDayOfWeek : uint8_t {
    dowMonday,
    dowTuesday,
    dowWednesday,
    dowThursday,
    dowFriday,
    dowSaturday,
    dowSunday,
    dowLocaleDefault
};

// Messages of the date errors.
inline constexpr char16_t SDateEncodeError[] = u"Invalid argument to date encode";
inline constexpr char16_t STimeEncodeError[] = u"Invalid argument to time encode";
inline constexpr char16_t SInvalidDate[] = u"'%s' is not a valid date";
inline constexpr char16_t SInvalidDateTime[] = u"'%s' is not a valid date and time";
inline constexpr char16_t SInvalidDateDay[] = u"(%d, %d) is not a valid DateDay pair";
inline constexpr char16_t SInvalidDateWeek[] = u"(%d, %d, %d) is not a valid DateWeek triplet";
inline constexpr char16_t SInvalidDateMonthWeek[] = u"(%d, %d, %d, %d) is not a valid DateMonthWeek quad";
inline constexpr char16_t SInvalidDayOfWeekInMonth[] =
    u"(%d, %d, %d, %d) is not a valid DayOfWeekInMonth quad";
inline constexpr char16_t SInvalidDateTimeParts[] =
    u"(%s, %d, %d, %d, %d, %d, %d, %d) is not a valid date and time";

// --- Day numbers and time stamps
// The day of a value (its integral part, as the time stamp counts it) and the millisecond of its day.
int32_t DayOf(TDateTime Value);
int32_t MilliSecondOfTheDay(TDateTime Value);
// A day and a time of day (a fraction in [0, 1)) as one value, keeping the forward-counting fraction
// of days before day 0.
TDateTime ComposeDateTime(int32_t Day, double Time);
// Milliseconds since 0001-01-01 00:00 (day count 1 × MSecsPerDay + time).
int64_t DateTimeToMilliseconds(TDateTime Value);

// --- Proleptic Gregorian calendar, years 1 to 9999
bool IsLeapYear(uint16_t Year);
uint16_t DaysInAMonth(uint16_t Year, uint16_t Month);
uint16_t DaysInAYear(uint16_t Year);
bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date);
// Raises EConvertError with SDateEncodeError.
TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day);
void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day);
// DOW 1 = Sunday; the result tells whether the year is a leap year.
bool DecodeDateFully(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day, uint16_t& DOW);
bool TryEncodeDateDay(uint16_t Year, uint16_t DayOfYear, TDateTime& Value);
void DecodeDateDay(TDateTime Value, uint16_t& Year, uint16_t& DayOfYear);
// 1 = Sunday … 7 = Saturday.
uint16_t DayOfWeek(TDateTime Value);
// 1 = Monday … 7 = Sunday.
uint16_t DayOfTheWeek(TDateTime Value);
// Moves the date by whole months; a day beyond the new month's length becomes its last day.
void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths = 1);

// --- ISO 8601 weeks: a week runs from Monday (day 1) to Sunday (day 7) and belongs to the year, or
// month, of its Thursday, so week 1 is the one holding the first Thursday. The days before it are in
// the last week of the year (month) before.
void DecodeDateWeek(TDateTime Value, uint16_t& Year, uint16_t& WeekOfYear, uint16_t& DayOfWeek);
void DecodeDateMonthWeek(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& WeekOfMonth,
                         uint16_t& DayOfWeek);
// 52 or 53; 0 outside years 1 to 9999.
uint16_t WeeksInAYear(uint16_t Year);
bool IsValidDateWeek(uint16_t Year, uint16_t WeekOfYear, uint16_t DayOfWeek);
bool IsValidDateMonthWeek(uint16_t Year, uint16_t Month, uint16_t WeekOfMonth, uint16_t DayOfWeek);
bool TryEncodeDateWeek(uint16_t Year, uint16_t WeekOfYear, TDateTime& Value, uint16_t DayOfWeek = 1);
bool TryEncodeDateMonthWeek(uint16_t Year, uint16_t Month, uint16_t WeekOfMonth, uint16_t DayOfWeek,
                            TDateTime& Value);

// --- Time of day
bool IsValidTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Time);
// Raises EConvertError with STimeEncodeError.
TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec);
void DecodeTime(TDateTime Value, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec);
uint16_t HourOf(TDateTime Value);
uint16_t MinuteOf(TDateTime Value);
uint16_t SecondOf(TDateTime Value);
uint16_t MilliSecondOf(TDateTime Value);
TDateTime StartOfTheDay(TDateTime Value);
TDateTime EndOfTheDay(TDateTime Value);
// The local time of the system clock, and its day at 00:00.
TDateTime Now();
TDateTime Today();

// --- Formatting, letters in either case: d dd, ddd dddd (day names, 1 = Sunday), ddddd dddddd (the
// short and long date formats), m mm mmm mmmm (minutes right after an hour), yy yyyy, h hh, n nn,
// s ss, z zzz, t tt (the short and long time formats), c (the short date, and the long time unless it
// is midnight), the markers am/pm and a/p (written in the format's letters) and ampm (TimeAMString,
// TimePMString), which put the hours on a twelve-hour clock, "/" and ":" (the separators) and quoted
// text; other characters are copied.
void DateTimeToString(string& Result, const string& Format, TDateTime Value,
                      const TFormatSettings& Settings = FormatSettings);
string FormatDateTime(const string& Format, TDateTime Value,
                      const TFormatSettings& Settings = FormatSettings);
// The time of Value in Settings.LongTimeFormat.
string TimeToStr(TDateTime Value, const TFormatSettings& Settings = FormatSettings);

// --- Calendar-independent arithmetic
TDateTime IncDay(TDateTime Value, int32_t NumberOfDays = 1);
TDateTime IncWeek(TDateTime Value, int32_t NumberOfWeeks = 1);
int32_t DaysBetween(TDateTime Now, TDateTime Then);
double DaySpan(TDateTime Now, TDateTime Then);
int32_t WeeksBetween(TDateTime Now, TDateTime Then);
double WeekSpan(TDateTime Now, TDateTime Then);
// Whether the day of Date lies between the days of Start and End (the bounds in either order).
bool DateInRange(TDateTime Date, TDateTime Start, TDateTime End, bool Inclusive = true);
bool DateTimeInRange(TDateTime Value, TDateTime Start, TDateTime End, bool Inclusive = true);

// --- The invalid-date errors, each an EConvertError naming the arguments
[[noreturn]] void InvalidDateDayError(uint16_t Year, uint16_t DayOfYear);
[[noreturn]] void InvalidDateWeekError(uint16_t Year, uint16_t WeekOfYear, uint16_t DayOfWeek);
[[noreturn]] void InvalidDateMonthWeekError(uint16_t Year, uint16_t Month, uint16_t WeekOfMonth,
                                            uint16_t DayOfWeek);
[[noreturn]] void InvalidDayOfWeekInMonthError(uint16_t Year, uint16_t Month, uint16_t NthDayOfWeek,
                                               uint16_t DayOfWeek);
[[noreturn]] void InvalidDateTimeError(uint16_t Year, uint16_t Month, uint16_t Day, uint16_t Hour,
                                       uint16_t Minute, uint16_t Second, uint16_t MilliSecond,
                                       TDateTime BaseDate = 0);

} // namespace Sys
