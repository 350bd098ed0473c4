// The Jalali calculator: year starts and lengths, the month split of a year, month increments, the
// ends of the model's range, every day both ways and against ICU's Persian calendar, the Persian
// locale overrides, and formatting and parsing with the Persian names and markers.
#include "CalendarTestSupport.h"
#include "Date.h"
#include "RTL.Date.Jalali.h"
#include "RTL.Date.Julian.h"

#include <cmath>
#include <set>
#include <string>

using namespace Zarvel;
using namespace ZarvelTest;
using Sys::string;

namespace {

// A Jalali calculator whose protected operations a test may call.
class TJalali : public TRTLJalaliDateCalendarCalc {
public:
    static std::unique_ptr<TJalali> Make(const string& Locale = {}) {
        return std::unique_ptr<TJalali>(static_cast<TJalali*>(ClassOf<TJalali>()(Locale).release()));
    }
    using TRTLCalendarCalc::GetFormatSettings;
};

// The fields of format settings that the calculators read or the Persian overrides write.
std::string Summary(const Sys::TFormatSettings& F) {
    const string texts = F.CurrencyString + u'|' + F.ThousandSeparator + F.DecimalSeparator +
                         F.DateSeparator + F.TimeSeparator + u'|' + F.ShortDateFormat + u'|' +
                         F.LongDateFormat + u'|' + F.TimeAMString + u'|' + F.TimePMString + u'|' +
                         F.ShortTimeFormat + u'|' + F.LongTimeFormat;
    return U8(texts) + "|" + Joined(F.ShortMonthNames) + Joined(F.LongMonthNames) + Joined(F.ShortDayNames) +
           Joined(F.LongDayNames) + std::to_string(F.CurrencyFormat) + " " + std::to_string(F.NegCurrFormat) +
           " " + std::to_string(F.CurrencyDecimals);
}

} // namespace

TEST(JalaliCalendar, YearStartsAndLengths) {
    auto calc = TJalali::Make();
    ExpectYears(
        *calc,
        {{1, 622, 3, 22, 365}, {1399, 2020, 3, 20, 366}, {1403, 2024, 3, 20, 366}, {1404, 2025, 3, 21, 365}},
        366);
}

TEST(JalaliCalendar, MonthsOfTheYear) {
    auto calc = TJalali::Make();
    struct TCase {
        uint16_t DayOfYear, Month, Day;
    } cases[] = {
        {1, 1, 1},    {31, 1, 31}, {32, 2, 1},    {186, 6, 31}, {187, 7, 1},
        {216, 7, 30}, {217, 8, 1}, {336, 11, 30}, {337, 12, 1}, {366, 12, 30},
    };
    for (const TCase& c : cases) {
        const TDateTime value = calc->EncodeDateDay(1403, c.DayOfYear) + 0.5;
        EXPECT_EQ(Decode(*calc, value), (TCalendarDate{1403, c.Month, c.Day})) << c.DayOfYear;
        EXPECT_EQ(calc->DayOfTheYear(value), c.DayOfYear);
        EXPECT_EQ(calc->EncodeDate(1403, c.Month, c.Day), std::trunc(value)) << c.DayOfYear;
    }
    const uint16_t lengths[12] = {31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29};
    for (uint16_t m = 1; m <= 12; ++m) EXPECT_EQ(calc->DaysInAMonth(1404, m), lengths[m - 1]) << m;

    // A day past its month is not a date, rather than the first of the next month.
    TDateTime value;
    const struct {
        uint16_t Month, Day;
    } invalid[] = {{6, 32}, {7, 31}, {11, 31}, {12, 30}, {13, 1}, {0, 1}, {1, 0}};
    for (const auto& c : invalid)
        EXPECT_FALSE(calc->TryEncodeDate(1404, c.Month, c.Day, value)) << c.Month << "/" << c.Day;
    EXPECT_TRUE(calc->TryEncodeDate(1403, 12, 30, value));
    EXPECT_THROW(calc->EncodeDate(1403, 7, 31), Sys::EConvertError);
}

