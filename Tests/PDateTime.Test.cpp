// The Persian date functions: agreement with the Jalali calculator, Saturday-first week days and
// weeks, month steps, the twelve-hour markers, the year rules of parsing, the field locator and the
// errors.
#include "PDateTime.h"
#include "DateTestSupport.h"

#include "Date.h"

using namespace Zarvel;
using Sys::string;
using ZarvelTest::Iso;
using ZarvelTest::MessageOf;
using ZarvelTest::U8;

namespace P = Zarvel::PDateTime;

namespace {

TDateTime At(uint16_t Y, uint16_t M, uint16_t D, uint16_t H = 0, uint16_t N = 0) {
    return P::EncodeDateTime(Y, M, D, H, N, 0, 0);
}

// A Gregorian day.
TDateTime Day(uint16_t Y, uint16_t M, uint16_t D) {
    return Sys::EncodeDate(Y, M, D);
}

} // namespace

TEST(PDateTime, AgreesWithTheJalaliCalculatorOnEveryDay) {
    ZarvelTest::ExpectFamilyAgreesWithCalculator(ZARVEL_FAMILY_ARITHMETIC(P), u"Jalali", 1300, 1500);
}

TEST(PDateTime, WeekDaysRunFromSaturday) {
    // 2024-03-23 is a Saturday.
    for (uint16_t k = 0; k < 7; ++k) {
        const TDateTime day = Day(2024, 3, 23) + k + 0.75;
        EXPECT_EQ(P::DayOfTheWeek(day), k + 1) << Iso(day);
        EXPECT_EQ(P::DayOfWeek(day), k + 1);
        EXPECT_EQ(Iso(P::StartOfTheWeek(day)), "2024-03-23 00:00:00.000") << Iso(day);
        EXPECT_EQ(Iso(P::EndOfTheWeek(day)), "2024-03-29 23:59:59.999");
        EXPECT_EQ(P::HourOfTheWeek(day), k * 24 + 18);
    }
    EXPECT_EQ(Iso(P::StartOfTheWeek(Day(2024, 3, 22))), "2024-03-16 00:00:00.000"); // a Friday
    EXPECT_EQ(P::DayOfTheWeek(-1.25), 7); // 1899-12-29, a Friday, before day 0
    uint16_t y, m, d, dow;
    EXPECT_TRUE(P::DecodeDateFully(Day(2024, 3, 20), y, m, d, dow)); // 1 Farvardin 1403, a leap year
    EXPECT_EQ(std::make_tuple(y, m, d, dow), std::make_tuple(1403, 1, 1, 5));
    EXPECT_TRUE(P::SameDayOfWeek(Day(2024, 3, 20), uint16_t(5)));
    EXPECT_EQ(P::WhatDay(u"شنبه"), 1);
    EXPECT_EQ(P::WhatDay(u"ج"), 7);
    EXPECT_EQ(P::WhatMonth(u"اسفند"), 12);
    EXPECT_EQ(P::WhatMonth(u"Esfand"), -1);
}

TEST(PDateTime, WeeksStartWithThePartialFirstWeek) {
    for (uint16_t year = 1300; year <= 1500; ++year) {
        const TDateTime first = P::EncodeDate(year, 1, 1);
        const uint16_t s = P::DayOfTheWeek(first);
        uint16_t y, w, dow;
        P::DecodeDateWeek(first, y, w, dow);
        ASSERT_EQ(std::make_tuple(y, w, dow), std::make_tuple(year, 1, s)) << year;
        // The first Saturday after 1 Farvardin begins week 2.
        const TDateTime saturday = first + (s == 1 ? 7 : 8 - s);
        ASSERT_EQ(P::WeekOfTheYear(saturday), 2) << year;
        ASSERT_EQ(P::WeekOfTheYear(saturday - 1), 1) << year;
        ASSERT_EQ(P::WeeksInAYear(year), P::WeekOfTheYear(P::EndOfAYear(year))) << year;
    }
    // 1399 begins on a Friday and has 366 days: its last day, a Saturday, is alone in week 54.
    EXPECT_EQ(P::WeeksInAYear(1399), 54);
    EXPECT_EQ(P::EncodeDateWeek(1399, 54, 1), P::EncodeDate(1399, 12, 30));
    EXPECT_FALSE(P::IsValidDateWeek(1399, 54, 2));
    EXPECT_FALSE(P::IsValidDateWeek(1399, 1, 6)); // 1 Farvardin 1399 is a Friday (7)
    EXPECT_EQ(P::EncodeDateWeek(1399, 1, 7), P::EncodeDate(1399, 1, 1));
    EXPECT_EQ(P::WeeksInAYear(1394), 53); // begins on a Saturday, 365 days
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::EncodeDateWeek(1394, 54); }),
              "(1394, 54, 1) is not a valid DateWeek triplet");
}

