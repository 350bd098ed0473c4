// Arbitrary date formats and date texts through the Jalali, Hijri and Gregorian calculators: the
// format engine, the parse engine and the field locator either give a result or report failure; no
// assertion, no sanitizer finding, no other exception than the calendars' range errors, and what
// parses is a date the calendar can write again.
#include "Date.h"
#include "RTL.Date.h"
#include "System.Character.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using Zarvel::TRTLCalendarCalc;

void Check(bool Condition) {
    if (!Condition) std::abort();
}

TRTLCalendarCalc& Calendar(uint8_t Which) {
    static const std::unique_ptr<TRTLCalendarCalc> calendars[] = {
        Zarvel::TRTLCalendarCalcFactory::Current().CreateCalendar(u"Jalali", u""),
        Zarvel::TRTLCalendarCalcFactory::Current().CreateCalendar(u"IslamicTabular", u""),
        Zarvel::TRTLCalendarCalcFactory::Current().CreateCalendar(u"Gregorian", u""),
    };
    return *calendars[Which % 3];
}

} // namespace

// Layout: one byte choosing the calendar, eight bytes of a TDateTime, then the format and the text
// as UTF-8, separated by the first 0 byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    if (Size < 9) return 0;
    TRTLCalendarCalc& calc = Calendar(Data[0]);
    double value;
    std::memcpy(&value, Data + 1, sizeof value);
    const char* rest = reinterpret_cast<const char*>(Data + 9);
    const size_t restSize = Size - 9;
    const char* zero = static_cast<const char*>(std::memchr(rest, 0, restSize));
    const size_t formatSize = zero ? size_t(zero - rest) : restSize;
    const Sys::string format = Sys::Utf8ToString(std::string_view(rest, formatSize));
    const Sys::string text = zero ? Sys::Utf8ToString(std::string_view(zero + 1, restSize - formatSize - 1)) : format;

    try {
        calc.FormatDateTime(format, value);
    } catch (const Zarvel::EInvalidDateOperation&) {
        // an instant outside the calendar's years
    }
    Sys::TDateTime parsed;
    if (calc.TryStrToDateTime(text, parsed, format)) {
        // What parses is a date of the calendar: it decodes and encodes back to the same day.
        uint16_t y, m, d;
        calc.DecodeDate(parsed, y, m, d);
        Sys::TDateTime again;
        Check(calc.TryEncodeDate(y, m, d, again) && Sys::DayOf(again) == Sys::DayOf(parsed));
    }
    int32_t start = 0, length = 0;
    bool variable = false;
    for (int32_t index = 1; index <= 4; ++index) {
        if (calc.Parser(index, text, format, start, length, variable) == TRTLCalendarCalc::hdmtNone) break;
        Check(start >= 1 && length >= 0 && size_t(start - 1 + length) <= text.size());
    }
    return 0;
}
