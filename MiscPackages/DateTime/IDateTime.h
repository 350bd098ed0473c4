// The date functions with the calendar chosen by a leading TJhCalendarType argument: ctPersian runs
// the Persian family (PDateTime), ctIslamic the Arabic family (ADateTime) and ctJulian the platform's
// proleptic Gregorian calendar, whose week days run from 1 = Monday to 7 = Sunday and whose weeks are
// ISO 8601 weeks. The members are the families' (DateFamily.Members.inc), except that formatting
// always takes a TFormatSettings argument and parsing never does: it reads Sys::FormatSettings. The
// ctJulian parse engine reads day names at the platform's numbering of the name arrays (1 = Sunday),
// full years 1 to 9999, and two-digit years within the hundred years from TwoDigitYearCenturyWindow
// years before this year; its "a/p" and "am/pm" read the letters the platform's formatting writes.
#pragma once

#include "DTConst.h"
#include "System.DateUtils.h"

#include <cstdint>

namespace Zarvel::IDateTime {

using Sys::TDateTime;

#define ZARVEL_FAMILY_WITH_CALENDAR(...) TJhCalendarType CalendarType __VA_OPT__(, ) __VA_ARGS__
#define ZARVEL_FAMILY_MEMBER(Result, Name, Parameters, Arguments)                                            \
    Result Name(ZARVEL_FAMILY_WITH_CALENDAR Parameters);
#define ZARVEL_FAMILY_MEMBER_PA(Result, Name, Parameters, Arguments)
#define ZARVEL_FAMILY_DEFAULT(Value) = Value
#include "DateFamily.Members.inc"
#undef ZARVEL_FAMILY_WITH_CALENDAR

// The larger of Year and the first year date editors offer: 1300 (ctPersian, ctIslamic) or 1900
// (ctJulian).
uint16_t EnsureYearLowRange(TJhCalendarType CalendarType, uint16_t Year);
// The smaller of Year and the last year date editors offer: 1500 (ctPersian, ctIslamic) or 2100
// (ctJulian).
uint16_t EnsureYearHighRange(TJhCalendarType CalendarType, uint16_t Year);

} // namespace Zarvel::IDateTime
