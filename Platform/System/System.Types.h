// Basic value types of the run-time stand-in: UTF-16 strings, code points and small enumeration sets.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace Sys {

using string = std::u16string;
using Char = char16_t;
using UCS4Char = char32_t;
using UCS4String = std::vector<char32_t>;
using TAlphaColor = uint32_t;

// A set of enumeration values; bit n holds the value whose ordinal is n.
template <typename E, typename Bits = uint32_t> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> Values) {
        for (E v : Values) Include(v);
    }
    static constexpr TSet FromBits(Bits Value) {
        TSet s;
        s.FBits = Value;
        return s;
    }

    constexpr bool Contains(E Value) const { return (FBits & Bit(Value)) != 0; }
    constexpr void Include(E Value) { FBits = static_cast<Bits>(FBits | Bit(Value)); }
    constexpr void Exclude(E Value) { FBits = static_cast<Bits>(FBits & ~Bit(Value)); }
    constexpr bool IsEmpty() const { return FBits == 0; }
    constexpr Bits ToBits() const { return FBits; }

    constexpr TSet operator+(TSet Other) const { return FromBits(static_cast<Bits>(FBits | Other.FBits)); }
    constexpr TSet operator-(TSet Other) const { return FromBits(static_cast<Bits>(FBits & ~Other.FBits)); }
    constexpr TSet operator*(TSet Other) const { return FromBits(static_cast<Bits>(FBits & Other.FBits)); }
    constexpr bool operator==(const TSet&) const = default;

private:
    static constexpr Bits Bit(E Value) { return static_cast<Bits>(Bits(1) << static_cast<unsigned>(Value)); }
    Bits FBits = 0;
};

} // namespace Sys
