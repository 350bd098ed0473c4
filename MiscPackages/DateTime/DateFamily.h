// What the date function families are built from. Each family's unit defines TCalendar, the rules in
// which it differs from the others, and includes DateFamily.Body.inc inside its namespace, which
// writes every member of the family once over TCalendar. TCalendar supplies:
//   MaxYear, the last year the validity checks accept (the first is 1);
//   IsLeapYear, DaysInAYear, DaysInAMonth, DecodeDate, DecodeDateDay, TryEncodeDateDay, and
//     TryEncodeDate, which need not check its arguments;
//   DayOfTheWeek, the family's numbering of week days, and IncAMonth;
//   DecodeDateWeek, DecodeDateMonthWeek, WeeksInAYear, IsValidDateWeek, IsValidDateMonthWeek,
//     TryEncodeDateWeek and TryEncodeDateMonthWeek, the family's week numbering;
//   PlatformFormat, whether formatting is the platform's rather than the family's format engine;
//   CompleteYear, MarkerFormAt and DayNameOf for the parse engine, and ShortMonthNameKind and
//     LongMonthNameKind for the field locator.
// The Persian and Arabic families are one design over two calendars: TFamilyCalendar holds what they
// share.
#pragma once

#include "DTConst.h"
#include "Date.h"
#include "DateGlobal.h"
#include "DateTextEngines.h"
#include "System.DateUtils.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace Zarvel {

// The rules the Persian and Arabic families share, for the calendar C (which supplies the arithmetic
// and MaxYear). Week day 1 is the weekday whose time stamp day count is FirstDayStamp modulo 7 (the
// time stamp's day 1 is a Monday). AmpmFormIgnoresCase tells whether the parse engine reads the
// marker form "ampm" in any letter case; MonthNameKind is the field locator's kind of a month name.
template <typename C, int32_t FirstDayStamp, bool AmpmFormIgnoresCase, TJhDateTimeMaskType MonthNameKind>
struct TFamilyCalendar {
    static constexpr bool PlatformFormat = false;
    static constexpr TJhDateTimeMaskType ShortMonthNameKind = MonthNameKind,
                                         LongMonthNameKind = MonthNameKind;

    static uint16_t DayOfTheWeek(Sys::TDateTime Value) {
        return static_cast<uint16_t>(PosMod(Sys::DateTimeToTimeStamp(Value).Date - FirstDayStamp, 7) + 1);
    }
    // Day names stand at the family's day-of-week number.
    static uint8_t DayNameOf(Sys::TDateTime Value) { return static_cast<uint8_t>(DayOfTheWeek(Value)); }

    // A full year from 1301 to 1499; a short one counts from 1300 and gives 1302 to 1398.
    static bool CompleteYear(int64_t Number, bool Full, const Sys::TFormatSettings&, int64_t& Year) {
        Year = Full ? Number : Number + 1300;
        return Full ? 1301 <= Year && Year <= 1499 : 1302 <= Year && Year <= 1398;
    }

    // At a lower-case "a": "a/p" reads the one-letter markers, then "ampm" the settings' markers, then
    // "am/pm" the two-part markers; the texts are compared exactly.
    static bool MarkerFormAt(const Sys::string& Format, size_t I, const Sys::TFormatSettings& FS,
                             TMarkerForm& Form) {
        if (StandsAt(Format, I, u"a/p"))
            Form = {LoadResString(_rscVeryShortMorning), LoadResString(_rscVeryShortAfternoon), 3, false,
                    hdmtAmPmVeryShort};
        else if (AmpmFormIgnoresCase ? StandsAtIgnoreCase(Format, I, u"ampm") : StandsAt(Format, I, u"ampm"))
            Form = {FS.TimeAMString, FS.TimePMString, 4, false, hdmtAmPm};
        else if (StandsAt(Format, I, u"am/pm"))
            Form = {LoadResString(_rscShortMorning), LoadResString(_rscShortAfternoon), 5, false,
                    hdmtAmPmShort};
        else
            return false;
        return true;
    }

    // --- Weeks. Week 1 is the partial week from the first day of the year (month) to the end of its
    // week; every later week begins on day-of-week 1.

    // The week of day N of a period whose first day has day-of-week S.
    static uint16_t WeekOf(int32_t N, int32_t S) {
        const int32_t k = std::max(0, N + S - 8);
        return static_cast<uint16_t>(k / 7 + (k % 7 == 0 ? 1 : 2));
    }

