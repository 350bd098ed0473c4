// The Persian (Jalali) calendar's date functions, as free functions over TDateTime: encoding and
// decoding, validity, weeks, periods, increments, formatting and parsing (the members are listed in
// DateFamily.Members.inc). Years run from 1 to 2327, the last year of the calendar's model. Week days
// are numbered from 1 = Saturday to 7 = Friday, and a week begins on Saturday; week 1 of a year or
// month is the partial week up to its first Friday. The members without a TFormatSettings argument
// use Sys::FormatSettings, whose day names the package puts in Saturday-first order.
#pragma once

#include "DTConst.h"
#include "System.DateUtils.h"

#include <cstdint>

namespace Zarvel::PDateTime {

using Sys::TDateTime;

#include "DateFamily.Declarations.inc"

} // namespace Zarvel::PDateTime
