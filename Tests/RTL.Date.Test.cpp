// The calendar calculator's derived operations, its format, parse and field-locating engines and the
// registry, exercised through the Gregorian calculator.
#include "Date.h"
#include "DateTestSupport.h"
#include "RTL.Date.Julian.h"
#include "System.Character.h"
#include "TestSupport.h"

#include <unicode/calendar.h>
#include <unicode/gregocal.h>

#include <limits>
#include <set>

using namespace Zarvel;
using Sys::string;
using D = TDayOfWeek;
using ZarvelTest::Iso;
using ZarvelTest::U8;

namespace {

// A Gregorian calculator whose protected operations a test may call.
class TGregorian : public TRTLJulianDateCalendarCalc {
public:
    static std::unique_ptr<TGregorian> Make(const string& Locale = {}) {
        return std::unique_ptr<TGregorian>(static_cast<TGregorian*>(ClassOf<TGregorian>()(Locale).release()));
    }
    using TRTLCalendarCalc::FLocale;
    using TRTLCalendarCalc::FormatDateTimeFullToString;
    using TRTLCalendarCalc::GetFormatSettings;
    using TRTLCalendarCalc::SetLocale;
};

} // namespace

TEST(DayOfWeekHelper, ArithmeticKeepsItsQuirks) {
    EXPECT_EQ(TDayOfWeekHelper::NextDay(D::Saturday, 1), D::Undefined);
    EXPECT_EQ(TDayOfWeekHelper::NextDay(D::Saturday, 2), D::Monday);
    EXPECT_EQ(TDayOfWeekHelper::NextDay(D::Monday, 6), D::Undefined);
    EXPECT_EQ(TDayOfWeekHelper::PriorDay(D::Sunday, 1), D::Saturday);
    EXPECT_EQ(TDayOfWeekHelper::PriorDay(D::Wednesday, 3), D::Sunday);
    EXPECT_EQ(TDayOfWeekHelper::Diff(D::Monday, D::Sunday), 6);
    EXPECT_EQ(TDayOfWeekHelper::Diff(D::Sunday, D::Monday), 1);
    EXPECT_EQ(TDayOfWeekHelper::Locale(D::Sunday, Sys::dowMonday), 2);
    EXPECT_EQ(TDayOfWeekHelper::DayOfWeek(Sys::dowSaturday, 3), TDayOfWeek(8)); // no wrapping
    EXPECT_EQ(TDayOfWeekHelper::AsWord(D::Sunday), 1);
    EXPECT_EQ(TDayOfWeekHelper::AsByte(D::Undefined), 8);
    TDayOfWeek d;
    TDayOfWeekHelper::From(d, 7);
    EXPECT_EQ(d, D::Saturday);
    for (int c = Sys::dowMonday; c <= Sys::dowLocaleDefault; ++c) {
        const auto cal = TCalDayOfWeek(c);
        EXPECT_EQ(TDayOfWeekHelper::ToTCalDayOfWeek(TDayOfWeekHelper::FromCalDayOfWeek(cal)), cal);
    }
    EXPECT_ASSERTION(TDayOfWeekHelper::NextDay(D::Monday, 7), "Assertion failure");
    EXPECT_ASSERTION(TDayOfWeekHelper::PriorDay(D::Monday, 7), "Assertion failure");
}

TEST(DayOfWeekHelper, ThreeDaySets) {
    struct TCase {
        TCalDayOfWeek First;
        TDaysSet FirstThree, LastThree;
    } cases[] = {
        {Sys::dowMonday, {D::Monday, D::Tuesday, D::Wednesday}, {D::Friday, D::Saturday, D::Undefined}},
        {Sys::dowSaturday, {D::Saturday, D::Undefined, D::Monday}, {D::Wednesday, D::Thursday, D::Friday}},
        {Sys::dowSunday, {D::Sunday, D::Monday, D::Tuesday}, {D::Thursday, D::Friday, D::Saturday}},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(TDayOfWeekHelper::FirstThreeDays(c.First), c.FirstThree) << int(c.First);
        EXPECT_EQ(TDayOfWeekHelper::LastThreeDays(c.First), c.LastThree) << int(c.First);
    }
}

