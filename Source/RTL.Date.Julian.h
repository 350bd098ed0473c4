// The calendar of TDateTime itself: the proleptic Gregorian calendar, registered as "Gregorian".
#pragma once

#include "RTL.Date.h"

namespace Zarvel {

class TRTLJulianDateCalendarCalc : public TRTLCalendarCalc {
public:
    static std::unique_ptr<TRTLCalendarCalc> Create(const Sys::string& ALocale = {}) {
        return ClassOf<TRTLJulianDateCalendarCalc>()(ALocale);
    }

    uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth) override;
    uint16_t DaysInAYear(uint16_t AYear) override;
    void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) override;
    void DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) override;
    bool DecodeDateFully(TDateTime DateTime, uint16_t& Year, uint16_t& Month, uint16_t& Day,
                         TDayOfWeek& DOW) override;
    bool IsLeapYear(uint16_t Year) override;
    bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) override;
    bool TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) override;

protected:
    friend class TRTLCalendarCalc;
    TRTLJulianDateCalendarCalc() = default;
};

// Registers "Gregorian" at package load; it becomes the default name only when none is set yet.
void InitializeRTLDateJulian();

} // namespace Zarvel
