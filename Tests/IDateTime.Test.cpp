// The calendar-selecting date functions: each calendar type runs its family, ctJulian the platform's
// Gregorian calendar with its ISO weeks and formatting, the ctJulian parse engine over the
// process-wide settings, the field kinds per calendar and the editors' year ranges.
#include "IDateTime.h"
#include "ADateTime.h"
#include "DateTestSupport.h"
#include "PDateTime.h"

#include "DTConst.h"

using namespace Zarvel;
using Sys::string;
using ZarvelTest::Iso;
using ZarvelTest::MessageOf;
using ZarvelTest::U8;

namespace I = Zarvel::IDateTime;

TEST(IDateTime, EachCalendarTypeRunsItsFamily) {
    const TDateTime value = Sys::EncodeDate(2024, 3, 20) + 0.5; // a Wednesday
    struct TCase {
        TJhCalendarType Type;
        uint16_t Y, M, D, DayOfWeek, Weeks;
        const char* Formatted;
    } cases[] = {
        {ctPersian, 1403, 1, 1, 5, PDateTime::WeeksInAYear(1403), "1403/1/1 12:00 ص"},
        {ctIslamic, 1445, 9, 10, 3, ADateTime::WeeksInAYear(1445), "1445/9/10 12:00 ص"},
        {ctJulian, 2024, 3, 20, 3, 52, "2024/3/20 12:00 p"},
    };
    for (const TCase& c : cases) {
        uint16_t y, m, d;
        I::DecodeDate(c.Type, value, y, m, d);
        EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(c.Y, c.M, c.D)) << int(c.Type);
        EXPECT_EQ(I::DayOfTheWeek(c.Type, value), c.DayOfWeek) << int(c.Type);
        EXPECT_EQ(I::WeeksInAYear(c.Type, c.Y), c.Weeks) << int(c.Type);
        EXPECT_EQ(I::EncodeDate(c.Type, c.Y, c.M, c.D), Sys::DayOf(value)) << int(c.Type);
        EXPECT_EQ(U8(I::FormatDateTime(c.Type, u"yyyy/m/d hh:nn a/p", value, Sys::FormatSettings)),
                  c.Formatted)
            << int(c.Type);
        TDateTime back;
        I::StringToDateTime(c.Type, back, u"yyyy/m/d",
                            I::FormatDateTime(c.Type, u"yyyy/m/d", value, Sys::FormatSettings));
        EXPECT_EQ(back, Sys::DayOf(value)) << int(c.Type);
    }
    // Values other than the three are the platform's calendar.
    EXPECT_EQ(I::YearOf(TJhCalendarType(7), value), 2024);
}