TEST(GregorianCalendar, EveryDayAgreesWithThePlatformAndIcu) {
    auto calc = TGregorian::Make();
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar icu(icu::TimeZone::getGMT()->clone(), icu::Locale::getRoot(), status);
    icu.setGregorianChange(-8.64e15, status); // proleptic
    ASSERT_TRUE(U_SUCCESS(status));
    const int32_t first = int32_t(Sys::EncodeDate(1900, 1, 1)), last = int32_t(Sys::EncodeDate(2100, 12, 31));
    for (int32_t day = first; day <= last; ++day) {
        uint16_t y, m, d, py, pm, pd, doy, pdoy;
        TDayOfWeek dow;
        const bool leap = calc->DecodeDateFully(day + 0.75, y, m, d, dow);
        Sys::DecodeDate(day, py, pm, pd);
        calc->DecodeDateDay(day, y, doy);
        Sys::DecodeDateDay(day, py, pdoy);
        icu.set(UCAL_JULIAN_DAY, day + 2415019);
        const int32_t iy = icu.get(UCAL_EXTENDED_YEAR, status), im = icu.get(UCAL_MONTH, status) + 1,
                      id = icu.get(UCAL_DATE, status), idow = icu.get(UCAL_DAY_OF_WEEK, status) - 1,
                      idoy = icu.get(UCAL_DAY_OF_YEAR, status);
        ASSERT_EQ(std::make_tuple(y, m, d, doy), std::make_tuple(py, pm, pd, pdoy)) << day;
        ASSERT_EQ(std::make_tuple(int(y), int(m), int(d), int(dow), int(doy)),
                  std::make_tuple(iy, im, id, idow, idoy))
            << day;
        ASSERT_EQ(leap, calc->IsLeapYear(y));
        TDateTime back;
        ASSERT_TRUE(calc->TryEncodeDate(y, m, d, back));
        ASSERT_EQ(back, day);
    }
    ASSERT_TRUE(U_SUCCESS(status));
}