TEST(PDateTime, EveryDayOfADecadeEncodesBackFromItsWeeks) {
    for (int32_t day = int32_t(P::EncodeDate(1395, 1, 1)); day < int32_t(P::EncodeDate(1405, 1, 1)); ++day) {
        uint16_t y, w, dow, m, mw, mdow, my;
        P::DecodeDateWeek(day, y, w, dow);
        TDateTime back;
        ASSERT_TRUE(P::TryEncodeDateWeek(y, w, back, dow) && back == day) << day;
        P::DecodeDateMonthWeek(day, my, m, mw, mdow);
        ASSERT_TRUE(P::TryEncodeDateMonthWeek(my, m, mw, mdow, back) && back == day) << day;
        uint16_t nth;
        P::DecodeDayOfWeekInMonth(day, my, m, nth, mdow);
        ASSERT_TRUE(P::TryEncodeDayOfWeekInMonth(my, m, nth, mdow, back) && back == day) << day;
    }
    // Farvardin 1403 begins on a Wednesday (5): Saturday the 4th begins its week 2.
    EXPECT_EQ(P::WeekOfTheMonth(P::EncodeDate(1403, 1, 3)), 1);
    EXPECT_EQ(P::WeekOfTheMonth(P::EncodeDate(1403, 1, 4)), 2);
    EXPECT_FALSE(P::IsValidDateMonthWeek(1403, 1, 1, 4));
    EXPECT_EQ(P::EncodeDateMonthWeek(1403, 1, 1, 5), P::EncodeDate(1403, 1, 1));
    EXPECT_EQ(P::EncodeDayOfWeekInMonth(1403, 1, 5, 5), P::EncodeDate(1403, 1, 29));
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::EncodeDayOfWeekInMonth(1403, 1, 6, 5); }),
              "(1403, 1, 6, 5) is not a valid DayOfWeekInMonth quad");
    TDateTime value;
    EXPECT_FALSE(P::TryEncodeDayOfWeekInMonth(1403, 1, 1, 8, value)); // no eighth week day
}

TEST(PDateTime, MonthStepsKeepOrTrimTheDay) {
    const ZarvelTest::TMonthStepCase steps[] = {
        {1402, 6, 31, 7, 1403, 1, 31},     {1402, 6, 31, 1, 1402, 7, 30},    {1402, 11, 30, 1, 1402, 12, 29},
        {1403, 11, 30, 1, 1403, 12, 30},   {1403, 12, 30, 12, 1404, 12, 29}, {1403, 1, 15, -1, 1402, 12, 15},
        {1402, 12, 29, -13, 1401, 11, 29}, {1402, 7, 30, -1, 1402, 6, 30},   {1402, 5, 31, 24, 1404, 5, 31},
    };
    ZarvelTest::ExpectMonthSteps(
        steps, [&](uint16_t& Y, uint16_t& M, uint16_t& D, int32_t N) { P::IncAMonth(Y, M, D, N); });
    EXPECT_EQ(P::IncMonth(At(1402, 6, 31, 13, 5), 1), At(1402, 7, 30, 13, 5));
    uint16_t y = 1403, m = 12, d = 30;
    P::IncAYear(y, m, d, 1);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(1404, 12, 29));
    P::IncADay(y, m, d, 1);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(1405, 1, 1));
    // Whole years keep the day of the year.
    EXPECT_EQ(P::IncYear(P::EncodeDate(1403, 12, 30), 1), P::EncodeDate(1405, 1, 1));
    EXPECT_EQ(P::IncYear(P::EncodeDate(1404, 1, 1), -1), P::EncodeDate(1403, 1, 1));
    EXPECT_THROW(P::IncYear(P::EncodeDate(1404, 1, 1), 1000), Sys::EConvertError);
}

