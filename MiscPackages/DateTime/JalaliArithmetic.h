// The Persian (Jalali) calendar over the day-number core's year model, shared by the Jalali
// calculator and the Persian date functions. Years run from 0 to 2327, the last of which ends where
// JalaliYearEnd ends it. What needs a later year raises EInvalidDateOperation with _SDateOutOfRange;
// the Try operations return false instead.
#pragma once

#include "System.DateUtils.h"

#include <cstdint>

namespace Zarvel::Jalali {

inline constexpr uint16_t LastYear = 2327;

// 365 or 366.
uint16_t DaysInAYear(uint16_t Year);
// Months 1 to 6 have 31 days, 7 to 11 have 30, and month 12 the rest of the year; months below 1
// count as the first rule, above 12 as the last.
uint16_t DaysInAMonth(uint16_t Year, uint16_t Month);
// Instants outside years 0 to 2327 raise: their year has no 16-bit form or no definition.
void DecodeDateDay(Sys::TDateTime Value, uint16_t& Year, uint16_t& DayOfYear);
void DecodeDate(Sys::TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day);
// The day of the year of a month and day; neither is checked.
uint16_t DayOfYear(uint16_t Month, uint16_t Day);
// False above 2327 only: the day of the year is not checked.
bool TryEncodeDateDay(uint16_t Year, uint16_t DayOfYear, Sys::TDateTime& Value);
// The day after a step of months: day 31 becomes 30 in months 7 to 11, and a day of 30 or more in
// month 12 becomes that month's length. Months 1 to 6 keep the day.
void FitDay(uint16_t Year, uint16_t Month, uint16_t& Day);

} // namespace Zarvel::Jalali