TEST(GregorianCalendar, Facts) {
    auto calc = TGregorian::Make();
    EXPECT_FALSE(calc->IsLeapYear(1900));
    EXPECT_TRUE(calc->IsLeapYear(2000));
    EXPECT_EQ(calc->DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(calc->DaysInAYear(2024), 366);
    EXPECT_EQ(Iso(0), "1899-12-30 00:00:00.000");
    EXPECT_EQ(calc->DayOfTheWeek(0), D::Saturday);
    EXPECT_EQ(calc->DayOfTheWeek(-1.25), D::Friday);
    TDateTime v;
    EXPECT_FALSE(calc->TryEncodeDate(10000, 1, 1, v));
    EXPECT_FALSE(calc->TryEncodeDate(2023, 2, 29, v));
    EXPECT_FALSE(calc->TryEncodeDateDay(2023, 366, v));
    EXPECT_TRUE(calc->TryEncodeDateDay(2024, 366, v));
    EXPECT_EQ(Iso(v), "2024-12-31 00:00:00.000");
    EXPECT_EQ(calc->CalendarType(), TRTLCalendarCalc::TCalendarType::SolarCalendar);
    EXPECT_EQ(calc->MinYear, 1);
    EXPECT_EQ(calc->MaxYear, 9999);
    EXPECT_EQ(calc->FirstWeekday, Sys::dowMonday);
}

TEST(CalendarCalc, IsoWeeksOverTwoCenturies) {
    // With weeks starting on Monday the week numbering is ISO 8601; ICU's ISO settings are the oracle.
    auto calc = TGregorian::Make();
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar icu(icu::TimeZone::getGMT()->clone(), icu::Locale::getRoot(), status);
    icu.setFirstDayOfWeek(UCAL_MONDAY);
    icu.setMinimalDaysInFirstWeek(4);
    for (uint16_t year = 1900; year <= 2100; ++year) {
        const int32_t first = int32_t(Sys::EncodeDate(year, 1, 1)),
                      last = int32_t(Sys::EncodeDate(year, 12, 31));
        int32_t isoWeeks = 0;
        for (int32_t day = first; day <= last; ++day) {
            uint16_t y, w;
            TDayOfWeek dow;
            calc->DecodeDateWeek(day, y, w, dow);
            icu.set(UCAL_JULIAN_DAY, day + 2415019);
            const int32_t iw = icu.get(UCAL_WEEK_OF_YEAR, status), iy = icu.get(UCAL_YEAR_WOY, status);
            ASSERT_EQ(std::make_pair(int(y), int(w)), std::make_pair(iy, iw)) << Iso(day);
            if (iy == year) isoWeeks = std::max(isoWeeks, iw);
            if (dow == D::Monday) {
                TDateTime back;
                ASSERT_TRUE(calc->TryEncodeDateWeek(y, w, back, D::Monday)) << Iso(day);
                ASSERT_EQ(back, day);
            }
        }
        ASSERT_EQ(calc->WeeksInAYear(year), isoWeeks) << year;
    }
    EXPECT_TRUE(U_SUCCESS(status));
}

TEST(CalendarCalc, WeekEdgeCases) {
    auto calc = TGregorian::Make();
    uint16_t y, w, m;
    TDayOfWeek dow;
    // 2017 begins on a Sunday: that day is in week 52 of 2016, the Monday after it in week 1.
    calc->DecodeDateWeek(Sys::EncodeDate(2017, 1, 1), y, w, dow);
    EXPECT_EQ(std::make_tuple(y, w, dow), std::make_tuple(uint16_t(2016), uint16_t(52), D::Sunday));
    calc->DecodeDateWeek(Sys::EncodeDate(2017, 1, 2), y, w, dow);
    EXPECT_EQ(std::make_pair(y, w), std::make_pair(uint16_t(2017), uint16_t(1)));
    // 2019 begins on a Tuesday. The encoding counts a week's days from Sunday, the decoding from
    // the first weekday.
    EXPECT_EQ(calc->EncodeDateWeek(2019, 2, D::Monday), Sys::EncodeDate(2019, 1, 7));
    EXPECT_EQ(calc->WeekOfTheYear(Sys::EncodeDate(2019, 1, 7)), 2);
    EXPECT_EQ(calc->EncodeDateWeek(2019, 2, D::Sunday), Sys::EncodeDate(2019, 1, 6));
    EXPECT_EQ(calc->WeekOfTheYear(Sys::EncodeDate(2019, 1, 6)), 1);
    // October 2019 begins on a Tuesday: day 5 (Saturday) is in week 1, day 6 (Sunday) in week 2.
    calc->DecodeDateMonthWeek(Sys::EncodeDate(2019, 10, 5), y, m, w, dow);
    EXPECT_EQ(std::make_tuple(y, m, w), std::make_tuple(uint16_t(2019), uint16_t(10), uint16_t(1)));
    calc->DecodeDateMonthWeek(Sys::EncodeDate(2019, 10, 6), y, m, w, dow);
    EXPECT_EQ(w, 2);
    EXPECT_EQ(calc->EncodeDateMonthWeek(2019, 10, 2, D::Sunday), Sys::EncodeDate(2019, 10, 6));
    // December 2019 ends on a Tuesday: its last days are week 1 of January 2020.
    calc->DecodeDateMonthWeek(Sys::EncodeDate(2019, 12, 31), y, m, w, dow);
    EXPECT_EQ(std::make_tuple(y, m, w), std::make_tuple(uint16_t(2020), uint16_t(1), uint16_t(1)));
    EXPECT_EQ(calc->WeeksInAYear(2020), 53); // a leap year that begins on a Wednesday
    EXPECT_EQ(calc->WeeksInAYear(2015), 53); // begins on a Thursday
    EXPECT_EQ(calc->WeeksInAYear(2019), 52);
    EXPECT_FALSE(calc->IsValidDateWeek(2019, 53, D::Monday));
    EXPECT_THROW(calc->EncodeDateWeek(2019, 53), Sys::EConvertError);
    // The third Friday of March 2024, and back.
    EXPECT_EQ(calc->EncodeDayOfWeekInMonth(2024, 3, 3, D::Friday), Sys::EncodeDate(2024, 3, 15));
    uint16_t nth;
    calc->DecodeDayOfWeekInMonth(Sys::EncodeDate(2024, 3, 15), y, m, nth, dow);
    EXPECT_EQ(std::make_tuple(nth, dow), std::make_tuple(uint16_t(3), D::Friday));
    EXPECT_THROW(calc->EncodeDayOfWeekInMonth(2024, 2, 5, D::Monday), Sys::EConvertError);
}

TEST(CalendarCalc, PeriodsAndIncrements) {
    auto calc = TGregorian::Make();
    const TDateTime tuesday = Sys::EncodeDate(2024, 3, 5) + Sys::EncodeTime(13, 7, 9, 45);
    EXPECT_EQ(Iso(calc->StartOfTheWeek(tuesday)), "2024-03-03 00:00:00.000");
    EXPECT_EQ(calc->StartOfTheWeek(Sys::EncodeDate(2024, 3, 3)), Sys::EncodeDate(2024, 3, 3));
    EXPECT_EQ(calc->StartOfTheWeek(Sys::EncodeDate(2024, 3, 9)), Sys::EncodeDate(2024, 3, 3));
    EXPECT_EQ(Iso(calc->EndOfTheWeek(tuesday)), "2024-03-09 23:59:59.999");
    EXPECT_EQ(Iso(calc->EndOfTheMonth(tuesday)), "2024-03-31 23:59:59.999");
    EXPECT_EQ(Iso(calc->EndOfAYear(2023)), "2023-12-31 23:59:59.999");
    EXPECT_EQ(Iso(calc->StartOfTheYear(tuesday)), "2024-01-01 00:00:00.000");
    EXPECT_EQ(Iso(calc->StartOfADay(2024, 2, 30)), "2024-03-01 00:00:00.000"); // the day is not checked
    EXPECT_EQ(calc->HourOfTheYear(tuesday), (31 + 29 + 4) * 24 + 13);
    EXPECT_EQ(calc->HourOfTheWeek(tuesday), 24 + 13); // Monday-first week
    EXPECT_EQ(calc->MilliSecondOfTheYear(tuesday),
              int64_t((31 + 29 + 4) * 24 + 13) * 3600000 + 7 * 60000 + 9045);

    const ZarvelTest::TMonthStepCase steps[] = {
        {2023, 12, 15, 1, 2024, 1, 15},   {2024, 1, 15, -1, 2023, 12, 15}, {2024, 1, 31, 1, 2024, 2, 29},
        {2023, 1, 31, 1, 2023, 2, 28},    {2024, 3, 31, -13, 2023, 2, 28}, {2024, 5, 10, 24, 2026, 5, 10},
        {2024, 5, 10, -17, 2022, 12, 10},
    };
    ZarvelTest::ExpectMonthSteps(
        steps, [&](uint16_t& Y, uint16_t& M, uint16_t& D, int32_t N) { calc->IncAMonth(Y, M, D, N); });
    EXPECT_EQ(Iso(calc->IncMonth(tuesday, 11)), "2025-02-05 13:07:09.045");
    EXPECT_EQ(calc->IncYear(tuesday, 0), tuesday);
    // Whole years keep the day of the year: day 65 of 2024 is 5 March, of 2025 6 March.
    EXPECT_EQ(Iso(calc->IncYear(tuesday, 1)), "2025-03-06 13:07:09.045");
    EXPECT_EQ(Iso(calc->IncYear(Sys::EncodeDate(2025, 3, 5), -1)), "2024-03-04 00:00:00.000");
    EXPECT_EQ(Iso(calc->IncYear(Sys::EncodeDate(2023, 3, 5), 2)), "2025-03-05 00:00:00.000");
    EXPECT_THROW(calc->IncYear(tuesday, 9000), Sys::EConvertError);
    uint16_t y = 2024, m = 2, d = 29;
    calc->IncAYear(y, m, d, 1);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(uint16_t(2025), uint16_t(2), uint16_t(28)));
    calc->IncADay(y, m, d, 1);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(uint16_t(2025), uint16_t(3), uint16_t(1)));

    // Spans divide whole milliseconds by the mean month and year.
    const TDateTime later = tuesday + 100.5;
    EXPECT_EQ(calc->MonthSpan(later, tuesday), 3.0);
    EXPECT_EQ(calc->MonthsBetween(tuesday, later), 3);
    EXPECT_EQ(calc->YearsBetween(tuesday, tuesday + 366), 1);
    EXPECT_EQ(calc->DaysBetween(tuesday, later), 100);
    EXPECT_TRUE(calc->SameMonth(tuesday, Sys::EncodeDate(1999, 3, 30)));
    EXPECT_TRUE(calc->SameDayOfWeek(tuesday, 2024, 3, 12));
    EXPECT_TRUE(calc->SameDayMonth(tuesday, 3, 5));
}

