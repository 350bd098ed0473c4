// Hexadecimal digit tests for bytes and UTF-16 units.
#pragma once

namespace Zarvel {

bool IsHexDigit(char C);
// A UTF-16 unit is a hex digit only when its high byte is 0.
bool IsHexDigit(char16_t C);

} // namespace Zarvel
