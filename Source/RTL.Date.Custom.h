// A calendar defined by the application through callbacks, registered as "Custom". The callbacks
// may be assigned at any time after construction; the century window of two-digit years is worked
// out once the callback that decodes a day of the year is there.
#pragma once

#include "DTConst.h"
#include "RTL.Date.CustomEvents.h"

namespace Zarvel {

class ECustomCalendarNoEventError : public Sys::Exception {
public:
    using Sys::Exception::Exception;
};

// 'Error: Event "%s" is not set.'
inline constexpr TResStringRec _SEventNotSet{65460};

class TRTLCustomDateCalendarCalc : public TRTLCalendarCalc {
public:
    static std::unique_ptr<TRTLCalendarCalc> Create(const Sys::string& ALocale = {}) {
        return ClassOf<TRTLCustomDateCalendarCalc>()(ALocale);
    }

    // Raise ECustomCalendarNoEventError naming the missing callback.
    uint16_t DaysInAMonth(uint16_t AYear, uint16_t AMonth) override;
    uint16_t DaysInAYear(uint16_t AYear) override;
    void DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) override;
    bool IsLeapYear(uint16_t Year) override;
    bool TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) override;
    // OnDecodeDate when assigned, else the day of the year split by the month lengths.
    void DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) override;

    const TDaysInAMonthEvent& OnDaysInAMonth() const { return FOnDaysInAMonth; }
    void SetOnDaysInAMonth(TDaysInAMonthEvent Value) { FOnDaysInAMonth = std::move(Value); }
    const TDaysInAYearEvent& OnDaysInAYear() const { return FOnDaysInAYear; }
    void SetOnDaysInAYear(TDaysInAYearEvent Value) { FOnDaysInAYear = std::move(Value); }
    const TDecodeDateEvent& OnDecodeDate() const { return FOnDecodeDate; }
    void SetOnDecodeDate(TDecodeDateEvent Value) { FOnDecodeDate = std::move(Value); }
    const TDecodeDateDayEvent& OnDecodeDateDay() const { return FOnDecodeDateDay; }
    // Also works out the century window when construction had to leave it.
    void SetOnDecodeDateDay(TDecodeDateDayEvent Value);
    const TIsLeapYearEvent& OnLeapYearQuery() const { return FOnLeapYearQuery; }
    void SetOnLeapYearQuery(TIsLeapYearEvent Value) { FOnLeapYearQuery = std::move(Value); }
    const TTryEncodeDateDayEvent& OnTryEncodeDateDay() const { return FOnTryEncodeDateDay; }
    void SetOnTryEncodeDateDay(TTryEncodeDateDayEvent Value) { FOnTryEncodeDateDay = std::move(Value); }
    const TGetFormatSettingsEvent& OnGetFormatSettings() const { return FOnGetFormatSettings; }
    void SetOnGetFormatSettings(TGetFormatSettingsEvent Value) { FOnGetFormatSettings = std::move(Value); }
    const TOnInitializeEvent& OnInitialize() const { return FOnInitialize; }
    void SetOnInitialize(TOnInitializeEvent Value) { FOnInitialize = std::move(Value); }

    // Whether the century window still waits for OnDecodeDateDay.
    bool CenturyWindowPending() const { return FCenturyWindowPending; }

    using TRTLCalendarCalc::GetFormatSettings;
    using TRTLCalendarCalc::SetLocale;

protected:
    friend class TRTLCalendarCalc;
    friend struct TDateCalendarCalcSettings;
    TRTLCustomDateCalendarCalc() = default;

    void Initialize() override;
    Sys::TFormatSettings DoGetFormatSettings() override;
    void InitCenturyWindows() override;

private:
    TDaysInAMonthEvent FOnDaysInAMonth;
    TDaysInAYearEvent FOnDaysInAYear;
    TDecodeDateEvent FOnDecodeDate;
    TDecodeDateDayEvent FOnDecodeDateDay;
    TIsLeapYearEvent FOnLeapYearQuery;
    TTryEncodeDateDayEvent FOnTryEncodeDateDay;
    TGetFormatSettingsEvent FOnGetFormatSettings;
    TOnInitializeEvent FOnInitialize;
    bool FCenturyWindowPending = false;
};

// Puts the message text in the string table and registers "Custom" at package load; it becomes the
// default name only when none is set yet.
void InitializeRTLDateCustom();

} // namespace Zarvel
