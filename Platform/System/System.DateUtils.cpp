#include "System.DateUtils.h"

#include <algorithm>
#include <cmath>
#include <ctime>

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

string TimeToStr(TDateTime Value, const TFormatSettings& Settings) {
    uint16_t hour, minute, second, msec;
    DecodeTime(Value, hour, minute, second, msec);
    const string& format = Settings.LongTimeFormat;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
    const auto startsWith = [&](size_t i, std::u16string_view marker) {
        if (i + marker.size() > format.size()) return false;
        for (size_t k = 0; k < marker.size(); ++k)
            if (lower(format[i + k]) != marker[k]) return false;
        return true;
    };
    bool twelveHour = false;
    for (size_t i = 0; i < format.size() && !twelveHour; ++i)
        twelveHour = startsWith(i, u"am/pm") || startsWith(i, u"a/p") || startsWith(i, u"ampm");
    const bool pm = hour >= 12;
    const uint16_t shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    const auto number = [](uint16_t v, size_t digits) {
        string s;
        for (; v != 0 || s.empty(); v /= 10) s.insert(s.begin(), char16_t(u'0' + v % 10));
        while (s.size() < digits) s.insert(s.begin(), u'0');
        return s;
    };
    string result;
    bool afterHour = false;
    for (size_t i = 0; i < format.size();) {
        const char16_t c = lower(format[i]);
        size_t n = 1;
        while (i + n < format.size() && lower(format[i + n]) == c) ++n;
        if (c == u'h') {
            result += number(shownHour, n >= 2 ? 2 : 1);
            i += std::min<size_t>(n, 2);
            afterHour = true;
        } else if (c == u'n' || (c == u'm' && afterHour)) {
            result += number(minute, n >= 2 ? 2 : 1);
            i += std::min<size_t>(n, 2);
        } else if (c == u's') {
            result += number(second, n >= 2 ? 2 : 1);
            i += std::min<size_t>(n, 2);
        } else if (c == u'z') {
            result += number(msec, n >= 3 ? 3 : 1);
            i += n >= 3 ? 3 : 1;
        } else if (startsWith(i, u"am/pm")) {
            result += pm ? u"pm" : u"am";
            i += 5;
        } else if (startsWith(i, u"a/p")) {
            result += pm ? u"p" : u"a";
            i += 3;
        } else if (startsWith(i, u"ampm")) {
            result += pm ? Settings.TimePMString : Settings.TimeAMString;
            i += 4;
        } else if (c == u'"' || c == u'\'') {
            const size_t close = format.find(format[i], i + 1);
            if (close == string::npos) {
                ++i;
                continue;
            }
            result += format.substr(i + 1, close - i - 1);
            i = close + 1;
        } else if (c == u':') {
            result += Settings.TimeSeparator;
            ++i;
        } else {
            result += format[i];
            ++i;
        }
    }
    return result;
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
