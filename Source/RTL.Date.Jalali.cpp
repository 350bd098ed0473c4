#include "RTL.Date.Jalali.h"

#include "DateGlobal.h"
#include "JalaliArithmetic.h"

namespace Zarvel {

const std::array<Sys::string, 12> TRTLPersianConsts::Months = {u"فروردین", u"اردیبهشت", u"خرداد", u"تیر",
                                                               u"مرداد",   u"شهریور",   u"مهر",   u"آبان",
                                                               u"آذر",     u"دی",       u"بهمن",  u"اسفند"};
const std::array<Sys::string, 7> TRTLPersianConsts::WeekDays = {
    u"شنبه", u"یکشنبه", u"دوشنبه", u"سه شنبه", u"چهارشنبه", u"پنجشنبه", u"جمعه"};
const std::array<Sys::string, 7> TRTLPersianConsts::ShortWeekDays = {u"ش", u"ی", u"د", u"س",
                                                                     u"چ", u"پ", u"ج"};

uint16_t TRTLJalaliDateCalendarCalc::DaysInAYear(uint16_t AYear) {
    return Jalali::DaysInAYear(AYear);
}

bool TRTLJalaliDateCalendarCalc::IsLeapYear(uint16_t Year) {
    return DaysInAYear(Year) == 366;
}

uint16_t TRTLJalaliDateCalendarCalc::DaysInAMonth(uint16_t AYear, uint16_t AMonth) {
    return Jalali::DaysInAMonth(AYear, AMonth);
}

void TRTLJalaliDateCalendarCalc::DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) {
    Jalali::DecodeDateDay(AValue, AYear, ADayOfYear);
}

void TRTLJalaliDateCalendarCalc::DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    Jalali::DecodeDate(Date, Year, Month, Day);
}

bool TRTLJalaliDateCalendarCalc::TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) {
    // Day 31 of Mehr would otherwise be 1 Aban, reported as a valid date.
    if (Year > Jalali::LastYear || !IsValidDate(Year, Month, Day)) return false;
    return TryEncodeDateDay(Year, Jalali::DayOfYear(Month, Day), Date);
}

bool TRTLJalaliDateCalendarCalc::TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) {
    return Jalali::TryEncodeDateDay(AYear, ADayOfYear, AValue);
}

void TRTLJalaliDateCalendarCalc::IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day,
                                           int32_t NumberOfMonths) {
    StepMonths(Year, Month, NumberOfMonths);
    Jalali::FitDay(Year, Month, Day);
}

void TRTLJalaliDateCalendarCalc::Initialize() {
    FLocale = u"fa-Ir";
    RightToLeft = true;
    FirstWeekday = Sys::dowSaturday;
    FLastMonth = 12;
    ApproxDaysPerMonth = 30.4375;
    MinYear = -1096;
    MaxYear = Jalali::LastYear;
    TimeAMVeryShortString = u'\u0635';
    TimePMVeryShortString = u'\u0639';
    TimeAMLongString = u"قبل از ظهر";
    TimePMLongString = u"بعد از ظهر";
    FormatSettings = LoadFormatSettings();
}

namespace {

bool IsPersianLocale(const Sys::string& Locale) {
    const Sys::string lower = Sys::LowerCase(Locale);
    return lower == u"fa" || lower == u"fa-ir";
}

} // namespace

Sys::TFormatSettings TRTLJalaliDateCalendarCalc::DoGetFormatSettings() {
    if (FLocale.empty()) SetLocale(u"fa-Ir");
    Sys::TFormatSettings fs = Sys::TFormatSettings::Create(FLocale);
    if (!IsPersianLocale(FLocale)) return fs;
    fs.CurrencyString = u"ريال";
    fs.CurrencyFormat = 2;
    fs.NegCurrFormat = 12;
    fs.ThousandSeparator = u'\u066C';
    fs.DecimalSeparator = u'\u066B';
    fs.CurrencyDecimals = 1;
    fs.DateSeparator = u'/';
    fs.ShortDateFormat = u"yy/m/d";
    fs.LongDateFormat = u"yyyy/mmmm/d-dddd";
    fs.TimeSeparator = u':';
    fs.TimeAMString = u"صبح";
    fs.TimePMString = u"بعد از ظهر";
    fs.ShortTimeFormat = u"h:nn";
    fs.LongTimeFormat = u"h:nn ampm";
    fs.ShortMonthNames = fs.LongMonthNames = TRTLPersianConsts::Months;
    // The platform's names start on Sunday, the Persian tables on Saturday.
    for (size_t day = 0; day < 7; ++day) {
        fs.ShortDayNames[day] = TRTLPersianConsts::ShortWeekDays[(day + 1) % 7];
        fs.LongDayNames[day] = TRTLPersianConsts::WeekDays[(day + 1) % 7];
    }
    return fs;
}

void InitializeRTLDateJalali() {
    TRTLCalendarCalcFactory::Current().RegisterCalendarCalcSystem(
        u"Jalali", TRTLCalendarCalc::ClassOf<TRTLJalaliDateCalendarCalc>());
    TRTLCalendarCalcSystems::Default = u"Jalali";
}

} // namespace Zarvel