TEST(JalaliCalendar, IncAMonth) {
    auto calc = TJalali::Make();
    struct TCase {
        uint16_t Y, M, D;
        int32_t Months;
        uint16_t EY, EM, ED;
    } cases[] = {
        {1403, 6, 31, 1, 1403, 7, 30},   // 31 Shahrivar to the last of Mehr
        {1403, 11, 30, 1, 1403, 12, 30}, // Bahman to Esfand of a leap year
        {1404, 11, 30, 1, 1404, 12, 29}, // and of a common year
        {1404, 10, 29, 2, 1404, 12, 29}, // a day that fits stays
        {1403, 12, 30, 1, 1404, 1, 30},  // the year wraps; months 1 to 6 keep the day
        {1404, 1, 31, -1, 1403, 12, 30}, // back across the year
        {1405, 1, 31, -1, 1404, 12, 29}, {1403, 7, 30, -1, 1403, 6, 30}, {1403, 6, 31, 12, 1404, 6, 31},
        {1403, 6, 31, -13, 1402, 5, 31}, {1403, 8, 15, 25, 1405, 9, 15},
    };
    for (const TCase& c : cases) {
        uint16_t y = c.Y, m = c.M, d = c.D;
        calc->IncAMonth(y, m, d, c.Months);
        EXPECT_EQ((TCalendarDate{y, m, d}), (TCalendarDate{c.EY, c.EM, c.ED}))
            << TCalendarDate{c.Y, c.M, c.D} << " " << c.Months;
    }
    const TDateTime value = calc->EncodeDate(1403, 6, 31) + Sys::EncodeTime(8, 30, 0, 0);
    EXPECT_EQ(calc->IncMonth(value, 1), calc->EncodeDate(1403, 7, 30) + Sys::EncodeTime(8, 30, 0, 0));
}

TEST(JalaliCalendar, EndsOfTheModel) {
    auto calc = TJalali::Make();
    // 2327 is a whole year; 2328 and later have no start.
    EXPECT_EQ(calc->DaysInAYear(2327), 365);
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { calc->DaysInAYear(2328); }),
              "The 2328 date must be in the range of -1096, 2327");
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { calc->IsLeapYear(9999); }),
              "The 9999 date must be in the range of -1096, 2327");
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { calc->DaysInAMonth(2328, 12); }),
              "The 2328 date must be in the range of -1096, 2327");
    TDateTime value;
    EXPECT_FALSE(calc->TryEncodeDate(2328, 1, 1, value));
    EXPECT_FALSE(calc->TryEncodeDateDay(2328, 1, value));
    EXPECT_FALSE(calc->IsValidDate(2328, 12, 1));

    const TDateTime last = calc->EncodeDate(2327, 12, 29);
    EXPECT_EQ(Decode(*calc, last + 0.99), (TCalendarDate{2327, 12, 29}));
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { calc->YearOf(last + 1); }),
              "The 2328 date must be in the range of -1096, 2327");
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { Decode(*calc, 1e7); }),
              "The 2328 date must be in the range of -1096, 2327");

    // Year 0 decodes; before it the year has no 16-bit form.
    const TDateTime first = calc->EncodeDate(0, 1, 1);
    EXPECT_EQ(first, Sys::EncodeDate(622, 3, 22) - 366);
    EXPECT_EQ(Decode(*calc, first), (TCalendarDate{0, 1, 1}));
    EXPECT_EQ(calc->DaysInAYear(0), 366);
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { calc->YearOf(first - 1); }),
              "The -1 date must be in the range of 0, 2327");
    EXPECT_EQ(MessageOf<EInvalidDateOperation>([&] { calc->YearOf(first - 400); }),
              "The -2 date must be in the range of 0, 2327");
    EXPECT_THROW(calc->YearOf(-1e7), EInvalidDateOperation);
}

TEST(JalaliCalendar, EveryDayBothWays) {
    ExpectEveryDayRoundTrips(*TJalali::Make(), 1, 2327);
}

