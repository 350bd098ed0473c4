#include "System.DateUtils.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string_view>

namespace Sys {

namespace {

// Days from 1899-12-30 to 1970-01-01.
constexpr int32_t UnixDelta = 25569;

// The civil-from-days and days-from-civil conversions of the proleptic Gregorian calendar over
// 400-year eras (days counted from 1970-01-01).
int32_t DaysFromCivil(int32_t y, uint32_t m, uint32_t d) {
    y -= m <= 2;
    const int32_t era = (y >= 0 ? y : y - 399) / 400;
    const uint32_t yoe = static_cast<uint32_t>(y - era * 400);
    const uint32_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const uint32_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int32_t>(doe) - 719468;
}

void CivilFromDays(int32_t z, int32_t& y, uint32_t& m, uint32_t& d) {
    z += 719468;
    const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const uint32_t doe = static_cast<uint32_t>(z - era * 146097);
    const uint32_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const uint32_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const uint32_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<int32_t>(yoe) + era * 400 + (m <= 2);
}

// The day of a value clamped to the years the calendar covers, so that decoding never overflows.
int32_t ClampedDay(TDateTime Value) {
    const double day = std::isnan(Value) ? 0.0 : std::clamp(Value, MinDateTime - 1, MaxDateTime + 1);
    return DayOf(day);
}

} // namespace

int32_t DayOf(TDateTime Value) {
    return DateTimeToTimeStamp(Value).Date - DateDelta;
}

int32_t MilliSecondOfTheDay(TDateTime Value) {
    return DateTimeToTimeStamp(Value).Time;
}

TDateTime ComposeDateTime(int32_t Day, double Time) {
    return Day >= 0 ? Day + Time : Day - Time;
}

int64_t DateTimeToMilliseconds(TDateTime Value) {
    const TTimeStamp stamp = DateTimeToTimeStamp(Value);
    return int64_t(stamp.Date) * MSecsPerDay + stamp.Time;
}

bool IsLeapYear(uint16_t Year) {
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

uint16_t DaysInAMonth(uint16_t Year, uint16_t Month) {
    static constexpr uint8_t Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12) return 0;
    return Days[Month - 1] + (Month == 2 && IsLeapYear(Year));
}

uint16_t DaysInAYear(uint16_t Year) {
    return IsLeapYear(Year) ? 366 : 365;
}

bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month))
        return false;
    Date = DaysFromCivil(Year, Month, Day) + UnixDelta;
    return true;
}

TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day) {
    TDateTime result;
    if (!TryEncodeDate(Year, Month, Day, result)) throw EConvertError(string(SDateEncodeError));
    return result;
}

void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    int32_t y;
    uint32_t m, d;
    CivilFromDays(ClampedDay(Date) - UnixDelta, y, m, d);
    if (y < 1 || y > 9999) {
        Year = Month = Day = 0;
        return;
    }
    Year = static_cast<uint16_t>(y);
    Month = static_cast<uint16_t>(m);
    Day = static_cast<uint16_t>(d);
}

bool DecodeDateFully(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day, uint16_t& DOW) {
    DecodeDate(Date, Year, Month, Day);
    DOW = DayOfWeek(Date);
    return IsLeapYear(Year);
}

bool TryEncodeDateDay(uint16_t Year, uint16_t DayOfYear, TDateTime& Value) {
    if (Year < 1 || Year > 9999 || DayOfYear < 1 || DayOfYear > DaysInAYear(Year)) return false;
    Value = EncodeDate(Year, 1, 1) + DayOfYear - 1;
    return true;
}

void DecodeDateDay(TDateTime Value, uint16_t& Year, uint16_t& DayOfYear) {
    uint16_t month, day;
    DecodeDate(Value, Year, month, day);
    TDateTime start;
    DayOfYear =
        TryEncodeDate(Year, 1, 1, start) ? static_cast<uint16_t>(ClampedDay(Value) - DayOf(start) + 1) : 0;
}

