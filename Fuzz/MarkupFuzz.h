// Shared by the markup fuzz targets: the two views of the input bytes, and how a broken promise
// stops the run.
#pragma once

#include "System.Character.h"
#include "System.SysUtils.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace MarkupFuzz {

// Each byte one UTF-16 unit, as 8-bit text arrives.
inline Sys::string AsBytes(const uint8_t* Data, size_t Size) {
    return Sys::string(Data, Data + Size);
}

// Pairs of bytes as little-endian UTF-16 units; an odd last byte is left out.
inline Sys::string AsUtf16(const uint8_t* Data, size_t Size) {
    Sys::string s;
    for (size_t i = 0; i + 1 < Size; i += 2) s.push_back(static_cast<char16_t>(Data[i] | Data[i + 1] << 8));
    return s;
}

// Messages of the form "'%s' expected but '%s' found".
inline bool IsExpectation(const Sys::string& Message) {
    const Sys::string middle = u"' expected but '", tail = u"' found";
    return Message.size() >= 2 + middle.size() + tail.size() && Message.front() == u'\'' &&
           Message.find(middle) != Sys::string::npos &&
           Message.compare(Message.size() - tail.size(), tail.size(), tail) == 0;
}

[[noreturn]] inline void Fail(const char* What, const Sys::string& Input) {
    std::fprintf(stderr, "markup promise broken: %s\ninput (UTF-8): %s\n", What,
                 Sys::StringToUtf8(Input).c_str());
    std::abort();
}

} // namespace MarkupFuzz
