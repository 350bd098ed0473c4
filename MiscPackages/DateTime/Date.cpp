#include "Date.h"

#include <algorithm>
#include <array>

namespace Zarvel {

namespace {

constexpr const char* UnitName = "Date";

// One year of a kind. Computed in 64 bits so that no 32-bit year or day overflows on the way; the
// callers check what they hand back.
struct TYearRecord {
    int64_t First = 0; // J of the year's first day
    int64_t Next = 0;  // J of the day after its last, always First + the sum of Lengths
    std::array<uint8_t, 13> Lengths{};
};

int64_t FloorDiv(int64_t A, int64_t B) {
    const int64_t q = A / B;
    return (A % B != 0 && (A < 0) != (B < 0)) ? q - 1 : q;
}

int64_t NonNegativeMod(int64_t A, int64_t B) {
    const int64_t r = A % B;
    return r < 0 ? r + B : r;
}

constexpr std::array<uint8_t, 12> SolarMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool SolarYear(int64_t Y, bool Gregorian, TYearRecord& R) {
    int64_t n = 365 * Y + FloorDiv(Y, 4);
    n += Gregorian ? FloorDiv(Y, 400) - FloorDiv(Y, 100) : -2;
    const bool leap = Y % 4 == 0 && !(Gregorian && Y % 100 == 0 && Y % 400 != 0);
    std::copy(SolarMonthLengths.begin(), SolarMonthLengths.end(), R.Lengths.begin());
    if (leap) {
        R.Lengths[1] = 29;
        --n;
    }
    R.First = n + 1721061;
    return true;
}

// The leap years of the 19-year cycle, by position (1 to 19).
constexpr bool HebrewLeapPosition(int64_t Position) {
    return Position == 3 || Position == 6 || Position == 8 || Position == 11 || Position == 14 ||
           Position == 17 || Position == 19;
}

// The position is taken non-negative so that years before year 1 follow the same cycle as the
// month count below; otherwise their records would not join up.
bool HebrewLeapYear(int64_t Y) {
    const int64_t c = NonNegativeMod(Y, 19);
    return HebrewLeapPosition(c == 0 ? 19 : c);
}

constexpr int64_t PartsPerDay = 25920; // 1080 parts an hour

int64_t HebrewNewYear(int64_t Y) {
    const int64_t m = NonNegativeMod(Y - 1, 19);
    int64_t months = (Y - 1 - m) / 19 * 235 + m * 12;
    for (int64_t c = 1; c <= m; ++c) months += HebrewLeapPosition(c);
    // The mean conjunction: that of year 1 (day 2, 5 hours 204 parts) plus the months elapsed at
    // 29 days 13753 parts each, taken in blocks of 25920 months, which make a whole 765433 days.
    const int64_t r = NonNegativeMod(months, PartsPerDay);
    int64_t d = 2 + (months - r) / PartsPerDay * 765433 + r * 29;
    int64_t p = 5604 + r * 13753;
    d += p / PartsPerDay;
    p %= PartsPerDay;
    // Postponements, d mod 7 counting 1 as Sunday.
    const int64_t w = NonNegativeMod(d, 7);
    if (w == 3 && p >= 9924 && !HebrewLeapYear(Y)) {
        d += 2; // a common year may not start this late on a Tuesday: it would be 356 days long
    } else if (w == 2 && p >= 16789 && HebrewLeapYear(Y - 1)) {
        d += 1; // after a leap year, so that the year before is not 382 days long
    } else {
        if (p > 19440) d += 1; // conjunction after noon
        const int64_t weekday = NonNegativeMod(d, 7);
        if (weekday == 1 || weekday == 4 || weekday == 6) d += 1; // never on Sunday, Wednesday, Friday
    }
    return d + 347996;
}

bool HebrewYear(int64_t Y, TYearRecord& R) {
    R.First = HebrewNewYear(Y);
    const int64_t length = HebrewNewYear(Y + 1) - R.First;
    // Tishri, Heshvan, Kislev, Tevet, Shevat, Adar (Adar I), Adar II, Nisan, Iyar, Sivan, Tammuz, Av, Elul.
    R.Lengths = {30, 29, 30, 29, 30, 29, 0, 30, 29, 30, 29, 30, 29};
    if (HebrewLeapYear(Y)) {
        R.Lengths[5] = 30;
        R.Lengths[6] = 29;
    }
    if (length == 353 || length == 383) R.Lengths[2] = 29;
    if (length == 355 || length == 385) R.Lengths[1] = 30;
    return true;
}

bool IslamicYear(int64_t Y, int32_t MonthCount, TYearRecord& R) {
    ZARVEL_ASSERT(MonthCount == 12);
    const int64_t r = NonNegativeMod(Y, 30);
    const int64_t cycles = (Y - r) / 30;
    const int64_t t = 11 * r + 3;
    R.First = cycles * 10631 + r * 354 + 1948086 + t / 30;
    for (int i = 0; i < 11; ++i) R.Lengths[size_t(i)] = i % 2 == 0 ? 30 : 29;
    R.Lengths[11] = t % 30 >= 19 ? 30 : 29;
    R.Lengths[12] = 0;
    return true;
}

int64_t FrenchNewYear(int64_t Y) {
    const int64_t k = Y >= 20 ? Y - 1 : Y;
    return 365 * Y + 2375475 + (k / 4 - k / 100 + k / 400) - (k <= 0 ? 1 : 0);
}

bool FrenchYear(int64_t Y, TYearRecord& R) {
    R.First = FrenchNewYear(Y);
    R.Lengths.fill(30);
    R.Lengths[12] = uint8_t(FrenchNewYear(Y + 1) - R.First - 360);
    return true;
}

constexpr int32_t JalaliMinYear = -1096, JalaliMaxYear = 2327;

bool PersianYear(int64_t Y, TYearRecord& R) {
    if (Y < JalaliMinYear || Y > JalaliMaxYear) return false;
    R.First = int64_t(JalaliJD0(int32_t(Y))) + 1;
    std::fill(R.Lengths.begin(), R.Lengths.begin() + 6, 31);
    std::fill(R.Lengths.begin() + 6, R.Lengths.begin() + 11, 30);
    R.Lengths[11] = uint8_t(int64_t(JalaliYearEnd(int32_t(Y))) + 1 - R.First - 336);
    R.Lengths[12] = 0;
    return true;
}

// The Chinese table and the intercalary month of the last Chinese year built.
__attribute__((init_priority(1000))) std::string ChineseData;
constinit int32_t ChineseIntercalaryMonth = 0;

constexpr size_t ChineseHeaderSize = 8, ChineseRecordSize = 6;

uint32_t ChineseByte(size_t Index) {
    return static_cast<unsigned char>(ChineseData[Index]);
}

// The table's first year and the number of years it holds: those its count claims whose values lie
// inside the table, so that a short table is never read past its end. False without a header.
bool ChineseYears(int64_t& FirstYear, int64_t& Count) {
    if (ChineseData.size() < ChineseHeaderSize) return false;
    FirstYear = ChineseByte(4) | ChineseByte(5) << 8;
    const size_t held = ChineseData.size() < ChineseHeaderSize + 3
                            ? 0
                            : (ChineseData.size() - ChineseHeaderSize - 3) / ChineseRecordSize + 1;
    Count = std::min<int64_t>(ChineseByte(0) | ChineseByte(1) << 8, int64_t(held));
    return true;
}

bool ChineseYear(int64_t Y, TYearRecord& R) {
    int64_t firstYear, count;
    if (!ChineseYears(firstYear, count)) return false;
    const int64_t k = Y - firstYear;
    if (k < 0 || k >= count) return false;
    const size_t at = ChineseHeaderSize + ChineseRecordSize * size_t(k);
    const uint32_t v = ChineseByte(at) | ChineseByte(at + 1) << 8 | ChineseByte(at + 2) << 16;
    for (size_t i = 0; i < 13; ++i) R.Lengths[i] = uint8_t(29 + (v >> i & 1));
    const uint32_t w = v >> 13;
    const uint32_t intercalary = w % 14;
    ChineseIntercalaryMonth = intercalary == 0 ? 0 : int32_t(intercalary) + 1;
    if (intercalary == 0) R.Lengths[12] = 0;
    R.First = 365 * Y + Y / 4 + w / 14 + 757862;
    return true;
}

bool YearRecord(int64_t Year, int32_t Kind, int32_t MonthCount, TYearRecord& R) {
    bool built;
    switch (Kind) {
    case 0: built = SolarYear(Year, true, R); break;
    case 1: built = SolarYear(Year, false, R); break;
    case 2: built = HebrewYear(Year, R); break;
    case 3: built = IslamicYear(Year, MonthCount, R); break;
    case 4: built = FrenchYear(Year, R); break;
    case 5: built = PersianYear(Year, R); break;
    case 6: built = ChineseYear(Year, R); break;
    default: return false;
    }
    if (!built) return false;
    R.Next = R.First;
    for (uint8_t length : R.Lengths) R.Next += length;
    return true;
}

bool FitsInt32(int64_t Value) {
    return Value >= INT32_MIN && Value <= INT32_MAX;
}

std::array<Sys::string, 12>& MonthNames() {
    static std::array<Sys::string, 12> names = {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                                u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
    return names;
}

} // namespace

int32_t DMYToDay(int32_t Day, int32_t Month, int32_t Year, int32_t Kind) {
    TYearRecord r;
    if (!YearRecord(Year, Kind, 12, r)) return 0;
    int64_t j = r.First + int64_t(Day) - 1;
    const int64_t monthsBefore = std::clamp<int64_t>(int64_t(Month) - 1, 0, 13);
    for (int64_t i = 0; i < monthsBefore; ++i) j += r.Lengths[size_t(i)];
    return FitsInt32(j) ? int32_t(j) : 0;
}

void DayToDMY(int32_t J, int32_t& D, int32_t& M, int32_t& Y, int32_t Kind) {
    D = -1;
    M = -1;
    const int64_t j = J;
    int64_t y;
    switch (Kind) {
    // Each estimate divides by the kind's mean year, so the walk below starts within a year or two.
    case 0: y = (j - 1721060) * 400 / 146097; break;
    case 1: y = (j - 1721060) * 4 / 1461; break;
    case 2: y = (j - 347996) * 98496 / 35975351; break;
    case 3: y = (j - 1948086) * 30 / 10631; break;
    case 4: y = (j - 2375475) * 400 / 146097; break;
    case 5: y = std::clamp<int64_t>((j - 1947954) * 1250 / 456553, JalaliMinYear, JalaliMaxYear); break;
    case 6: {
        y = (j - 757862) * 4 / 1461;
        // Outside the table's years the walk would find no record to start from.
        int64_t firstYear, count;
        if (ChineseYears(firstYear, count) && count > 0) y = std::clamp(y, firstYear, firstYear + count - 1);
        break;
    }
    default: return;
    }
    // Walk one year at a time towards J. The years of every kind follow one another, so the walk
    // ends; a table whose years leave a gap is caught when the walk turns back.
    TYearRecord r;
    int step = 0;
    for (;;) {
        Y = int32_t(y);
        if (!YearRecord(y, Kind, 12, r)) return;
        const int next = r.First > j ? -1 : r.Next <= j ? 1 : 0;
        if (next == 0) break;
        if (next == -step) return; // J lies between two years
        step = next;
        y += step;
    }
    int64_t start = r.First, difference = 0;
    for (size_t k = 0; k < r.Lengths.size(); ++k) {
        difference = j - start;
        if (difference < r.Lengths[k]) {
            M = int32_t(k) + 1;
            D = int32_t(difference) + 1;
            return;
        }
        start += r.Lengths[k];
    }
    D = int32_t(difference);
}

int32_t JalaliYearEnd(int32_t Year) {
    if (Year < JalaliMinYear || Year > JalaliMaxYear) return -1;
    if (Year < JalaliMaxYear) return JalaliJD0(Year + 1);
    const int32_t next = JalaliMaxYear + 1;
    return 365 * next + (852 + 303 * next) / 1250 + 1947954;
}

int32_t JalaliJD0(int32_t Year) {
    // The model is a straight line per segment: a segment runs up to the year before its limit.
    static constexpr int32_t Limits[12] = {-708, -221, -3, 6, 394, 720, 786, 1145, 1635, 1701, 1866, 2328};
    static constexpr int32_t Offsets[12] = {1108, 1047, 984, 1249, 952, 891, 930, 866, 869, 844, 848, 852};
    if (Year < JalaliMinYear) return -1;
    const size_t segment =
        size_t(std::upper_bound(std::begin(Limits), std::end(Limits), Year) - std::begin(Limits));
    if (segment == 12) return -1;
    const int32_t jd0 = 365 * Year + (Offsets[segment] + 303 * Year) / 1250 + 1947954;
    return segment < 3 ? jd0 - 1 : jd0;
}

void SetChineseCalendarData(const std::string& Data) {
    ChineseData = Data;
}

int32_t GetChineseIntercalaryMonth() {
    return ChineseIntercalaryMonth;
}

Sys::string SetMonthName(int32_t Index, const Sys::string& Name) {
    if (Index < 1 || Index > 12) return {};
    Sys::string& entry = MonthNames()[size_t(Index - 1)];
    if (!Name.empty()) entry = Name;
    return entry;
}

} // namespace Zarvel
