// The tabular Islamic lunar calendar (30-year cycle of 11 leap years, civil epoch), registered as
// "IslamicTabular". Dates convert through the day-number core's Islamic kind.
#pragma once

#include "RTL.Date.h"

namespace Zarvel {

class TRTLHijriLunarDateCalendarCalc : public TRTLCalendarCalc {
public:
    static std::unique_ptr<TRTLCalendarCalc> Create(const Sys::string& ALocale = {}) {
        return ClassOf<TRTLHijriLunarDateCalendarCalc>()(ALocale);
    }

    static const std::array<Sys::string, 12> MonthNames;

    uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth) override;
    uint16_t DaysInAYear(uint16_t AYear) override;
    uint16_t HowManyDaysInAMonth(uint16_t AYear, uint16_t AMonth);
    // Instants before 1 Muharram of year 1 raise EInvalidDateOperation: their year has no 16-bit form.
    void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) override;
    void DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) override;
    bool IsLeapYear(uint16_t Year) override;
    bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) override;
    // The day of the year is not checked: day 400 lands in the following year.
    bool TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) override;
    uint16_t WeeksInAYear(uint16_t) override { return 51; }
    TCalendarType CalendarType() override { return TCalendarType::LunarCalendar; }

    using TRTLCalendarCalc::SetLocale;

protected:
    friend class TRTLCalendarCalc;
    TRTLHijriLunarDateCalendarCalc() = default;

    void Initialize() override;
    Sys::TFormatSettings DoGetFormatSettings() override;
};

// Registers "IslamicTabular" at package load and makes it the default name.
void InitializeRTLDateHijri();

} // namespace Zarvel