    static void DecodeDateWeek(Sys::TDateTime AValue, uint16_t& AYear, uint16_t& AWeekOfYear,
                               uint16_t& ADayOfWeek) {
        uint16_t n;
        C::DecodeDateDay(AValue, AYear, n);
        ADayOfWeek = DayOfTheWeek(AValue);
        AWeekOfYear = WeekOf(n, DayOfTheWeek(Sys::DayOf(AValue) - (n - 1)));
    }

    static void DecodeDateMonthWeek(Sys::TDateTime AValue, uint16_t& AYear, uint16_t& AMonth,
                                    uint16_t& AWeekOfMonth, uint16_t& ADayOfWeek) {
        uint16_t day;
        C::DecodeDate(AValue, AYear, AMonth, day);
        ADayOfWeek = DayOfTheWeek(AValue);
        AWeekOfMonth = WeekOf(day, DayOfTheWeek(Sys::DayOf(AValue) - (day - 1)));
    }

    // The week DecodeDateWeek gives the last day of the year: 53 or 54 in a solar year that begins
    // late in the week, 51 or 52 in a lunar one. 0 for a year that has no first day.
    static uint16_t WeeksInAYear(uint16_t AYear) {
        const uint16_t days = C::DaysInAYear(AYear);
        Sys::TDateTime first;
        if (!C::TryEncodeDateDay(AYear, 1, first)) return 0;
        return WeekOf(days, DayOfTheWeek(first));
    }

    // A year or a month as its weeks: its first day, that day's day-of-week, its number of weeks and
    // the day-of-week of its last day.
    struct TPeriod {
        Sys::TDateTime First = 0;
        int32_t S = 0;
        uint16_t Weeks = 0;
        int32_t E = 0;

        TPeriod() = default;
        TPeriod(Sys::TDateTime AFirst, uint16_t Length)
            : First(AFirst), S(DayOfTheWeek(AFirst)), Weeks(WeekOf(Length, S)), E((S + Length - 2) % 7 + 1) {}
        // Week 1 holds the days from the first day's weekday on, the last week those up to the last
        // day's.
        bool Holds(uint16_t W, uint16_t D) const {
            return W >= 1 && W <= Weeks && D >= (W == 1 ? S : 1) && D <= (W == Weeks ? E : 7);
        }
        Sys::TDateTime Day(uint16_t W, uint16_t D) const {
            return First + (W == 1 ? D - S : (7 - S) + D + (W - 2) * 7);
        }
    };

    static bool YearPeriod(uint16_t AYear, TPeriod& Period) {
        Sys::TDateTime first;
        if (AYear < 1 || AYear > C::MaxYear || !C::TryEncodeDateDay(AYear, 1, first)) return false;
        Period = TPeriod(first, C::DaysInAYear(AYear));
        return true;
    }

    static bool MonthPeriod(uint16_t AYear, uint16_t AMonth, TPeriod& Period) {
        Sys::TDateTime first;
        if (AYear < 1 || AYear > C::MaxYear || AMonth < 1 || AMonth > 12 ||
            !C::TryEncodeDate(AYear, AMonth, 1, first))
            return false;
        Period = TPeriod(first, C::DaysInAMonth(AYear, AMonth));
        return true;
    }

    static bool IsValidDateWeek(uint16_t AYear, uint16_t AWeekOfYear, uint16_t ADayOfWeek) {
        TPeriod year;
        return YearPeriod(AYear, year) && year.Holds(AWeekOfYear, ADayOfWeek);
    }

    static bool IsValidDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                     uint16_t ADayOfWeek) {
        TPeriod month;
        return MonthPeriod(AYear, AMonth, month) && month.Holds(AWeekOfMonth, ADayOfWeek);
    }

    static bool TryEncodeDateWeek(uint16_t AYear, uint16_t AWeekOfYear, Sys::TDateTime& AValue,
                                  uint16_t ADayOfWeek) {
        TPeriod year;
        if (!YearPeriod(AYear, year) || !year.Holds(AWeekOfYear, ADayOfWeek)) return false;
        AValue = year.Day(AWeekOfYear, ADayOfWeek);
        return true;
    }

    static bool TryEncodeDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                       uint16_t ADayOfWeek, Sys::TDateTime& AValue) {
        TPeriod month;
        if (!MonthPeriod(AYear, AMonth, month) || !month.Holds(AWeekOfMonth, ADayOfWeek)) return false;
        AValue = month.Day(AWeekOfMonth, ADayOfWeek);
        return true;
    }
};

} // namespace Zarvel