TEST(PDateTime, FormatsWithTheFamilysLettersAndMarkers) {
    struct TCase {
        const char16_t* Format;
        uint16_t Hour, Minute;
        const char* Expected;
    } cases[] = {
        {u"", 9, 5, ""},
        {u"hh:nn a/p", 0, 15, "12:15 ص"},
        {u"hh:nn a/p", 13, 5, "01:05 ع"},
        {u"hh:nn a/p", 12, 0, "12:00 ص"}, // noon takes the morning marker
        {u"h:nn ampm", 9, 5, "9:05 صبح"},
        {u"h:nn ampm", 21, 5, "9:05 بعد از ظهر"},
        {u"h:nn AMPM", 21, 5, "9:05 بعد از ظهر"},
        {u"h:nn am/pm", 9, 5, "9:05 ق/ظ"},
        {u"h:nn am/pm", 21, 5, "9:05 ب/ظ"},
        {u"h:nn AmPm", 21, 5, "21:05 بعد از ظهر"}, // a marker, but not one that switches the clock
        {u"h:nn A/P", 21, 5, "21:05 A/P"},
        {u"yyyy/mm/dd yy/m/d", 9, 5, "1403/01/01 03/1/1"},
        {u"YYYY Dd MM", 9, 5, "YYYY D1 MM"}, // only lower-case letters are format letters
        {u"dddd ddd d mmmm mmm", 9, 5, "چهار شنبه چ 1 فروردین فروردین"},
        {u"ddddd|dddddd", 9, 5, "03/1/1|1403/فروردین/1-چهار شنبه"},
        {u"t|tt|c", 9, 5, "9:05|9:05 صبح|03/1/19:05 صبح"},
        {u"'yyyy' \"a/p\" yyyy", 9, 5, "yyyy a/p 1403"},
        {u"s.zzz z", 9, 5, "0.000 0"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(U8(P::FormatDateTime(c.Format, At(1403, 1, 1, c.Hour, c.Minute))), c.Expected)
            << U8(c.Format) << " " << c.Hour;

    // Separators and names come from the settings given.
    Sys::TFormatSettings fs = Sys::FormatSettings;
    fs.DateSeparator = u'-';
    fs.TimeSeparator = u'.';
    fs.TimeAMString = u"AM";
    fs.LongDayNames[4] = u"Wednesday";
    EXPECT_EQ(U8(P::FormatDateTime(u"yyyy/mm/dd hh:nn ampm dddd", At(1403, 1, 1, 9, 5), fs)),
              "1403-01-01 09.05 AM Wednesday");
    string text;
    P::DateTimeToString(text, u"yyyy/m/d", At(1403, 1, 1), fs);
    EXPECT_EQ(U8(text), "1403-1-1");
    EXPECT_EQ(U8(P::DateToStr(At(1403, 1, 1, 0, 15))), "03/1/1");
    // The time is the platform's TimeToStr.
    EXPECT_EQ(U8(P::DateTimeToStr(At(1403, 1, 1, 0, 15))), "03/1/1 12:15 صبح");
    EXPECT_EQ(U8(P::DateTimeToStr(At(1403, 1, 1, 13, 5), fs)), "03-1-1 1.05 بعد از ظهر");
}

TEST(PDateTime, ParsesWithTheFamilysYearsAndMarkers) {
    const ZarvelTest::TParseCase cases[] = {
        {u"yy/m/d", u"02/1/1", "1923-03-22 00:00:00.000"},   // 1302
        {u"yy/m/d", u"98/12/29", "2020-03-19 00:00:00.000"}, // 1398
        {u"yy/m/d", u"99/1/1", nullptr},
        {u"yy/m/d", u"00/1/1", nullptr},
        {u"yy/m/d", u"01/1/1", nullptr},
        {u"yyyy/m/d", u"1300/1/1", nullptr},
        {u"yyyy/m/d", u"1301/1/1", "1922-03-22 00:00:00.000"},
        {u"yyyy/m/d", u"1499/1/1", "2120-03-21 00:00:00.000"},
        {u"yyyy/m/d", u"1500/1/1", nullptr},
        {u"yyyy/m/d", u"1403/7/31", nullptr},
        {u"yyyy/m/d", u"1402/12/30", nullptr}, // 1402 is a common year
        {u"yyyy/m/d", u"1403/12/30", "2025-03-20 00:00:00.000"},
        {u"yyyy/mm/dd hh:nn a/p", u"1403/01/01 09:15 ع", "2024-03-20 21:15:00.000"},
        {u"yyyy/mm/dd hh:nn a/p", u"1403/01/01 09:15 ص", "2024-03-20 09:15:00.000"},
        {u"yyyy/mm/dd hh:nn a/p", u"1403/01/01 12:00 ع", "2024-03-20 00:00:00.000"},
        {u"yyyy/mm/dd hh:nn a/p", u"1403/01/01 13:15 ص", nullptr},
        {u"yyyy/mm/dd hh:nn a/p", u"1403/01/01 00:10 ع", nullptr},
        {u"yyyy/mm/dd h:nn ampm", u"1403/01/01 9:15 صبح", "2024-03-20 09:15:00.000"},
        {u"yyyy/mm/dd h:nn aMpM", u"1403/01/01 9:15 بعد از ظهر", "2024-03-20 21:15:00.000"},
        {u"yyyy/mm/dd h:nn am/pm", u"1403/01/01 9:15 ب/ظ", "2024-03-20 21:15:00.000"},
        {u"yyyy/mm/dd h:nn am/pm", u"1403/01/01 9:15 ق/ظ", "2024-03-20 09:15:00.000"},
        {u"yyyy/mm/dd h:nn a/p ampm", u"1403/01/01 9:15 ع صبح", nullptr},            // the markers disagree
        {u"yyyy/mm/dd h:nn A/P", u"1403/01/01 9:15 A/P", "2024-03-20 09:15:00.000"}, // letters, no marker
        {u"dddd yyyy/mm/dd", u"چهار شنبه 1403/01/01", "2024-03-20 00:00:00.000"},
        {u"dddd yyyy/mm/dd", u"شنبه 1403/01/01", nullptr},
        {u"d mmmm yyyy", u"1 فروردین 1403", "2024-03-20 00:00:00.000"},
        {u"yyyy/mm/dd hh:nn:ss.zzz", u"1403/01/01 23:59:59.999", "2024-03-20 23:59:59.999"},
        {u"'سال' yyyy/m/d", u"سال 1403/1/1", "2024-03-20 00:00:00.000"},
        {u"yyyy/m/d", u"", nullptr},
    };
    ZarvelTest::ExpectParses(cases, [&](const string& Text, TDateTime& Value, const string& Format) {
        return P::TryStrToDateTime(Text, Value, Format);
    });
    // The standard formats: "yy/m/d" and "yy/m/d h:nn ampm".
    TDateTime value;
    ASSERT_TRUE(P::TryStrToDate(u"02/1/1", value));
    EXPECT_EQ(P::YearOf(value), 1302);
    EXPECT_FALSE(P::TryStrToDate(u"99/1/1", value));
    EXPECT_EQ(Iso(P::StrToDateTime(u"02/1/1 9:15 بعد از ظهر")), "1923-03-22 21:15:00.000");
    EXPECT_EQ(P::StrToDateDef(u"00/1/1", 7.0), 7.0);
    EXPECT_EQ(P::StrToDateTimeDef(u"02/1/1", 7.0), 7.0);
    Sys::TFormatSettings fs = Sys::FormatSettings;
    fs.ShortDateFormat = u"yyyy-mm-dd";
    EXPECT_EQ(P::StrToDate(u"1403-01-01", fs), Day(2024, 3, 20));
    P::StringToDateTime(value, u"yyyy/m/d", u"1403/1/2");
    EXPECT_EQ(value, Day(2024, 3, 21));
}

TEST(PDateTime, WhatTheFormatWritesReadsBack) {
    const string formats[] = {u"yyyy/mm/dd hh:nn:ss.zzz", u"dddd d mmmm yyyy h:n:s.z", u"yyyy mmm dd HH"};
    for (int32_t day = int32_t(P::EncodeDate(1301, 1, 1)); day < int32_t(P::EncodeDate(1499, 1, 1));
         day += 97)
        for (const string& format : formats) {
            const TDateTime value = day + ((day * 7919) % 86400000) / double(Sys::MSecsPerDay);
            const string text = P::FormatDateTime(format, value);
            TDateTime back;
            ASSERT_TRUE(P::TryStrToDateTime(text, back, format)) << U8(format) << " | " << U8(text);
            ASSERT_EQ(Iso(back), Iso(format.find(u'h') != string::npos ? value : Sys::DayOf(value)))
                << U8(text);
        }
}

TEST(PDateTime, ParseFailuresRaiseWithTheText) {
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::StrToDate(u"1403/13/1"); }),
              "'1403/13/1' is not a valid date");
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::StrToDateTime(u"x"); }), "'x' is not a valid date and time");
    EXPECT_EQ(MessageOf<Sys::Exception>([] {
                  TDateTime value;
                  P::StringToDateTime(value, u"yyyy", u"1500");
              }),
              "'1500' is not a valid date and time");
    EXPECT_THROW(P::StrToDate(u"99/1/1", Sys::FormatSettings), Sys::EConvertError);
}

