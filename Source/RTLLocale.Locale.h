// Conversions of a Windows locale identifier (LCID): to its ANSI code page and to its locale name,
// both read from the locale table.
#pragma once

#include <cstdint>
#include <string>

namespace Zarvel {

// The locale's default ANSI code page, from the table's CodePage column: 0 for a locale the table
// does not list and for one without an ANSI code page. A language-neutral LCID (sub-language 0)
// stands for its language's default locale (sub-language 1), as Windows resolves it.
uint32_t LCIDToCodePage(uint32_t LCID);

// The locale's name (UTF-8) when the table lists it; otherwise its language's code, which may be
// empty or two spaces; the empty string for 0 and for primary identifiers outside 1 … 146.
std::string LCIDToLocaleName(uint32_t LCID);

} // namespace Zarvel
