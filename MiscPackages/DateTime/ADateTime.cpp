#include "ADateTime.h"

#include "DateFamily.h"

namespace Zarvel::ADateTime {

namespace {

constexpr int32_t IslamicKind = 3;
// J of TDateTime day 0.

// Week day 1 is Monday, whose time stamp day counts are 1 modulo 7.
struct TCalendar : TFamilyCalendar<TCalendar, 1, false, hdmtGhamariLongMonth> {
    static constexpr uint16_t MaxYear = 9999;

    // Leap years by their place in the 30-year cycle.
    static constexpr bool LeapYears[30] = {false, false, true, false, false, true, false, true,
                                           false, false, true, false, false, true, false, false,
                                           true,  false, true, false, false, true, false, false,
                                           true,  false, true, false, false, true};

    static bool IsLeapYear(uint16_t Year) { return LeapYears[Year % 30]; }
    static uint16_t DaysInAYear(uint16_t Year) { return IsLeapYear(Year) ? 355 : 354; }
    // The months alternate 30 and 29 days; the last has its 30th day in a leap year only.
    static uint16_t DaysInAMonth(uint16_t Year, uint16_t Month) {
        if (Month == 12) return IsLeapYear(Year) ? 30 : 29;
        return Month % 2 == 1 ? 30 : 29;
    }
    static uint16_t DaysBefore(uint16_t Year, uint16_t Month) {
        uint16_t days = 0;
        for (uint16_t m = 1; m < Month; ++m) days = static_cast<uint16_t>(days + DaysInAMonth(Year, m));
        return days;
    }
    static void DecodeDate(TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
        int32_t d, m, y;
        DayToDMY(JulianDayOf(Value), d, m, y, IslamicKind);
        // Instants before 1 Muharram of year 1 have no year to give.
        if (m < 1 || y < 1 || y > 0xFFFF)
            throw EInvalidDateOperation(
                Sys::Format(LoadResString(_SDateOutOfRange), {y, 1, int32_t(MaxYear)}));
        Year = static_cast<uint16_t>(y);
        Month = static_cast<uint16_t>(m);
        Day = static_cast<uint16_t>(d);
    }
    static void DecodeDateDay(TDateTime Value, uint16_t& Year, uint16_t& DayOfYear) {
        uint16_t month, day;
        DecodeDate(Value, Year, month, day);
        DayOfYear = static_cast<uint16_t>(day + DaysBefore(Year, month));
    }
    static bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Value) {
        return TryEncodeDateDay(Year, static_cast<uint16_t>(Day + DaysBefore(Year, Month)), Value);
    }
    static bool TryEncodeDateDay(uint16_t Year, uint16_t DayOfYear, TDateTime& Value) {
        if (Year < 1 || Year > MaxYear || DayOfYear < 1 || DayOfYear > DaysInAYear(Year)) return false;
        Value = DMYToDay(1, 1, Year, IslamicKind) - DateTimeJulianDay + DayOfYear - 1;
        return true;
    }
    static void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths) {
        StepMonths(Year, Month, NumberOfMonths);
        Day = std::min(Day, DaysInAMonth(Year, Month));
    }
};

} // namespace

#include "DateFamily.Body.inc"

} // namespace Zarvel::ADateTime