uint16_t DayOfWeek(TDateTime Value) {
    // Time stamp day 1 (0001-01-01) is a Monday.
    const int32_t day = DateTimeToTimeStamp(Value).Date;
    return static_cast<uint16_t>((day % 7 + 7) % 7 + 1);
}

uint16_t DayOfTheWeek(TDateTime Value) {
    const uint16_t sundayFirst = DayOfWeek(Value);
    return static_cast<uint16_t>(sundayFirst == 1 ? 7 : sundayFirst - 1);
}

void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths) {
    const int32_t sign = NumberOfMonths < 0 ? -1 : 1;
    Year = static_cast<uint16_t>(Year + NumberOfMonths / 12);
    Month = static_cast<uint16_t>(Month + NumberOfMonths % 12);
    if (static_cast<uint16_t>(Month - 1) > 11) {
        Year = static_cast<uint16_t>(Year + sign);
        Month = static_cast<uint16_t>(Month - 12 * sign);
    }
    Day = std::min(Day, DaysInAMonth(Year, Month));
}

namespace {

// The day of the Thursday of Value's week: the week belongs to that day's year and month.
int32_t ThursdayOf(TDateTime Value) {
    return ClampedDay(Value) - (DayOfTheWeek(Value) - 1) + 3;
}

// The Monday of week 1 of the period whose fourth day is Fourth: week 1 holds the period's first
// Thursday, so it also holds its fourth day.
TDateTime FirstMonday(TDateTime Fourth) {
    return Fourth - (DayOfTheWeek(Fourth) - 1);
}

// The week of the month's last Thursday: the month's last week.
uint16_t WeeksInAMonth(uint16_t Year, uint16_t Month) {
    TDateTime last;
    if (!TryEncodeDate(Year, Month, DaysInAMonth(Year, Month), last)) return 0;
    const int32_t thursday = int32_t(last) - (DayOfTheWeek(last) + 3) % 7;
    uint16_t y, m, d;
    DecodeDate(thursday, y, m, d);
    return static_cast<uint16_t>((d - 1) / 7 + 1);
}

} // namespace

void DecodeDateWeek(TDateTime Value, uint16_t& Year, uint16_t& WeekOfYear, uint16_t& DayOfWeek) {
    uint16_t dayOfYear;
    DecodeDateDay(ThursdayOf(Value), Year, dayOfYear);
    WeekOfYear = static_cast<uint16_t>((dayOfYear + 6) / 7);
    DayOfWeek = DayOfTheWeek(Value);
}

void DecodeDateMonthWeek(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& WeekOfMonth,
                         uint16_t& DayOfWeek) {
    uint16_t day;
    DecodeDate(ThursdayOf(Value), Year, Month, day);
    WeekOfMonth = static_cast<uint16_t>((day + 6) / 7);
    DayOfWeek = DayOfTheWeek(Value);
}

uint16_t WeeksInAYear(uint16_t Year) {
    // 28 December is always in the year's last week.
    TDateTime value;
    if (!TryEncodeDate(Year, 12, 28, value)) return 0;
    uint16_t y, week, dow;
    DecodeDateWeek(value, y, week, dow);
    return week;
}

bool IsValidDateWeek(uint16_t Year, uint16_t WeekOfYear, uint16_t DayOfWeek) {
    return WeekOfYear >= 1 && WeekOfYear <= WeeksInAYear(Year) && DayOfWeek >= 1 && DayOfWeek <= 7;
}

bool IsValidDateMonthWeek(uint16_t Year, uint16_t Month, uint16_t WeekOfMonth, uint16_t DayOfWeek) {
    return Month >= 1 && Month <= 12 && WeekOfMonth >= 1 && WeekOfMonth <= WeeksInAMonth(Year, Month) &&
           DayOfWeek >= 1 && DayOfWeek <= 7;
}

