// The tabular Hijri date functions: agreement with the Hijri calculator, Monday-first week days and
// weeks, month steps, names at the family's day numbers, the family's year and marker rules, the
// field locator and the errors.
#include "ADateTime.h"
#include "DateTestSupport.h"

#include "DTConst.h"
#include "Date.h"

using namespace Zarvel;
using Sys::string;
using ZarvelTest::Iso;
using ZarvelTest::MessageOf;
using ZarvelTest::U8;

namespace A = Zarvel::ADateTime;

namespace {

// The process-wide settings with the Hijri month names and English day names from Monday, the
// order the family reads them in.
Sys::TFormatSettings HijriSettings() {
    Sys::TFormatSettings fs = Sys::FormatSettings;
    std::copy(GhamariMonths.begin() + 1, GhamariMonths.end(), fs.LongMonthNames.begin());
    std::copy(GhamariMonths.begin() + 1, GhamariMonths.end(), fs.ShortMonthNames.begin());
    fs.LongDayNames = {u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday", u"Sunday"};
    fs.ShortDayNames = {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
    return fs;
}

} // namespace

TEST(ADateTime, AgreesWithTheHijriCalculatorOnEveryDay) {
    ZarvelTest::ExpectFamilyAgreesWithCalculator(ZARVEL_FAMILY_ARITHMETIC(A), u"IslamicTabular", 1300, 1500);
}

TEST(ADateTime, WeekDaysRunFromMonday) {
    // 2024-03-18 is a Monday.
    for (uint16_t k = 0; k < 7; ++k) {
        const TDateTime day = Sys::EncodeDate(2024, 3, 18) + k + 0.25;
        EXPECT_EQ(A::DayOfTheWeek(day), k + 1) << Iso(day);
        EXPECT_EQ(Iso(A::StartOfTheWeek(day)), "2024-03-18 00:00:00.000") << Iso(day);
        EXPECT_EQ(A::HourOfTheWeek(day), k * 24 + 6);
    }
    EXPECT_EQ(Iso(A::StartOfTheWeek(Sys::EncodeDate(2024, 3, 17))), "2024-03-11 00:00:00.000"); // a Sunday
    uint16_t y, m, d, dow;
    EXPECT_TRUE(A::DecodeDateFully(Sys::EncodeDate(2023, 7, 19), y, m, d, dow)); // 1445 is a leap year
    EXPECT_EQ(std::make_tuple(y, m, d, dow), std::make_tuple(1445, 1, 1, 3));
}

TEST(ADateTime, WeeksStartWithThePartialFirstWeek) {
    for (uint16_t year = 1300; year <= 1500; ++year) {
        const TDateTime first = A::EncodeDate(year, 1, 1);
        const uint16_t s = A::DayOfTheWeek(first);
        ASSERT_EQ(A::WeekOfTheYear(first), 1) << year;
        const TDateTime monday = first + (s == 1 ? 7 : 8 - s);
        ASSERT_EQ(A::WeekOfTheYear(monday), 2) << year;
        ASSERT_EQ(A::WeekOfTheYear(monday - 1), 1) << year;
        const uint16_t weeks = A::WeeksInAYear(year);
        ASSERT_EQ(weeks, A::WeekOfTheYear(A::EndOfAYear(year))) << year;
        ASSERT_TRUE(weeks == 51 || weeks == 52) << year;
    }
    for (int32_t day = int32_t(A::EncodeDate(1440, 1, 1)); day < int32_t(A::EncodeDate(1450, 1, 1)); ++day) {
        uint16_t y, w, dow, m;
        A::DecodeDateWeek(day, y, w, dow);
        TDateTime back;
        ASSERT_TRUE(A::TryEncodeDateWeek(y, w, back, dow) && back == day) << day;
        A::DecodeDateMonthWeek(day, y, m, w, dow);
        ASSERT_TRUE(A::TryEncodeDateMonthWeek(y, m, w, dow, back) && back == day) << day;
    }
    // 1446 begins on a Monday: its second week begins a week later.
    EXPECT_EQ(A::DayOfTheWeek(A::EncodeDate(1446, 1, 1)), 1);
    EXPECT_EQ(A::WeekOfTheYear(A::EncodeDate(1446, 1, 7)), 1);
    EXPECT_EQ(A::WeekOfTheYear(A::EncodeDate(1446, 1, 8)), 2);
    EXPECT_EQ(A::EncodeDateWeek(1446, 2), A::EncodeDate(1446, 1, 8));
}

TEST(ADateTime, MonthStepsTrimTheDayToTheMonth) {
    const ZarvelTest::TMonthStepCase steps[] = {
        {1445, 1, 30, 1, 1445, 2, 29},   {1445, 11, 30, 1, 1445, 12, 30},  {1446, 11, 30, 1, 1446, 12, 29},
        {1445, 1, 15, -1, 1444, 12, 15}, {1445, 12, 30, 12, 1446, 12, 29}, {1445, 3, 30, 24, 1447, 3, 30},
    };
    ZarvelTest::ExpectMonthSteps(
        steps, [&](uint16_t& Y, uint16_t& M, uint16_t& D, int32_t N) { A::IncAMonth(Y, M, D, N); });
}

TEST(ADateTime, FormatsNamesAtTheFamilysDayNumbers) {
    const Sys::TFormatSettings fs = HijriSettings();
    const TDateTime value = A::EncodeDateTime(1445, 1, 1, 13, 5, 0, 0); // a Wednesday
    EXPECT_EQ(U8(A::FormatDateTime(u"dddd ddd d mmmm yyyy", value, fs)), "Wednesday Wed 1 محرم 1445");
    EXPECT_EQ(U8(A::FormatDateTime(u"hh:nn a/p", value, fs)), "01:05 ع");
    EXPECT_EQ(U8(A::FormatDateTime(u"", value, fs)), "");
    EXPECT_EQ(U8(A::FormatDateTime(u"", value)), "");
    EXPECT_EQ(U8(A::DateToStr(value)), "45/1/1");
    EXPECT_EQ(A::WhatDay(fs, u"Monday"), 1);
    EXPECT_EQ(A::WhatMonth(fs, u"صفر"), 2);
}

TEST(ADateTime, ParsesWithTheFamilysYearsAndMarkers) {
    const Sys::TFormatSettings fs = HijriSettings();
    const ZarvelTest::TParseCase cases[] = {
        {u"yyyy/mm/dd", u"1445/01/01", "2023-07-19 00:00:00.000"},
        {u"yyyy/mm/dd", u"1301/01/01", "1883-11-02 00:00:00.000"},
        {u"yyyy/mm/dd", u"1499/01/01", "2075-12-09 00:00:00.000"},
        {u"yyyy/mm/dd", u"1300/01/01", nullptr},
        {u"yyyy/mm/dd", u"1500/01/01", nullptr},
        {u"yyyy/mm/dd", u"1445/02/30", nullptr},
        {u"yyyy/mm/dd", u"1446/12/30", nullptr},
        {u"yy/mm/dd", u"45/01/01", "1926-07-12 00:00:00.000"}, // 1345
        {u"yy/mm/dd", u"99/01/01", nullptr},
        {u"yyyy/mm/dd h:nn ampm", u"1445/01/01 9:15 بعد از ظهر", "2023-07-19 21:15:00.000"},
        {u"yyyy/mm/dd h:nn aMpM", u"1445/01/01 9:15 بعد از ظهر", nullptr}, // "ampm" is exact here
        {u"yyyy/mm/dd h:nn a/p", u"1445/01/01 9:15 ع", "2023-07-19 21:15:00.000"},
        {u"yyyy/mm/dd h:nn am/pm", u"1445/01/01 9:15 ق/ظ", "2023-07-19 09:15:00.000"},
        {u"dddd yyyy/mm/dd", u"Wednesday 1445/01/01", "2023-07-19 00:00:00.000"},
        {u"dddd yyyy/mm/dd", u"Monday 1445/01/01", nullptr},
        {u"d mmmm yyyy", u"1 محرم 1445", "2023-07-19 00:00:00.000"},
    };
    ZarvelTest::ExpectParses(cases, [&](const string& Text, TDateTime& Value, const string& Format) {
        return A::TryStrToDateTime(Text, Value, Format, fs);
    });
    EXPECT_EQ(A::StrToDate(u"45/1/1"), Sys::EncodeDate(1926, 7, 12));
    EXPECT_EQ(MessageOf<Sys::Exception>([] { A::StrToDate(u"46/13/1"); }), "'46/13/1' is not a valid date");
    EXPECT_EQ(MessageOf<Sys::Exception>([&] { A::StrToDateTime(u"x", fs); }),
              "'x' is not a valid date and time");
}

TEST(ADateTime, FieldLocatorNamesTheHijriMonth) {
    int32_t start = 0, length = 0;
    bool variable = false;
    EXPECT_EQ(A::Parser(HijriSettings(), 2, u"1 محرم 1445", u"d mmmm yyyy", start, length, variable),
              hdmtGhamariLongMonth);
    EXPECT_EQ(std::make_tuple(start, length, variable), std::make_tuple(3, 4, true));
    EXPECT_EQ(A::Parser(HijriSettings(), 2, u"1 محرم 1445", u"d mmm yyyy", start, length, variable),
              hdmtGhamariLongMonth);
    EXPECT_EQ(A::Parser(HijriSettings(), 3, u"1 محرم 1445", u"d mmmm yyyy", start, length, variable),
              hdmtLongYear);
}

TEST(ADateTime, ErrorsAndTheEdgesOfTheCalendar) {
    TDateTime value = -1;
    // A day beyond its month does not move into the next one.
    EXPECT_FALSE(A::TryEncodeDate(1445, 2, 30, value));
    EXPECT_TRUE(A::TryEncodeDate(1445, 12, 30, value));
    EXPECT_FALSE(A::TryEncodeDate(1446, 12, 30, value));
    EXPECT_TRUE(A::TryEncodeDateDay(1445, 355, value));
    EXPECT_FALSE(A::TryEncodeDateDay(1445, 356, value));
    EXPECT_FALSE(A::TryEncodeDateDay(0, 1, value));
    EXPECT_FALSE(A::TryEncodeDateDay(10000, 1, value));
    EXPECT_FALSE(A::IsValidDate(10000, 1, 1));
    EXPECT_EQ(MessageOf<Sys::Exception>([] { A::EncodeDate(1445, 2, 30); }),
              "Invalid argument to date encode");
    // Before 1 Muharram of year 1 there is no Hijri year.
    const TDateTime before = Sys::EncodeDate(622, 7, 1);
    EXPECT_EQ(MessageOf<Sys::Exception>([&] { A::YearOf(before); }),
              "The 0 date must be in the range of 1, 9999");
    EXPECT_FALSE(A::TryRecodeDateTime(before, 1, 1, 1, 0, 0, 0, 0, value));
    EXPECT_EQ(A::DaysInAMonth(1445, 1), 30);
    EXPECT_EQ(A::DaysInAMonth(1445, 2), 29);
    EXPECT_EQ(A::DaysInAMonth(1445, 11), 30);
    EXPECT_EQ(A::DaysInAYear(1446), 354);
}
