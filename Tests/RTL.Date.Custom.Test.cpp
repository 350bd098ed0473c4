// The custom calculator: a calendar of twelve 30-day months given by callbacks, through the base
// operations; missing and failing callbacks; construction by name and the deferred century window;
// the format-settings and initialisation callbacks; and the registry as the package leaves it.
#include "CalendarTestSupport.h"
#include "RTL.Date.Custom.h"
#include "RTL.Date.Hijri.h"
#include "RTL.Date.Jalali.h"
#include "RTL.Date.Julian.h"

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>

using namespace Zarvel;
using namespace ZarvelTest;
using Sys::string;
using D = TDayOfWeek;

namespace {

// TDateTime day 0 (1899-12-30) is the first day of this year.
constexpr uint16_t EpochYear = 1300;

// Twelve months of 30 days, no leap years, years from EpochYear on.
void SetThirtyDayMonths(TRTLCustomDateCalendarCalc& Calc) {
    Calc.SetOnDaysInAMonth([](uint16_t, uint16_t, uint16_t& Total) { Total = 30; });
    Calc.SetOnDaysInAYear([](uint16_t, uint16_t& Total) { Total = 360; });
    Calc.SetOnLeapYearQuery([](uint16_t, bool& Leap) { Leap = false; });
    Calc.SetOnTryEncodeDateDay([](uint16_t Year, uint16_t Day, TDateTime& Value, bool& Succeed) {
        Succeed = Year >= EpochYear && Day >= 1 && Day <= 360;
        if (Succeed) Value = (Year - EpochYear) * 360 + Day - 1;
    });
    Calc.SetOnDecodeDateDay([](TDateTime Value, uint16_t& Year, uint16_t& Day) {
        const auto day = int32_t(std::floor(Value));
        Year = uint16_t(EpochYear + day / 360);
        Day = uint16_t(day % 360 + 1);
    });
}

std::unique_ptr<TRTLCustomDateCalendarCalc> MakeCustom() {
    return std::unique_ptr<TRTLCustomDateCalendarCalc>(
        static_cast<TRTLCustomDateCalendarCalc*>(TRTLCustomDateCalendarCalc::Create().release()));
}

std::unique_ptr<TRTLCustomDateCalendarCalc> MakeThirtyDayMonths() {
    auto calc = MakeCustom();
    SetThirtyDayMonths(*calc);
    return calc;
}

} // namespace

TEST(CustomCalendar, BaseOperationsThroughCallbacks) {
    auto calc = MakeThirtyDayMonths();
    // Without OnDecodeDate the day of the year is split by the month lengths: day 61 is month 3, day 1.
    const TDateTime day61 = 127 * 360 + 60;
    EXPECT_EQ(Decode(*calc, day61 + 0.25), (TCalendarDate{1427, 3, 1}));
    EXPECT_EQ(calc->EncodeDate(1427, 3, 1), day61);
    EXPECT_EQ(calc->DayOfTheYear(day61), 61);
    EXPECT_THROW(calc->EncodeDate(1427, 3, 31), Sys::EConvertError);
    ExpectEveryDayRoundTrips(*calc, EpochYear, EpochYear + 200);

    EXPECT_EQ(U8(calc->FormatDateTime(u"yyyy/mm/dd d mmmm", day61)), "1427/03/01 1 March");
    TDateTime value;
    ASSERT_TRUE(calc->TryStrToDateTime(u"1427/03/01", value, u"yyyy/mm/dd"));
    EXPECT_EQ(value, day61);
    EXPECT_EQ(calc->IncMonth(day61 + 0.5, 10), calc->EncodeDate(1428, 1, 1) + 0.5);
    EXPECT_EQ(calc->IncMonth(calc->EncodeDate(1427, 1, 30), -1), calc->EncodeDate(1426, 12, 30));
    EXPECT_EQ(calc->IncYear(day61, 2), day61 + 720);

    // Week numbers stay within the year's weeks, and a Monday (the first weekday) encodes back.
    for (int32_t day = int32_t(calc->EncodeDate(1400, 1, 1)); day < int32_t(calc->EncodeDate(1410, 1, 1));
         ++day) {
        uint16_t year, week;
        D dow;
        calc->DecodeDateWeek(day, year, week, dow);
        ASSERT_EQ(dow, calc->DayOfTheWeek(day));
        ASSERT_TRUE(week >= 1 && week <= calc->WeeksInAYear(year))
            << day << ": week " << week << " of " << year;
        if (dow != D::Monday) continue;
        ASSERT_TRUE(calc->TryEncodeDateWeek(year, week, value, D::Monday)) << day;
        ASSERT_EQ(value, day);
    }

    // OnDecodeDate, when assigned, decodes instead of the split.
    calc->SetOnDecodeDate(
        [](TDateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day) { Year = 1500, Month = 7, Day = 9; });
    EXPECT_EQ(Decode(*calc, day61), (TCalendarDate{1500, 7, 9}));
    EXPECT_EQ(calc->MonthOf(day61), 7);
}