bool TryEncodeDateWeek(uint16_t Year, uint16_t WeekOfYear, TDateTime& Value, uint16_t DayOfWeek) {
    if (!IsValidDateWeek(Year, WeekOfYear, DayOfWeek)) return false;
    Value = FirstMonday(EncodeDate(Year, 1, 4)) + (WeekOfYear - 1) * 7 + (DayOfWeek - 1);
    return true;
}

bool TryEncodeDateMonthWeek(uint16_t Year, uint16_t Month, uint16_t WeekOfMonth, uint16_t DayOfWeek,
                            TDateTime& Value) {
    if (!IsValidDateMonthWeek(Year, Month, WeekOfMonth, DayOfWeek)) return false;
    Value = FirstMonday(EncodeDate(Year, Month, 4)) + (WeekOfMonth - 1) * 7 + (DayOfWeek - 1);
    return true;
}

bool IsValidTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec) {
    return (Hour < 24 && Min < 60 && Sec < 60 && MSec < 1000) ||
           (Hour == 24 && Min == 0 && Sec == 0 && MSec == 0);
}

bool TryEncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec, TDateTime& Time) {
    if (!IsValidTime(Hour, Min, Sec, MSec)) return false;
    Time = (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / double(MSecsPerDay);
    return true;
}

TDateTime EncodeTime(uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec) {
    TDateTime result;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, result)) throw EConvertError(string(STimeEncodeError));
    return result;
}

void DecodeTime(TDateTime Value, uint16_t& Hour, uint16_t& Min, uint16_t& Sec, uint16_t& MSec) {
    int32_t ms = MilliSecondOfTheDay(Value);
    MSec = static_cast<uint16_t>(ms % 1000);
    ms /= 1000;
    Sec = static_cast<uint16_t>(ms % 60);
    ms /= 60;
    Min = static_cast<uint16_t>(ms % 60);
    Hour = static_cast<uint16_t>(ms / 60);
}

uint16_t HourOf(TDateTime Value) {
    return static_cast<uint16_t>(MilliSecondOfTheDay(Value) / 3600000);
}
uint16_t MinuteOf(TDateTime Value) {
    return static_cast<uint16_t>(MilliSecondOfTheDay(Value) / 60000 % 60);
}
uint16_t SecondOf(TDateTime Value) {
    return static_cast<uint16_t>(MilliSecondOfTheDay(Value) / 1000 % 60);
}
uint16_t MilliSecondOf(TDateTime Value) {
    return static_cast<uint16_t>(MilliSecondOfTheDay(Value) % 1000);
}

TDateTime StartOfTheDay(TDateTime Value) {
    return DayOf(Value);
}

TDateTime EndOfTheDay(TDateTime Value) {
    return ComposeDateTime(DayOf(Value), EncodeTime(23, 59, 59, 999));
}

TDateTime Now() {
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm local;
    localtime_r(&now.tv_sec, &local);
    TDateTime date =
        EncodeDate(static_cast<uint16_t>(local.tm_year + 1900), static_cast<uint16_t>(local.tm_mon + 1),
                   static_cast<uint16_t>(local.tm_mday));
    return date + EncodeTime(static_cast<uint16_t>(local.tm_hour), static_cast<uint16_t>(local.tm_min),
                             static_cast<uint16_t>(std::min(local.tm_sec, 59)),
                             static_cast<uint16_t>(now.tv_nsec / 1000000));
}

TDateTime Today() {
    return DayOf(Now());
}