TEST(IDateTime, JulianIsThePlatformsGregorianCalendar) {
    uint16_t y, m, d, w, dow;
    I::DecodeDate(ctJulian, 0, y, m, d);
    EXPECT_EQ(std::make_tuple(y, m, d), std::make_tuple(1899, 12, 30));
    EXPECT_EQ(I::DayOfTheWeek(ctJulian, Sys::EncodeDate(2024, 3, 18)), 1); // a Monday
    EXPECT_EQ(I::DayOfWeek(ctJulian, Sys::EncodeDate(2024, 3, 24)), 7);    // a Sunday
    EXPECT_EQ(I::StartOfTheWeek(ctJulian, Sys::EncodeDate(2024, 3, 24)), Sys::EncodeDate(2024, 3, 18));
    EXPECT_FALSE(I::IsLeapYear(ctJulian, 1900));
    EXPECT_TRUE(I::IsLeapYear(ctJulian, 2000));
    EXPECT_THROW(I::EncodeDate(ctJulian, 2023, 2, 29), Sys::EConvertError);

    // ISO 8601 weeks: 3 January 2021 is the Sunday of week 53 of 2020.
    I::DecodeDateWeek(ctJulian, Sys::EncodeDate(2021, 1, 3), y, w, dow);
    EXPECT_EQ(std::make_tuple(y, w, dow), std::make_tuple(2020, 53, 7));
    EXPECT_EQ(I::WeekOfTheYear(ctJulian, Sys::EncodeDate(2021, 1, 4)), 1);
    EXPECT_EQ(I::EncodeDateWeek(ctJulian, 2020, 53, 5), Sys::EncodeDate(2021, 1, 1));
    EXPECT_EQ(I::WeeksInAYear(ctJulian, 2015), 53);
    EXPECT_EQ(I::WeeksInAYear(ctJulian, 2019), 52);
    EXPECT_FALSE(I::IsValidDateWeek(ctJulian, 2019, 53, 1));
    // Friday 1 March 2024 is in the week of Thursday 29 February: week 5 of February.
    I::DecodeDateMonthWeek(ctJulian, Sys::EncodeDate(2024, 3, 1), y, m, w, dow);
    EXPECT_EQ(std::make_tuple(y, m, w, dow), std::make_tuple(2024, 2, 5, 5));
    EXPECT_EQ(I::WeekOfTheMonth(ctJulian, Sys::EncodeDate(2024, 3, 31)), 4);
    EXPECT_EQ(I::EncodeDateMonthWeek(ctJulian, 2024, 4, 1, 1), Sys::EncodeDate(2024, 4, 1));

    uint16_t year = 2024, month = 1, day = 31;
    I::IncAMonth(ctJulian, year, month, day, 1);
    EXPECT_EQ(std::make_tuple(year, month, day), std::make_tuple(2024, 2, 29));
    I::IncAMonth(ctJulian, year, month, day, -13);
    EXPECT_EQ(std::make_tuple(year, month, day), std::make_tuple(2023, 1, 29));

    // Formatting is the platform's: letters in either case, day names from Sunday.
    const TDateTime value = Sys::EncodeDate(2024, 3, 5) + Sys::EncodeTime(13, 7, 9, 45);
    const Sys::TFormatSettings invariant;
    EXPECT_EQ(U8(I::FormatDateTime(ctJulian, u"yyyy-MM-dd hh:nn am/pm dddd mmm", value, invariant)),
              "2024-03-05 01:07 pm Tuesday Mar");
    EXPECT_EQ(U8(I::DateTimeToStr(ctJulian, value, invariant)), "03/05/2024 13:07:09");
    string text;
    I::DateTimeToString(ctJulian, text, u"c", value, invariant);
    EXPECT_EQ(U8(text), "03/05/2024 13:07:09");
}

TEST(IDateTime, JulianParsesWithTheProcessSettings) {
    ZarvelTest::TFormatSettingsGuard guard;
    const ZarvelTest::TParseCase cases[] = {
        {u"yy/m/d", u"24/3/5", "2024-03-05 00:00:00.000"},
        {u"yy/m/d", u"90/3/5", "1990-03-05 00:00:00.000"},
        {u"yy/m/d", u"124/3/5", nullptr},
        {u"yyyy-mm-dd", u"0001-01-01", "0001-01-01 00:00:00.000"},
        {u"yyyy-mm-dd", u"10000-01-01", nullptr},
        {u"yyyy-mm-dd", u"2023-02-29", nullptr},
        {u"yyyy-mm-dd h:nn am/pm", u"2024-03-05 1:07 pm", "2024-03-05 13:07:00.000"},
        {u"yyyy-mm-dd h:nn am/pm", u"2024-03-05 1:07 AM", "2024-03-05 01:07:00.000"},
        {u"yyyy-mm-dd h:nn a/p", u"2024-03-05 12:07 p", "2024-03-05 00:07:00.000"},
        {u"yyyy-mm-dd h:nn ampm", u"2024-03-05 1:07 بعد از ظهر", "2024-03-05 13:07:00.000"},
        {u"d mmmm yyyy", u"5 فروردین 2024", "2024-01-05 00:00:00.000"}, // the process-wide month names
    };
    ZarvelTest::ExpectParses(cases, [&](const string& Text, TDateTime& Value, const string& Format) {
        return I::TryStrToDateTime(ctJulian, Text, Value, Format);
    });
    // A day name is read where the platform's formatting writes it, whatever names the settings hold.
    const TDateTime tuesday = Sys::EncodeDate(2024, 3, 5);
    const string written = I::FormatDateTime(ctJulian, u"dddd yyyy-mm-dd", tuesday, Sys::FormatSettings);
    TDateTime value;
    I::StringToDateTime(ctJulian, value, u"dddd yyyy-mm-dd", written);
    EXPECT_EQ(value, tuesday);
    EXPECT_FALSE(I::TryStrToDateTime(ctJulian, Sys::FormatSettings.LongDayNames[0] + u" 2024-03-05", value,
                                     u"dddd yyyy-mm-dd"));

    EXPECT_EQ(I::StrToDate(ctJulian, u"24/3/5"), tuesday);
    EXPECT_EQ(MessageOf<Sys::Exception>([] { I::StrToDate(ctJulian, u"x"); }), "'x' is not a valid date");
    EXPECT_EQ(MessageOf<Sys::Exception>([] {
                  TDateTime v;
                  I::StringToDateTime(ctJulian, v, u"yyyy", u"x");
              }),
              "'x' is not a valid date and time");
    Sys::FormatSettings.ShortDateFormat = u"yyyy-mm-dd";
    EXPECT_EQ(I::StrToDateDef(ctJulian, u"2024-03-05", 0), tuesday);
    EXPECT_EQ(I::StrToDate(ctPersian, u"1403-01-01"), Sys::EncodeDate(2024, 3, 20));
}

