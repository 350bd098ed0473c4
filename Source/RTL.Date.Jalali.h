// The Persian solar (Jalali) calendar, registered as "Jalali": year boundaries from the day-number
// core's piecewise-linear model (years −1096 to 2327), Persian names, markers and formats for the
// locales "fa" and "fa-Ir".
#pragma once

#include "RTL.Date.h"

namespace Zarvel {

struct TRTLPersianConsts {
    static const std::array<Sys::string, 12> Months;
    // Saturday first.
    static const std::array<Sys::string, 7> WeekDays;
    static const std::array<Sys::string, 7> ShortWeekDays;
};

class TRTLJalaliDateCalendarCalc : public TRTLCalendarCalc {
public:
    static std::unique_ptr<TRTLCalendarCalc> Create(const Sys::string& ALocale = {}) {
        return ClassOf<TRTLJalaliDateCalendarCalc>()(ALocale);
    }

    // Years above 2327 raise EInvalidDateOperation. The model defines no start for year 2328; the
    // length of 2327 is taken from the model's last segment carried one year on.
    uint16_t DaysInAYear(uint16_t AYear) override;
    bool IsLeapYear(uint16_t Year) override;
    uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth) override;
    // Instants outside years 0 to 2327 raise EInvalidDateOperation: their year has no 16-bit form or
    // no definition.
    void DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) override;
    void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) override;
    bool TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) override;
    bool TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) override;
    // Days 31 become 30 in months 7 to 11; month 12 takes at most its own length.
    void IncAMonth(uint16_t& Year, uint16_t& Month, uint16_t& Day, int32_t NumberOfMonths = 1) override;

    using TRTLCalendarCalc::SetLocale;

protected:
    friend class TRTLCalendarCalc;
    TRTLJalaliDateCalendarCalc() = default;

    void Initialize() override;
    Sys::TFormatSettings DoGetFormatSettings() override;
};

// Registers "Jalali" at package load and makes it the default name.
void InitializeRTLDateJalali();

} // namespace Zarvel
