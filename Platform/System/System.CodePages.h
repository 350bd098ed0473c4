// Windows code pages of the run-time stand-in, read through ICU's converters: the bytes of 8-bit
// text as UTF-16.
#pragma once

#include "System.Types.h"

#include <cstdint>

namespace Sys {

// The ANSI code page that code page 0 stands for. There is no system locale to take it from, so it
// is that of an English Windows.
extern uint32_t DefaultSystemCodePage;

// Whether ICU has a converter for the Windows code page (0 counts as DefaultSystemCodePage).
bool IsCodePageKnown(uint32_t CodePage);

// One byte of text in the code page as one UTF-16 unit. A byte the code page does not map on its
// own (a lead byte of a double-byte code page) and every byte of a code page ICU does not know
// become U+FFFD, so that the loss shows in the text instead of passing as some other letter.
Char CodePageByteToChar(uint32_t CodePage, uint8_t Byte);

} // namespace Sys