TEST(CalendarCalc, EncodingErrors) {
    auto calc = TGregorian::Make();
    const auto message = [](auto Statement) {
        try {
            Statement();
        } catch (const Sys::EConvertError& e) {
            return U8(e.Message());
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { calc->EncodeDate(2023, 2, 29); }), "Invalid argument to date encode");
    EXPECT_EQ(message([&] { calc->EncodeDateDay(2023, 366); }), "(2023, 366) is not a valid DateDay pair");
    EXPECT_EQ(message([&] { calc->EncodeDateWeek(2023, 60, D::Sunday); }),
              "(2023, 60, 1) is not a valid DateWeek triplet");
    EXPECT_EQ(message([&] { calc->EncodeDateMonthWeek(2023, 1, 6, D::Sunday); }),
              "(2023, 1, 6, 1) is not a valid DateMonthWeek quad");
    EXPECT_EQ(message([&] { calc->RecodeDay(Sys::EncodeDate(2023, 2, 1), 30); }),
              "(2023-02-01, 65535, 65535, 30, 65535, 65535, 65535, 65535) is not a valid date and time");
    EXPECT_EQ(message([&] { calc->StrToDate(u"x"); }), "'x' is not a valid date");
    EXPECT_EQ(message([&] { calc->StrToDateTime(u"x"); }), "'x' is not a valid date and time");
    EXPECT_EQ(Iso(calc->RecodeDate(Sys::EncodeDate(2023, 2, 1) + 0.5, 2024, 2, 29)),
              "2024-02-29 12:00:00.000");
    EXPECT_EQ(calc->StrToDateDef(u"x", 7.0), 7.0);
}

