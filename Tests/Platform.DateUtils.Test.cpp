// The run-time stand-in's Format, locale format settings, time-of-day routines, date formatting,
// Monday-first week days and ISO weeks.
#include "DateTestSupport.h"
#include "System.Character.h"
#include "System.DateUtils.h"

#include <gtest/gtest.h>

#include <unicode/gregocal.h>

#include <tuple>

using Sys::string;

namespace {
std::string U8(const string& S) {
    return Sys::StringToUtf8(S);
}
} // namespace

TEST(PlatformFormat, Directives) {
    struct TCase {
        const char16_t* Format;
        std::initializer_list<Sys::TVarRec> Args;
        const char* Expected;
    } cases[] = {
        {u"The %d date must be in the range of %d, %d",
         {2328, -1096, 2327},
         "The 2328 date must be in the range of -1096, 2327"},
        {u"[%.2d] [%.3d] [%.2d]", {7, 45, -3}, "[07] [045] [-03]"},
        {u"[%5s] [%-5s] [%.2s]", {u"ab", u"ab", u"abc"}, "[   ab] [ab   ] [ab]"},
        {u"%x %u %%", {255, 7u}, "FF 7 %"},
        {u"'%s' is not a valid date", {u"1403/13/01"}, "'1403/13/01' is not a valid date"},
        {u"no directives", {}, "no directives"},
    };
    for (const TCase& c : cases) EXPECT_EQ(U8(Sys::Format(c.Format, c.Args)), c.Expected) << U8(c.Format);
    EXPECT_THROW(Sys::Format(u"%d", {}), Sys::EConvertError);
    EXPECT_THROW(Sys::Format(u"%d", {u"text"}), Sys::EConvertError);
    EXPECT_THROW(Sys::Format(u"%s", {3}), Sys::EConvertError);
    EXPECT_THROW(Sys::Format(u"%q", {3}), Sys::EConvertError);
    EXPECT_THROW(Sys::Format(u"trailing %", {3}), Sys::EConvertError);
}

TEST(PlatformFormatSettings, FromIcuLocaleData) {
    const Sys::TFormatSettings invariant;
    EXPECT_EQ(U8(invariant.LongMonthNames[0]), "January");
    EXPECT_EQ(U8(invariant.ShortDayNames[0]), "Sun");
    EXPECT_EQ(U8(Sys::TFormatSettings::Create(u"").ShortDateFormat), "MM/dd/yyyy");

    const Sys::TFormatSettings en = Sys::TFormatSettings::Create(u"en-US");
    EXPECT_EQ(U8(en.ShortDateFormat), "M/d/yy");
    EXPECT_EQ(U8(en.LongDateFormat), "MMMM d, yyyy");
    EXPECT_NE(en.LongTimeFormat.find(u"ampm"), string::npos);
    EXPECT_EQ(U8(en.TimePMString), "PM");
    EXPECT_EQ(en.CurrencyDecimals, 2);

    const Sys::TFormatSettings de = Sys::TFormatSettings::Create(u"de_DE");
    EXPECT_EQ(de.DateSeparator, u'.');
    EXPECT_EQ(U8(de.ShortDateFormat), "dd/MM/yy"); // the separator prints as DateSeparator
    EXPECT_EQ(U8(de.LongMonthNames[2]), "März");
    EXPECT_EQ(de.DecimalSeparator, u',');
    EXPECT_EQ(U8(de.CurrencyString), "€");
    EXPECT_EQ(de.CurrencyFormat, 3); // "1 €"

    // Gregorian month names in Persian, with the Persian separators.
    const Sys::TFormatSettings fa = Sys::TFormatSettings::Create(u"fa-IR");
    EXPECT_EQ(fa.DecimalSeparator, u'\u066B');
    EXPECT_EQ(fa.ThousandSeparator, u'\u066C');
    EXPECT_EQ(U8(fa.LongDayNames[0]), "یکشنبه");
    EXPECT_EQ(U8(Sys::TFormatSettings::Create(u"FA-ir").LongDayNames[0]), "یکشنبه");

    EXPECT_THROW(Sys::TFormatSettings::Create(u"xx-YY"), Sys::EArgumentException);
}

