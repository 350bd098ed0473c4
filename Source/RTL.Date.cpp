#include "RTL.Date.h"

#include "DateGlobal.h"
#include "DateTextEngines.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Zarvel {

namespace {

constexpr const char* UnitName = "RTL.Date";

// The kinds of marker a format may hold, by the text after its "a".
enum class TMarker : uint8_t { None, VeryShort, Long, Settings }; // a/p, am/pm, ampm

TMarker MarkerAt(const Sys::string& Format, size_t Pos) {
    if (StandsAtIgnoreCase(Format, Pos + 1, u"/p")) return TMarker::VeryShort;
    if (StandsAtIgnoreCase(Format, Pos + 1, u"m/pm")) return TMarker::Long;
    if (StandsAtIgnoreCase(Format, Pos + 1, u"mpm")) return TMarker::Settings;
    return TMarker::None;
}

size_t MarkerLength(TMarker Marker) {
    switch (Marker) {
    case TMarker::VeryShort: return 3;
    case TMarker::Long: return 5;
    case TMarker::Settings: return 4;
    default: return 1;
    }
}

} // namespace

// --- TDayOfWeekHelper

TDayOfWeek TDayOfWeekHelper::FromCalDayOfWeek(TCalDayOfWeek C) {
    if (C == Sys::dowSunday) return TDayOfWeek::Sunday;
    if (C >= Sys::dowLocaleDefault) return TDayOfWeek::Undefined;
    return static_cast<TDayOfWeek>(C + 1);
}

TCalDayOfWeek TDayOfWeekHelper::ToTCalDayOfWeek(TDayOfWeek Self) {
    if (Self == TDayOfWeek::Sunday) return Sys::dowSunday;
    if (Self >= TDayOfWeek::Undefined) return Sys::dowLocaleDefault;
    return static_cast<TCalDayOfWeek>(static_cast<uint8_t>(Self) - 1);
}

TDayOfWeek TDayOfWeekHelper::DayOfWeek(TCalDayOfWeek C, uint8_t N) {
    return static_cast<TDayOfWeek>(static_cast<uint8_t>(static_cast<uint8_t>(FromCalDayOfWeek(C)) + N - 1));
}

uint8_t TDayOfWeekHelper::Diff(TDayOfWeek Self, TDayOfWeek Other) {
    return static_cast<uint8_t>(PosMod(int32_t(Other) - int32_t(Self), 7));
}

uint8_t TDayOfWeekHelper::Locale(TDayOfWeek Self, TCalDayOfWeek C) {
    return static_cast<uint8_t>(PosMod(int32_t(FromCalDayOfWeek(C)) - int32_t(Self), 7) + 1);
}

TDayOfWeek TDayOfWeekHelper::NextDay(TDayOfWeek Self, uint8_t N) {
    ZARVEL_ASSERT(N < 7);
    uint8_t sum = static_cast<uint8_t>(static_cast<uint8_t>(Self) + N);
    // Only a sum above 7 wraps: Saturday + 1 is Undefined; the week sets below count on it.
    if (sum > 7) sum = static_cast<uint8_t>(sum - 7);
    return static_cast<TDayOfWeek>(sum);
}

TDayOfWeek TDayOfWeekHelper::PriorDay(TDayOfWeek Self, uint8_t N) {
    ZARVEL_ASSERT(N < 7);
    uint8_t b = static_cast<uint8_t>(static_cast<uint8_t>(Self) - N);
    if (b > 7) b = static_cast<uint8_t>(b + 7);
    return static_cast<TDayOfWeek>(b);
}

namespace {

TDaysSet ThreeDaysFrom(TDayOfWeek D) {
    TDaysSet result;
    for (uint8_t k = 0; k < 3; ++k) {
        const TDayOfWeek day = k == 0 ? D : TDayOfWeekHelper::NextDay(D, k);
        if (static_cast<uint8_t>(day) <= 7) result.Include(day);
    }
    return result;
}

} // namespace

TDaysSet TDayOfWeekHelper::FirstThreeDays(TCalDayOfWeek C) {
    return ThreeDaysFrom(FromCalDayOfWeek(C));
}

TDaysSet TDayOfWeekHelper::LastThreeDays(TCalDayOfWeek C) {
    return ThreeDaysFrom(NextDay(FromCalDayOfWeek(C), 4));
}

// --- Construction and settings

void TRTLCalendarCalc::Construct(const Sys::string& ALocale) {
    FLocale = ALocale;
    Initialize();
    InitCenturyWindows();
}

void TRTLCalendarCalc::Initialize() {
    FirstWeekday = Sys::dowMonday;
    FLastMonth = 12;
    ApproxDaysPerMonth = 30.4375;
    MinYear = 1;
    MaxYear = 9999;
    FormatSettings = LoadFormatSettings();
    TimeAMVeryShortString = FormatSettings.TimeAMString.empty() ? u'\0' : FormatSettings.TimeAMString[0];
    TimePMVeryShortString = FormatSettings.TimePMString.empty() ? u'\0' : FormatSettings.TimePMString[0];
    TimeAMLongString = FormatSettings.TimeAMString;
    TimePMLongString = FormatSettings.TimePMString;
}

Sys::TFormatSettings TRTLCalendarCalc::DoGetFormatSettings() {
    return FLocale.empty() ? Sys::TFormatSettings::Invariant() : Sys::TFormatSettings::Create(FLocale);
}

Sys::TFormatSettings TRTLCalendarCalc::LoadFormatSettings() {
    Sys::TFormatSettings fs = DoGetFormatSettings();
    // The engines read "m" as month and "n" as minute, whatever the locale wrote. The "m" of a marker
    // ("ampm", "am/pm") stays, or the marker would print as letters and minutes.
    for (Sys::string* f : {&fs.ShortTimeFormat, &fs.LongTimeFormat})
        for (size_t i = 0; i < f->size(); ++i) {
            const TMarker marker = Sys::LowerCase((*f)[i]) == u'a' ? MarkerAt(*f, i) : TMarker::None;
            if (marker != TMarker::None)
                i += MarkerLength(marker) - 1;
            else if ((*f)[i] == u'm')
                (*f)[i] = u'n';
        }
    for (Sys::string* f : {&fs.ShortDateFormat, &fs.LongDateFormat})
        for (char16_t& c : *f)
            if (c == u'M') c = u'm';
    int i = int(FirstWeekday) + 2;
    for (int j = 1; j <= 7; ++j, ++i) {
        if (i >= 8) i -= 7;
        ShortWeekDaysLocale[i - 1] = fs.ShortDayNames[j - 1];
        WeekDaysLocale[i - 1] = fs.LongDayNames[j - 1];
    }
    return fs;
}

