// Font styles of the run-time stand-in, as text readers and controls share them.
#pragma once

#include "System.Types.h"

#include <cstdint>

namespace Sys {

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle, uint8_t>;

} // namespace Sys
