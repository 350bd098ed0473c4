// Small routines shared by all date code: raising conversion errors, quoted text in formats,
// milliseconds of an instant and a non-negative modulo.
#pragma once

#include "RTLLibs.ExSysUtils.h"
#include "RTLSystem.SysUtils.h"
#include "System.DateUtils.h"

#include <cstdint>
#include <initializer_list>

namespace Zarvel {

// Raises EConvertError with the text ResString.
[[noreturn]] void ConvertError(const Sys::string& ResString);
// Raises EConvertError with ResString formatted with Args.
[[noreturn]] void ConvertErrorFmt(const Sys::string& ResString, std::initializer_list<Sys::TVarRec> Args);

// The quoted text that starts at S[Index] (0-based; S[Index] is the quote character Q, ' or ").
// When a closing Q follows, returns the text strictly between the quotes and sets NewIndex to the
// closing quote's index. A doubled Q inside the text stands for one Q and does not close it. When no
// closing Q exists, returns the empty text and sets NewIndex to Index + 1.
Sys::string CopyQuotedStr(const Sys::string& S, size_t Index, size_t& NewIndex);

// The Julian day number of the day of AValue: the time stamp's day count + 1721425 (TDateTime day 0
// is J 2415019). Days beyond the 32-bit range, which no calendar holds, are clamped to it.
int32_t JulianDayOf(Sys::TDateTime AValue);

// DateTimeToMilliseconds and PosMod of the date code are the shared ones of RTLSystem.SysUtils and
// RTLLibs.ExSysUtils.

} // namespace Zarvel