void TRTLCalendarCalc::SetLocale(const Sys::string& ALocale) {
    if (ALocale == FLocale) return;
    // A name without locale data keeps the old name, or the next call with it would pass unchecked.
    const Sys::string previous = std::exchange(FLocale, ALocale);
    try {
        FormatSettings = LoadFormatSettings();
    } catch (...) {
        FLocale = previous;
        throw;
    }
    InitCenturyWindows();
}

Sys::TFormatSettings TRTLCalendarCalc::GetFormatSettings() {
    return LoadFormatSettings();
}

void TRTLCalendarCalc::InitCenturyWindows() {
    const double y = YearOf(Sys::Today());
    ShortYearStartingCentury = static_cast<uint16_t>(std::trunc((y / 10 - 8) / 10) * 100);
    const double c = std::ceil(y / 10);
    FormatSettings.TwoDigitYearCenturyWindow = c >= 8 ? 20 : static_cast<uint16_t>(std::trunc(c + 2) * 10);
}

// --- Virtual slots: base behaviour

uint16_t TRTLCalendarCalc::MonthsInAYear(uint16_t) {
    return 12;
}
uint16_t TRTLCalendarCalc::MonthsInYear(TDateTime) {
    return 12;
}

namespace {
[[noreturn]] void Abstract() {
    throw Sys::EAbstractError(u"Abstract Error");
}
} // namespace

uint16_t TRTLCalendarCalc::DaysInAMonth(uint16_t, uint16_t) {
    Abstract();
}
uint16_t TRTLCalendarCalc::DaysInAYear(uint16_t) {
    Abstract();
}
void TRTLCalendarCalc::DecodeDate(TDateTime, uint16_t&, uint16_t&, uint16_t&) {
    Abstract();
}
void TRTLCalendarCalc::DecodeDateDay(TDateTime, uint16_t&, uint16_t&) {
    Abstract();
}
bool TRTLCalendarCalc::IsLeapYear(uint16_t) {
    Abstract();
}
bool TRTLCalendarCalc::TryEncodeDateDay(uint16_t, uint16_t, TDateTime&) {
    Abstract();
}

bool TRTLCalendarCalc::DecodeDateFully(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day,
                                       TDayOfWeek& DOW) {
    DecodeDate(DateTime, Year, Month, Day);
    DOW = DayOfTheWeek(DateTime);
    return IsInLeapYear(DateTime);
}

void TRTLCalendarCalc::DecodeDateWeek(TDateTime AValue, uint16_t& AYear, uint16_t& AWeekOfYear,
                                      TDayOfWeek& ADayOfWeek) {
    uint16_t month, day;
    const bool leap = DecodeDateFully(AValue, AYear, month, day, ADayOfWeek);
    const TDateTime start = EncodeDate(AYear, 1, 1);
    int32_t n = static_cast<int32_t>(std::trunc(AValue - start + 1));
    const uint8_t s = static_cast<uint8_t>(DayOfTheWeek(start));
    if (TDayOfWeekHelper::LastThreeDays(FirstWeekday).Contains(TDayOfWeek(s)))
        n += s - 8;
    else
        n += s - 1;
    if (n < 1) {
        TDayOfWeek dummy;
        DecodeDateWeek(start - 1, AYear, AWeekOfYear, dummy);
        return;
    }
    AWeekOfYear = static_cast<uint16_t>(n / 7 + (n % 7 != 0));
    if (AWeekOfYear > 52) {
        uint8_t e = s;
        if (leap) e = e == 0 ? 1 : static_cast<uint8_t>(e + 1);
        if (TDayOfWeekHelper::FirstThreeDays(FirstWeekday).Contains(TDayOfWeek(e))) {
            ++AYear;
            AWeekOfYear = 1;
        }
    }
}

void TRTLCalendarCalc::DecodeDateMonthWeek(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth,
                                           uint16_t& AWeekOfMonth, TDayOfWeek& ADayOfWeek) {
    uint16_t day;
    DecodeDateFully(AValue, AYear, AMonth, day, ADayOfWeek);
    const TDateTime start = EncodeDate(AYear, AMonth, 1);
    const uint8_t s = static_cast<uint8_t>(DayOfTheWeek(start));
    const int32_t w = s + 1;
    int32_t n =
        TDayOfWeekHelper::LastThreeDays(FirstWeekday).Contains(TDayOfWeek(s)) ? day + w - 8 : day + w - 1;
    if (n < 1) {
        TDayOfWeek dummy;
        DecodeDateMonthWeek(start - 1, AYear, AMonth, AWeekOfMonth, dummy);
        return;
    }
    AWeekOfMonth = static_cast<uint16_t>(n / 7 + (n % 7 != 0));
    const uint16_t last = DaysInAMonth(AYear, AMonth);
    const TDayOfWeek e = DayOfTheWeek(EncodeDate(AYear, AMonth, last));
    if (TDayOfWeekHelper::FirstThreeDays(FirstWeekday).Contains(e) && last - day < int32_t(e) + 1) {
        if (++AMonth == 13) {
            AMonth = 1;
            ++AYear;
        }
        AWeekOfMonth = 1;
    }
}

void TRTLCalendarCalc::IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths) {
    StepMonths(Year, Month, NumberOfMonths);
    const uint16_t days = DaysInAMonth(Year, Month);
    if (Day > days) Day = days;
}

bool TRTLCalendarCalc::IsValidDate(uint16_t AYear, uint16_t AMonth, uint16_t ADay) {
    return IsYearValid(AYear) && AMonth >= 1 && AMonth <= 12 && ADay >= 1 &&
           ADay <= DaysInAMonth(AYear, AMonth);
}

bool TRTLCalendarCalc::IsValidDateDay(uint16_t AYear, uint16_t ADayOfYear) {
    return IsYearValid(AYear) && ADayOfYear >= 1 && ADayOfYear <= DaysInAYear(AYear);
}

