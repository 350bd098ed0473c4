// The run-time stand-in's Format, locale format settings and time-of-day routines.
#include "System.Character.h"
#include "System.DateUtils.h"

#include <gtest/gtest.h>

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
