// The calendar calculator: the abstract base of every calendar system. A calendar supplies month and
// year lengths, leap years and the conversion between a TDateTime and its own year, month and day;
// the base derives the rest (periods, weeks, increments, spans, comparisons, validation, formatting
// and parsing). Calendars are created by name through TRTLCalendarCalcFactory.
#pragma once

#include "DTConst.h"
#include "System.DateUtils.h"
#include "System.SysUtils.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

namespace Zarvel {

using Sys::TCalDayOfWeek;
using Sys::TDateTime;

enum class TDayOfWeek : uint8_t { Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday, Undefined };
using TDaysSet = Sys::TSet<TDayOfWeek, uint8_t>;
using TWeekDay = uint8_t;

// Operations on a TDayOfWeek value. Arithmetic keeps two quirks the week numbering relies on: a
// NextDay sum of exactly 7 stays 7 (Undefined), and DayOfWeek does not wrap.
struct TDayOfWeekHelper {
    // Ordinal + 1: Sunday = 1 … Saturday = 7, Undefined = 8.
    static uint8_t AsByte(TDayOfWeek Self) { return static_cast<uint8_t>(static_cast<uint8_t>(Self) + 1); }
    static int32_t AsInteger(TDayOfWeek Self) { return AsByte(Self); }
    static uint16_t AsWord(TDayOfWeek Self) { return AsByte(Self); }
    static void From(TDayOfWeek& Self, uint8_t B) {
        Self = static_cast<TDayOfWeek>(static_cast<uint8_t>(B - 1));
    }
    static TDayOfWeek FromCalDayOfWeek(TCalDayOfWeek C);
    static TCalDayOfWeek ToTCalDayOfWeek(TDayOfWeek Self);
    static TDayOfWeek DayOfWeek(TCalDayOfWeek C, uint8_t N);
    // (Other − Self) mod 7, in 0..6.
    static uint8_t Diff(TDayOfWeek Self, TDayOfWeek Other);
    static uint8_t Locale(TDayOfWeek Self, TCalDayOfWeek C);
    static TDayOfWeek NextDay(TDayOfWeek Self, uint8_t N);
    static TDayOfWeek PriorDay(TDayOfWeek Self, uint8_t N);
    static TDaysSet FirstThreeDays(TCalDayOfWeek C);
    static TDaysSet LastThreeDays(TCalDayOfWeek C);
};

class TRTLCalendarCalc;
// A calendar class: makes a ready calculator for a locale name.
using TRTLCalendarCalcClass = std::unique_ptr<TRTLCalendarCalc> (*)(const Sys::string& ALocale);

class TRTLCalendarCalc {
public:
    enum class TCalendarType : uint8_t { SolarCalendar, LunarCalendar };
    // The fields of a date-time format: the date library's list.
    using TRTLDateTimeMaskType = TJhDateTimeMaskType;
    using enum TJhDateTimeMaskType;

    virtual ~TRTLCalendarCalc() = default;

    // The class of a calendar type T: constructs it, stores the locale, then runs Initialize and
    // InitCenturyWindows.
    template <typename T> static TRTLCalendarCalcClass ClassOf() {
        return [](const Sys::string& ALocale) -> std::unique_ptr<TRTLCalendarCalc> {
            std::unique_ptr<TRTLCalendarCalc> calc(new T());
            calc->Construct(ALocale);
            return calc;
        };
    }