TEST(PlatformTime, DaysTimesAndSpans) {
    // Before day 0 the fraction still counts forward from midnight.
    EXPECT_EQ(Sys::DayOf(-1.25), -1);
    EXPECT_EQ(Sys::HourOf(-1.25), 6);
    EXPECT_EQ(Sys::ComposeDateTime(-1, 0.25), -1.25);
    EXPECT_EQ(Sys::IncDay(-1.25, 1), 0.25);
    EXPECT_EQ(Sys::IncDay(0.25, -1), -1.25);
    EXPECT_EQ(Sys::DaysBetween(-1.75, 0.25), 0); // 1899-12-29 18:00 and 1899-12-30 06:00
    EXPECT_EQ(Sys::DaySpan(-1.75, 0.25), 0.5);
    EXPECT_EQ(Sys::EndOfTheDay(-1.25), -1 - Sys::EncodeTime(23, 59, 59, 999));
    EXPECT_TRUE(Sys::DateInRange(10.9, 10.1, 3, true));
    EXPECT_FALSE(Sys::DateTimeInRange(10, 10, 11, false));
    EXPECT_TRUE(Sys::IsValidTime(24, 0, 0, 0));
    EXPECT_FALSE(Sys::IsValidTime(24, 0, 0, 1));
    EXPECT_THROW(Sys::EncodeTime(23, 60, 0, 0), Sys::EConvertError);
    EXPECT_EQ(Sys::DayOfWeek(0), 7); // 1899-12-30 is a Saturday
    uint16_t y, m, d;
    Sys::DecodeDate(1e12, y, m, d); // far outside the calendar: no date, no overflow
    EXPECT_EQ(y, 0);
    EXPECT_LT(Sys::Today(), Sys::Now() + 1e-9);

    Sys::TFormatSettings fs;
    fs.LongTimeFormat = u"h:nn:ss.zzz ampm 'at' hh:mm a/p am/pm";
    EXPECT_EQ(U8(Sys::TimeToStr(Sys::EncodeTime(13, 5, 9, 7), fs)), "1:05:09.007 PM at 01:05 p pm");
    fs.LongTimeFormat = u"hh:mm:ss";
    fs.TimeSeparator = u'.';
    EXPECT_EQ(U8(Sys::TimeToStr(Sys::EncodeTime(0, 5, 9, 7), fs)), "00.05.09");
}

TEST(PlatformDates, FormatDateTimeElements) {
    Sys::TFormatSettings fs;
    const Sys::TDateTime value = Sys::EncodeDate(2024, 3, 5) + Sys::EncodeTime(13, 7, 9, 45); // a Tuesday
    struct TCase {
        const char16_t* Format;
        const char* Expected;
        double Time = -1; // another time of day
    } cases[] = {
        {u"", ""},
        {u"d dd ddd dddd", "5 05 Tue Tuesday"},
        {u"ddddd|dddddd", "03/05/2024|Tuesday, 05 March 2024"},
        {u"m mm mmm mmmm MMM", "3 03 Mar March Mar"},
        {u"yy yyyy yyy YY", "24 2024 2024 24"},
        {u"h:m:s hh:mm:ss", "13:7:9 13:07:09"}, // a minute right after an hour
        {u"hh:nn am/pm|AM/PM", "01:07 pm|PM"},
        {u"h a/p A/P ampm", "1 p P PM"},
        {u"h am/pm", "12 pm", 0.5},
        {u"h am/pm", "12 am", 0},
        {u"z zzz", "45 045"},
        {u"t|tt", "13:07|13:07:09"},
        {u"c", "03/05/2024 13:07:09"},
        {u"c", "03/05/2024", 0}, // no time at midnight
        {u"'yyyy' \"mm\" x", "yyyy mm x"},
        {u"'open h", "ope7 13"}, // an unterminated quote is dropped
    };
    for (const TCase& c : cases) {
        const Sys::TDateTime at = c.Time < 0 ? value : Sys::EncodeDate(2024, 3, 5) + c.Time;
        EXPECT_EQ(U8(Sys::FormatDateTime(c.Format, at, fs)), c.Expected) << U8(c.Format);
    }
    fs.DateSeparator = u'-';
    fs.TimeSeparator = u'.';
    EXPECT_EQ(U8(Sys::FormatDateTime(u"yyyy/mm/dd hh:nn", value, fs)), "2024-03-05 13.07");
    fs.ShortDateFormat = u"ddddd"; // names itself
    EXPECT_EQ(U8(Sys::FormatDateTime(u"c", value, fs)), " 13.07.09");
}