TEST(PDateTime, FieldLocator) {
    const ZarvelTest::TLocatorCase cases[] = {
        {u"yyyy/mmmm/d-dddd", u"1403/فروردین/1-چهار شنبه", 1, hdmtLongYear, 1, 4, false},
        {u"yyyy/mmmm/d-dddd", u"1403/فروردین/1-چهار شنبه", 2, hdmtLongMonth, 6, 7, true},
        {u"yyyy/mmmm/d-dddd", u"1403/فروردین/1-چهار شنبه", 3, hdmtDay, 14, 1, true},
        {u"yy/m/d", u"03/1/1", 1, hdmtYear, 1, 2, false},
        {u"h:nn ampm", u"9:05 صبح", 1, hdmt12Hour, 1, 1, true},
        {u"h:nn ampm", u"9:05 صبح", 3, hdmtAmPm, 6, 3, true},
        {u"h:nn AMPM", u"9:05", 1, hdmt12Hour, 1, 1, true}, // the family's clock test knows "AMPM"
        {u"h:nn a/p", u"9:05 ع", 3, hdmtAmPmVeryShort, 6, 1, true},
        {u"h:nn am/pm", u"9:05 ب/ظ", 3, hdmtAmPmShort, 6, 3, true},
        {u"hh:nn", u"09:05", 1, hdmt24Hour, 1, 2, false},
        {u"yyyy/mm", u"1403-01", 2, hdmtNone, 0, 0, true},
    };
    ZarvelTest::ExpectLocates(cases, [&](int32_t Index, const string& Text, const string& Format,
                                         int32_t& SelStart, int32_t& SelLength, bool& VariableWidth) {
        return P::Parser(Sys::FormatSettings, Index, Text, Format, SelStart, SelLength, VariableWidth);
    });
}

