#include "RTL.Date.Jalali.h"

#include "DTConst.h"
#include "Date.h"
#include "DateGlobal.h"

namespace Zarvel {

const std::array<Sys::string, 12> TRTLPersianConsts::Months = {u"فروردین", u"اردیبهشت", u"خرداد", u"تیر",
                                                               u"مرداد",   u"شهریور",   u"مهر",   u"آبان",
                                                               u"آذر",     u"دی",       u"بهمن",  u"اسفند"};
const std::array<Sys::string, 7> TRTLPersianConsts::WeekDays = {
    u"شنبه", u"یکشنبه", u"دوشنبه", u"سه شنبه", u"چهارشنبه", u"پنجشنبه", u"جمعه"};
const std::array<Sys::string, 7> TRTLPersianConsts::ShortWeekDays = {u"ش", u"ی", u"د", u"س",
                                                                     u"چ", u"پ", u"ج"};

namespace {

constexpr int32_t LastYear = 2327;

[[noreturn]] void OutOfRange(int32_t Year, int32_t Low) {
    throw EInvalidDateOperation(Sys::Format(LoadResString(_SDateOutOfRange), {Year, Low, LastYear}));
}

// The J of the day before 1 Farvardin of Year, for years up to 2328, whose start is where the model
// ends year 2327.
int32_t YearStart(int32_t Year) { return Year == LastYear + 1 ? JalaliYearEnd(LastYear) : JalaliJD0(Year); }

} // namespace

uint16_t TRTLJalaliDateCalendarCalc::DaysInAYear(uint16_t AYear) {
    if (AYear > LastYear) OutOfRange(AYear, -1096);
    return static_cast<uint16_t>(YearStart(AYear + 1) - YearStart(AYear));
}

bool TRTLJalaliDateCalendarCalc::IsLeapYear(uint16_t Year) {
    return DaysInAYear(Year) == 366;
}

uint16_t TRTLJalaliDateCalendarCalc::DaysInAMonth(uint16_t AYear, uint16_t AMonth) {
    if (AMonth <= 6) return 31;
    if (AMonth <= 11) return 30;
    return static_cast<uint16_t>(DaysInAYear(AYear) - 336);
}

void TRTLJalaliDateCalendarCalc::DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) {
    static const int32_t FirstDay = YearStart(0) + 1, LastDay = YearStart(LastYear + 1);
    const int32_t j = JulianDayOf(AValue);
    if (j < FirstDay) {
        int32_t y = 0;
        while (y > -1096 && YearStart(y) >= j) --y;
        OutOfRange(y, 0);
    }
    if (j > LastDay) OutOfRange(LastYear + 1, -1096);
    // Years average 365 + 303/1250 days, so this estimate is the year or the one after it.
    int32_t y = static_cast<int32_t>(int64_t(j - 1947954) * 1250 / 456553);
    int32_t start = YearStart(y);
    if (start >= j) {
        start = YearStart(--y);
    } else if (const int32_t next = YearStart(y + 1); next < j) {
        ++y;
        start = next;
    }
    AYear = static_cast<uint16_t>(y);
    ADayOfYear = static_cast<uint16_t>(j - start);
}

void TRTLJalaliDateCalendarCalc::DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    uint16_t n;
    DecodeDateDay(Date, Year, n);
    --n;
    if (n < 186) {
        Month = static_cast<uint16_t>(n / 31 + 1);
        Day = static_cast<uint16_t>(n % 31 + 1);
    } else {
        n = static_cast<uint16_t>(n - 186);
        Month = static_cast<uint16_t>(n / 30 + 7);
        Day = static_cast<uint16_t>(n % 30 + 1);
    }
}

bool TRTLJalaliDateCalendarCalc::TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) {
    // Day 31 of Mehr would otherwise be 1 Aban, reported as a valid date.
    if (Year > LastYear || !IsValidDate(Year, Month, Day)) return false;
    const uint16_t dayOfYear =
        static_cast<uint16_t>(Month <= 6 ? Day + (Month - 1) * 31 : Day + (Month - 7) * 30 + 186);
    return TryEncodeDateDay(Year, dayOfYear, Date);
}

bool TRTLJalaliDateCalendarCalc::TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) {
    if (AYear > LastYear) return false;
    AValue = JalaliJD0(AYear) + ADayOfYear - 2415019;
    return true;
}

void TRTLJalaliDateCalendarCalc::IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day,
                                           int32_t NumberOfMonths) {
    StepMonths(Year, Month, NumberOfMonths);
    if (Month >= 7 && Month <= 11 && Day == 31)
        Day = 30;
    else if (Month == 12 && Day >= 30)
        Day = DaysInAMonth(Year, 12);
}

void TRTLJalaliDateCalendarCalc::Initialize() {
    FLocale = u"fa-Ir";
    RightToLeft = true;
    FirstWeekday = Sys::dowSaturday;
    FLastMonth = 12;
    ApproxDaysPerMonth = 30.4375;
    MinYear = -1096;
    MaxYear = LastYear;
    TimeAMVeryShortString = u'\u0635';
    TimePMVeryShortString = u'\u0639';
    TimeAMLongString = u"قبل از ظهر";
    TimePMLongString = u"بعد از ظهر";
    FormatSettings = LoadFormatSettings();
}

namespace {

bool IsPersianLocale(const Sys::string& Locale) {
    Sys::string lower = Locale;
    for (char16_t& c : lower)
        if (c >= u'A' && c <= u'Z') c = char16_t(c + 32);
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