bool TRTLCalendarCalc::IsValidDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                            TDayOfWeek ADayOfWeek) {
    return IsYearValid(AYear) && AMonth >= 1 && AMonth <= 12 && AWeekOfMonth >= 1 && AWeekOfMonth <= 5 &&
           ADayOfWeek <= TDayOfWeek::Saturday;
}

bool TRTLCalendarCalc::TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) {
    // A day beyond its month would otherwise land in a later month and be reported as valid.
    if (!IsValidDate(Year, Month, Day)) return false;
    uint16_t dayOfYear = Day;
    for (uint16_t m = 1; m < Month; ++m) dayOfYear = static_cast<uint16_t>(dayOfYear + DaysInAMonth(Year, m));
    return TryEncodeDateDay(Year, dayOfYear, Date);
}

uint16_t TRTLCalendarCalc::WeeksInAYear(uint16_t AYear) {
    // The week DecodeDateWeek gives the year's last day, or, when that day already belongs to week 1
    // of the next year, the week of the day a week before it.
    TDateTime last;
    if (!IsYearValid(AYear) || !TryEncodeDateDay(AYear, DaysInAYear(AYear), last)) return 52;
    uint16_t year, week;
    TDayOfWeek dow;
    DecodeDateWeek(last, year, week, dow);
    if (year != AYear) DecodeDateWeek(last - 7, year, week, dow);
    return week;
}

// --- Calendar fields of a value

uint16_t TRTLCalendarCalc::YearOf(TDateTime AValue) {
    uint16_t year = 0, day = 0;
    DecodeDateDay(AValue, year, day);
    return year;
}

uint16_t TRTLCalendarCalc::MonthOf(TDateTime AValue) {
    uint16_t y = 0, m = 0, d = 0;
    DecodeDate(AValue, y, m, d);
    return m;
}

uint16_t TRTLCalendarCalc::DayOf(TDateTime AValue) {
    uint16_t y = 0, m = 0, d = 0;
    DecodeDate(AValue, y, m, d);
    return d;
}

uint16_t TRTLCalendarCalc::DayOfTheYear(TDateTime AValue) {
    uint16_t year = 0, day = 0;
    DecodeDateDay(AValue, year, day);
    return day;
}

TDayOfWeek TRTLCalendarCalc::DayOfTheWeek(TDateTime AValue) {
    return static_cast<TDayOfWeek>(PosMod(Sys::DateTimeToTimeStamp(AValue).Date, 7));
}

uint16_t TRTLCalendarCalc::DaysInMonth(TDateTime AValue) {
    uint16_t y = 0, m = 0, d = 0;
    DecodeDate(AValue, y, m, d);
    return DaysInAMonth(y, m);
}

uint16_t TRTLCalendarCalc::DaysInYear(TDateTime AValue) {
    return DaysInAYear(YearOf(AValue));
}
bool TRTLCalendarCalc::IsInLeapYear(TDateTime AValue) {
    return IsLeapYear(YearOf(AValue));
}
uint16_t TRTLCalendarCalc::WeeksInYear(TDateTime AValue) {
    return WeeksInAYear(YearOf(AValue));
}
uint16_t TRTLCalendarCalc::CurrentYear() {
    return YearOf(Sys::Today());
}
uint16_t TRTLCalendarCalc::CurrentMonth() {
    return MonthOf(Sys::Today());
}
uint16_t TRTLCalendarCalc::CurrentDay() {
    return DayOf(Sys::Today());
}
uint16_t TRTLCalendarCalc::NthDayOfWeek(TDateTime AValue) {
    return NthDayOfWeek(DayOfTheMonth(AValue));
}
uint8_t TRTLCalendarCalc::LocaleDayOfWeek(TDayOfWeek DOW) {
    return TDayOfWeekHelper::Locale(DOW, FirstWeekday);
}

int32_t TRTLCalendarCalc::WhatDay(const Sys::string& DayName) {
    return IndexOfName(FormatSettings.LongDayNames, FormatSettings.ShortDayNames, DayName);
}

int32_t TRTLCalendarCalc::WhatMonth(const Sys::string& MonthName) {
    return IndexOfName(FormatSettings.LongMonthNames, FormatSettings.ShortMonthNames, MonthName);
}

// --- Validity

bool TRTLCalendarCalc::IsValidDateTime(uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour,
                                       uint16_t AMinute, uint16_t ASecond, uint16_t AMilliSecond) {
    return IsValidDate(AYear, AMonth, ADay) && Sys::IsValidTime(AHour, AMinute, ASecond, AMilliSecond);
}

bool TRTLCalendarCalc::IsValidDateWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek) {
    return IsYearValid(AYear) && AWeekOfYear >= 1 && AWeekOfYear <= WeeksInAYear(AYear) &&
           ADayOfWeek <= TDayOfWeek::Saturday;
}

// --- Encoding

TDateTime TRTLCalendarCalc::EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day) {
    TDateTime result;
    if (!TryEncodeDate(Year, Month, Day, result)) ConvertError(Sys::SDateEncodeError);
    return result;
}

TDateTime TRTLCalendarCalc::EncodeDateDay(uint16_t AYear, uint16_t ADayOfYear) {
    TDateTime result;
    if (!TryEncodeDateDay(AYear, ADayOfYear, result)) Sys::InvalidDateDayError(AYear, ADayOfYear);
    return result;
}

bool TRTLCalendarCalc::TryEncodeDateTime(uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour,
                                         uint16_t AMinute, uint16_t ASecond, uint16_t AMilliSecond,
                                         TDateTime& AValue) {
    TDateTime date;
    return TryEncodeDate(AYear, AMonth, ADay, date) &&
           TryAddTime(date, AHour, AMinute, ASecond, AMilliSecond, AValue);
}

TDateTime TRTLCalendarCalc::EncodeDateTime(uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour,
                                           uint16_t AMinute, uint16_t ASecond, uint16_t AMilliSecond) {
    TDateTime result;
    if (!TryEncodeDateTime(AYear, AMonth, ADay, AHour, AMinute, ASecond, AMilliSecond, result))
        Sys::InvalidDateTimeError(AYear, AMonth, ADay, AHour, AMinute, ASecond, AMilliSecond);
    return result;
}

