#include "JalaliArithmetic.h"

#include "DTConst.h"
#include "Date.h"
#include "DateGlobal.h"

namespace Zarvel::Jalali {

namespace {

[[noreturn]] void OutOfRange(int32_t Year, int32_t Low) {
    throw EInvalidDateOperation(Sys::Format(LoadResString(_SDateOutOfRange), {Year, Low, int32_t(LastYear)}));
}

// The J of the day before 1 Farvardin of Year, for years up to 2328, whose start is where the model
// ends year 2327.
int32_t YearStart(int32_t Year) {
    return Year == LastYear + 1 ? JalaliYearEnd(LastYear) : JalaliJD0(Year);
}

} // namespace

uint16_t DaysInAYear(uint16_t Year) {
    if (Year > LastYear) OutOfRange(Year, -1096);
    return static_cast<uint16_t>(YearStart(Year + 1) - YearStart(Year));
}

uint16_t DaysInAMonth(uint16_t Year, uint16_t Month) {
    if (Month <= 6) return 31;
    if (Month <= 11) return 30;
    return static_cast<uint16_t>(DaysInAYear(Year) - 336);
}

void DecodeDateDay(Sys::TDateTime Value, uint16_t& Year, uint16_t& DayOfYear) {
    static const int32_t FirstDay = YearStart(0) + 1, LastDay = YearStart(LastYear + 1);
    const int32_t j = JulianDayOf(Value);
    if (j < FirstDay) {
        int32_t y = 0;
        while (y > -1096 && YearStart(y) >= j) --y;
        OutOfRange(y, 0);
    }
    if (j > LastDay) OutOfRange(LastYear + 1, -1096);
    // Years average 365 + 303/1250 days, so this estimate is the year or the one after it.
    int32_t y = static_cast<int32_t>(int64_t(j - 1947954) * 1250 / 456553);
    int32_t start = YearStart(y);
    if (start >= j) {
        start = YearStart(--y);
    } else if (const int32_t next = YearStart(y + 1); next < j) {
        ++y;
        start = next;
    }
    Year = static_cast<uint16_t>(y);
    DayOfYear = static_cast<uint16_t>(j - start);
}

void DecodeDate(Sys::TDateTime Value, uint16_t& Year, uint16_t& Month, uint16_t& Day) {
    uint16_t n;
    DecodeDateDay(Value, Year, n);
    --n;
    if (n < 186) {
        Month = static_cast<uint16_t>(n / 31 + 1);
        Day = static_cast<uint16_t>(n % 31 + 1);
    } else {
        n = static_cast<uint16_t>(n - 186);
        Month = static_cast<uint16_t>(n / 30 + 7);
        Day = static_cast<uint16_t>(n % 30 + 1);
    }
}

uint16_t DayOfYear(uint16_t Month, uint16_t Day) {
    return static_cast<uint16_t>(Month <= 6 ? Day + (Month - 1) * 31 : Day + (Month - 7) * 30 + 186);
}

bool TryEncodeDateDay(uint16_t Year, uint16_t DayOfYear, Sys::TDateTime& Value) {
    if (Year > LastYear) return false;
    Value = JalaliJD0(Year) + DayOfYear - DateTimeJulianDay;
    return true;
}

void FitDay(uint16_t Year, uint16_t Month, uint16_t& Day) {
    if (Month >= 7 && Month <= 11 && Day == 31)
        Day = 30;
    else if (Month == 12 && Day >= 30)
        Day = DaysInAMonth(Year, 12);
}

} // namespace Zarvel::Jalali
