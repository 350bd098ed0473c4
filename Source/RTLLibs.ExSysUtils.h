// Small arithmetic and memory helpers.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Zarvel {

// A mod B moved into 0..B-1 for a positive B; B = 0 raises Sys::EDivByZero.
int32_t PosMod(int32_t A, int32_t B);
void Switch(int32_t& A, int32_t& B);
// Sets Count bytes to 0; nothing when P is null or Count is 0.
void FillZero(void* P, size_t Count);
// Stores Value into Count 16-bit words.
void FillWord(void* P, uint16_t Value, size_t Count);

} // namespace Zarvel
