#include "RTL.Date.CustomEvents.h"

#include "RTL.Date.Custom.h"

namespace Zarvel {

double TDateCalendarCalcSettings::ApproxDaysPerMonth() const {
    return FRTLCustomCalcendarCalc->ApproxDaysPerMonth;
}
void TDateCalendarCalcSettings::SetApproxDaysPerMonth(double Value) {
    FRTLCustomCalcendarCalc->ApproxDaysPerMonth = Value;
}
TCalDayOfWeek TDateCalendarCalcSettings::FirstWeekDay() const {
    return FRTLCustomCalcendarCalc->FirstWeekday;
}
void TDateCalendarCalcSettings::SetFirstWeekDay(TCalDayOfWeek Value) {
    FRTLCustomCalcendarCalc->FirstWeekday = Value;
}
uint8_t TDateCalendarCalcSettings::LastMonth() const {
    return FRTLCustomCalcendarCalc->FLastMonth;
}
void TDateCalendarCalcSettings::SetLastMonth(uint8_t Value) {
    FRTLCustomCalcendarCalc->FLastMonth = Value;
}
int32_t TDateCalendarCalcSettings::MaxYear() const {
    return FRTLCustomCalcendarCalc->MaxYear;
}
void TDateCalendarCalcSettings::SetMaxYear(int32_t Value) {
    FRTLCustomCalcendarCalc->MaxYear = Value;
}
int32_t TDateCalendarCalcSettings::MinYear() const {
    return FRTLCustomCalcendarCalc->MinYear;
}
void TDateCalendarCalcSettings::SetMinYear(int32_t Value) {
    FRTLCustomCalcendarCalc->MinYear = Value;
}
bool TDateCalendarCalcSettings::RightToLeft() const {
    return FRTLCustomCalcendarCalc->RightToLeft;
}
void TDateCalendarCalcSettings::SetRightToLeft(bool Value) {
    FRTLCustomCalcendarCalc->RightToLeft = Value;
}
uint16_t TDateCalendarCalcSettings::ShortYearStartingCentury() const {
    return FRTLCustomCalcendarCalc->ShortYearStartingCentury;
}
void TDateCalendarCalcSettings::SetShortYearStartingCentury(uint16_t Value) {
    FRTLCustomCalcendarCalc->ShortYearStartingCentury = Value;
}
const Sys::string& TDateCalendarCalcSettings::TimeAMLongString() const {
    return FRTLCustomCalcendarCalc->TimeAMLongString;
}
void TDateCalendarCalcSettings::SetTimeAMLongString(const Sys::string& Value) {
    FRTLCustomCalcendarCalc->TimeAMLongString = Value;
}
const Sys::string& TDateCalendarCalcSettings::TimePMLongString() const {
    return FRTLCustomCalcendarCalc->TimePMLongString;
}
void TDateCalendarCalcSettings::SetTimePMLongString(const Sys::string& Value) {
    FRTLCustomCalcendarCalc->TimePMLongString = Value;
}
char16_t TDateCalendarCalcSettings::TimeAMVeryShortString() const {
    return FRTLCustomCalcendarCalc->TimeAMVeryShortString;
}
void TDateCalendarCalcSettings::SetTimeAMVeryShortString(char16_t Value) {
    FRTLCustomCalcendarCalc->TimeAMVeryShortString = Value;
}
char16_t TDateCalendarCalcSettings::TimePMVeryShortString() const {
    return FRTLCustomCalcendarCalc->TimePMVeryShortString;
}
void TDateCalendarCalcSettings::SetTimePMVeryShortString(char16_t Value) {
    FRTLCustomCalcendarCalc->TimePMVeryShortString = Value;
}

} // namespace Zarvel
