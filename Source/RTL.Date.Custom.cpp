#include "RTL.Date.Custom.h"

namespace Zarvel {

namespace {

[[noreturn]] void NoEvent(const char16_t* Name) {
    throw ECustomCalendarNoEventError(Sys::Format(LoadResString(_SEventNotSet), {Name}));
}

} // namespace

uint16_t TRTLCustomDateCalendarCalc::DaysInAMonth(uint16_t AYear, uint16_t AMonth) {
    if (!FOnDaysInAMonth) NoEvent(u"OnDaysInAMonth");
    uint16_t total = 0;
    FOnDaysInAMonth(AYear, AMonth, total);
    return total;
}

uint16_t TRTLCustomDateCalendarCalc::DaysInAYear(uint16_t AYear) {
    if (!FOnDaysInAYear) NoEvent(u"OnDaysInAYear");
    uint16_t total = 0;
    FOnDaysInAYear(AYear, total);
    return total;
}

void TRTLCustomDateCalendarCalc::DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) {
    if (!FOnDecodeDateDay) NoEvent(u"OnDecodeDateDay");
    FOnDecodeDateDay(AValue, AYear, ADayOfYear);
}

bool TRTLCustomDateCalendarCalc::IsLeapYear(uint16_t Year) {
    if (!FOnLeapYearQuery) NoEvent(u"OnLeapYearQuery");
    bool leap = false;
    FOnLeapYearQuery(Year, leap);
    return leap;
}

bool TRTLCustomDateCalendarCalc::TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) {
    if (!FOnTryEncodeDateDay) NoEvent(u"OnTryEncodeDateDay");
    bool succeed = false;
    FOnTryEncodeDateDay(AYear, ADayOfYear, AValue, succeed);
    return succeed;
}

void TRTLCustomDateCalendarCalc::DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    if (FOnDecodeDate) {
        FOnDecodeDate(Date, Year, Month, Day);
        return;
    }
    uint16_t dayOfYear = 0;
    DecodeDateDay(Date, Year, dayOfYear);
    Month = 1;
    Day = dayOfYear;
    // A month of no days would never let the split move on.
    for (uint16_t length; Month < 0xFFFF && Day > (length = DaysInAMonth(Year, Month)) && length > 0; ++Month)
        Day = static_cast<uint16_t>(Day - length);
}

void TRTLCustomDateCalendarCalc::SetOnDecodeDateDay(TDecodeDateDayEvent Value) {
    FOnDecodeDateDay = std::move(Value);
    if (FCenturyWindowPending && FOnDecodeDateDay) InitCenturyWindows();
}

void TRTLCustomDateCalendarCalc::Initialize() {
    TRTLCalendarCalc::Initialize();
    FormatSettings = LoadFormatSettings();
    if (FOnInitialize) FOnInitialize(*this, TDateCalendarCalcSettings(*this));
}

Sys::TFormatSettings TRTLCustomDateCalendarCalc::DoGetFormatSettings() {
    if (!FOnGetFormatSettings) return TRTLCalendarCalc::DoGetFormatSettings();
    Sys::TFormatSettings settings = Sys::TFormatSettings::Empty();
    FOnGetFormatSettings(*this, settings);
    return settings;
}

void TRTLCustomDateCalendarCalc::InitCenturyWindows() {
    // The window needs today's year in this calendar; before the application has said how to decode
    // a day it is left until it has.
    FCenturyWindowPending = !FOnDecodeDateDay;
    if (!FCenturyWindowPending) TRTLCalendarCalc::InitCenturyWindows();
}

void InitializeRTLDateCustom() {
    ReplaceResString(_SEventNotSet, u"Error: Event \"%s\" is not set.");
    TRTLCalendarCalcFactory::Current().RegisterCalendarCalcSystem(
        u"Custom", TRTLCalendarCalc::ClassOf<TRTLCustomDateCalendarCalc>());
    if (TRTLCalendarCalcSystems::Default.empty()) TRTLCalendarCalcSystems::Default = u"Custom";
}

} // namespace Zarvel
