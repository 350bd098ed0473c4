#include "RTL.Date.Hijri.h"

#include "DTConst.h"
#include "Date.h"
#include "DateGlobal.h"

namespace Zarvel {

namespace {

constexpr const char* UnitName = "RTL.Date.Hijri";
constexpr int32_t IslamicKind = 3;

// Leap years by their place in the 30-year cycle.
constexpr bool LeapYears[30] = {false, false, true,  false, false, true,  false, true,  false, false,
                                true,  false, false, true,  false, false, true,  false, true,  false,
                                false, true,  false, false, true,  false, true,  false, false, true};

} // namespace

const std::array<Sys::string, 12> TRTLHijriLunarDateCalendarCalc::MonthNames = {
    u"محرّم", u"صفر",   u"ربیع الاول", u"ربیع الثانی", u"جمادی الاول", u"جمادی الثانی",
    u"رجب",  u"شعبان", u"رمضان",      u"شوال",        u"ذو القعدة",   u"ذو الحجة"};

bool TRTLHijriLunarDateCalendarCalc::IsLeapYear(uint16_t Year) {
    const int r = Year % 30;
    ZARVEL_ASSERT_MSG(LeapYears[r] == ((11 * r + 3) % 30 >= 19),
                      u"Value calculated by tval is not equal to array for year " +
                          Sys::Format(u"%d", {Year}));
    return LeapYears[r];
}

uint16_t TRTLHijriLunarDateCalendarCalc::DaysInAYear(uint16_t AYear) {
    return IsLeapYear(AYear) ? 355 : 354;
}

uint16_t TRTLHijriLunarDateCalendarCalc::HowManyDaysInAMonth(uint16_t AYear, uint16_t AMonth) {
    if (AMonth == 12) return IsLeapYear(AYear) ? 30 : 29;
    return static_cast<uint16_t>(30 - ((AMonth - 1) & 1));
}

uint16_t TRTLHijriLunarDateCalendarCalc::DaysInAMonth(uint16_t AYear, uint16_t AMonth) {
    return HowManyDaysInAMonth(AYear, AMonth);
}

void TRTLHijriLunarDateCalendarCalc::DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month,
                                                uint16_t& Day) {
    int32_t d, m, y;
    DayToDMY(JulianDayOf(Date), d, m, y, IslamicKind);
    if (m < 1 || y < 1 || y > 0xFFFF)
        throw EInvalidDateOperation(Sys::Format(LoadResString(_SDateOutOfRange), {y, MinYear, MaxYear}));
    Year = static_cast<uint16_t>(y);
    Month = static_cast<uint16_t>(m);
    Day = static_cast<uint16_t>(d);
}

void TRTLHijriLunarDateCalendarCalc::DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) {
    uint16_t month, day;
    DecodeDate(AValue, AYear, month, day);
    ADayOfYear = day;
    for (uint16_t m = 1; m < month; ++m)
        ADayOfYear = static_cast<uint16_t>(ADayOfYear + HowManyDaysInAMonth(AYear, m));
}

bool TRTLHijriLunarDateCalendarCalc::TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day,
                                                   TDateTime& Date) {
    if (!IsValidDate(Year, Month, Day)) return false;
    Date = DMYToDay(Day, Month, Year, IslamicKind) - DateTimeJulianDay;
    return true;
}

bool TRTLHijriLunarDateCalendarCalc::TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear,
                                                      TDateTime& AValue) {
    if (!TryEncodeDate(AYear, 1, 1, AValue)) return false;
    AValue += ADayOfYear - 1;
    return true;
}

void TRTLHijriLunarDateCalendarCalc::Initialize() {
    FLocale = u"ar";
    RightToLeft = true;
    FirstWeekday = Sys::dowSaturday;
    FLastMonth = 12;
    ApproxDaysPerMonth = 29.5;
    MinYear = 1;
    MaxYear = 9999;
    TimeAMVeryShortString = u'\u0635';
    TimePMVeryShortString = u'\u0639';
    TimeAMLongString = u"قبل الظهر";
    TimePMLongString = u"بعد الظهر";
    FormatSettings = LoadFormatSettings();
}

Sys::TFormatSettings TRTLHijriLunarDateCalendarCalc::DoGetFormatSettings() {
    Sys::TFormatSettings fs = Sys::TFormatSettings::Create(FLocale);
    // A locale that already names the Hijri months keeps its own names.
    if (fs.LongMonthNames[1] != u"صفر") fs.ShortMonthNames = fs.LongMonthNames = MonthNames;
    return fs;
}

void InitializeRTLDateHijri() {
    TRTLCalendarCalcFactory::Current().RegisterCalendarCalcSystem(
        u"IslamicTabular", TRTLCalendarCalc::ClassOf<TRTLHijriLunarDateCalendarCalc>());
    TRTLCalendarCalcSystems::Default = u"IslamicTabular";
}

} // namespace Zarvel