TEST(CustomCalendar, EachMissingCallbackIsNamed) {
    struct TCase {
        const char* Event;
        void (*Clear)(TRTLCustomDateCalendarCalc&);
        void (*Use)(TRTLCustomDateCalendarCalc&);
    } cases[] = {
        {"OnDaysInAMonth", [](TRTLCustomDateCalendarCalc& C) { C.SetOnDaysInAMonth(nullptr); },
         [](TRTLCustomDateCalendarCalc& C) { C.DaysInAMonth(1400, 1); }},
        {"OnDaysInAMonth", [](TRTLCustomDateCalendarCalc& C) { C.SetOnDaysInAMonth(nullptr); },
         [](TRTLCustomDateCalendarCalc& C) {
             uint16_t y, m, d;
             C.DecodeDate(100, y, m, d);
         }},
        {"OnDaysInAYear", [](TRTLCustomDateCalendarCalc& C) { C.SetOnDaysInAYear(nullptr); },
         [](TRTLCustomDateCalendarCalc& C) { C.DaysInAYear(1400); }},
        {"OnDecodeDateDay", [](TRTLCustomDateCalendarCalc& C) { C.SetOnDecodeDateDay(nullptr); },
         [](TRTLCustomDateCalendarCalc& C) { C.YearOf(100); }},
        {"OnLeapYearQuery", [](TRTLCustomDateCalendarCalc& C) { C.SetOnLeapYearQuery(nullptr); },
         [](TRTLCustomDateCalendarCalc& C) { C.IsLeapYear(1400); }},
        {"OnTryEncodeDateDay", [](TRTLCustomDateCalendarCalc& C) { C.SetOnTryEncodeDateDay(nullptr); },
         [](TRTLCustomDateCalendarCalc& C) { C.EncodeDate(1400, 1, 1); }},
    };
    for (const TCase& c : cases) {
        auto calc = MakeThirtyDayMonths();
        c.Clear(*calc);
        EXPECT_EQ(MessageOf<ECustomCalendarNoEventError>([&] { c.Use(*calc); }),
                  std::string("Error: Event \"") + c.Event + "\" is not set.");
    }
    // A calculator given no callbacks at all.
    auto bare = MakeCustom();
    EXPECT_EQ(MessageOf<ECustomCalendarNoEventError>([&] { bare->DaysInAYear(1400); }),
              "Error: Event \"OnDaysInAYear\" is not set.");
    TDateTime value;
    EXPECT_EQ(MessageOf<ECustomCalendarNoEventError>([&] { bare->TryEncodeDateDay(1400, 1, value); }),
              "Error: Event \"OnTryEncodeDateDay\" is not set.");
}

TEST(CustomCalendar, FailingCallbacks) {
    auto calc = MakeThirtyDayMonths();
    // A callback that leaves Succeed false fails the encoding.
    calc->SetOnTryEncodeDateDay([](uint16_t, uint16_t, TDateTime&, bool&) {});
    TDateTime value = -1;
    EXPECT_FALSE(calc->TryEncodeDate(1400, 1, 1, value));
    EXPECT_THROW(calc->EncodeDate(1400, 1, 1), Sys::EConvertError);
    EXPECT_THROW(calc->EncodeDateDay(1400, 1), Sys::EConvertError);

    // What a callback raises reaches the caller, also through the base operations.
    calc->SetOnDaysInAYear(
        [](uint16_t Year, uint16_t&) { throw std::out_of_range("no year " + std::to_string(Year)); });
    try {
        calc->IncYear(0, 1);
        ADD_FAILURE() << "no error";
    } catch (const std::out_of_range& e) {
        EXPECT_STREQ(e.what(), "no year 1300");
    }
    calc->SetOnDecodeDateDay([](TDateTime, uint16_t&, uint16_t&) { throw Sys::EConvertError(u"bad day"); });
    EXPECT_THROW(calc->FormatDateTime(u"yyyy", 0), Sys::EConvertError);
}