TEST(CalendarCalc, AbstractSlotsAndCenturyWindow) {
    // A calendar that supplies nothing cannot even decode today while it is built.
    struct TBare : TRTLCalendarCalc {};
    EXPECT_THROW(TRTLCalendarCalc::ClassOf<TBare>()(u""), Sys::EAbstractError);

    auto calc = TGregorian::Make();
    const uint16_t year = calc->CurrentYear();
    EXPECT_EQ(calc->ShortYearStartingCentury, (year - 80) / 100 * 100);
    EXPECT_EQ(calc->FormatSettings.TwoDigitYearCenturyWindow, 20);
    // Day names rotated to a Monday-first week: slot 1 holds Saturday, slot 2 Sunday.
    EXPECT_EQ(U8(calc->WeekDaysLocale[0]), "Saturday");
    EXPECT_EQ(U8(calc->ShortWeekDaysLocale[1]), "Sun");
    EXPECT_EQ(calc->TimeAMVeryShortString, u'A');
    EXPECT_EQ(U8(calc->TimePMLongString), "PM");
    // The engines read "m" as month and "n" as minute.
    EXPECT_EQ(U8(calc->FormatSettings.ShortDateFormat), "mm/dd/yyyy");
    EXPECT_EQ(U8(calc->FormatSettings.LongTimeFormat), "hh:nn:ss");
    EXPECT_EQ(calc->WhatDay(u"Tuesday"), 3);
    EXPECT_EQ(calc->WhatDay(u"Tue"), 3);
    EXPECT_EQ(calc->WhatDay(u"tuesday"), -1);
    EXPECT_EQ(calc->WhatMonth(u"Dec"), 12);

    calc->SetLocale(u"de");
    EXPECT_EQ(U8(calc->FLocale), "de");
    EXPECT_EQ(U8(calc->FormatSettings.LongMonthNames[2]), "März");
    EXPECT_EQ(calc->TimeAMVeryShortString, u'A'); // markers stay as Initialize left them
    EXPECT_EQ(calc->WhatMonth(u"März"), 3);
    EXPECT_EQ(U8(calc->GetFormatSettings().LongDayNames[0]), "Sonntag");
}

// --- The format engine