    // --- The calendar's own operations (virtual slots)
    virtual uint16_t MonthsInAYear(uint16_t AYear);
    virtual uint16_t MonthsInYear(TDateTime AValue);
    virtual uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth);
    virtual uint16_t DaysInAYear(uint16_t AYear);
    virtual void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day);
    virtual void DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear);
    virtual bool DecodeDateFully(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day,
                                 TDayOfWeek& DOW);
    virtual void DecodeDateMonthWeek(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth,
                                     uint16_t& AWeekOfMonth, TDayOfWeek& ADayOfWeek);
    virtual void DecodeDateWeek(TDateTime AValue, uint16_t& AYear, uint16_t& AWeekOfYear,
                                TDayOfWeek& ADayOfWeek);
    virtual void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths = 1);
    virtual bool IsLeapYear(uint16_t Year);
    virtual bool IsValidDate(uint16_t AYear, uint16_t AMonth, uint16_t ADay);
    virtual bool IsValidDateDay(uint16_t AYear, uint16_t ADayOfYear);
    virtual bool IsValidDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                      TDayOfWeek ADayOfWeek);
    virtual bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date);
    virtual bool TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue);
    // The number of the year's last week as DecodeDateWeek numbers weeks.
    virtual uint16_t WeeksInAYear(uint16_t AYear);
    virtual TCalendarType CalendarType() { return TCalendarType::SolarCalendar; }

    // --- Calendar fields of a value
    uint16_t YearOf(TDateTime AValue);
    uint16_t MonthOf(TDateTime AValue);
    uint16_t MonthOfTheYear(TDateTime AValue) { return MonthOf(AValue); }
    uint16_t DayOf(TDateTime AValue);
    uint16_t DayOfTheMonth(TDateTime AValue) { return DayOf(AValue); }
    uint16_t DayOfTheYear(TDateTime AValue);
    TDayOfWeek DayOfTheWeek(TDateTime AValue);
    TDayOfWeek DayOfWeek(TDateTime Date) { return DayOfTheWeek(Date); }
    uint16_t DaysInMonth(TDateTime AValue);
    uint16_t DaysInYear(TDateTime AValue);
    bool IsInLeapYear(TDateTime AValue);
    uint16_t WeeksInYear(TDateTime AValue);
    uint16_t CurrentYear();
    uint16_t CurrentMonth();
    uint16_t CurrentDay();
    static uint16_t NthDayOfWeek(uint16_t DayOfMonth) {
        return static_cast<uint16_t>((DayOfMonth - 1) / 7 + 1);
    }
    uint16_t NthDayOfWeek(TDateTime AValue);
    uint8_t LocaleDayOfWeek(TDayOfWeek DOW);
    // 1 = Sunday … 7 by long then short day names, exact; −1 when absent.
    int32_t WhatDay(const Sys::string& DayName);
    int32_t WhatMonth(const Sys::string& MonthName);

    // --- Validity
    bool IsValidDateTime(uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour, uint16_t AMinute,
                         uint16_t ASecond, uint16_t AMilliSecond);
    bool IsValidDateWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek);
    bool IsYearValid(int32_t AYear) const { return MinYear <= AYear && AYear <= MaxYear; }
    bool IsMonthValid(uint16_t AMonth) const { return 1 <= AMonth && AMonth <= FLastMonth; }
    bool IsMonthValid(int32_t AYear, uint16_t AMonth) const {
        return IsYearValid(AYear) && IsMonthValid(AMonth);
    }

    // --- Encoding: each plain operation raises the platform's error where its Try twin fails
    TDateTime EncodeDate(uint16_t Year, uint16_t Month, uint16_t Day);
    TDateTime EncodeDateDay(uint16_t AYear, uint16_t ADayOfYear);
    bool TryEncodeDateTime(uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour, uint16_t AMinute,
                           uint16_t ASecond, uint16_t AMilliSecond, TDateTime& AValue);
    TDateTime EncodeDateTime(uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour, uint16_t AMinute,
                             uint16_t ASecond, uint16_t AMilliSecond);
    bool TryEncodeDateWeek(uint16_t AYear, uint16_t AWeekOfYear, TDateTime& AValue,
                           TDayOfWeek ADayOfWeek = TDayOfWeek::Monday);
    TDateTime EncodeDateWeek(uint16_t AYear, uint16_t AWeekOfYear,
                             TDayOfWeek ADayOfWeek = TDayOfWeek::Monday);
    bool TryEncodeDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth, TDayOfWeek ADayOfWeek,
                                TDateTime& AValue);
    TDateTime EncodeDateMonthWeek(uint16_t AYear, uint16_t AMonth, uint16_t AWeekOfMonth,
                                  TDayOfWeek ADayOfWeek);
    bool TryEncodeDayOfWeekInMonth(uint16_t AYear, uint16_t AMonth, uint16_t ANthDayOfWeek,
                                   TDayOfWeek ADayOfWeek, TDateTime& AValue);
    TDateTime EncodeDayOfWeekInMonth(uint16_t AYear, uint16_t AMonth, uint16_t ANthDayOfWeek,
                                     TDayOfWeek ADayOfWeek);
    // A part of 65535 (Sys::RecodeLeaveFieldAsIs) keeps the value's own.
    bool TryRecodeDateTime(TDateTime AValue, uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour,
                           uint16_t AMinute, uint16_t ASecond, uint16_t AMilliSecond, TDateTime& AResult);
    TDateTime RecodeDateTime(TDateTime AValue, uint16_t AYear, uint16_t AMonth, uint16_t ADay, uint16_t AHour,
                             uint16_t AMinute, uint16_t ASecond, uint16_t AMilliSecond);
    TDateTime RecodeDate(TDateTime AValue, uint16_t AYear, uint16_t AMonth, uint16_t ADay);
    TDateTime RecodeYear(TDateTime AValue, uint16_t AYear);
    TDateTime RecodeMonth(TDateTime AValue, uint16_t AMonth);
    TDateTime RecodeDay(TDateTime AValue, uint16_t ADay);

    // --- Decoding
    void DecodeDateTime(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth, uint16_t& ADay, uint16_t& AHour,
                        uint16_t& AMinute, uint16_t& ASecond, uint16_t& AMilliSecond);
    void DecodeDayOfWeekInMonth(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth, uint16_t& ANthDayOfWeek,
                                TDayOfWeek& ADayOfWeek);

    // --- Weeks
    uint16_t WeekOfTheYear(TDateTime AValue);
    uint16_t WeekOfTheYear(TDateTime AValue, uint16_t& AYear);
    uint16_t WeekOf(TDateTime AValue) { return WeekOfTheYear(AValue); }
    uint16_t WeekOfTheMonth(TDateTime AValue);
    uint16_t WeekOfTheMonth(TDateTime AValue, uint16_t& AYear, uint16_t& AMonth);

    // --- Start and end of periods (an end is 23:59:59.999 of the last day)
    TDateTime StartOfAYear(uint16_t AYear);
    TDateTime StartOfAMonth(uint16_t AYear, uint16_t AMonth);
    TDateTime StartOfAWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek = TDayOfWeek::Monday);
    TDateTime StartOfADay(uint16_t AYear, uint16_t ADayOfYear);
    TDateTime StartOfADay(uint16_t AYear, uint16_t AMonth, uint16_t ADay);
    TDateTime StartOfTheYear(TDateTime AValue);
    TDateTime StartOfTheMonth(TDateTime AValue);
    // The Sunday on or before the value, whatever FirstWeekday is.
    TDateTime StartOfTheWeek(TDateTime AValue);
    TDateTime EndOfAYear(uint16_t AYear);
    TDateTime EndOfAMonth(uint16_t AYear, uint16_t AMonth);
    TDateTime EndOfAWeek(uint16_t AYear, uint16_t AWeekOfYear, TDayOfWeek ADayOfWeek = TDayOfWeek::Monday);
    TDateTime EndOfADay(uint16_t AYear, uint16_t ADayOfYear);
    TDateTime EndOfADay(uint16_t AYear, uint16_t AMonth, uint16_t ADay);
    TDateTime EndOfTheYear(TDateTime AValue);
    TDateTime EndOfTheMonth(TDateTime AValue);
    TDateTime EndOfTheWeek(TDateTime AValue);

    // --- Parts of a period
    uint16_t HourOfTheYear(TDateTime AValue);
    uint16_t HourOfTheMonth(TDateTime AValue);
    uint16_t HourOfTheWeek(TDateTime AValue);
    uint32_t MinuteOfTheYear(TDateTime AValue);
    uint16_t MinuteOfTheMonth(TDateTime AValue);
    uint16_t MinuteOfTheWeek(TDateTime AValue);
    uint32_t SecondOfTheYear(TDateTime AValue);
    uint32_t SecondOfTheMonth(TDateTime AValue);
    uint32_t SecondOfTheWeek(TDateTime AValue);
    int64_t MilliSecondOfTheYear(TDateTime AValue);
    uint32_t MilliSecondOfTheMonth(TDateTime AValue);
    uint32_t MilliSecondOfTheWeek(TDateTime AValue);

    // --- Incrementing
    void IncAYear(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfYears = 1);
    void IncADay(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfDays = 1);
    void IncADay(uint16_t& Year, uint16_t& DayOfYear, int32_t NumberOfDays = 1);
    static TDateTime IncDay(TDateTime AValue, int32_t ANumberOfDays = 1) {
        return Sys::IncDay(AValue, ANumberOfDays);
    }
    static TDateTime IncWeek(TDateTime AValue, int32_t ANumberOfWeeks = 1) {
        return Sys::IncWeek(AValue, ANumberOfWeeks);
    }
    TDateTime IncMonth(TDateTime DateTime, int32_t NumberOfMonths = 1);
    // Keeps the day of the year. A count that leaves MinYear..MaxYear raises EConvertError.
    TDateTime IncYear(TDateTime AValue, int32_t ANumberOfYears = 1);

    // --- Differences between two instants
    static int32_t DaysBetween(TDateTime ANow, TDateTime AThen) { return Sys::DaysBetween(ANow, AThen); }
    static double DaySpan(TDateTime ANow, TDateTime AThen) { return Sys::DaySpan(ANow, AThen); }
    static int32_t WeeksBetween(TDateTime ANow, TDateTime AThen) { return Sys::WeeksBetween(ANow, AThen); }
    static double WeekSpan(TDateTime ANow, TDateTime AThen) { return Sys::WeekSpan(ANow, AThen); }
    static int64_t DateTimeToMilliseconds(TDateTime AValue) { return Sys::DateTimeToMilliseconds(AValue); }
    static bool DateInRange(TDateTime ADate, TDateTime AStartDate, TDateTime AEndDate,
                            bool AInclusive = true) {
        return Sys::DateInRange(ADate, AStartDate, AEndDate, AInclusive);
    }
    static bool DateTimeInRange(TDateTime AValue, TDateTime AStart, TDateTime AEnd, bool AInclusive = true) {
        return Sys::DateTimeInRange(AValue, AStart, AEnd, AInclusive);
    }
    double MonthSpan(TDateTime ANow, TDateTime AThen);
    int32_t MonthsBetween(TDateTime ANow, TDateTime AThen);
    int32_t YearsBetween(TDateTime ANow, TDateTime AThen);
    static double YearSpan(TDateTime ANow, TDateTime AThen) {
        return DaySpan(ANow, AThen) / Sys::ApproxDaysPerYear;
    }

    // --- Comparisons
    bool SameDayMonth(TDateTime A, uint16_t AMonth, uint16_t ADay);
    bool SameDayMonth(TDateTime A, TDateTime B);
    bool SameDayOfMonth(TDateTime A, uint16_t ADay);
    bool SameDayOfMonth(TDateTime A, TDateTime B);
    bool SameMonth(TDateTime A, uint16_t AMonth);
    bool SameMonth(TDateTime A, TDateTime B);
    bool SameDayOfWeek(TDateTime A, TDayOfWeek DOW);
    bool SameDayOfWeek(TDateTime A, TDateTime B);
    bool SameDayOfWeek(TDateTime A, uint16_t AYear, uint16_t AMonth, uint16_t ADay);

    // --- Formatting and parsing
    void DateTimeToString(Sys::string& Result, const Sys::string& Format, TDateTime DateTime,
                          bool UseLocaleFormatSeparator = true);
    Sys::string FormatDateTime(const Sys::string& Format, TDateTime DateTime,
                               bool UseLocaleFormatSeparator = true);
    Sys::string DateToStr(TDateTime Date);
    Sys::string DateTimeToStr(TDateTime DateTime);
    // Raises EConvertError with SInvalidDateTime when Str does not parse.
    void StringToDateTime(TDateTime& DateTime, const Sys::string& Format, const Sys::string& Str);
    bool TryStrToDateTime(const Sys::string& S, TDateTime& Value, const Sys::string& FormatStr);
    bool TryStrToDateTime(const Sys::string& S, TDateTime& Value);
    bool TryStrToDate(const Sys::string& S, TDateTime& Value);
    TDateTime StrToDate(const Sys::string& S);
    TDateTime StrToDateTime(const Sys::string& S);
    TDateTime StrToDateDef(const Sys::string& S, TDateTime Default);
    TDateTime StrToDateTimeDef(const Sys::string& S, TDateTime Default);

    // The field of a formatted text that counts Index numeric fields from the start; SelStart is
    // 1-based. Serves date-editing controls that map a caret to a field.
    TRTLDateTimeMaskType Parser(int32_t Index, const Sys::string& Text, const Sys::string& Format,
                                int32_t& SelStart, int32_t& SelLength, bool& VariableWidth);

    // --- Public state
    TCalDayOfWeek FirstWeekday = Sys::dowMonday;
    Sys::TFormatSettings FormatSettings;
    // Day names rotated so that the week starts at FirstWeekday's slot (0-based: slot 1 at index 0).
    std::array<Sys::string, 7> WeekDaysLocale;
    std::array<Sys::string, 7> ShortWeekDaysLocale;
    char16_t TimeAMVeryShortString = 0;
    char16_t TimePMVeryShortString = 0;
    Sys::string TimeAMLongString;
    Sys::string TimePMLongString;
    double ApproxDaysPerMonth = 0;
    uint16_t ShortYearStartingCentury = 0;
    bool RightToLeft = false;
    int32_t MinYear = 0;
    int32_t MaxYear = 0;

    const Sys::string& Locale() const { return FLocale; }

