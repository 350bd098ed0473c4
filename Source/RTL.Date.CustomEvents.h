// The callbacks through which an application defines a calendar of its own, and the settings record
// through which its initialisation callback sets the calculator's protected fields.
#pragma once

#include "RTL.Date.h"

#include <functional>

namespace Zarvel {

class TRTLCustomDateCalendarCalc;
struct TDateCalendarCalcSettings;

// Each callback writes its result into its reference arguments.
using TDaysInAMonthEvent = std::function<void(uint16_t AYear, uint16_t AMonth, uint16_t& TotalDays)>;
using TDaysInAYearEvent = std::function<void(uint16_t AYear, uint16_t& TotalDays)>;
using TDecodeDateEvent = std::function<void(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day)>;
using TDecodeDateDayEvent = std::function<void(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear)>;
using TIsLeapYearEvent = std::function<void(uint16_t Year, bool& IsLeapYear)>;
using TTryEncodeDateDayEvent =
    std::function<void(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue, bool& Succeed)>;
using TGetFormatSettingsEvent =
    std::function<void(TRTLCalendarCalc& Sender, Sys::TFormatSettings& AFormatSettings)>;
using TOnInitializeEvent = std::function<void(TRTLCalendarCalc& Sender, TDateCalendarCalcSettings Settings)>;

// Reads and writes the calculator's fields directly.
struct TDateCalendarCalcSettings {
    explicit TDateCalendarCalcSettings(TRTLCustomDateCalendarCalc& ARTLCustomCalcendarCalc)
        : FRTLCustomCalcendarCalc(&ARTLCustomCalcendarCalc) {}

    double ApproxDaysPerMonth() const;
    void SetApproxDaysPerMonth(double Value);
    TCalDayOfWeek FirstWeekDay() const;
    void SetFirstWeekDay(TCalDayOfWeek Value);
    uint8_t LastMonth() const;
    void SetLastMonth(uint8_t Value);
    int32_t MaxYear() const;
    void SetMaxYear(int32_t Value);
    int32_t MinYear() const;
    void SetMinYear(int32_t Value);
    bool RightToLeft() const;
    void SetRightToLeft(bool Value);
    uint16_t ShortYearStartingCentury() const;
    void SetShortYearStartingCentury(uint16_t Value);
    const Sys::string& TimeAMLongString() const;
    void SetTimeAMLongString(const Sys::string& Value);
    const Sys::string& TimePMLongString() const;
    void SetTimePMLongString(const Sys::string& Value);
    char16_t TimeAMVeryShortString() const;
    void SetTimeAMVeryShortString(char16_t Value);
    char16_t TimePMVeryShortString() const;
    void SetTimePMVeryShortString(char16_t Value);

private:
    TRTLCustomDateCalendarCalc* FRTLCustomCalcendarCalc;
};

} // namespace Zarvel
