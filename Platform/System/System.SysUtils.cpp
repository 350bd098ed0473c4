#include "System.SysUtils.h"

#include "System.Character.h"

#include <cfenv>
#include <cmath>
#if defined(__x86_64__) || defined(__i386__)
#include <xmmintrin.h>
#endif

namespace Sys {

TFormatSettings FormatSettings;

Exception::Exception(const string& Message) : FMessage(Message), FWhat(StringToUtf8(Message)) {}

Exception::Exception(const std::string& MessageUtf8)
    : FMessage(Utf8ToString(MessageUtf8)), FWhat(MessageUtf8) {}

EAssertionFailed::EAssertionFailed(const string& Message, const char* UnitName, int Line)
    : Exception(Message), FUnitName(UnitName ? UnitName : ""), FLine(Line) {
    SetWhat(StringToUtf8(Message) + " (" + FUnitName + ", line " + std::to_string(Line) + ")");
}

void RaiseAssertion(const string& Message, const char* UnitName, int Line) {
    throw EAssertionFailed(Message, UnitName, Line);
}

TTimeStamp DateTimeToTimeStamp(double DateTime) {
    constexpr int64_t MSecsPerDay = 86400000;
    constexpr int32_t DateDelta = 693594; // days from 0001-01-01 to 1899-12-31
    const int64_t ms = std::llround(DateTime * MSecsPerDay);
    TTimeStamp result;
    result.Date = static_cast<int32_t>(DateDelta + ms / MSecsPerDay);
    result.Time = static_cast<int32_t>(std::llabs(ms) % MSecsPerDay);
    return result;
}

void MaskFPUExceptions() {
    // glibc enables no trap by default; make that explicit, including the x86 denormal trap that
    // the C interface does not name.
    fedisableexcept(FE_ALL_EXCEPT);
#if defined(__x86_64__) || defined(__i386__)
    _mm_setcsr(_mm_getcsr() | 0x1F80); // all six SSE exception masks
    uint16_t control;
    __asm__ volatile("fnstcw %0" : "=m"(control));
    control |= 0x3F; // all six x87 exception masks
    __asm__ volatile("fldcw %0" : : "m"(control));
#endif
}

} // namespace Sys