TEST(PlatformDates, MondayFirstDaysAndMonthSteps) {
    EXPECT_EQ(Sys::DayOfTheWeek(Sys::EncodeDate(2024, 3, 18)), 1); // a Monday
    EXPECT_EQ(Sys::DayOfTheWeek(Sys::EncodeDate(2024, 3, 24)), 7);
    EXPECT_EQ(Sys::DayOfTheWeek(-1.25), 5); // 1899-12-29, a Friday
    const ZarvelTest::TMonthStepCase steps[] = {
        {2024, 2, 29, 12, 2025, 2, 28}, {2023, 10, 31, 1, 2023, 11, 30},  {2024, 12, 31, 2, 2025, 2, 28},
        {2024, 1, 1, -1, 2023, 12, 1},  {2024, 6, 30, -18, 2022, 12, 30}, {2024, 8, 31, 30, 2027, 2, 28},
    };
    ZarvelTest::ExpectMonthSteps(
        steps, [&](uint16_t& Y, uint16_t& M, uint16_t& D, int32_t N) { Sys::IncAMonth(Y, M, D, N); });
}

TEST(PlatformDates, IsoWeeksAgreeWithIcu) {
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar icu(icu::TimeZone::getGMT()->clone(), icu::Locale::getRoot(), status);
    icu.setFirstDayOfWeek(UCAL_MONDAY);
    icu.setMinimalDaysInFirstWeek(4);
    ASSERT_TRUE(U_SUCCESS(status));
    const int32_t first = int32_t(Sys::EncodeDate(1900, 1, 1)), last = int32_t(Sys::EncodeDate(2100, 12, 31));
    for (int32_t day = first; day <= last; ++day) {
        icu.set(UCAL_JULIAN_DAY, day + 2415019);
        const int32_t iy = icu.get(UCAL_YEAR_WOY, status), iw = icu.get(UCAL_WEEK_OF_YEAR, status),
                      im = icu.get(UCAL_MONTH, status) + 1, imw = icu.get(UCAL_WEEK_OF_MONTH, status),
                      idow = (icu.get(UCAL_DAY_OF_WEEK, status) + 5) % 7 + 1;
        uint16_t y, w, dow, my, m, mw, mdow;
        Sys::DecodeDateWeek(day, y, w, dow);
        ASSERT_EQ(std::make_tuple(int(y), int(w), int(dow)), std::make_tuple(iy, iw, idow)) << day;
        Sys::TDateTime back;
        ASSERT_TRUE(Sys::TryEncodeDateWeek(y, w, back, dow) && back == day) << day;
        // ICU leaves the days before a month's week 1 in its week 0 and those after its last full week
        // in a short last week; here both belong to the month of their Thursday.
        Sys::DecodeDateMonthWeek(day, my, m, mw, mdow);
        if (m == im) {
            ASSERT_EQ(int(mw), imw) << day;
        } else {
            ASSERT_TRUE(imw == 0 ? mw >= 4 : mw == 1) << day;
        }
        ASSERT_TRUE(Sys::TryEncodeDateMonthWeek(my, m, mw, mdow, back) && back == day) << day;
        if (im == 12 && icu.get(UCAL_DATE, status) == 28) {
            ASSERT_EQ(int(Sys::WeeksInAYear(y)), iw) << y;
        }
    }
    ASSERT_TRUE(U_SUCCESS(status));
    EXPECT_FALSE(Sys::IsValidDateWeek(2019, 53, 1));
    EXPECT_FALSE(Sys::IsValidDateMonthWeek(2024, 2, 6, 1));
    EXPECT_EQ(Sys::WeeksInAYear(0), 0);
}