bool TRTLCalendarCalc::TryEncodeDateWeek(uint16_t AYear, uint16_t AWeekOfYear, TDateTime& AValue,
                                         TDayOfWeek ADayOfWeek) {
    if (!IsValidDateWeek(AYear, AWeekOfYear, ADayOfWeek)) return false;
    TDateTime start;
    if (!TryEncodeDate(AYear, 1, 1, start)) return false;
    const int32_t s = int32_t(DayOfTheWeek(start));
    int32_t n = (AWeekOfYear - 1) * 7 + int32_t(ADayOfWeek);
    n = TDayOfWeekHelper::LastThreeDays(FirstWeekday).Contains(TDayOfWeek(s)) ? n - (s + 1) + 8
                                                                              : n - (s + 1) + 1;
    AValue = start + n;
    return true;
}

TDateTime TRTLCalendarCalc::EncodeDateWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek) {
    TDateTime result;
    if (!TryEncodeDateWeek(AYear, AWeekOfYear, result, ADayOfWeek))
        Sys::InvalidDateWeekError(AYear, AWeekOfYear, TDayOfWeekHelper::AsWord(ADayOfWeek));
    return result;
}

bool TRTLCalendarCalc::TryEncodeDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                              TDayOfWeek ADayOfWeek, TDateTime& AValue) {
    if (!IsValidDateMonthWeek(AYear, AMonth, AWeekOfMonth, ADayOfWeek)) return false;
    TDateTime start;
    if (!TryEncodeDate(AYear, AMonth, 1, start)) return false;
    const int32_t s = int32_t(DayOfTheWeek(start));
    int32_t n = (AWeekOfMonth - 1) * 7 + int32_t(ADayOfWeek);
    n = TDayOfWeekHelper::LastThreeDays(FirstWeekday).Contains(TDayOfWeek(s)) ? n - s + 7 : n - s;
    AValue = start + n;
    return true;
}

TDateTime TRTLCalendarCalc::EncodeDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                                TDayOfWeek ADayOfWeek) {
    TDateTime result;
    if (!TryEncodeDateMonthWeek(AYear, AMonth, AWeekOfMonth, ADayOfWeek, result))
        Sys::InvalidDateMonthWeekError(AYear, AMonth, AWeekOfMonth, TDayOfWeekHelper::AsWord(ADayOfWeek));
    return result;
}

bool TRTLCalendarCalc::TryEncodeDayOfWeekInMonth(uint16_t AYear, uint16_t AMonth, uint16_t ANthDayOfWeek,
                                                 TDayOfWeek ADayOfWeek, TDateTime& AValue) {
    TDateTime start;
    if (!TryEncodeDate(AYear, AMonth, 1, start)) return false;
    const int32_t s = int32_t(DayOfTheWeek(start));
    const int32_t d = int32_t(ADayOfWeek);
    const int32_t day = d < s ? (ANthDayOfWeek - 1) * 7 - (s - d) + 8 : (d - s) + (ANthDayOfWeek - 1) * 7 + 1;
    if (day < 1 || day > 0xFFFF) return false;
    return TryEncodeDate(AYear, AMonth, static_cast<uint16_t>(day), AValue);
}

TDateTime TRTLCalendarCalc::EncodeDayOfWeekInMonth(uint16_t AYear, uint16_t AMonth, uint16_t ANthDayOfWeek,
                                                   TDayOfWeek ADayOfWeek) {
    TDateTime result;
    if (!TryEncodeDayOfWeekInMonth(AYear, AMonth, ANthDayOfWeek, ADayOfWeek, result))
        Sys::InvalidDayOfWeekInMonthError(AYear, AMonth, ANthDayOfWeek, TDayOfWeekHelper::AsWord(ADayOfWeek));
    return result;
}

bool TRTLCalendarCalc::TryRecodeDateTime(TDateTime AValue, uint16_t AYear, uint16_t AMonth, uint16_t ADay,
                                         uint16_t AHour, uint16_t AMinute, uint16_t ASecond,
                                         uint16_t AMilliSecond, TDateTime& AResult) {
    uint16_t parts[7];
    DecodeDateTime(AValue, parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6]);
    RecodeParts(parts, {AYear, AMonth, ADay, AHour, AMinute, ASecond, AMilliSecond});
    return TryEncodeDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5], parts[6], AResult);
}

TDateTime TRTLCalendarCalc::RecodeDateTime(TDateTime AValue, uint16_t AYear, uint16_t AMonth, uint16_t ADay,
                                           uint16_t AHour, uint16_t AMinute, uint16_t ASecond,
                                           uint16_t AMilliSecond) {
    TDateTime result;
    if (!TryRecodeDateTime(AValue, AYear, AMonth, ADay, AHour, AMinute, ASecond, AMilliSecond, result))
        Sys::InvalidDateTimeError(AYear, AMonth, ADay, AHour, AMinute, ASecond, AMilliSecond, AValue);
    return result;
}

TDateTime TRTLCalendarCalc::RecodeDate(TDateTime AValue, uint16_t AYear, uint16_t AMonth, uint16_t ADay) {
    constexpr uint16_t Keep = Sys::RecodeLeaveFieldAsIs;
    return RecodeDateTime(AValue, AYear, AMonth, ADay, Keep, Keep, Keep, Keep);
}

TDateTime TRTLCalendarCalc::RecodeYear(TDateTime AValue, uint16_t AYear) {
    constexpr uint16_t Keep = Sys::RecodeLeaveFieldAsIs;
    return RecodeDateTime(AValue, AYear, Keep, Keep, Keep, Keep, Keep, Keep);
}

TDateTime TRTLCalendarCalc::RecodeMonth(TDateTime AValue, uint16_t AMonth) {
    constexpr uint16_t Keep = Sys::RecodeLeaveFieldAsIs;
    return RecodeDateTime(AValue, Keep, AMonth, Keep, Keep, Keep, Keep, Keep);
}

TDateTime TRTLCalendarCalc::RecodeDay(TDateTime AValue, uint16_t ADay) {
    constexpr uint16_t Keep = Sys::RecodeLeaveFieldAsIs;
    return RecodeDateTime(AValue, Keep, Keep, ADay, Keep, Keep, Keep, Keep);
}

// --- Decoding

void TRTLCalendarCalc::DecodeDateTime(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth, uint16_t& ADay,
                                      uint16_t& AHour, uint16_t& AMinute, uint16_t& ASecond,
                                      uint16_t& AMilliSecond) {
    DecodeDate(AValue, AYear, AMonth, ADay);
    Sys::DecodeTime(AValue, AHour, AMinute, ASecond, AMilliSecond);
}

