#include "IDateTime.h"

#include "ADateTime.h"
#include "DateFamily.h"
#include "PDateTime.h"

namespace Zarvel::IDateTime {

// The ctJulian members: the family design over the platform's Gregorian routines, with the
// platform's own week numbering and formatting, and its own copy of the parse engine.
namespace Gregorian {

namespace {

struct TCalendar {
    static constexpr uint16_t MaxYear = 9999;
    static constexpr bool PlatformFormat = true;
    static constexpr TJhDateTimeMaskType ShortMonthNameKind = hdmtJulianShortMonth,
                                         LongMonthNameKind = hdmtJulianLongMonth;

    // The platform's arithmetic, numbering of week days, month steps and ISO weeks.
    static constexpr auto IsLeapYear = &Sys::IsLeapYear;
    static constexpr auto DaysInAYear = &Sys::DaysInAYear;
    static constexpr auto DaysInAMonth = &Sys::DaysInAMonth;
    static constexpr auto DecodeDate = &Sys::DecodeDate;
    static constexpr auto DecodeDateDay = &Sys::DecodeDateDay;
    static constexpr auto TryEncodeDate = &Sys::TryEncodeDate;
    static constexpr auto TryEncodeDateDay = &Sys::TryEncodeDateDay;
    static constexpr auto DayOfTheWeek = &Sys::DayOfTheWeek;
    static constexpr auto IncAMonth = &Sys::IncAMonth;
    static constexpr auto DecodeDateWeek = &Sys::DecodeDateWeek;
    static constexpr auto DecodeDateMonthWeek = &Sys::DecodeDateMonthWeek;
    static constexpr auto WeeksInAYear = &Sys::WeeksInAYear;
    static constexpr auto IsValidDateWeek = &Sys::IsValidDateWeek;
    static constexpr auto IsValidDateMonthWeek = &Sys::IsValidDateMonthWeek;
    static constexpr auto TryEncodeDateWeek = &Sys::TryEncodeDateWeek;
    static constexpr auto TryEncodeDateMonthWeek = &Sys::TryEncodeDateMonthWeek;

    // A full year of the platform's years. A two-digit year falls in the hundred years that begin
    // TwoDigitYearCenturyWindow years before this one (this century when the window is 0).
    static bool CompleteYear(int64_t Number, bool Full, const Sys::TFormatSettings& FS, int64_t& Year) {
        if (Full) {
            Year = Number;
        } else {
            if (Number > 99) return false;
            uint16_t y, m, d;
            Sys::DecodeDate(Sys::Today(), y, m, d);
            const int64_t window = FS.TwoDigitYearCenturyWindow;
            const int64_t pivot = window == 0 ? y / 100 * 100 : y - window;
            Year = pivot / 100 * 100 + Number;
            if (Year < pivot) Year += 100;
        }
        return Year >= 1 && Year <= MaxYear;
    }
    // What the platform's formatting writes for each form, in either case: "a" or "p", the settings'
    // markers, "am" or "pm".
    static bool MarkerFormAt(const Sys::string& Format, size_t I, const Sys::TFormatSettings& FS,
                             TMarkerForm& Form) {
        if (StandsAt(Format, I, u"a/p"))
            Form = {u"a", u"p", 3, true, hdmtAmPmVeryShort};
        else if (StandsAtIgnoreCase(Format, I, u"ampm"))
            Form = {FS.TimeAMString, FS.TimePMString, 4, true, hdmtAmPm};
        else if (StandsAt(Format, I, u"am/pm"))
            Form = {u"am", u"pm", 5, true, hdmtAmPmShort};
        else
            return false;
        return true;
    }
    // The platform's name arrays start on Sunday.
    static uint8_t DayNameOf(TDateTime Value) { return static_cast<uint8_t>(Sys::DayOfWeek(Value)); }
};

} // namespace

// The declarations first: the members call one another in any order.
#include "DateFamily.Declarations.inc"

#include "DateFamily.Body.inc"

} // namespace Gregorian

// Every member runs the family of its calendar type; a value other than ctPersian and ctIslamic is
// taken as ctJulian.
#define ZARVEL_FAMILY_WITH_CALENDAR(...) TJhCalendarType CalendarType __VA_OPT__(, ) __VA_ARGS__
#define ZARVEL_FAMILY_MEMBER(Result, Name, Parameters, Arguments)                                            \
    Result Name(ZARVEL_FAMILY_WITH_CALENDAR Parameters) {                                                    \
        switch (CalendarType) {                                                                              \
        case ctPersian: return PDateTime::Name Arguments;                                                    \
        case ctIslamic: return ADateTime::Name Arguments;                                                    \
        default: return Gregorian::Name Arguments;                                                           \
        }                                                                                                    \
    }
#define ZARVEL_FAMILY_MEMBER_PA(Result, Name, Parameters, Arguments)
#define ZARVEL_FAMILY_DEFAULT(Value)
#include "DateFamily.Members.inc"
#undef ZARVEL_FAMILY_WITH_CALENDAR

namespace {
bool IsHijri(TJhCalendarType CalendarType) {
    return CalendarType == ctPersian || CalendarType == ctIslamic;
}
} // namespace

uint16_t EnsureYearLowRange(TJhCalendarType CalendarType, uint16_t Year) {
    return std::max<uint16_t>(Year, IsHijri(CalendarType) ? 1300 : 1900);
}

uint16_t EnsureYearHighRange(TJhCalendarType CalendarType, uint16_t Year) {
    return std::min<uint16_t>(Year, IsHijri(CalendarType) ? 1500 : 2100);
}

} // namespace Zarvel::IDateTime