TEST(IDateTime, MonthNameFieldsByCalendar) {
    Sys::TFormatSettings hijri = Sys::FormatSettings;
    std::copy(GhamariMonths.begin() + 1, GhamariMonths.end(), hijri.LongMonthNames.begin());
    const Sys::TFormatSettings invariant;
    struct TCase {
        TJhCalendarType Type;
        const Sys::TFormatSettings& Settings;
        const char16_t* Format;
        const char16_t* Text;
        TJhDateTimeMaskType Kind;
        int32_t SelLength;
    } cases[] = {
        {ctPersian, Sys::FormatSettings, u"d mmmm yyyy", u"1 فروردین 1403", hdmtLongMonth, 7},
        {ctPersian, Sys::FormatSettings, u"d mmm yyyy", u"1 فروردین 1403", hdmtLongMonth, 7},
        {ctIslamic, hijri, u"d mmmm yyyy", u"1 محرم 1445", hdmtGhamariLongMonth, 4},
        {ctJulian, invariant, u"d mmm yyyy", u"5 Mar 2024", hdmtJulianShortMonth, 3},
        {ctJulian, invariant, u"d mmmm yyyy", u"5 March 2024", hdmtJulianLongMonth, 5},
    };
    for (const TCase& c : cases) {
        int32_t start = 0, length = 0;
        bool variable = false;
        EXPECT_EQ(I::Parser(c.Type, c.Settings, 2, c.Text, c.Format, start, length, variable), c.Kind)
            << int(c.Type) << " " << U8(c.Format);
        EXPECT_EQ(std::make_pair(start, length), std::make_pair(3, c.SelLength)) << U8(c.Format);
    }
}

TEST(IDateTime, EditorYearRanges) {
    struct TCase {
        TJhCalendarType Type;
        uint16_t Year, Low, High;
    } cases[] = {
        {ctJulian, 1800, 1900, 1800},  {ctJulian, 2200, 2200, 2100},  {ctJulian, 2000, 2000, 2000},
        {ctPersian, 1600, 1600, 1500}, {ctPersian, 1200, 1300, 1200}, {ctIslamic, 1450, 1450, 1450},
        {ctIslamic, 1000, 1300, 1000},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(I::EnsureYearLowRange(c.Type, c.Year), c.Low) << int(c.Type) << " " << c.Year;
        EXPECT_EQ(I::EnsureYearHighRange(c.Type, c.Year), c.High) << int(c.Type) << " " << c.Year;
    }
}