TEST(CustomCalendar, CreatedByNameWaitsForItsDecoderForTheCenturyWindow) {
    std::unique_ptr<TRTLCalendarCalc> created =
        TRTLCalendarCalcFactory::Current().CreateCalendar(u"Custom", u"");
    ASSERT_NE(created, nullptr);
    auto* calc = dynamic_cast<TRTLCustomDateCalendarCalc*>(created.get());
    ASSERT_NE(calc, nullptr);
    EXPECT_TRUE(calc->CenturyWindowPending());
    EXPECT_EQ(calc->ShortYearStartingCentury, 0);
    calc->SetLocale(u"de"); // reloads the window, which still has to wait
    EXPECT_TRUE(calc->CenturyWindowPending());
    EXPECT_EQ(U8(calc->FormatSettings.LongMonthNames[2]), "März");

    SetThirtyDayMonths(*calc);
    EXPECT_FALSE(calc->CenturyWindowPending());
    const uint16_t year = calc->CurrentYear();
    EXPECT_EQ(year, EpochYear + int32_t(Sys::Today()) / 360);
    EXPECT_EQ(calc->ShortYearStartingCentury, (year - 80) / 100 * 100);
    EXPECT_EQ(calc->FormatSettings.TwoDigitYearCenturyWindow, 20);
    TDateTime value;
    ASSERT_TRUE(calc->TryStrToDateTime(u"19/03/01", value, u"yy/mm/dd"));
    EXPECT_EQ(Decode(*calc, value), (TCalendarDate{calc->ShortYearStartingCentury + 119, 3, 1}));
}

TEST(CustomCalendar, FormatSettingsCallback) {
    auto calc = MakeThirtyDayMonths();
    const TRTLCalendarCalc* sender = nullptr;
    calc->SetOnGetFormatSettings([&](TRTLCalendarCalc& Sender, Sys::TFormatSettings& Settings) {
        sender = &Sender;
        Settings.ShortDateFormat = u"yyyy-MM-dd";
        Settings.DateSeparator = u'-';
        for (size_t m = 0; m < 12; ++m)
            Settings.LongMonthNames[m] = u"M" + Sys::Utf8ToString(std::to_string(m + 1));
    });
    // The callback is read when the settings load, not before.
    EXPECT_EQ(U8(calc->FormatSettings.LongMonthNames[2]), "March");
    EXPECT_EQ(U8(calc->GetFormatSettings().LongMonthNames[2]), "M3");
    EXPECT_EQ(sender, calc.get());
    EXPECT_EQ(U8(calc->FormatSettings.LongMonthNames[2]), "March");

    calc->SetLocale(u"any name"); // no locale data is asked for
    const Sys::TFormatSettings& fs = calc->FormatSettings;
    EXPECT_EQ(U8(fs.ShortDateFormat), "yyyy-mm-dd");
    // What the callback leaves alone starts empty.
    EXPECT_EQ(U8(fs.ShortMonthNames[2] + fs.LongDayNames[0] + fs.TimeAMString), "");
    EXPECT_EQ(fs.DecimalSeparator, u'\0');
    EXPECT_EQ(U8(calc->DateToStr(calc->EncodeDate(1427, 3, 1))), "1427-03-01");
    EXPECT_EQ(U8(calc->FormatDateTime(u"d mmmm", calc->EncodeDate(1427, 3, 1))), "1 M3");
}

