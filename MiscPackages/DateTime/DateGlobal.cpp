#include "DateGlobal.h"

#include <algorithm>

namespace Zarvel {

void ConvertError(const Sys::string& ResString) {
    throw Sys::EConvertError(ResString);
}

void ConvertErrorFmt(const Sys::string& ResString, std::initializer_list<Sys::TVarRec> Args) {
    throw Sys::EConvertError(Sys::Format(ResString, Args));
}

Sys::string CopyQuotedStr(const Sys::string& S, size_t Index, size_t& NewIndex) {
    const char16_t quote = S[Index];
    Sys::string text;
    for (size_t i = Index + 1; i < S.size(); ++i) {
        if (S[i] != quote) {
            text += S[i];
        } else if (i + 1 < S.size() && S[i + 1] == quote) {
            text += quote; // a doubled quote is one quote of the text
            ++i;
        } else {
            NewIndex = i;
            return text;
        }
    }
    NewIndex = Index + 1;
    return {};
}

void StepMonths(uint16_t& Year, uint16_t& Month, int32_t NumberOfMonths) {
    // The platform's Gregorian step is the same; day 1 fits every month, so nothing else changes.
    uint16_t day = 1;
    Sys::IncAMonth(Year, Month, day, NumberOfMonths);
}

bool TryAddTime(Sys::TDateTime Date, uint16_t Hour, uint16_t Min, uint16_t Sec, uint16_t MSec,
                Sys::TDateTime& Value) {
    Sys::TDateTime time;
    if (!Sys::TryEncodeTime(Hour, Min, Sec, MSec, time)) return false;
    Value = Sys::ComposeDateTime(static_cast<int32_t>(Date), time);
    return true;
}

Sys::TDateTime WithTimeOf(Sys::TDateTime Day, Sys::TDateTime Time) {
    return Sys::ComposeDateTime(Sys::DayOf(Day), Sys::MilliSecondOfTheDay(Time) / double(Sys::MSecsPerDay));
}

void RecodeParts(uint16_t (&Parts)[7], const uint16_t (&Given)[7]) {
    for (int i = 0; i < 7; ++i)
        if (Given[i] != Sys::RecodeLeaveFieldAsIs) Parts[i] = Given[i];
}

int32_t JulianDayOf(Sys::TDateTime AValue) {
    const int64_t j = int64_t(Sys::DateTimeToTimeStamp(AValue).Date) + 1721425;
    return static_cast<int32_t>(std::clamp<int64_t>(j, INT32_MIN, INT32_MAX));
}

} // namespace Zarvel
