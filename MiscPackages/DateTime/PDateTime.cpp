#include "PDateTime.h"

#include "DateFamily.h"
#include "JalaliArithmetic.h"

namespace Zarvel::PDateTime {

namespace {

// Week day 1 is Saturday, whose time stamp day counts are 6 modulo 7.
struct TCalendar : TFamilyCalendar<TCalendar, 6, true, hdmtLongMonth> {
    static constexpr uint16_t MaxYear = Jalali::LastYear;

    static bool IsLeapYear(uint16_t Year) { return Jalali::DaysInAYear(Year) == 366; }
    static uint16_t DaysInAYear(uint16_t Year) { return Jalali::DaysInAYear(Year); }
    static uint16_t DaysInAMonth(uint16_t Year, uint16_t Month) { return Jalali::DaysInAMonth(Year, Month); }
    static void DecodeDate(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
        Jalali::DecodeDate(Value, Year, Month, Day);
    }
    static void DecodeDateDay(TDateTime Value, uint16_t& Year, uint16_t& DayOfYear) {
        Jalali::DecodeDateDay(Value, Year, DayOfYear);
    }
    static bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Value) {
        return Jalali::TryEncodeDateDay(Year, Jalali::DayOfYear(Month, Day), Value);
    }
    static bool TryEncodeDateDay(uint16_t Year, uint16_t DayOfYear, TDateTime& Value) {
        return Jalali::TryEncodeDateDay(Year, DayOfYear, Value);
    }
    static void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths) {
        StepMonths(Year, Month, NumberOfMonths);
        Jalali::FitDay(Year, Month, Day);
    }
};

} // namespace

#include "DateFamily.Body.inc"

} // namespace Zarvel::PDateTime
