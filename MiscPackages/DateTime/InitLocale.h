// The English month-name tables of the date library, and the switch of the process-wide format
// settings to Persian conventions that the package makes at load.
#pragma once

#include "System.Types.h"

#include <array>

namespace Zarvel {

// Indexed by the month number (entry 0 is empty). The long table has no long June: entry 6 is "Jun".
extern std::array<Sys::string, 13> JulianShortMonthNames;
extern std::array<Sys::string, 13> JulianLongMonthNames;

// Fills the month-name tables from the resource strings and gives Sys::FormatSettings the Persian
// currency, separators, formats, AM/PM markers, Persian month names and Saturday-first day names.
// Runs after InitializeDTConst, whose tables it copies.
void InitializeInitLocale();

} // namespace Zarvel