void TRTLCalendarCalc::DecodeDayOfWeekInMonth(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth,
                                              uint16_t& ANthDayOfWeek, TDayOfWeek& ADayOfWeek) {
    uint16_t day;
    DecodeDate(AValue, AYear, AMonth, day);
    ANthDayOfWeek = NthDayOfWeek(day);
    ADayOfWeek = DayOfTheWeek(AValue);
}

// --- Weeks

uint16_t TRTLCalendarCalc::WeekOfTheYear(TDateTime AValue) {
    uint16_t year;
    return WeekOfTheYear(AValue, year);
}

uint16_t TRTLCalendarCalc::WeekOfTheYear(TDateTime AValue, uint16_t& AYear) {
    uint16_t week;
    TDayOfWeek dow;
    DecodeDateWeek(AValue, AYear, week, dow);
    return week;
}

uint16_t TRTLCalendarCalc::WeekOfTheMonth(TDateTime AValue) {
    uint16_t year, month;
    return WeekOfTheMonth(AValue, year, month);
}

uint16_t TRTLCalendarCalc::WeekOfTheMonth(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth) {
    uint16_t week;
    TDayOfWeek dow;
    DecodeDateMonthWeek(AValue, AYear, AMonth, week, dow);
    return week;
}

// --- Start and end of periods

TDateTime TRTLCalendarCalc::StartOfAYear(uint16_t AYear) {
    return EncodeDate(AYear, 1, 1);
}
TDateTime TRTLCalendarCalc::StartOfAMonth(uint16_t AYear, uint16_t AMonth) {
    return EncodeDate(AYear, AMonth, 1);
}
TDateTime TRTLCalendarCalc::StartOfAWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek) {
    return EncodeDateWeek(AYear, AWeekOfYear, ADayOfWeek);
}
TDateTime TRTLCalendarCalc::StartOfADay(uint16_t AYear, uint16_t ADayOfYear) {
    return EncodeDateDay(AYear, ADayOfYear);
}
TDateTime TRTLCalendarCalc::StartOfADay(uint16_t AYear, uint16_t AMonth, uint16_t ADay) {
    return StartOfAMonth(AYear, AMonth) + ADay - 1;
}
TDateTime TRTLCalendarCalc::StartOfTheYear(TDateTime AValue) {
    return EncodeDate(YearOf(AValue), 1, 1);
}
TDateTime TRTLCalendarCalc::StartOfTheMonth(TDateTime AValue) {
    uint16_t y, m, d;
    DecodeDate(AValue, y, m, d);
    return EncodeDate(y, m, 1);
}
TDateTime TRTLCalendarCalc::StartOfTheWeek(TDateTime AValue) {
    return Sys::DayOf(AValue) - static_cast<int32_t>(DayOfTheWeek(AValue));
}
TDateTime TRTLCalendarCalc::EndOfAYear(uint16_t AYear) {
    return Sys::EndOfTheDay(EncodeDateDay(AYear, DaysInAYear(AYear)));
}
TDateTime TRTLCalendarCalc::EndOfAMonth(uint16_t AYear, uint16_t AMonth) {
    return Sys::EndOfTheDay(EncodeDate(AYear, AMonth, DaysInAMonth(AYear, AMonth)));
}
TDateTime TRTLCalendarCalc::EndOfAWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek) {
    return Sys::EndOfTheDay(EncodeDateWeek(AYear, AWeekOfYear, ADayOfWeek));
}
TDateTime TRTLCalendarCalc::EndOfADay(uint16_t AYear, uint16_t ADayOfYear) {
    return Sys::EndOfTheDay(EncodeDateDay(AYear, ADayOfYear));
}
TDateTime TRTLCalendarCalc::EndOfADay(uint16_t AYear, uint16_t AMonth, uint16_t ADay) {
    return Sys::EndOfTheDay(EncodeDate(AYear, AMonth, ADay));
}
TDateTime TRTLCalendarCalc::EndOfTheYear(TDateTime AValue) {
    return EndOfAYear(YearOf(AValue));
}
TDateTime TRTLCalendarCalc::EndOfTheMonth(TDateTime AValue) {
    uint16_t y, m, d;
    DecodeDate(AValue, y, m, d);
    return EndOfAMonth(y, m);
}
TDateTime TRTLCalendarCalc::EndOfTheWeek(TDateTime AValue) {
    return Sys::EndOfTheDay(StartOfTheWeek(AValue) + 6);
}

// --- Parts of a period

uint16_t TRTLCalendarCalc::HourOfTheYear(TDateTime AValue) {
    return static_cast<uint16_t>((DayOfTheYear(AValue) - 1) * 24 + Sys::HourOf(AValue));
}
uint16_t TRTLCalendarCalc::HourOfTheMonth(TDateTime AValue) {
    return static_cast<uint16_t>((DayOfTheMonth(AValue) - 1) * 24 + Sys::HourOf(AValue));
}
uint16_t TRTLCalendarCalc::HourOfTheWeek(TDateTime AValue) {
    const uint8_t day =
        TDayOfWeekHelper::Diff(TDayOfWeekHelper::FromCalDayOfWeek(FirstWeekday), DayOfTheWeek(AValue));
    return static_cast<uint16_t>(day * 24 + Sys::HourOf(AValue));
}
uint32_t TRTLCalendarCalc::MinuteOfTheYear(TDateTime AValue) {
    return uint32_t(HourOfTheYear(AValue)) * 60 + Sys::MinuteOf(AValue);
}
uint16_t TRTLCalendarCalc::MinuteOfTheMonth(TDateTime AValue) {
    return static_cast<uint16_t>(HourOfTheMonth(AValue) * 60 + Sys::MinuteOf(AValue));
}
uint16_t TRTLCalendarCalc::MinuteOfTheWeek(TDateTime AValue) {
    return static_cast<uint16_t>(HourOfTheWeek(AValue) * 60 + Sys::MinuteOf(AValue));
}
uint32_t TRTLCalendarCalc::SecondOfTheYear(TDateTime AValue) {
    return MinuteOfTheYear(AValue) * 60 + Sys::SecondOf(AValue);
}
uint32_t TRTLCalendarCalc::SecondOfTheMonth(TDateTime AValue) {
    return uint32_t(MinuteOfTheMonth(AValue)) * 60 + Sys::SecondOf(AValue);
}
uint32_t TRTLCalendarCalc::SecondOfTheWeek(TDateTime AValue) {
    return uint32_t(MinuteOfTheWeek(AValue)) * 60 + Sys::SecondOf(AValue);
}
int64_t TRTLCalendarCalc::MilliSecondOfTheYear(TDateTime AValue) {
    return int64_t(SecondOfTheYear(AValue)) * 1000 + Sys::MilliSecondOf(AValue);
}
uint32_t TRTLCalendarCalc::MilliSecondOfTheMonth(TDateTime AValue) {
    return SecondOfTheMonth(AValue) * 1000 + Sys::MilliSecondOf(AValue);
}
uint32_t TRTLCalendarCalc::MilliSecondOfTheWeek(TDateTime AValue) {
    return SecondOfTheWeek(AValue) * 1000 + Sys::MilliSecondOf(AValue);
}