TEST(CalendarFormat, EveryElement) {
    auto calc = TGregorian::Make();
    calc->FormatSettings.DateSeparator = u'-';
    calc->FormatSettings.TimeSeparator = u'.';
    const TDateTime value = Sys::EncodeDate(2024, 3, 5) + Sys::EncodeTime(13, 7, 9, 45);
    struct TCase {
        const char16_t* Format;
        const char* Expected;
        bool LocaleSeparators = true;
    } cases[] = {
        {u"", ""},
        {u"d dd ddd dddd", "5 05 Tue Tuesday"},
        {u"ddddd", "03-05-2024"},
        {u"dddddd", "Tuesday, 05 March 2024"},
        {u"m mm mmm mmmm", "3 03 Mar March"},
        {u"MM Mm mMMm", "03 03 March"},
        {u"DD", "55"}, // only the first letter of a run folds
        {u"yy yyyy y yyy", "24 2024 y 24y"},
        {u"h:n:s hh:nn:ss", "13.7.9 13.07.09"},
        {u"h:n:s", "13:7:9", false},
        {u"yyyy/mm/dd", "2024/03/05", false},
        {u"yyyy/mm/dd", "2024-03-05"},
        {u"z zz zzz", "45 4545 045"},
        {u"t|tt|c", "13.07|13.07.09|03-05-202413.07.09"},
        {u"h a/p", "1 P"},
        {u"hh:nn am/pm", "01.07 PM"},
        {u"hh ampm", "01 PM"},
        {u"h AMPM ampm", "1 PM a3p3"}, // only the first marker counts; the second is letters
        {u"'yyyy' \"dd\"", "yyyy dd"},
        {u"'it''s' h", "it's 13"},
        {u"'open h", "ope7 13"}, // an unterminated quote is dropped, the rest is format
        {u"hh 'a/p'", "13 a/p"}, // a quoted marker does not switch to the twelve-hour clock
        {u"Q x", "Q x"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(U8(calc->FormatDateTime(c.Format, value, c.LocaleSeparators)), c.Expected) << U8(c.Format);
}

TEST(CalendarFormat, MarkersAndShortYears) {
    auto calc = TGregorian::Make();
    struct TCase {
        uint16_t Hour;
        const char16_t* Format;
        const char* Expected;
    } cases[] = {
        {0, u"h am/pm", "0 AM"}, {12, u"h am/pm", "12 AM"}, {13, u"h am/pm", "1 PM"},
        {23, u"hh a/p", "11 P"}, {0, u"hh ampm", "00 AM"},  {12, u"hh:nn", "12:00"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(U8(calc->FormatDateTime(c.Format,
                                          Sys::EncodeDate(2024, 1, 1) + Sys::EncodeTime(c.Hour, 0, 0, 0))),
                  c.Expected)
            << c.Hour << " " << U8(c.Format);
    // Empty long markers: the format's own letters in its own case.
    calc->TimeAMLongString.clear();
    EXPECT_EQ(U8(calc->FormatDateTimeFullToString(u"hh:nn am/pm", 2024, 1, 1, 9, 5, 0, 0, D::Monday, true)),
              "09:05 am");
    EXPECT_EQ(U8(calc->FormatDateTimeFullToString(u"hh:nn AM/PM", 2024, 1, 1, 21, 5, 0, 0, D::Monday, true)),
              "09:05 PM");
    calc->TimePMVeryShortString = 0;
    EXPECT_EQ(U8(calc->FormatDateTimeFullToString(u"h a/p", 2024, 1, 1, 21, 5, 0, 0, D::Monday, true)),
              "9 p");
    // "yy" takes the decimal year's third and fourth characters.
    EXPECT_EQ(U8(calc->FormatDateTimeFullToString(u"yy", 1403, 1, 1, 0, 0, 0, 0, D::Monday, true)), "03");
    EXPECT_EQ(U8(calc->FormatDateTimeFullToString(u"[yy]", 99, 1, 1, 0, 0, 0, 0, D::Monday, true)), "[]");
    EXPECT_EQ(U8(calc->FormatDateTimeFullToString(u"yy", 205, 1, 1, 0, 0, 0, 0, D::Monday, true)), "5");
}

TEST(CalendarFormat, SelfReferringStandardFormatEnds) {
    auto calc = TGregorian::Make();
    calc->FormatSettings.ShortDateFormat = u"ddddd";
    calc->FormatSettings.ShortTimeFormat = u"t:t";
    EXPECT_EQ(U8(calc->FormatDateTime(u"c", 0)), "00:00:00");
    TDateTime value;
    EXPECT_FALSE(calc->TryStrToDate(u"12/30/1899", value));
    EXPECT_FALSE(calc->TryStrToDateTime(u"1:1", value, u"t"));
}

// --- The parse engine

TEST(CalendarParse, Table) {
    auto calc = TGregorian::Make();
    const ZarvelTest::TParseCase cases[] = {
        {u"yyyy/mm/dd hh:nn:ss.zzz", u"2024/03/05 13:07:09.045", "2024-03-05 13:07:09.045"},
        {u"yyyy/m/d h:n:s.z", u"2024/3/5 1:7:9.45", "2024-03-05 01:07:09.045"},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 05:30 PM", "2024-01-02 17:30:00.000"},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 05:30 pm", "2024-01-02 17:30:00.000"},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 12:00 PM", "2024-01-02 00:00:00.000"},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 12:00 AM", "2024-01-02 12:00:00.000"},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 14:00 AM", nullptr},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 00:10 PM", nullptr},
        {u"yyyy/mm/dd hh:nn ampm", u"2024/01/02 14:00 PM", "2024-01-02 14:00:00.000"},
        {u"yyyy/mm/dd h a/p", u"2024/01/02 3 P", "2024-01-02 15:00:00.000"},
        {u"yyyy/mm/dd h am/pm", u"2024/01/02 3 am", "2024-01-02 03:00:00.000"},
        {u"yyyy/mm/dd ampm h ampm", u"2024/01/02 PM 3 AM", nullptr}, // markers disagree
        {u"yyyy/mm/dd", u"2024/13/01", nullptr},
        {u"yyyy/mm/dd", u"2023/02/29", nullptr},
        {u"yyyy/mm/dd", u"", nullptr},
        {u"yyyy/mm/dd", u"2024-03-05", nullptr}, // "/" is a literal here
        {u"yyyy/mm/dd", u"2024/03/05 and more", "2024-03-05 00:00:00.000"},
        {u"yyyy/mm/dd", u"9999/01/01", nullptr}, // both year bounds are excluded
        {u"yyyy/mm/dd", u"99999999999999999999/01/01", nullptr},
        {u"dddd yyyy/mm/dd", u"Tuesday 2024/03/05", "2024-03-05 00:00:00.000"},
        {u"ddd yyyy/mm/dd", u"Mon 2024/03/05", nullptr},
        {u"d mmmm yyyy", u"5 March 2024", "2024-03-05 00:00:00.000"},
        {u"d mmm yyyy", u"5 Mar 2024", "2024-03-05 00:00:00.000"},
        {u"d mmm yyyy", u"5 mar 2024", nullptr},
        {u"dd/mm/yyyy dd", u"05/03/2024 05", "2024-03-05 00:00:00.000"},
        {u"dd/mm/yyyy dd", u"05/03/2024 06", nullptr},
        {u"yyyy/mm/dd hh hh", u"2024/03/05 01 01", nullptr}, // a time field is read once
        {u"'on' yyyy/mm/dd", u"on 2024/03/05", "2024-03-05 00:00:00.000"},
        {u"'on' yyyy/mm/dd", u"at 2024/03/05", nullptr},
        {u"ddddd", u"03/05/2024", "2024-03-05 00:00:00.000"},
        {u"c", u"03/05/2024 13:07:09", "2024-03-05 13:07:09.000"},
        {u"yyyy/mm/dd tt", u"2024/03/05 13:07:09", "2024-03-05 13:07:09.000"},
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 24:00", nullptr},
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 23:60", nullptr},
        {u"yyyy/mm/dd hh:nn:ss.zzz", u"2024/03/05 23:59:59.1000", nullptr},
    };
    ZarvelTest::ExpectParses(cases, [&](const string& Text, TDateTime& Value, const string& Format) {
        return calc->TryStrToDateTime(Text, Value, Format);
    });
}

TEST(CalendarParse, TwoDigitYearsAndMissingParts) {
    auto calc = TGregorian::Make();
    calc->ShortYearStartingCentury = 1300;
    calc->FormatSettings.TwoDigitYearCenturyWindow = 20;
    TDateTime value;
    ASSERT_TRUE(calc->TryStrToDateTime(u"19/01/02", value, u"yy/mm/dd"));
    EXPECT_EQ(Iso(value), "1419-01-02 00:00:00.000");
    ASSERT_TRUE(calc->TryStrToDateTime(u"20/01/02", value, u"yy/mm/dd"));
    EXPECT_EQ(Iso(value), "1320-01-02 00:00:00.000");
    ASSERT_TRUE(calc->TryStrToDateTime(u"5", value, u"d"));
    EXPECT_EQ(calc->YearOf(value), calc->CurrentYear());
    EXPECT_EQ(calc->MonthOf(value), calc->CurrentMonth());
    EXPECT_EQ(calc->DayOf(value), 5);
    EXPECT_FALSE(calc->TryStrToDate(u"", value));
}

TEST(CalendarParse, WhatTheFormatWritesReadsBack) {
    auto calc = TGregorian::Make();
    const Sys::string formats[] = {u"yyyy/mm/dd hh:nn:ss.zzz", u"dddd d mmmm yyyy h:n:s.z",
                                   u"yyyy mmm dd hh:nn:ss.zzz ampm"};
    for (int32_t day = int32_t(Sys::EncodeDate(1990, 1, 1)); day < int32_t(Sys::EncodeDate(2030, 1, 1));
         day += 37)
        for (const Sys::string& format : formats) {
            const TDateTime value = day + ((day * 7919) % 86400000) / double(Sys::MSecsPerDay);
            TDateTime back;
            const Sys::string text = calc->FormatDateTime(format, value);
            ASSERT_TRUE(calc->TryStrToDateTime(text, back, format)) << U8(format) << " | " << U8(text);
            ASSERT_EQ(Iso(back), Iso(value)) << U8(text);
        }
}

// --- The field locator

TEST(CalendarLocator, FieldsOfAFormattedText) {
    auto calc = TGregorian::Make();
    using M = TRTLCalendarCalc;
    const ZarvelTest::TLocatorCase cases[] = {
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 13:07", 1, M::hdmtLongYear, 1, 4, false},
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 13:07", 2, M::hdmtMonth, 6, 2, false},
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 13:07", 4, M::hdmt24Hour, 12, 2, false},
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 13:07", 5, M::hdmtMinute, 15, 2, false},
        {u"yyyy/mm/dd hh:nn", u"2024/03/05 13:07", 6, M::hdmtNone, 0, 0, true},
        {u"d/m/yy", u"5/3/24", 1, M::hdmtDay, 1, 1, true},
        {u"d/m/yy", u"15/3/24", 2, M::hdmtMonth, 4, 1, true},
        {u"d/m/yy", u"5/3/24", 3, M::hdmtYear, 5, 2, false},
        {u"h:nn am/pm", u"1:07 PM", 1, M::hdmt12Hour, 1, 1, true},
        {u"h:nn am/pm", u"1:07 PM", 3, M::hdmtAmPmShort, 6, 2, true},
        {u"h:nn ampm", u"1:07 AM", 3, M::hdmtAmPm, 6, 2, true},
        {u"s.zzz", u"9.045", 2, M::hdmtMilliSec, 3, 3, false},
        {u"d mmmm yyyy", u"5 March 2024", 2, M::hdmtLongMonth, 3, 5, true},
        {u"d mmm yyyy", u"5 Mar 2024", 3, M::hdmtLongYear, 7, 4, false},
        {u"dddd d", u"Tuesday 5", 1, M::hdmtDay, 9, 1, true}, // past the day name
        {u"yyyy/mm/dd", u"2024-03-05", 2, M::hdmtNone, 0, 0, true},
        {u"d mmmm", u"5 Mai", 2, M::hdmtNone, 0, 0, true},
        {u"yyyy", u"2024", 0, M::hdmtNone, 0, 0, true},
    };
    ZarvelTest::ExpectLocates(cases, [&](int32_t Index, const string& Text, const string& Format,
                                         int32_t& SelStart, int32_t& SelLength, bool& VariableWidth) {
        return calc->Parser(Index, Text, Format, SelStart, SelLength, VariableWidth);
    });
}

// --- The registry

TEST(CalendarRegistry, NamesAreCaseSensitiveAndReplaceable) {
    TRTLCalendarCalcFactory& factory = TRTLCalendarCalcFactory::Current();
    EXPECT_EQ(factory.CreateCalendar(u"gregorian", u""), nullptr);
    EXPECT_EQ(factory.CreateCalendar(u"Nothing", u""), nullptr);
    auto gregorian = factory.CreateCalendar(u"Gregorian", u"");
    ASSERT_NE(gregorian, nullptr);
    EXPECT_NE(dynamic_cast<TRTLJulianDateCalendarCalc*>(gregorian.get()), nullptr);
    EXPECT_EQ(factory.GetCalendarCalcSystem(u"Gregorian"),
              TRTLCalendarCalc::ClassOf<TRTLJulianDateCalendarCalc>());
    EXPECT_THROW(factory.RegisterCalendarCalcSystem(u"Gregorian", TRTLCalendarCalc::ClassOf<TGregorian>()),
                 Sys::EListError);
    EXPECT_THROW(factory.GetCalendarCalcSystem(u"Nothing"), Sys::EListError);
    factory.UnregisterCalendarCalcSystem(u"Nothing");

    factory.ReregisterCalendarCalcSystem(u"Gregorian", TRTLCalendarCalc::ClassOf<TGregorian>());
    EXPECT_NE(dynamic_cast<TGregorian*>(factory.CreateCalendar(u"Gregorian", u"").get()), nullptr);
    factory.ReregisterCalendarCalcSystem(u"Gregorian",
                                         TRTLCalendarCalc::ClassOf<TRTLJulianDateCalendarCalc>());

    factory.RegisterCalendarCalcSystem(u"Test", TRTLCalendarCalc::ClassOf<TGregorian>());
    std::set<std::string> names;
    factory.CalendarsList([&](const string& Name) { names.insert(U8(Name)); });
    EXPECT_TRUE(names.count("Test") && names.count("Gregorian"));
    factory.UnregisterCalendarCalcSystem(u"Test");
    EXPECT_EQ(factory.CreateCalendar(u"Test", u""), nullptr);

    // An unknown name falls back to the default calendar system.
    TRTLCalendarCalcClass cls;
    EXPECT_FALSE(factory.TryGetCalendarCalcSystem(u"Nothing", cls));
    EXPECT_EQ(factory.GetCalendarCalcSystemOrDefault(u"Nothing"),
              factory.GetCalendarCalcSystem(TRTLCalendarCalcSystems::Default));
    const string saved = TRTLCalendarCalcSystems::Default;
    TRTLCalendarCalcSystems::Default = u"Nothing";
    EXPECT_THROW(factory.GetCalendarCalcSystemOrDefault(u"Nothing"), Sys::EListError);
    TRTLCalendarCalcSystems::Default = saved;
}

TEST(CalendarRegistry, CreatedCalculatorsKeepTheirLocale) {
    auto calc = TRTLCalendarCalcFactory::Current().CreateCalendar(u"Gregorian", u"fa-IR");
    ASSERT_NE(calc, nullptr);
    EXPECT_EQ(U8(calc->Locale()), "fa-IR");
    EXPECT_EQ(calc->FormatSettings.DecimalSeparator, u'\u066B');
    EXPECT_EQ(U8(calc->FormatDateTime(u"yyyy/mm/dd", Sys::EncodeDate(2024, 3, 20))), "2024/03/20");
}

TEST(CalendarRegistry, InstantsFarOutsideEveryCalendar) {
    // Values no calendar holds: the lunar and Persian calendars report their range, the Gregorian
    // one gives no date; none overflows. A NaN is taken as day 0.
    const double values[] = {1e15, -1e15, 1e300, -1e300, std::numeric_limits<double>::infinity()};
    for (const char16_t* name : {u"Jalali", u"IslamicTabular"}) {
        auto calc = TRTLCalendarCalcFactory::Current().CreateCalendar(name, u"");
        for (double value : values) {
            uint16_t y, m, d;
            EXPECT_THROW(calc->DecodeDate(value, y, m, d), EInvalidDateOperation) << U8(name) << " " << value;
        }
    }
    auto gregorian = TGregorian::Make();
    for (double value : values) {
        uint16_t y = 1, m = 1, d = 1;
        gregorian->DecodeDate(value, y, m, d);
        EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(uint16_t(0), uint16_t(0), uint16_t(0))) << value;
    }
    EXPECT_EQ(Iso(std::numeric_limits<double>::quiet_NaN()), "1899-12-30 00:00:00.000");
}
