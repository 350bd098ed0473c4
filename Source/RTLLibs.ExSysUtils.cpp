#include "RTLLibs.ExSysUtils.h"

#include "System.SysUtils.h"

#include <cstring>
#include <utility>

namespace Zarvel {

int32_t PosMod(int32_t A, int32_t B) {
    if (B == 0) throw Sys::EDivByZero(std::string("Division by zero"));
    // INT32_MIN mod -1 overflows in hardware; its remainder is 0 anyway.
    if (B == -1) return 0;
    const int32_t r = A % B;
    return r < 0 ? r + B : r;
}

void Switch(int32_t& A, int32_t& B) {
    std::swap(A, B);
}

void FillZero(void* P, size_t Count) {
    if (P && Count) std::memset(P, 0, Count);
}

void FillWord(void* P, uint16_t Value, size_t Count) {
    if (Value == 0) return FillZero(P, 2 * Count);
    if (!P) return;
    auto* words = static_cast<uint16_t*>(P);
    for (size_t i = 0; i < Count; ++i) words[i] = Value;
}

} // namespace Zarvel
