// Small value types of the UI framework stand-in: text alignment and a range of text.
#pragma once

#include <cstdint>

namespace FMX {

// Leading and Trailing follow the paragraph's direction: Trailing is the right edge of a
// left-to-right paragraph and the left edge of a right-to-left one.
enum class TTextAlign : uint8_t { Center, Leading, Trailing };

// Pos and Length in UTF-16 units.
struct TTextRange {
    int32_t Pos = 0;
    int32_t Length = 0;
    bool operator==(const TTextRange&) const = default;
};

} // namespace FMX