namespace {

// A custom calendar that assigns its callbacks before Initialize runs, as a derived class can.
class TInitialisedCustom : public TRTLCustomDateCalendarCalc {
public:
    static std::unique_ptr<TInitialisedCustom> Make() {
        return std::unique_ptr<TInitialisedCustom>(
            static_cast<TInitialisedCustom*>(ClassOf<TInitialisedCustom>()(u"").release()));
    }
    int InitializeCalls = 0;

protected:
    void Initialize() override {
        SetThirtyDayMonths(*this);
        SetOnGetFormatSettings([](TRTLCalendarCalc&, Sys::TFormatSettings& Settings) {
            Settings.TimeAMString = u"before";
            Settings.TimePMString = u"after";
        });
        SetOnInitialize([this](TRTLCalendarCalc& Sender, TDateCalendarCalcSettings Settings) {
            ++InitializeCalls;
            EXPECT_EQ(&Sender, this);
            // The base Initialize has run: its values are there to be replaced.
            EXPECT_EQ(Settings.MinYear(), 1);
            EXPECT_EQ(Settings.TimeAMVeryShortString(), u'b');
            Settings.SetMinYear(EpochYear);
            Settings.SetMaxYear(2000);
            Settings.SetLastMonth(13);
            Settings.SetApproxDaysPerMonth(30);
            Settings.SetFirstWeekDay(Sys::dowSunday);
            Settings.SetRightToLeft(true);
            Settings.SetTimeAMVeryShortString(u'x');
            Settings.SetTimePMVeryShortString(u'y');
            Settings.SetTimeAMLongString(u"morning");
            Settings.SetTimePMLongString(u"evening");
        });
        TRTLCustomDateCalendarCalc::Initialize();
    }
};

} // namespace

TEST(CustomCalendar, InitializeCallbackSetsTheFields) {
    auto calc = TInitialisedCustom::Make();
    EXPECT_EQ(calc->InitializeCalls, 1);
    EXPECT_FALSE(calc->CenturyWindowPending()); // the decoder was there before the window was worked out
    EXPECT_EQ(std::pair(calc->MinYear, calc->MaxYear), std::pair(int32_t(EpochYear), 2000));
    EXPECT_TRUE(calc->IsMonthValid(13));
    EXPECT_EQ(calc->ApproxDaysPerMonth, 30);
    EXPECT_EQ(calc->FirstWeekday, Sys::dowSunday);
    EXPECT_TRUE(calc->RightToLeft);
    EXPECT_EQ(U8({calc->TimeAMVeryShortString, calc->TimePMVeryShortString}), "xy");
    EXPECT_EQ(U8(calc->TimeAMLongString + u" " + calc->TimePMLongString), "morning evening");
    EXPECT_EQ(U8(calc->FormatSettings.TimeAMString), "before");
    EXPECT_EQ(U8(calc->FormatDateTime(u"h am/pm", 0.75) + calc->FormatDateTime(u" h a/p", 0.75) +
                 calc->FormatDateTime(u" h ampm", 0.75)),
              "6 evening 6 y 6 after");

    // The record reads back what it writes.
    TDateCalendarCalcSettings settings(*calc);
    settings.SetShortYearStartingCentury(1900);
    settings.SetLastMonth(12);
    EXPECT_EQ(calc->ShortYearStartingCentury, 1900);
    EXPECT_EQ(settings.ShortYearStartingCentury(), 1900);
    EXPECT_EQ(settings.LastMonth(), 12);
    EXPECT_FALSE(calc->IsMonthValid(13));
    EXPECT_EQ(std::tuple(settings.MaxYear(), settings.ApproxDaysPerMonth(), settings.FirstWeekDay(),
                         settings.RightToLeft()),
              std::tuple(2000, 30.0, Sys::dowSunday, true));
    EXPECT_EQ(U8({settings.TimeAMVeryShortString(), settings.TimePMVeryShortString()}), "xy");
    EXPECT_EQ(U8(settings.TimeAMLongString() + settings.TimePMLongString()), "morningevening");
}

// --- The registry as the package leaves it

TEST(CalendarRegistry, AfterLoad) {
    TRTLCalendarCalcFactory& factory = TRTLCalendarCalcFactory::Current();
    std::set<std::string> names;
    factory.CalendarsList([&](const string& Name) { names.insert(U8(Name)); });
    EXPECT_EQ(names, (std::set<std::string>{"Custom", "Gregorian", "IslamicTabular", "Jalali"}));
    EXPECT_EQ(U8(TRTLCalendarCalcSystems::Default), "IslamicTabular");
    EXPECT_EQ(factory.CreateCalendar(u"jalali", u""), nullptr);
    EXPECT_NE(dynamic_cast<TRTLJalaliDateCalendarCalc*>(factory.CreateCalendar(u"Jalali", u"").get()),
              nullptr);
    EXPECT_NE(
        dynamic_cast<TRTLHijriLunarDateCalendarCalc*>(factory.CreateCalendar(u"IslamicTabular", u"").get()),
        nullptr);
    EXPECT_NE(dynamic_cast<TRTLCustomDateCalendarCalc*>(factory.CreateCalendar(u"Custom", u"").get()),
              nullptr);
}
