// Small routines shared by all date code: raising conversion errors, quoted text in formats,
// milliseconds of an instant and a non-negative modulo.
#pragma once

#include "RTLLibs.ExSysUtils.h"
#include "RTLSystem.SysUtils.h"
#include "System.DateUtils.h"

#include <cstdint>
#include <initializer_list>

namespace Zarvel {

// Raises EConvertError with the text ResString.
[[noreturn]] void ConvertError(const Sys::string& ResString);
// Raises EConvertError with ResString formatted with Args.
[[noreturn]] void ConvertErrorFmt(const Sys::string& ResString, std::initializer_list<Sys::TVarRec> Args);

// The quoted text that starts at S[Index] (0-based; S[Index] is the quote character Q, ' or ").
// When a closing Q follows, returns the text strictly between the quotes and sets NewIndex to the
// closing quote's index. A doubled Q inside the text stands for one Q and does not close it. When no
// closing Q exists, returns the empty text and sets NewIndex to Index + 1.
Sys::string CopyQuotedStr(const Sys::string& S, size_t Index, size_t& NewIndex);

// The month and year step of adding NumberOfMonths to a date: whole years go into Year, and a month
// that leaves 1 to 12 wraps, moving Year by one in the direction of the step. Fitting the day to the
// new month is the caller's rule.
void StepMonths(uint16_t& Year, uint16_t& Month, int32_t NumberOfMonths);

// Date (a whole day) at the time of day Hour:Min:Sec.MSec; false when that is no time of day.
bool TryAddTime(Sys::TDateTime Date, uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec,
                Sys::TDateTime& Value);

// The day of Day at the time of day of Time.
Sys::TDateTime WithTimeOf(Sys::TDateTime Day, Sys::TDateTime Time);

// The parts of a date and time (year, month, day, hour, minute, second, millisecond) with each part
// of Given put in that is not Sys::RecodeLeaveFieldAsIs.
void RecodeParts(uint16_t (&Parts)[7], const uint16_t (&Given)[7]);

// The days that Count whole years add to a day of Year: the lengths of Year and the years after it,
// or, for a negative Count, less those of the years before it.
template <typename TDaysInAYear> int64_t DaysInYears(int32_t Year, int32_t Count, TDaysInAYear DaysInAYear) {
    const int64_t target = int64_t(Year) + Count;
    int64_t days = 0;
    if (Count > 0)
        for (; Year < target; ++Year) days += DaysInAYear(static_cast<uint16_t>(Year));
    else
        for (; Year > target; --Year) days -= DaysInAYear(static_cast<uint16_t>(Year - 1));
    return days;
}

// The Julian day number of TDateTime day 0 (1899-12-30).
inline constexpr int32_t DateTimeJulianDay = 2415019;

// The Julian day number of the day of AValue: the time stamp's day count + 1721425 (TDateTime day 0
// is J 2415019). Days beyond the 32-bit range, which no calendar holds, are clamped to it.
int32_t JulianDayOf(Sys::TDateTime AValue);

// DateTimeToMilliseconds and PosMod of the date code are the shared ones of RTLSystem.SysUtils and
// RTLLibs.ExSysUtils.

} // namespace Zarvel
