#include "RTL.Date.Julian.h"

namespace Zarvel {

uint16_t TRTLJulianDateCalendarCalc::DaysInAMonth(uint16_t AYear, uint16_t AMonth) {
    return Sys::DaysInAMonth(AYear, AMonth);
}

uint16_t TRTLJulianDateCalendarCalc::DaysInAYear(uint16_t AYear) {
    return Sys::DaysInAYear(AYear);
}

void TRTLJulianDateCalendarCalc::DecodeDate(TDateTime Date, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    Sys::DecodeDate(Date, Year, Month, Day);
}

void TRTLJulianDateCalendarCalc::DecodeDateDay(TDateTime AValue, uint16_t& AYear, uint16_t& ADayOfYear) {
    Sys::DecodeDateDay(AValue, AYear, ADayOfYear);
}

bool TRTLJulianDateCalendarCalc::DecodeDateFully(TDateTime DateTime, uint16_t& Year, uint16_t& Month,
                                                 uint16_t& Day, TDayOfWeek& DOW) {
    Sys::DecodeDate(DateTime, Year, Month, Day);
    DOW = DayOfTheWeek(DateTime);
    return Sys::IsLeapYear(Year);
}

bool TRTLJulianDateCalendarCalc::IsLeapYear(uint16_t Year) {
    return Sys::IsLeapYear(Year);
}

bool TRTLJulianDateCalendarCalc::TryEncodeDate(uint16_t Year, uint16_t Month, uint16_t Day, TDateTime& Date) {
    return Sys::TryEncodeDate(Year, Month, Day, Date);
}

bool TRTLJulianDateCalendarCalc::TryEncodeDateDay(uint16_t AYear, uint16_t ADayOfYear, TDateTime& AValue) {
    return Sys::TryEncodeDateDay(AYear, ADayOfYear, AValue);
}

void InitializeRTLDateJulian() {
    TRTLCalendarCalcFactory::Current().RegisterCalendarCalcSystem(
        u"Gregorian", TRTLCalendarCalc::ClassOf<TRTLJulianDateCalendarCalc>());
    if (TRTLCalendarCalcSystems::Default.empty()) TRTLCalendarCalcSystems::Default = u"Gregorian";
}

} // namespace Zarvel