protected:
    TRTLCalendarCalc() = default;

    virtual void Initialize();
    virtual Sys::TFormatSettings DoGetFormatSettings();
    virtual void InitCenturyWindows();

    void SetLocale(const Sys::string& ALocale);
    Sys::TFormatSettings GetFormatSettings();
    // Settings from DoGetFormatSettings with the format letters the engines read ("m" for months,
    // "n" for minutes), and the rotated day names filled.
    Sys::TFormatSettings LoadFormatSettings();

    Sys::string FormatDateTimeFullToString(const Sys::string& Format, uint16_t Year, uint16_t Month,
                                           uint16_t Day, uint16_t Hour, uint16_t Min, uint16_t Sec,
                                           uint16_t MSec, TDayOfWeek DOW, bool UseLocaleFormatSeparator);
    bool FormatStringFullToDateTime(const Sys::string& Format, const Sys::string& Str, TDateTime& DateTime);

    TCalendarType FCalendarType = TCalendarType::SolarCalendar;
    Sys::string FLocale;
    uint8_t FLastMonth = 0;

private:
    void Construct(const Sys::string& ALocale);

    // The morning and afternoon texts that the parse engine and the field locator read for a marker
    // form (a/p, am/pm, ampm).
    std::pair<Sys::string, Sys::string> MarkerTexts(uint8_t Marker) const;
    // The calculator's rules for the format, parse and field-locating walks it shares with the date
    // function families.
    struct TEngineDialect;
};

