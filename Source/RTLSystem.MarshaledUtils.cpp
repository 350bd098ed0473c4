#include "RTLSystem.MarshaledUtils.h"

namespace Zarvel {

bool IsHexDigit(char C) {
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'F') || (C >= 'a' && C <= 'f');
}

bool IsHexDigit(char16_t C) {
    return (C >> 8) == 0 && IsHexDigit(static_cast<char>(C));
}

} // namespace Zarvel
