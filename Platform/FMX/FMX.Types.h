// Small value types of the UI framework stand-in: points, sizes, rectangles, colours, text alignment
// and a range of text.
#pragma once

#include "System.Types.h"

#include <algorithm>
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

// An integer point: a glyph's origin, a place in a texture.
struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TPointF {
    float X = 0;
    float Y = 0;
    constexpr TPointF operator+(TPointF P) const { return {X + P.X, Y + P.Y}; }
    constexpr TPointF operator-(TPointF P) const { return {X - P.X, Y - P.Y}; }
    constexpr TPointF operator*(float F) const { return {X * F, Y * F}; }
    constexpr bool operator==(const TPointF&) const = default;
};

struct TSizeF {
    float Width = 0;
    float Height = 0;
    constexpr bool operator==(const TSizeF&) const = default;
};

// An integer rectangle; Right and Bottom are exclusive.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool operator==(const TRect&) const = default;
};

struct TRectF {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    constexpr float Width() const { return Right - Left; }
    constexpr float Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr void Offset(float DX, float DY) {
        Left += DX;
        Right += DX;
        Top += DY;
        Bottom += DY;
    }
    constexpr bool operator==(const TRectF&) const = default;
};

// A colour as 0xAARRGGBB; in memory (little-endian) the bytes are blue, green, red, alpha.
using TAlphaColor = Sys::TAlphaColor;

namespace TAlphaColors {
inline constexpr TAlphaColor Null = 0x00000000;
inline constexpr TAlphaColor Black = 0xFF000000;
inline constexpr TAlphaColor White = 0xFFFFFFFF;
} // namespace TAlphaColors

struct TAlphaColorRec {
    static constexpr uint8_t A(TAlphaColor C) { return static_cast<uint8_t>(C >> 24); }
    static constexpr uint8_t R(TAlphaColor C) { return static_cast<uint8_t>(C >> 16); }
    static constexpr uint8_t G(TAlphaColor C) { return static_cast<uint8_t>(C >> 8); }
    static constexpr uint8_t B(TAlphaColor C) { return static_cast<uint8_t>(C); }
    static constexpr TAlphaColor Make(uint8_t A, uint8_t R, uint8_t G, uint8_t B) {
        return (TAlphaColor(A) << 24) | (TAlphaColor(R) << 16) | (TAlphaColor(G) << 8) | TAlphaColor(B);
    }
};

// Straight alpha to premultiplied alpha and back, rounding to the nearest value.
TAlphaColor PremultiplyAlpha(TAlphaColor C);
TAlphaColor UnpremultiplyAlpha(TAlphaColor C);

} // namespace FMX