TEST(PDateTime, ErrorsAndTheEndOfTheCalendar) {
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::EncodeDate(1403, 12, 31); }),
              "Invalid argument to date encode");
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::EncodeDateDay(2328, 1); }),
              "(2328, 1) is not a valid DateDay pair");
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::DaysInAYear(2328); }),
              "The 2328 date must be in the range of -1096, 2327");
    EXPECT_THROW(P::IsLeapYear(2400), EInvalidDateOperation);
    uint16_t y, m, d;
    EXPECT_THROW(P::DecodeDate(Day(2950, 1, 1), y, m, d), EInvalidDateOperation);
    // The validity checks and Try members answer for years the calendar does not reach.
    TDateTime value = -1;
    EXPECT_FALSE(P::IsValidDate(2400, 1, 1));
    EXPECT_FALSE(P::IsValidDate(2400, 12, 1));
    EXPECT_FALSE(P::IsValidDateDay(2400, 1));
    EXPECT_FALSE(P::IsValidDateWeek(2400, 1, 1));
    EXPECT_FALSE(P::IsValidDateMonthWeek(2400, 12, 1, 1));
    EXPECT_FALSE(P::TryEncodeDate(2400, 1, 1, value));
    EXPECT_FALSE(P::TryEncodeDateWeek(2400, 1, value));
    EXPECT_FALSE(P::TryEncodeDateTime(2400, 1, 1, 0, 0, 0, 0, value));
    EXPECT_FALSE(P::TryRecodeDateTime(Day(2950, 1, 1), 1403, 1, 1, 0, 0, 0, 0, value));
    EXPECT_TRUE(P::IsValidDate(2327, 12, 29));
    EXPECT_TRUE(P::IsValidDate(1, 1, 1));
    EXPECT_FALSE(P::IsValidDate(0, 1, 1));
    // A day beyond its month does not move into the next one.
    EXPECT_FALSE(P::TryEncodeDate(1403, 7, 31, value));
    EXPECT_FALSE(P::TryEncodeDate(1403, 13, 1, value));
    // The day of the year is not checked.
    ASSERT_TRUE(P::TryEncodeDateDay(1403, 367, value));
    EXPECT_EQ(value, P::EncodeDate(1404, 1, 1));
    EXPECT_EQ(MessageOf<Sys::Exception>([] { P::RecodeDay(P::EncodeDate(1403, 7, 1), 31); }),
              "(2024-09-22, 65535, 65535, 31, 65535, 65535, 65535, 65535) is not a valid date and time");
    EXPECT_EQ(P::RecodeYear(At(1403, 12, 29, 10), 1402), At(1402, 12, 29, 10));
}

