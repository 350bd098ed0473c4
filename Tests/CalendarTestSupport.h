// Whole-range checks shared by the tests of the calendars: every day of a span of years through a
// calculator's encode and decode operations, and ICU's calendars as an oracle for day numbers.
#pragma once

#include "RTL.Date.h"
#include "System.Character.h"

#include <gtest/gtest.h>

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <array>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>

namespace ZarvelTest {

struct TCalendarDate {
    int32_t Year, Month, Day;
    bool operator==(const TCalendarDate&) const = default;
};

inline std::ostream& operator<<(std::ostream& Out, const TCalendarDate& Date) {
    return Out << Date.Year << "/" << Date.Month << "/" << Date.Day;
}

inline std::string U8(const Sys::string& S) {
    return Sys::StringToUtf8(S);
}

// Names as one text, each followed by "|".
template <size_t N> std::string Joined(const std::array<Sys::string, N>& Names) {
    Sys::string s;
    for (const Sys::string& name : Names) s += name + u'|';
    return U8(s);
}

inline TCalendarDate Decode(Zarvel::TRTLCalendarCalc& Calc, Zarvel::TDateTime Value) {
    uint16_t y, m, d;
    Calc.DecodeDate(Value, y, m, d);
    return {y, m, d};
}

// The message of the exception of type E that Statement raises, or "no error".
template <typename E, typename F> std::string MessageOf(F Statement) {
    try {
        Statement();
    } catch (const E& e) {
        return U8(e.Message());
    }
    return "no error";
}

// Walks every day from the first day of FirstYear to the last day of LastYear. Each day must decode
// to the date right after the one before, so that every date of the span is met once and in order;
// its day of the year must agree with its month and day; both encodings must give the day back; and
// the day after the last of each month must not encode.
inline void ExpectEveryDayRoundTrips(Zarvel::TRTLCalendarCalc& Calc, uint16_t FirstYear, uint16_t LastYear) {
    Zarvel::TDateTime first, last;
    ASSERT_TRUE(Calc.TryEncodeDate(FirstYear, 1, 1, first));
    ASSERT_TRUE(Calc.TryEncodeDateDay(LastYear, Calc.DaysInAYear(LastYear), last));
    uint16_t py = FirstYear, pm = 1, pd = 0, pdoy = 0; // the day before the first
    for (int32_t day = int32_t(first); day <= int32_t(last); ++day) {
        uint16_t y, m, d, dy, doy;
        Calc.DecodeDate(day, y, m, d);
        Calc.DecodeDateDay(day, dy, doy);
        const bool nextDay = y == py && m == pm && d == pd + 1;
        const bool nextMonth = y == py && m == pm + 1 && d == 1 && pd == Calc.DaysInAMonth(py, pm);
        const bool nextYear = y == py + 1 && m == 1 && d == 1 && pm == 12 && pdoy == Calc.DaysInAYear(py);
        if (!(nextDay || nextMonth || nextYear) || dy != y || doy != (y == py ? pdoy + 1 : 1)) {
            ADD_FAILURE() << "day " << day << " is " << TCalendarDate{y, m, d} << ", day " << doy << " of "
                          << dy << ", after " << TCalendarDate{py, pm, pd} << ", day " << pdoy;
            return;
        }
        Zarvel::TDateTime fromDate = -1, fromDay = -1, beyond;
        if (!Calc.TryEncodeDate(y, m, d, fromDate) || fromDate != day ||
            !Calc.TryEncodeDateDay(y, doy, fromDay) || fromDay != day) {
            ADD_FAILURE() << TCalendarDate{y, m, d} << ", day " << doy << " encodes to " << fromDate
                          << " and " << fromDay << ", not " << day;
            return;
        }
        if (d == Calc.DaysInAMonth(y, m) && Calc.TryEncodeDate(y, m, d + 1, beyond)) {
            ADD_FAILURE() << "day " << d + 1 << " of " << y << "/" << m << " encodes";
            return;
        }
        py = y, pm = m, pd = d, pdoy = doy;
    }
    EXPECT_EQ((TCalendarDate{py, pm, pd}), (TCalendarDate{LastYear, 12, Calc.DaysInAMonth(LastYear, 12)}));
}

// A year of a calendar: its first day in the proleptic Gregorian calendar and its length.
struct TYearFacts {
    uint16_t Year;
    uint16_t GregorianYear, GregorianMonth, GregorianDay;
    uint16_t Days;
};

// Each year starts on its day and has its length; it is a leap year when it has LeapYearDays.
inline void ExpectYears(Zarvel::TRTLCalendarCalc& Calc, std::initializer_list<TYearFacts> Years,
                        uint16_t LeapYearDays) {
    for (const TYearFacts& y : Years) {
        EXPECT_EQ(Calc.EncodeDate(y.Year, 1, 1),
                  Sys::EncodeDate(y.GregorianYear, y.GregorianMonth, y.GregorianDay))
            << y.Year;
        EXPECT_EQ(Calc.DaysInAYear(y.Year), y.Days) << y.Year;
        EXPECT_EQ(Calc.IsLeapYear(y.Year), y.Days == LeapYearDays) << y.Year;
    }
}

// One of ICU's calendars ("persian", "islamic-civil"), in GMT, read by Julian day number.
class TIcuCalendar {
public:
    explicit TIcuCalendar(const char* Kind) {
        FCalendar.reset(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(),
                                                      icu::Locale((std::string("@calendar=") + Kind).c_str()),
                                                      FStatus));
    }
    bool Ok() const { return U_SUCCESS(FStatus) && FCalendar; }
    const char* Error() const { return u_errorName(FStatus); }

    TCalendarDate DateOf(int32_t J) {
        FCalendar->clear();
        FCalendar->set(UCAL_JULIAN_DAY, J);
        return {FCalendar->get(UCAL_EXTENDED_YEAR, FStatus), FCalendar->get(UCAL_MONTH, FStatus) + 1,
                FCalendar->get(UCAL_DATE, FStatus)};
    }

private:
    UErrorCode FStatus = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> FCalendar;
};

// J of a TDateTime day: day 0, 1899-12-30, is J 2415019.
inline int32_t JulianDayOf(int32_t Day) {
    return Day + 2415019;
}

} // namespace ZarvelTest