// --- Incrementing

void TRTLCalendarCalc::IncAYear(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfYears) {
    Year = static_cast<uint16_t>(Year + NumberOfYears);
    const uint16_t days = DaysInAMonth(Year, Month);
    if (Day > days) Day = days;
}

void TRTLCalendarCalc::IncADay(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfDays) {
    DecodeDate(IncDay(EncodeDate(Year, Month, Day), NumberOfDays), Year, Month, Day);
}

void TRTLCalendarCalc::IncADay(uint16_t& Year, uint16_t& DayOfYear, int32_t NumberOfDays) {
    DecodeDateDay(IncDay(EncodeDateDay(Year, DayOfYear), NumberOfDays), Year, DayOfYear);
}

TDateTime TRTLCalendarCalc::IncMonth(TDateTime DateTime, int32_t NumberOfMonths) {
    uint16_t y, m, d;
    DecodeDate(DateTime, y, m, d);
    IncAMonth(y, m, d, NumberOfMonths);
    return WithTimeOf(EncodeDate(y, m, d), DateTime);
}

TDateTime TRTLCalendarCalc::IncYear(TDateTime AValue, int32_t ANumberOfYears) {
    if (ANumberOfYears == 0) return AValue;
    const int32_t year = YearOf(AValue);
    // Walking past the calendar's years would read lengths of years it does not define.
    const int64_t target = int64_t(year) + ANumberOfYears;
    if (target < MinYear || target > MaxYear) ConvertError(Sys::SDateEncodeError);
    const int64_t days = DaysInYears(year, ANumberOfYears, [&](uint16_t Year) { return DaysInAYear(Year); });
    return IncDay(AValue, static_cast<int32_t>(days));
}

// --- Differences between two instants

double TRTLCalendarCalc::MonthSpan(TDateTime ANow, TDateTime AThen) {
    const int64_t span = std::llabs(DateTimeToMilliseconds(ANow) - DateTimeToMilliseconds(AThen));
    const int64_t month = std::llround(ApproxDaysPerMonth * Sys::MSecsPerDay);
    return month > 0 ? double(span / month) : 0.0;
}

int32_t TRTLCalendarCalc::MonthsBetween(TDateTime ANow, TDateTime AThen) {
    return static_cast<int32_t>(std::trunc(MonthSpan(ANow, AThen)));
}

int32_t TRTLCalendarCalc::YearsBetween(TDateTime ANow, TDateTime AThen) {
    const int64_t span = std::llabs(DateTimeToMilliseconds(ANow) - DateTimeToMilliseconds(AThen));
    return static_cast<int32_t>(span / std::llround(Sys::ApproxDaysPerYear * Sys::MSecsPerDay));
}

// --- Comparisons

bool TRTLCalendarCalc::SameDayMonth(TDateTime A, uint16_t AMonth, uint16_t ADay) {
    uint16_t y, m, d;
    DecodeDate(A, y, m, d);
    return m == AMonth && d == ADay;
}
bool TRTLCalendarCalc::SameDayMonth(TDateTime A, TDateTime B) {
    uint16_t y, m, d;
    DecodeDate(B, y, m, d);
    return SameDayMonth(A, m, d);
}
bool TRTLCalendarCalc::SameDayOfMonth(TDateTime A, uint16_t ADay) {
    return DayOf(A) == ADay;
}
bool TRTLCalendarCalc::SameDayOfMonth(TDateTime A, TDateTime B) {
    return DayOf(A) == DayOf(B);
}
bool TRTLCalendarCalc::SameMonth(TDateTime A, uint16_t AMonth) {
    return MonthOf(A) == AMonth;
}
bool TRTLCalendarCalc::SameMonth(TDateTime A, TDateTime B) {
    return MonthOf(A) == MonthOf(B);
}
bool TRTLCalendarCalc::SameDayOfWeek(TDateTime A, TDayOfWeek DOW) {
    return DayOfTheWeek(A) == DOW;
}
bool TRTLCalendarCalc::SameDayOfWeek(TDateTime A, TDateTime B) {
    return DayOfTheWeek(A) == DayOfTheWeek(B);
}
bool TRTLCalendarCalc::SameDayOfWeek(TDateTime A, uint16_t AYear, uint16_t AMonth, uint16_t ADay) {
    return DayOfTheWeek(A) == DayOfTheWeek(EncodeDate(AYear, AMonth, ADay));
}

// --- The text engines: the calculator's dialect of the shared walks

// Format letters in either case with runs of "m" folded, the first marker deciding the clock and its
// text; two-digit years through the century window, years strictly inside MinYear..MaxYear; a day
// name stands for the TDayOfWeek ordinal.
struct TRTLCalendarCalc::TEngineDialect {
    TRTLCalendarCalc& Calc;
    bool LocaleSeparators = true;

    const Sys::TFormatSettings& Settings() const { return Calc.FormatSettings; }

    char16_t Letter(const Sys::string& Format, size_t I) const { return Sys::LowerCase(Format[I]); }
    // The letters after the first are compared exactly, except within a run of "m".
    bool InRun(char16_t Letter, char16_t Next) const {
        return (Letter == u'm' ? Sys::LowerCase(Next) : Next) == Letter;
    }
    char16_t Separator(char16_t C) const {
        if (!LocaleSeparators) return C;
        return C == u':' ? Calc.FormatSettings.TimeSeparator : Calc.FormatSettings.DateSeparator;
    }
    // Recursive uses of the engine always print the locale's separators.
    TEngineDialect Nested() const { return {Calc, true}; }