TEST(PDateTime, PeriodsAndSpans) {
    const TDateTime value = At(1403, 7, 10, 13, 7);
    EXPECT_EQ(Iso(P::StartOfTheYear(value)), "2024-03-20 00:00:00.000");
    EXPECT_EQ(Iso(P::EndOfTheYear(value)), "2025-03-20 23:59:59.999");
    EXPECT_EQ(Iso(P::StartOfTheMonth(value)), "2024-09-22 00:00:00.000");
    EXPECT_EQ(Iso(P::EndOfTheMonth(value)), "2024-10-21 23:59:59.999");
    EXPECT_EQ(P::StartOfADay(1403, 7, 0), P::EncodeDate(1403, 6, 31));
    EXPECT_EQ(P::HourOfTheYear(value), (186 + 9) * 24 + 13);
    EXPECT_EQ(P::MilliSecondOfTheMonth(value), uint32_t((9 * 24 + 13) * 60 + 7) * 60000);
    EXPECT_EQ(P::DaysInMonth(value), 30);
    EXPECT_EQ(P::DaysInYear(value), 366);
    EXPECT_EQ(P::MonthSpan(value + 100.5, value), 3.0); // the platform's mean month
    EXPECT_EQ(P::YearsBetween(value, value + 366), 1);
    EXPECT_TRUE(P::SameDayMonth(value, 7, 10));
    EXPECT_TRUE(P::SameMonth(value, P::EncodeDate(1380, 7, 1)));
    EXPECT_EQ(P::NthDayOfWeek(value), 2);
    EXPECT_EQ(P::CurrentYear(), P::YearOf(Sys::Today()));
}