TEST(JalaliCalendar, EveryDayAgreesWithIcuPersian) {
    // ICU places leap years by a fixed 33-year cycle, the model by piecewise-linear segments: these
    // years start a day apart. None lies between 1178 and 1634.
    const std::set<int32_t> knownDifferences = {
        1,    5,    22,   26,   30,   34,   55,   59,   63,   67,   88,   92,   96,   100,  121,  125,
        129,  133,  154,  158,  162,  166,  187,  191,  195,  220,  224,  228,  253,  257,  261,  286,
        290,  294,  319,  323,  327,  352,  356,  360,  385,  389,  393,  418,  422,  451,  455,  484,
        488,  517,  521,  550,  554,  583,  587,  616,  620,  649,  653,  682,  715,  748,  752,  781,
        785,  814,  847,  880,  913,  946,  979,  1012, 1045, 1078, 1177, 1635, 1668, 1767, 1800, 1833,
        1899, 1932, 1965, 1998, 2031, 2064, 2097, 2130, 2163, 2196, 2229, 2262, 2295};
    auto calc = TJalali::Make();
    TIcuCalendar icu("persian");
    ASSERT_TRUE(icu.Ok()) << icu.Error();
    ASSERT_EQ(icu.DateOf(JulianDayOf(int32_t(Sys::EncodeDate(2024, 3, 20)))), (TCalendarDate{1403, 1, 1}));
    std::set<int32_t> differences;
    const int32_t first = int32_t(calc->EncodeDate(1, 1, 1)), last = int32_t(calc->EncodeDate(2327, 12, 29));
    for (int32_t day = first; day <= last; ++day) {
        const TCalendarDate ours = Decode(*calc, day), theirs = icu.DateOf(JulianDayOf(day));
        if (ours != theirs) differences.insert(std::max(ours.Year, theirs.Year));
    }
    ASSERT_TRUE(icu.Ok()) << icu.Error();
    EXPECT_EQ(differences, knownDifferences);
    for (const int32_t year : knownDifferences) {
        const TCalendarDate start = icu.DateOf(JulianDayOf(int32_t(calc->EncodeDate(uint16_t(year), 1, 1))));
        EXPECT_TRUE(start == (TCalendarDate{year - 1, 12, 30}) || start == (TCalendarDate{year, 1, 2}))
            << year << ": ICU " << start;
    }
}

// --- Locales

TEST(JalaliCalendar, LocaleAfterConstructionIsPersian) {
    for (const char16_t* locale : {u"", u"en-US", u"de", u"FA-IR"}) {
        auto calc = TJalali::Make(locale);
        EXPECT_EQ(U8(calc->Locale()), "fa-Ir") << U8(locale);
        EXPECT_EQ(U8(calc->FormatSettings.ShortDateFormat), "yy/m/d") << U8(locale);
        EXPECT_EQ(calc->FirstWeekday, Sys::dowSaturday);
        EXPECT_TRUE(calc->RightToLeft);
        EXPECT_EQ(calc->MinYear, -1096);
        EXPECT_EQ(calc->MaxYear, 2327);
    }
}

TEST(JalaliCalendar, PersianOverridesByLocaleName) {
    struct TCase {
        const char16_t* Locale;
        bool Persian; // else the platform's settings for the name, unchanged
    } cases[] = {
        {u"FA-IR", true},  {u"fa", true},     {u"Fa", true},     {u"fa-ir", true},
        {u"en-US", false}, {u"fa-AF", false}, {u"fa_IR", false}, {u"de", false},
    };
    for (const TCase& c : cases) {
        auto calc = TJalali::Make();
        calc->SetLocale(c.Locale);
        EXPECT_EQ(U8(calc->Locale()), U8(c.Locale));
        const Sys::TFormatSettings& fs = calc->FormatSettings;
        EXPECT_EQ(Summary(calc->GetFormatSettings()), Summary(fs)) << U8(c.Locale);
        if (!c.Persian) {
            // What a calculator without overrides loads for the same name.
            EXPECT_EQ(Summary(fs), Summary(TRTLJulianDateCalendarCalc::Create(c.Locale)->FormatSettings))
                << U8(c.Locale);
            continue;
        }
        EXPECT_EQ(U8(fs.ShortDateFormat), "yy/m/d") << U8(c.Locale);
        EXPECT_EQ(U8(fs.LongDateFormat), "yyyy/mmmm/d-dddd");
        EXPECT_EQ(U8(fs.ShortTimeFormat + u" " + fs.LongTimeFormat), "h:nn h:nn ampm");
        EXPECT_EQ(U8(fs.TimeAMString + u"|" + fs.TimePMString), "صبح|بعد از ظهر");
        EXPECT_EQ(U8(fs.CurrencyString), "ريال");
        EXPECT_EQ((std::tuple{int(fs.CurrencyFormat), int(fs.NegCurrFormat), int(fs.CurrencyDecimals)}),
                  (std::tuple{2, 12, 1}));
        EXPECT_EQ(U8({fs.ThousandSeparator, fs.DecimalSeparator, fs.DateSeparator, fs.TimeSeparator}),
                  U8(u"\u066C\u066B/:"));
        EXPECT_EQ(Joined(fs.LongMonthNames), Joined(TRTLPersianConsts::Months));
        EXPECT_EQ(Joined(fs.ShortMonthNames), Joined(TRTLPersianConsts::Months));
        // Sunday first: Saturday is the last day, and the first of the Persian tables.
        const std::array<string, 7> longDays = {u"یکشنبه",  u"دوشنبه", u"سه شنبه", u"چهارشنبه",
                                                u"پنجشنبه", u"جمعه",   u"شنبه"};
        EXPECT_EQ(Joined(fs.LongDayNames), Joined(longDays));
        EXPECT_EQ(U8(fs.ShortDayNames[0] + fs.ShortDayNames[6]), "یش");
    }
    // An empty name falls back to the Persian locale.
    auto calc = TJalali::Make();
    calc->SetLocale(u"de");
    calc->SetLocale(u"");
    EXPECT_EQ(U8(calc->Locale()), "fa-Ir");
    EXPECT_EQ(U8(calc->FormatSettings.LongMonthNames[0]), "فروردین");
    // A name without locale data changes nothing, so that asking again fails again.
    for (int attempt = 0; attempt < 2; ++attempt) {
        EXPECT_THROW(calc->SetLocale(u"qq-ZZ"), Sys::EArgumentException);
        EXPECT_EQ(U8(calc->Locale()), "fa-Ir");
        EXPECT_EQ(U8(calc->FormatSettings.LongMonthNames[0]), "فروردین");
    }
}

