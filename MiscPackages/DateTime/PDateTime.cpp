#include "PDateTime.h"

#include "DateFamily.h"
#include "JalaliArithmetic.h"

namespace Zarvel::PDateTime {

namespace {

// Week day 1 is Saturday, whose time stamp day counts are 6 modulo 7.
struct TCalendar : TFamilyCalendar<TCalendar, 6, true, hdmtLongMonth> {
    static constexpr uint16_t MaxYear = Jalali::LastYear;

    static constexpr auto DaysInAYear = &Jalali::DaysInAYear;
    static constexpr auto DaysInAMonth = &Jalali::DaysInAMonth;
    static constexpr auto DecodeDate = &Jalali::DecodeDate;
    static constexpr auto DecodeDateDay = &Jalali::DecodeDateDay;
    static constexpr auto TryEncodeDateDay = &Jalali::TryEncodeDateDay;

    static bool IsLeapYear(uint16_t Year) { return Jalali::DaysInAYear(Year) == 366; }
    static bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Value) {
        return Jalali::TryEncodeDateDay(Year, Jalali::DayOfYear(Month, Day), Value);
    }
    static void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths) {
        StepMonths(Year, Month, NumberOfMonths);
        Jalali::FitDay(Year, Month, Day);
    }
};

} // namespace

#include "DateFamily.Body.inc"

} // namespace Zarvel::PDateTime
