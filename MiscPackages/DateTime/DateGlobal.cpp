#include "DateGlobal.h"

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

} // namespace Zarvel
