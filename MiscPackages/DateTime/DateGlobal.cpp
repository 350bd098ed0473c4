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

int32_t JulianDayOf(Sys::TDateTime AValue) {
    const int64_t j = int64_t(Sys::DateTimeToTimeStamp(AValue).Date) + 1721425;
    return static_cast<int32_t>(std::clamp<int64_t>(j, INT32_MIN, INT32_MAX));
}

} // namespace Zarvel
