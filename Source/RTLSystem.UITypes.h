// Extended font styles.
#pragma once

#include "System.Types.h"

#include <cstdint>

namespace Zarvel {

enum class TRTLFontStyleEx : uint8_t {
    fsBold,
    fsItalic,
    fsUnderline,
    fsStrikeOut,
    reserved1,
    reserved2,
    fsZigzagUnderline
};
using TRTLFontStyles = Sys::TSet<TRTLFontStyleEx, uint8_t>;

} // namespace Zarvel
