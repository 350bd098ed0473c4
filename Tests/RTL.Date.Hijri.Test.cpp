// The tabular Hijri calculator: year starts, leap years and month lengths, weeks, invalid dates and
// the instants before its first year, every day of years 1 to 9999 both ways and against ICU's civil
// Islamic calendar, and its locale and names.
#include "CalendarTestSupport.h"
#include "Date.h"
#include "RTL.Date.Hijri.h"

#include <set>
#include <string>

using namespace Zarvel;
using namespace ZarvelTest;
using Sys::string;
using D = TDayOfWeek;

TEST(HijriCalendar, YearStartsAndLengths) {
    auto calc = TRTLHijriLunarDateCalendarCalc::Create();
    // Year 1 starts on 16 July 622 of the Julian calendar.
    ExpectYears(*calc, {{1, 622, 7, 19, 354}, {1445, 2023, 7, 19, 355}, {1446, 2024, 7, 8, 354}}, 355);
    const uint16_t leap[12] = {30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 30};
    auto* hijri = static_cast<TRTLHijriLunarDateCalendarCalc*>(calc.get());
    for (uint16_t m = 1; m <= 12; ++m) {
        EXPECT_EQ(calc->DaysInAMonth(1445, m), leap[m - 1]) << m;
        EXPECT_EQ(calc->DaysInAMonth(1446, m), leap[m - 1] - (m == 12)) << m;
        EXPECT_EQ(hijri->HowManyDaysInAMonth(1446, m), calc->DaysInAMonth(1446, m)) << m;
    }
    EXPECT_EQ(calc->CalendarType(), TRTLCalendarCalc::TCalendarType::LunarCalendar);
}

TEST(HijriCalendar, LeapYearsOfTheCycle) {
    auto calc = TRTLHijriLunarDateCalendarCalc::Create();
    const std::set<int> leapPositions = {2, 5, 7, 10, 13, 16, 18, 21, 24, 26, 29};
    int cycleDays = 0;
    for (uint16_t year = 1440; year < 1470; ++year) {
        const int r = year % 30;
        EXPECT_EQ(calc->IsLeapYear(year), leapPositions.count(r) == 1) << year;
        EXPECT_EQ(calc->IsLeapYear(year), (11 * r + 3) % 30 >= 19) << year;
        cycleDays += calc->DaysInAYear(year);
    }
    EXPECT_EQ(cycleDays, 10631);
    EXPECT_EQ(calc->EncodeDate(1470, 1, 1) - calc->EncodeDate(1440, 1, 1), 10631);
}

TEST(HijriCalendar, WeeksAndInvalidDates) {
    auto calc = TRTLHijriLunarDateCalendarCalc::Create();
    for (uint16_t year : {1, 1445, 1446, 9999}) {
        EXPECT_EQ(calc->WeeksInAYear(year), 51) << year;
        EXPECT_TRUE(calc->IsValidDateWeek(year, 51, D::Saturday)) << year;
        EXPECT_FALSE(calc->IsValidDateWeek(year, 52, D::Saturday)) << year;
    }
    EXPECT_THROW(calc->EncodeDateWeek(1445, 52), Sys::EConvertError);

    TDateTime value;
    const struct {
        uint16_t Year, Month, Day;
    } invalid[] = {{1446, 12, 30}, {1445, 12, 31}, {1445, 2, 30}, {1445, 13, 1},
                   {1445, 0, 1},   {1445, 1, 0},   {0, 1, 1},     {10000, 1, 1}};
    for (const auto& c : invalid)
        EXPECT_FALSE(calc->TryEncodeDate(c.Year, c.Month, c.Day, value))
            << TCalendarDate{c.Year, c.Month, c.Day};
    EXPECT_THROW(calc->EncodeDate(1446, 12, 30), Sys::EConvertError);
    EXPECT_TRUE(calc->TryEncodeDate(1445, 12, 30, value));

    // The day of the year is not checked: day 400 of a leap year is day 45 of the next.
    ASSERT_TRUE(calc->TryEncodeDateDay(1445, 400, value));
    EXPECT_EQ(value, calc->EncodeDate(1446, 2, 15));

    // Before 1 Muharram 1 the year has no 16-bit form.
    const TDateTime first = calc->EncodeDate(1, 1, 1);
    EXPECT_EQ(Decode(*calc, first), (TCalendarDate{1, 1, 1}));
    try {
        Decode(*calc, first - 1);
        ADD_FAILURE() << "no error";
    } catch (const EInvalidDateOperation& e) {
        EXPECT_EQ(U8(e.Message()), "The 0 date must be in the range of 1, 9999");
    }
    EXPECT_THROW(calc->YearOf(-1e6), EInvalidDateOperation);
}

