// Shared by the tests of the date function families: readable instants, a family's arithmetic as a
// table of its functions, and the whole-range check of a family against the calculator of its
// calendar.
#pragma once

#include "RTL.Date.h"
#include "System.Character.h"
#include "System.DateUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>

namespace ZarvelTest {

inline std::string U8(const Sys::string& S) {
    return Sys::StringToUtf8(S);
}

// The proleptic Gregorian date and time of an instant.
inline std::string Iso(Sys::TDateTime Value) {
    uint16_t y, m, d, h, n, s, ms;
    Sys::DecodeDate(Value, y, m, d);
    Sys::DecodeTime(Value, h, n, s, ms);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", y, m, d, h, n, s, ms);
    return text;
}

// Puts the process-wide format settings back when the test ends.
class TFormatSettingsGuard {
public:
    TFormatSettingsGuard() : FSaved(Sys::FormatSettings) {}
    ~TFormatSettingsGuard() { Sys::FormatSettings = FSaved; }

private:
    Sys::TFormatSettings FSaved;
};

// The calendar arithmetic of a family.
struct TFamilyArithmetic {
    bool (*IsLeapYear)(uint16_t);
    uint16_t (*DaysInAYear)(uint16_t);
    uint16_t (*DaysInAMonth)(uint16_t, uint16_t);
    void (*DecodeDate)(Sys::TDateTime, uint16_t&, uint16_t&, uint16_t&);
    void (*DecodeDateDay)(Sys::TDateTime, uint16_t&, uint16_t&);
    bool (*TryEncodeDate)(uint16_t, uint16_t, uint16_t, Sys::TDateTime&);
    bool (*TryEncodeDateDay)(uint16_t, uint16_t, Sys::TDateTime&);
};

#define ZARVEL_FAMILY_ARITHMETIC(Family)                                                                     \
    ::ZarvelTest::TFamilyArithmetic {                                                                        \
        &Family::IsLeapYear, &Family::DaysInAYear, &Family::DaysInAMonth, &Family::DecodeDate,               \
            &Family::DecodeDateDay, &Family::TryEncodeDate, &Family::TryEncodeDateDay                        \
    }

// Every day of FirstYear to LastYear of the calculator's calendar: the family decodes it to the same
// date and day of the year, encodes both back to the day, and agrees on the lengths of its month and
// year and on leap years.
inline void ExpectFamilyAgreesWithCalculator(const TFamilyArithmetic& Family, Zarvel::TRTLCalendarCalc& Calc,
                                             uint16_t FirstYear, uint16_t LastYear) {
    const int32_t first = int32_t(Calc.EncodeDate(FirstYear, 1, 1)),
                  last = int32_t(Calc.EncodeDateDay(LastYear, Calc.DaysInAYear(LastYear)));
    for (int32_t day = first; day <= last; ++day) {
        uint16_t y, m, d, doy, fy, fm, fd, fdy, fdoy;
        Calc.DecodeDate(day, y, m, d);
        Calc.DecodeDateDay(day, y, doy);
        Family.DecodeDate(Sys::ComposeDateTime(day, 0.5), fy, fm, fd);
        Family.DecodeDateDay(day, fdy, fdoy);
        ASSERT_EQ(std::make_tuple(fy, fm, fd, fdy, fdoy), std::make_tuple(y, m, d, y, doy)) << day;
        Sys::TDateTime fromDate = -1, fromDay = -1;
        ASSERT_TRUE(Family.TryEncodeDate(y, m, d, fromDate) && fromDate == day) << y << "/" << m << "/" << d;
        ASSERT_TRUE(Family.TryEncodeDateDay(y, doy, fromDay) && fromDay == day) << y << " day " << doy;
        if (d == 1) {
            ASSERT_EQ(Family.DaysInAMonth(y, m), Calc.DaysInAMonth(y, m)) << y << "/" << m;
        }
        if (doy == 1) {
            ASSERT_EQ(Family.DaysInAYear(y), Calc.DaysInAYear(y)) << y;
            ASSERT_EQ(Family.IsLeapYear(y), Calc.IsLeapYear(y)) << y;
        }
    }
}

} // namespace ZarvelTest
