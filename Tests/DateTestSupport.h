// Shared by the tests of the calendars and the date function families, beside CalendarTestSupport.h:
// readable instants, tables of parse, field-locator and month-step cases, a family's arithmetic as a
// table of its functions, and the whole-range check of a family against the calculator of its
// calendar.
#pragma once

#include "CalendarTestSupport.h"
#include "DTConst.h"
#include "RTL.Date.h"
#include "System.Character.h"
#include "System.DateUtils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <tuple>

namespace ZarvelTest {

// The proleptic Gregorian date and time of an instant.
inline std::string Iso(Sys::TDateTime Value) {
    uint16_t y, m, d, h, n, s, ms;
    Sys::DecodeDate(Value, y, m, d);
    Sys::DecodeTime(Value, h, n, s, ms);
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d.%03d", y, m, d, h, n, s, ms);
    return text;
}

// A text read in a format, and the Gregorian instant it gives (nullptr: it does not parse).
struct TParseCase {
    const char16_t* Format;
    const char16_t* Text;
    const char* Expected;
};

// Reads every case with Parse(Text, Value, Format).
template <size_t N>
void ExpectParses(const TParseCase (&Cases)[N],
                  const std::function<bool(const Sys::string&, Sys::TDateTime&, const Sys::string&)>& Parse) {
    for (const TParseCase& c : Cases) {
        Sys::TDateTime value = -1;
        const bool ok = Parse(c.Text, value, c.Format);
        if (!c.Expected) {
            EXPECT_FALSE(ok) << U8(c.Format) << " | " << U8(c.Text) << " -> " << Iso(value);
        } else {
            EXPECT_TRUE(ok) << U8(c.Format) << " | " << U8(c.Text);
            if (ok) {
                EXPECT_EQ(Iso(value), c.Expected) << U8(c.Format) << " | " << U8(c.Text);
            }
        }
    }
}

// The field that counts Index numeric fields in Text written in Format; hdmtNone where there is none
// (its place is then not compared).
struct TLocatorCase {
    const char16_t* Format;
    const char16_t* Text;
    int32_t Index;
    Zarvel::TJhDateTimeMaskType Kind;
    int32_t SelStart, SelLength;
    bool VariableWidth;
};

template <size_t N>
void ExpectLocates(const TLocatorCase (&Cases)[N],
                   const std::function<Zarvel::TJhDateTimeMaskType(
                       int32_t, const Sys::string&, const Sys::string&, int32_t&, int32_t&, bool&)>& Locate) {
    for (const TLocatorCase& c : Cases) {
        int32_t start = 0, length = 0;
        bool variable = false;
        const auto kind = Locate(c.Index, c.Text, c.Format, start, length, variable);
        EXPECT_EQ(kind, c.Kind) << U8(c.Format) << " #" << c.Index;
        if (kind != Zarvel::hdmtNone) {
            EXPECT_EQ(std::make_tuple(start, length, variable),
                      std::make_tuple(c.SelStart, c.SelLength, c.VariableWidth))
                << U8(c.Format) << " #" << c.Index;
        }
    }
}

// A date moved by whole months.
struct TMonthStepCase {
    uint16_t Y, M, D;
    int32_t Months;
    uint16_t EY, EM, ED;
};

template <size_t N>
void ExpectMonthSteps(const TMonthStepCase (&Cases)[N],
                      const std::function<void(uint16_t&, uint16_t&, uint16_t&, int32_t)>& IncAMonth) {
    for (const TMonthStepCase& c : Cases) {
        uint16_t y = c.Y, m = c.M, d = c.D;
        IncAMonth(y, m, d, c.Months);
        EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(c.EY, c.EM, c.ED))
            << c.Y << "/" << c.M << "/" << c.D << " " << c.Months;
    }
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
// year and on leap years. The calculator is the one registered as CalendarName.
inline void ExpectFamilyAgreesWithCalculator(const TFamilyArithmetic& Family, const Sys::string& CalendarName,
                                             uint16_t FirstYear, uint16_t LastYear) {
    const auto calculator = Zarvel::TRTLCalendarCalcFactory::Current().CreateCalendar(CalendarName, u"");
    ASSERT_NE(calculator, nullptr);
    Zarvel::TRTLCalendarCalc& Calc = *calculator;
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