TEST(HijriCalendar, EveryDayBothWays) {
    ExpectEveryDayRoundTrips(*TRTLHijriLunarDateCalendarCalc::Create(), 1, 9999);
}

TEST(HijriCalendar, EveryDayAgreesWithIcuIslamicCivil) {
    // The days of the Jalali years 1300 to 1500.
    auto calc = TRTLHijriLunarDateCalendarCalc::Create();
    TIcuCalendar icu("islamic-civil");
    ASSERT_TRUE(icu.Ok()) << icu.Error();
    for (int32_t j = JalaliJD0(1300) + 1; j <= JalaliJD0(1501); ++j) {
        const TCalendarDate ours = Decode(*calc, j - 2415019), theirs = icu.DateOf(j);
        ASSERT_EQ(ours, theirs) << "J " << j;
    }
    ASSERT_TRUE(icu.Ok()) << icu.Error();
}

TEST(HijriCalendar, LocaleAndNames) {
    auto calc = TRTLHijriLunarDateCalendarCalc::Create(u"en-US");
    EXPECT_EQ(U8(calc->Locale()), "ar");
    EXPECT_TRUE(calc->RightToLeft);
    EXPECT_EQ(calc->FirstWeekday, Sys::dowSaturday);
    EXPECT_EQ(calc->ApproxDaysPerMonth, 29.5);
    EXPECT_EQ(std::pair(calc->MinYear, calc->MaxYear), std::pair(1, 9999));
    EXPECT_EQ(U8({calc->TimeAMVeryShortString, u'|', calc->TimePMVeryShortString}), "ص|ع");
    EXPECT_EQ(U8(calc->TimeAMLongString + u"|" + calc->TimePMLongString), "قبل الظهر|بعد الظهر");
    // The locale's Gregorian month names give way to the Hijri ones; its day names stay.
    const Sys::TFormatSettings arabic = Sys::TFormatSettings::Create(u"ar");
    EXPECT_EQ(Joined(calc->FormatSettings.LongMonthNames),
              Joined(TRTLHijriLunarDateCalendarCalc::MonthNames));
    EXPECT_EQ(Joined(calc->FormatSettings.ShortMonthNames),
              Joined(TRTLHijriLunarDateCalendarCalc::MonthNames));
    EXPECT_EQ(Joined(calc->FormatSettings.LongDayNames), Joined(arabic.LongDayNames));

    auto* hijri = static_cast<TRTLHijriLunarDateCalendarCalc*>(calc.get());
    hijri->SetLocale(u"en-US");
    EXPECT_EQ(Joined(calc->FormatSettings.LongMonthNames),
              Joined(TRTLHijriLunarDateCalendarCalc::MonthNames));
    EXPECT_EQ(U8(calc->FormatSettings.LongDayNames[0]), "Sunday");

    const TDateTime value = calc->EncodeDate(1445, 9, 1);
    const string text = calc->FormatDateTime(u"dddd d mmmm yyyy", value);
    EXPECT_EQ(U8(text), "Monday 1 رمضان 1445");
    TDateTime back;
    ASSERT_TRUE(calc->TryStrToDateTime(text, back, u"dddd d mmmm yyyy"));
    EXPECT_EQ(back, value);
}