    struct TMarkers {
        uint16_t Hour = 0;
        size_t Pos = Sys::string::npos;
        size_t Length = 0;
        Sys::string Text;
        size_t Write(Sys::string& Out, const Sys::string&, size_t I) const {
            if (I != Pos) return 0;
            Out += Text;
            return Length;
        }
    };
    TMarkers Markers(const Sys::string& Format, uint16_t Hour) const;

    size_t YearLetters(const Sys::string& Format, size_t I) const {
        const size_t run = RunLength(Format, I, u'y');
        return run == 1 ? 0 : run == 4 ? 4 : 2;
    }
    bool CompleteYear(int64_t Number, bool Full, int64_t& Year) const {
        Year = Number;
        if (!Full) {
            if (Year < Calc.FormatSettings.TwoDigitYearCenturyWindow) Year += 100;
            Year += Calc.ShortYearStartingCentury;
        }
        return Calc.MinYear < Year && Year < Calc.MaxYear;
    }
    bool MarkerFormAt(const Sys::string& Format, size_t I, TMarkerForm& Form) const {
        const TMarker marker = MarkerAt(Format, I);
        if (marker == TMarker::None) return false;
        const auto [am, pm] = Calc.MarkerTexts(uint8_t(marker));
        Form = {am, pm, MarkerLength(marker), true,
                marker == TMarker::VeryShort ? hdmtAmPmVeryShort
                : marker == TMarker::Long    ? hdmtAmPmShort
                                             : hdmtAmPm};
        return true;
    }
    uint8_t DayNameValue(size_t Index) const { return uint8_t(Index); }
    void DecodeToday(uint16_t& Year, uint16_t& Month, uint16_t& Day) const {
        Year = Calc.CurrentYear();
        Month = Calc.CurrentMonth();
        Day = Calc.CurrentDay();
    }
    bool TryEncode(uint16_t Year, uint16_t Month, uint16_t Day, uint16_t Hour, uint16_t Minute,
                   uint16_t Second, uint16_t MilliSecond, TDateTime& Value) const {
        return Calc.TryEncodeDateTime(Year, Month, Day, Hour, Minute, Second, MilliSecond, Value);
    }
    uint8_t DayNameOf(TDateTime Value) const { return uint8_t(Calc.DayOfTheWeek(Value)); }
    TRTLDateTimeMaskType MonthNameKind(size_t) const { return hdmtLongMonth; }
    // The presence test is case-sensitive, unlike the format's own markers.
    bool TwelveHour(const Sys::string& Format) const {
        return Format.find(u"a/p") != Sys::string::npos || Format.find(u"am/pm") != Sys::string::npos ||
               Format.find(u"ampm") != Sys::string::npos;
    }
};

TRTLCalendarCalc::TEngineDialect::TMarkers
TRTLCalendarCalc::TEngineDialect::Markers(const Sys::string& Format, uint16_t Hour) const {
    TMarkers markers;
    markers.Hour = Hour;
    // The first "a" that starts a marker decides the twelve-hour clock and its text; a marker inside
    // quoted text is text, not a marker.
    TMarker marker = TMarker::None;
    for (size_t p = 0; p < Format.size() && marker == TMarker::None;) {
        if (Format[p] == u'"' || Format[p] == u'\'') {
            QuotedText(Format, p);
            continue;
        }
        if (Sys::LowerCase(Format[p]) == u'a' && (marker = MarkerAt(Format, p)) != TMarker::None)
            markers.Pos = p;
        ++p;
    }
    if (marker == TMarker::None) return markers;
    const bool am = Hour <= 12;
    switch (marker) {
    case TMarker::VeryShort: {
        const char16_t c = am ? Calc.TimeAMVeryShortString : Calc.TimePMVeryShortString;
        markers.Text = Sys::string(1, c != 0 ? c : Format[markers.Pos + (am ? 0 : 2)]);
        break;
    }
    case TMarker::Long:
        if (!Calc.TimeAMLongString.empty() && !Calc.TimePMLongString.empty())
            markers.Text = am ? Calc.TimeAMLongString : Calc.TimePMLongString;
        else
            markers.Text = am ? Format.substr(markers.Pos, 2) : Format.substr(markers.Pos + 3, 2);
        break;
    default: markers.Text = am ? Calc.FormatSettings.TimeAMString : Calc.FormatSettings.TimePMString; break;
    }
    markers.Length = MarkerLength(marker);
    if (Hour > 12) markers.Hour = static_cast<uint16_t>(Hour - 12);
    return markers;
}

Sys::string TRTLCalendarCalc::FormatDateTimeFullToString(const Sys::string& Format, uint16_t Year,
                                                         uint16_t Month, uint16_t Day, uint16_t Hour,
                                                         uint16_t Min, uint16_t Sec, uint16_t MSec,
                                                         TDayOfWeek DOW, bool UseLocaleFormatSeparator) {
    Sys::string result;
    result.reserve(Format.size() + 10);
    FormatParts(result, Format, {Year, Month, Day, Hour, Min, Sec, MSec, size_t(DOW)},
                TEngineDialect{*this, UseLocaleFormatSeparator});
    return result;
}

void TRTLCalendarCalc::DateTimeToString(Sys::string& Result, const Sys::string& Format, TDateTime DateTime,
                                        bool UseLocaleFormatSeparator) {
    uint16_t y, m, d, h, n, s, ms;
    DecodeDateTime(DateTime, y, m, d, h, n, s, ms);
    Result = FormatDateTimeFullToString(Format, y, m, d, h, n, s, ms, DayOfTheWeek(DateTime),
                                        UseLocaleFormatSeparator);
}

Sys::string TRTLCalendarCalc::FormatDateTime(const Sys::string& Format, TDateTime DateTime,
                                             bool UseLocaleFormatSeparator) {
    Sys::string result;
    DateTimeToString(result, Format, DateTime, UseLocaleFormatSeparator);
    return result;
}

Sys::string TRTLCalendarCalc::DateToStr(TDateTime Date) {
    return FormatDateTime(FormatSettings.ShortDateFormat, Date, true);
}