// The process-wide map from calendar-system names to calendar classes.
class TRTLCalendarCalcFactory {
public:
    // The single factory, made on first use.
    static TRTLCalendarCalcFactory& Current();
    static void ClassFinalize();

    // A name already present raises Sys::EListError; the map is unchanged.
    void RegisterCalendarCalcSystem(const Sys::string& Name, TRTLCalendarCalcClass CalendarCalcSystem);
    void ReregisterCalendarCalcSystem(const Sys::string& Name, TRTLCalendarCalcClass CalendarCalcSystem);
    void UnregisterCalendarCalcSystem(const Sys::string& Name);
    // An absent name raises Sys::EListError.
    TRTLCalendarCalcClass GetCalendarCalcSystem(const Sys::string& Name) const;
    bool TryGetCalendarCalcSystem(const Sys::string& Name, TRTLCalendarCalcClass& ACalendarCalcSystem) const;
    // The class of Name; when absent, the class of the default name (FDefaultCalendarName when set,
    // else TRTLCalendarCalcSystems::Default). Neither registered raises Sys::EListError.
    TRTLCalendarCalcClass GetCalendarCalcSystemOrDefault(const Sys::string& Name) const;
    // A new calculator of Name's class for Locale, or null when Name is not registered.
    std::unique_ptr<TRTLCalendarCalc> CreateCalendar(const Sys::string& Name,
                                                     const Sys::string& Locale) const;
    void CalendarsList(const std::function<void(const Sys::string&)>& Proc) const;

private:
    std::unordered_map<Sys::string, TRTLCalendarCalcClass> FCalendarSystems;
    Sys::string FDefaultCalendarName;
};

struct TRTLCalendarCalcSystems {
    // The name of the default calendar system.
    static Sys::string Default;
};

} // namespace Zarvel
