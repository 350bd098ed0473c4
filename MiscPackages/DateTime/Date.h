// Conversion between the dates of seven calendars and Julian Day Numbers (J: a day count in which
// TDateTime day 0, 1899-12-30, is 2415019). The calendar kinds:
//   0 Gregorian (proleptic, astronomical years), 1 Julian (proleptic, astronomical years),
//   2 Hebrew (arithmetic, months counted from Tishri: 6 is Adar or Adar I, 7 Adar II),
//   3 Islamic tabular (civil epoch), 4 French Republican, 5 Persian (years -1096 to 2327),
//   6 Chinese (from a table the application supplies).
#pragma once

#include "System.SysUtils.h"

#include <cstdint>
#include <string>

namespace Zarvel {

class EInvalidDateOperation : public Sys::Exception {
public:
    using Sys::Exception::Exception;
};

// The J of a date, or 0 when the kind has no record of the year (or the day lies outside the 32-bit
// range). Day and month are not checked: day 0 is the day before day 1, and months past the last
// one count as the days after it.
int32_t DMYToDay(int32_t Day, int32_t Month, int32_t Year, int32_t Kind);

// The date of J in the kind. Failure (a day outside the kind's years, an unknown kind, missing
// Chinese data) leaves D = -1 and M = -1.
void DayToDMY(int32_t J, int32_t& D, int32_t& M, int32_t& Y, int32_t Kind);

// The J of the day before 1 Farvardin of Year; -1 outside -1096 to 2327.
int32_t JalaliJD0(int32_t Year);
// The J of the last day of Year; -1 outside -1096 to 2327. The model does not say where 2328
// starts: its last segment, carried one year on, gives year 2327 its end.
int32_t JalaliYearEnd(int32_t Year);

// Stores the application's table of Chinese years, a byte string read little-endian: bytes 0-1 the
// number of years N, bytes 4-5 the first year Y0, and from byte 8 one 6-byte record per year whose
// first three bytes hold V. Bit i of V (i = 0 to 12) is set when month i + 1 has 30 days (else 29);
// V >> 13 is W, where W mod 14 is the intercalary month (0: none) and W div 14 days are added to the
// year's first day. A year whose record does not lie wholly inside the table has no record.
void SetChineseCalendarData(const std::string& Data);

// The intercalary month found by the last Chinese year built: 0 for none, else its value in the
// table plus 1.
int32_t GetChineseIntercalaryMonth();

// Month Index (1 to 12) of the month-name table becomes Name unless Name is empty; returns the
// entry. An index outside 1 to 12 names no entry: nothing changes and the result is empty.
Sys::string SetMonthName(int32_t Index, const Sys::string& Name);

} // namespace Zarvel