Sys::string TRTLCalendarCalc::DateTimeToStr(TDateTime DateTime) {
    return DateToStr(DateTime) + u" " + Sys::TimeToStr(DateTime);
}

std::pair<Sys::string, Sys::string> TRTLCalendarCalc::MarkerTexts(uint8_t Marker) const {
    switch (TMarker(Marker)) {
    case TMarker::VeryShort:
        return {Sys::string(TimeAMVeryShortString ? 1 : 0, TimeAMVeryShortString),
                Sys::string(TimePMVeryShortString ? 1 : 0, TimePMVeryShortString)};
    case TMarker::Long: return {TimeAMLongString, TimePMLongString};
    default: return {FormatSettings.TimeAMString, FormatSettings.TimePMString};
    }
}

bool TRTLCalendarCalc::FormatStringFullToDateTime(const Sys::string& Format, const Sys::string& Str,
                                                  TDateTime& DateTime) {
    return ParseDateTime(TEngineDialect{*this}, Format, Str, DateTime);
}

void TRTLCalendarCalc::StringToDateTime(TDateTime& DateTime, const Sys::string& Format,
                                        const Sys::string& Str) {
    if (!FormatStringFullToDateTime(Format, Str, DateTime)) ConvertErrorFmt(Sys::SInvalidDateTime, {Str});
}

bool TRTLCalendarCalc::TryStrToDateTime(const Sys::string& S, TDateTime& Value,
                                        const Sys::string& FormatStr) {
    return FormatStringFullToDateTime(FormatStr, S, Value);
}

bool TRTLCalendarCalc::TryStrToDateTime(const Sys::string& S, TDateTime& Value) {
    return FormatStringFullToDateTime(FormatSettings.ShortDateFormat + u" " + FormatSettings.LongTimeFormat,
                                      S, Value);
}

bool TRTLCalendarCalc::TryStrToDate(const Sys::string& S, TDateTime& Value) {
    return FormatStringFullToDateTime(FormatSettings.ShortDateFormat, S, Value);
}

TDateTime TRTLCalendarCalc::StrToDate(const Sys::string& S) {
    TDateTime result;
    if (!TryStrToDate(S, result)) ConvertErrorFmt(Sys::SInvalidDate, {S});
    return result;
}

TDateTime TRTLCalendarCalc::StrToDateTime(const Sys::string& S) {
    TDateTime result;
    if (!TryStrToDateTime(S, result)) ConvertErrorFmt(Sys::SInvalidDateTime, {S});
    return result;
}

TDateTime TRTLCalendarCalc::StrToDateDef(const Sys::string& S, TDateTime Default) {
    TDateTime result;
    return TryStrToDate(S, result) ? result : Default;
}

TDateTime TRTLCalendarCalc::StrToDateTimeDef(const Sys::string& S, TDateTime Default) {
    TDateTime result;
    return TryStrToDateTime(S, result) ? result : Default;
}

TRTLCalendarCalc::TRTLDateTimeMaskType TRTLCalendarCalc::Parser(int32_t Index, const Sys::string& Text,
                                                                const Sys::string& Format, int32_t& SelStart,
                                                                int32_t& SelLength, bool& VariableWidth) {
    return LocateField(TEngineDialect{*this}, Index, Text, Format, SelStart, SelLength, VariableWidth);
}

// --- The registry

namespace {
std::unique_ptr<TRTLCalendarCalcFactory> FCurrent;
} // namespace

// Built before any object of default priority: the calendars set it while the package loads.
__attribute__((init_priority(1000))) Sys::string TRTLCalendarCalcSystems::Default;

TRTLCalendarCalcFactory& TRTLCalendarCalcFactory::Current() {
    if (!FCurrent) FCurrent = std::make_unique<TRTLCalendarCalcFactory>();
    return *FCurrent;
}

void TRTLCalendarCalcFactory::ClassFinalize() {
    FCurrent.reset();
}

void TRTLCalendarCalcFactory::RegisterCalendarCalcSystem(const Sys::string& Name,
                                                         TRTLCalendarCalcClass CalendarCalcSystem) {
    if (!FCalendarSystems.emplace(Name, CalendarCalcSystem).second)
        throw Sys::EListError(u"Duplicates not allowed: " + Name);
}

void TRTLCalendarCalcFactory::ReregisterCalendarCalcSystem(const Sys::string& Name,
                                                           TRTLCalendarCalcClass CalendarCalcSystem) {
    FCalendarSystems[Name] = CalendarCalcSystem;
}

void TRTLCalendarCalcFactory::UnregisterCalendarCalcSystem(const Sys::string& Name) {
    FCalendarSystems.erase(Name);
}

TRTLCalendarCalcClass TRTLCalendarCalcFactory::GetCalendarCalcSystem(const Sys::string& Name) const {
    const auto found = FCalendarSystems.find(Name);
    if (found == FCalendarSystems.end()) throw Sys::EListError(u"Item not found: " + Name);
    return found->second;
}

bool TRTLCalendarCalcFactory::TryGetCalendarCalcSystem(const Sys::string& Name,
                                                       TRTLCalendarCalcClass& ACalendarCalcSystem) const {
    const auto found = FCalendarSystems.find(Name);
    if (found == FCalendarSystems.end()) return false;
    ACalendarCalcSystem = found->second;
    return true;
}

TRTLCalendarCalcClass TRTLCalendarCalcFactory::GetCalendarCalcSystemOrDefault(const Sys::string& Name) const {
    TRTLCalendarCalcClass result;
    if (TryGetCalendarCalcSystem(Name, result)) return result;
    return GetCalendarCalcSystem(FDefaultCalendarName.empty() ? TRTLCalendarCalcSystems::Default
                                                              : FDefaultCalendarName);
}

std::unique_ptr<TRTLCalendarCalc> TRTLCalendarCalcFactory::CreateCalendar(const Sys::string& Name,
                                                                          const Sys::string& Locale) const {
    TRTLCalendarCalcClass cls;
    return TryGetCalendarCalcSystem(Name, cls) ? cls(Locale) : nullptr;
}

void TRTLCalendarCalcFactory::CalendarsList(const std::function<void(const Sys::string&)>& Proc) const {
    for (const auto& entry : FCalendarSystems) Proc(entry.first);
}

} // namespace Zarvel
