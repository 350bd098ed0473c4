// The localisable texts of the date library (Persian and Hijri month names, Persian day names,
// English month names, morning and afternoon markers, the currency name, the range error), the name
// tables built from them, and the enumerations the date function families share.
#pragma once

#include "System.Types.h"

#include <array>
#include <cstdint>

namespace Zarvel {

enum TJhCalendarType : uint8_t { ctPersian, ctIslamic, ctJulian };

// The fields of a date-time format.
enum TJhDateTimeMaskType : uint8_t {
    hdmtDay,
    hdmtMonth,
    hdmtLongMonth,
    hdmtGhamariLongMonth,
    hdmtJulianShortMonth,
    hdmtJulianLongMonth,
    hdmtYear,
    hdmtLongYear,
    hdmt12Hour,
    hdmt24Hour,
    hdmtMinute,
    hdmtSecond,
    hdmtMilliSec,
    hdmtAmPmVeryShort,
    hdmtAmPmShort,
    hdmtAmPmLong,
    hdmtAmPm,
    hdmtCustom,
    hdmtNone
};

// A resource string: its identifier in the package's string table. Its text is looked up each time
// it is used, so a translation that replaces the text reaches every caller.
struct TResStringRec {
    uint16_t Identifier;
};

inline constexpr TResStringRec _rscRial{65520};
inline constexpr TResStringRec _rscShortMorning{65521};
inline constexpr TResStringRec _rscVeryShortMorning{65522};
inline constexpr TResStringRec _rscMorning{65523};
inline constexpr TResStringRec _rscShortAfternoon{65524};
inline constexpr TResStringRec _rscVeryShortAfternoon{65525};
inline constexpr TResStringRec _rscAfterNoon{65526};
inline constexpr TResStringRec _rscFarvardin{65527};
inline constexpr TResStringRec _rscOrdibehesht{65528};
inline constexpr TResStringRec _rscKhordad{65529};
inline constexpr TResStringRec _rscTeer{65530};
inline constexpr TResStringRec _rscMordad{65531};
inline constexpr TResStringRec _rscShahrivar{65532};
inline constexpr TResStringRec _rscMehr{65533};
inline constexpr TResStringRec _rscAban{65534};
inline constexpr TResStringRec _rscAzar{65535};
inline constexpr TResStringRec _rscDey{65504};
inline constexpr TResStringRec _rscBahman{65505};
inline constexpr TResStringRec _rscEsfand{65506};
inline constexpr TResStringRec _rscMoharam{65507};
inline constexpr TResStringRec _rscSafar{65508};
inline constexpr TResStringRec _rscRabiOlAwal{65509};
inline constexpr TResStringRec _rscRabiOsSani{65510};
inline constexpr TResStringRec _rscJamadiOlAwal{65511};
inline constexpr TResStringRec _rscJamadiOsSani{65512};
inline constexpr TResStringRec _rscRajab{65513};
inline constexpr TResStringRec _rscShaeban{65514};
inline constexpr TResStringRec _rscRamazan{65515};
inline constexpr TResStringRec _rscShawwal{65516};
inline constexpr TResStringRec _rscZiGhaedah{65517};
inline constexpr TResStringRec _rscZiHadjah{65518};
inline constexpr TResStringRec _rscJan{65519};
inline constexpr TResStringRec _rscFeb{65488};
inline constexpr TResStringRec _rscMar{65489};
inline constexpr TResStringRec _rscApr{65490};
inline constexpr TResStringRec _rscMay{65491};
inline constexpr TResStringRec _rscJun{65492};
inline constexpr TResStringRec _rscJul{65493};
inline constexpr TResStringRec _rscAug{65494};
inline constexpr TResStringRec _rscSep{65495};
inline constexpr TResStringRec _rscOct{65496};
inline constexpr TResStringRec _rscNov{65497};
inline constexpr TResStringRec _rscDec{65498};
inline constexpr TResStringRec _rscJanuary{65499};
inline constexpr TResStringRec _rscFebruary{65500};
inline constexpr TResStringRec _rscMarch{65501};
inline constexpr TResStringRec _rscApril{65502};
inline constexpr TResStringRec _rscJuly{65503};
inline constexpr TResStringRec _rscAugest{65472};
inline constexpr TResStringRec _rscSeptember{65473};
inline constexpr TResStringRec _rscOctober{65474};
inline constexpr TResStringRec _rscNovember{65475};
inline constexpr TResStringRec _rscDecember{65476};
inline constexpr TResStringRec _rscSat{65477};
inline constexpr TResStringRec _rscSun{65478};
inline constexpr TResStringRec _rscMon{65479};
inline constexpr TResStringRec _rscTue{65480};
inline constexpr TResStringRec _rscWed{65481};
inline constexpr TResStringRec _rscThu{65482};
inline constexpr TResStringRec _rscFri{65483};
inline constexpr TResStringRec _rscSSat{65484};
inline constexpr TResStringRec _rscSSun{65485};
inline constexpr TResStringRec _rscSMon{65486};
inline constexpr TResStringRec _rscSTue{65487};
inline constexpr TResStringRec _rscSWed{65456};
inline constexpr TResStringRec _rscSThu{65457};
inline constexpr TResStringRec _rscSFri{65458};
inline constexpr TResStringRec _SDateOutOfRange{65459};

// The current text of a resource string; empty for an identifier the table does not hold.
Sys::string LoadResString(TResStringRec ResString);
// Replaces the text of a resource string (a translation), or adds it when the table has none.
void ReplaceResString(TResStringRec ResString, const Sys::string& Text);

// Name tables, indexed by the month or day number (entry 0 is empty). The days start on Saturday.
extern std::array<Sys::string, 13> PersianMonths;
extern std::array<Sys::string, 13> GhamariMonths;
extern std::array<Sys::string, 8> WeekDays;
extern std::array<Sys::string, 8> ShortWeekDays;

// Fills the name tables from the current texts of the resource strings; the package calls it at
// load, and a translation calls it again after replacing texts.
void InitializeDTConst();

} // namespace Zarvel