// --- Formatting and parsing

TEST(JalaliCalendar, FormatsAndParsesWithPersianNamesAndMarkers) {
    auto calc = TJalali::Make();
    const TDateTime nowruz = Sys::EncodeDate(2024, 3, 20); // 1 Farvardin 1403, a Wednesday
    EXPECT_EQ(U8(calc->DateToStr(nowruz)), "03/1/1");
    const string longDate = calc->FormatDateTime(calc->FormatSettings.LongDateFormat, nowruz);
    EXPECT_EQ(U8(longDate), "1403/فروردین/1-چهارشنبه");
    TDateTime value;
    ASSERT_TRUE(calc->TryStrToDateTime(longDate, value, calc->FormatSettings.LongDateFormat));
    EXPECT_EQ(value, nowruz);
    EXPECT_FALSE(
        calc->TryStrToDateTime(u"1403/فروردین/2-چهارشنبه", value, calc->FormatSettings.LongDateFormat));
    ASSERT_TRUE(calc->TryStrToDate(u"03/1/1", value)); // two-digit years count from 1300
    EXPECT_EQ(value, nowruz);
    EXPECT_EQ(calc->StrToDate(u"03/12/30"), Sys::EncodeDate(2025, 3, 20));

    struct TCase {
        const char16_t* Format;
        uint16_t Hour, Minute;
        const char16_t* Text;
    } cases[] = {
        {u"yyyy/m/d h:nn ampm", 9, 5, u"1403/1/1 9:05 صبح"},
        {u"yyyy/m/d h:nn ampm", 17, 30, u"1403/1/1 5:30 بعد از ظهر"},
        {u"yyyy/m/d h:nn am/pm", 9, 5, u"1403/1/1 9:05 قبل از ظهر"},
        {u"yyyy/m/d h:nn am/pm", 17, 30, u"1403/1/1 5:30 بعد از ظهر"},
        {u"yyyy/m/d h:nn a/p", 9, 5, u"1403/1/1 9:05 ص"},
        {u"yyyy/m/d h:nn a/p", 17, 30, u"1403/1/1 5:30 ع"},
        {u"yyyy/m/d tt", 17, 30, u"1403/1/1 5:30 بعد از ظهر"},
        {u"dddddd t", 9, 5, u"1403/فروردین/1-چهارشنبه 9:05"},
    };
    for (const TCase& c : cases) {
        const TDateTime instant = nowruz + Sys::EncodeTime(c.Hour, c.Minute, 0, 0);
        EXPECT_EQ(U8(calc->FormatDateTime(c.Format, instant)), U8(c.Text)) << U8(c.Format);
        TDateTime back = -1;
        EXPECT_TRUE(calc->TryStrToDateTime(c.Text, back, c.Format)) << U8(c.Text);
        EXPECT_EQ(back, instant) << U8(c.Text);
    }

    // Every month and weekday name reads back as the day it was written for.
    const string format = u"dddd d mmmm yyyy";
    for (int32_t day = int32_t(calc->EncodeDate(1300, 1, 1)); day < int32_t(calc->EncodeDate(1500, 1, 1));
         day += 17) {
        const string text = calc->FormatDateTime(format, day);
        ASSERT_TRUE(calc->TryStrToDateTime(text, value, format)) << U8(text);
        ASSERT_EQ(value, day) << U8(text);
    }
}