namespace {

// Whether Marker (lower case) stands at Pos of Format, in either case.
bool MarkerAt(const string& Format, size_t Pos, std::u16string_view Marker) {
    if (Pos + Marker.size() > Format.size()) return false;
    for (size_t k = 0; k < Marker.size(); ++k)
        if (LowerCase(Format[Pos + k]) != Marker[k]) return false;
    return true;
}

string Digits(uint32_t Value, size_t Width) {
    string s;
    for (; Value != 0 || s.empty(); Value /= 10) s.insert(s.begin(), char16_t(u'0' + Value % 10));
    if (s.size() < Width) s.insert(0, Width - s.size(), u'0');
    return s;
}

// The standard formats may name one another; a format that names itself stops at this depth.
constexpr int MaxFormatDepth = 4;

void FormatInto(string& Out, const string& Format, TDateTime Value, const TFormatSettings& Settings,
                int Depth) {
    if (Depth >= MaxFormatDepth) return;
    uint16_t year, month, day, hour, minute, second, msec;
    DecodeDate(Value, year, month, day);
    DecodeTime(Value, hour, minute, second, msec);
    bool twelveHour = false;
    for (size_t i = 0; i < Format.size() && !twelveHour; ++i)
        twelveHour =
            MarkerAt(Format, i, u"am/pm") || MarkerAt(Format, i, u"a/p") || MarkerAt(Format, i, u"ampm");
    const bool pm = hour >= 12;
    if (twelveHour) hour = hour % 12 == 0 ? 12 : hour % 12;
    const auto nested = [&](const string& Inner) { FormatInto(Out, Inner, Value, Settings, Depth + 1); };
    // An "m" right after an hour is a minute; only letters change what came last.
    bool afterHour = false;
    for (size_t i = 0; i < Format.size();) {
        char16_t c = LowerCase(Format[i]);
        size_t run = 1;
        while (i + run < Format.size() && LowerCase(Format[i + run]) == c) ++run;
        if (c == u'm' && afterHour) c = u'n';
        if (c >= u'a' && c <= u'z') afterHour = c == u'h';
        switch (c) {
        case u'd': {
            const size_t dow = DayOfWeek(Value) - 1;
            if (run <= 2)
                Out += Digits(day, run);
            else if (run == 3)
                Out += Settings.ShortDayNames[dow];
            else if (run == 4)
                Out += Settings.LongDayNames[dow];
            else
                nested(run == 5 ? Settings.ShortDateFormat : Settings.LongDateFormat);
            i += run;
            continue;
        }
        case u'm':
            if (run <= 2)
                Out += Digits(month, run);
            else if (month >= 1 && month <= 12)
                Out += (run == 3 ? Settings.ShortMonthNames : Settings.LongMonthNames)[month - 1u];
            i += run;
            continue;
        case u'y':
            Out += run <= 2 ? Digits(year % 100, 2) : Digits(year, 4);
            i += run;
            continue;
        case u'h':
        case u'n':
        case u's':
            Out += Digits(c == u'h' ? hour : c == u'n' ? minute : second, std::min<size_t>(run, 2));
            i += run;
            continue;
        case u'z':
            Out += Digits(msec, run >= 3 ? 3 : 1);
            i += run;
            continue;
        case u't':
            nested(run == 1 ? Settings.ShortTimeFormat : Settings.LongTimeFormat);
            i += run;
            continue;
        case u'c':
            nested(Settings.ShortDateFormat);
            if (MilliSecondOfTheDay(Value) != 0) {
                Out += u' ';
                nested(Settings.LongTimeFormat);
            }
            ++i;
            continue;
        case u'a':
            if (MarkerAt(Format, i, u"am/pm")) {
                Out += Format.substr(pm ? i + 3 : i, 2);
                i += 5;
            } else if (MarkerAt(Format, i, u"a/p")) {
                Out += Format[pm ? i + 2 : i];
                i += 3;
            } else if (MarkerAt(Format, i, u"ampm")) {
                Out += pm ? Settings.TimePMString : Settings.TimeAMString;
                i += 4;
            } else {
                Out += Format[i++];
            }
            continue;
        case u'/':
            Out += Settings.DateSeparator;
            ++i;
            continue;
        case u':':
            Out += Settings.TimeSeparator;
            ++i;
            continue;
        case u'"':
        case u'\'': {
            const size_t close = Format.find(Format[i], i + 1);
            if (close == string::npos) {
                ++i; // an unterminated quote is dropped
                continue;
            }
            Out += Format.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        default: Out += Format[i++]; continue;
        }
    }
}

} // namespace

void DateTimeToString(string& Result, const string& Format, TDateTime Value,
                      const TFormatSettings& Settings) {
    Result.clear();
    FormatInto(Result, Format, Value, Settings, 0);
}

string FormatDateTime(const string& Format, TDateTime Value, const TFormatSettings& Settings) {
    string result;
    DateTimeToString(result, Format, Value, Settings);
    return result;
}

string TimeToStr(TDateTime Value, const TFormatSettings& Settings) {
    return FormatDateTime(Settings.LongTimeFormat, Value, Settings);
}

TDateTime IncDay(TDateTime Value, int32_t NumberOfDays) {
    return ComposeDateTime(DayOf(Value) + NumberOfDays, MilliSecondOfTheDay(Value) / double(MSecsPerDay));
}

TDateTime IncWeek(TDateTime Value, int32_t NumberOfWeeks) {
    return IncDay(Value, NumberOfWeeks * 7);
}

int32_t DaysBetween(TDateTime Now, TDateTime Then) {
    return static_cast<int32_t>(std::llabs(DateTimeToMilliseconds(Now) - DateTimeToMilliseconds(Then)) /
                                MSecsPerDay);
}

double DaySpan(TDateTime Now, TDateTime Then) {
    return std::llabs(DateTimeToMilliseconds(Now) - DateTimeToMilliseconds(Then)) / double(MSecsPerDay);
}

int32_t WeeksBetween(TDateTime Now, TDateTime Then) {
    return DaysBetween(Now, Then) / 7;
}

double WeekSpan(TDateTime Now, TDateTime Then) {
    return DaySpan(Now, Then) / 7;
}

bool DateInRange(TDateTime Date, TDateTime Start, TDateTime End, bool Inclusive) {
    return DateTimeInRange(DayOf(Date), DayOf(Start), DayOf(End), Inclusive);
}

bool DateTimeInRange(TDateTime Value, TDateTime Start, TDateTime End, bool Inclusive) {
    int64_t v = DateTimeToMilliseconds(Value), a = DateTimeToMilliseconds(Start),
            b = DateTimeToMilliseconds(End);
    if (a > b) std::swap(a, b);
    return Inclusive ? a <= v && v <= b : a < v && v < b;
}

void InvalidDateDayError(uint16_t Year, uint16_t DayOfYear) {
    throw EConvertError(Format(SInvalidDateDay, {Year, DayOfYear}));
}

void InvalidDateWeekError(uint16_t Year, uint16_t WeekOfYear, uint16_t DayOfWeek) {
    throw EConvertError(Format(SInvalidDateWeek, {Year, WeekOfYear, DayOfWeek}));
}

void InvalidDateMonthWeekError(uint16_t Year, uint16_t Month, uint16_t WeekOfMonth, uint16_t DayOfWeek) {
    throw EConvertError(Format(SInvalidDateMonthWeek, {Year, Month, WeekOfMonth, DayOfWeek}));
}

void InvalidDayOfWeekInMonthError(uint16_t Year, uint16_t Month, uint16_t NthDayOfWeek, uint16_t DayOfWeek) {
    throw EConvertError(Format(SInvalidDayOfWeekInMonth, {Year, Month, NthDayOfWeek, DayOfWeek}));
}

void InvalidDateTimeError(uint16_t Year, uint16_t Month, uint16_t Day, uint16_t Hour, uint16_t Minute,
                          uint16_t Second, uint16_t MilliSecond, TDateTime BaseDate) {
    uint16_t y, m, d;
    DecodeDate(BaseDate, y, m, d);
    throw EConvertError(Format(SInvalidDateTimeParts, {Format(u"%.4d-%.2d-%.2d", {y, m, d}), Year, Month, Day,
                                                       Hour, Minute, Second, MilliSecond}));
}

} // namespace Sys
