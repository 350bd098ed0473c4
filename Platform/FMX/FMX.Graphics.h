// Fonts, glyphs, bitmaps and paths of the UI framework stand-in: what a glyph manager produces and a
// canvas draws.
#pragma once

#include "FMX.Types.h"
#include "System.SysUtils.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace FMX {

// ---- Fonts

enum class TFontWeight : uint8_t {
    Thin,
    UltraLight,
    Light,
    SemiLight,
    Regular,
    Medium,
    Semibold,
    Bold,
    UltraBold,
    Black,
    UltraBlack
};
enum class TFontSlant : uint8_t { Regular, Italic, Oblique };
enum class TFontStretch : uint8_t {
    UltraCondensed,
    ExtraCondensed,
    Condensed,
    SemiCondensed,
    Regular,
    SemiExpanded,
    Expanded,
    ExtraExpanded,
    UltraExpanded
};

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Sys::TSet<TFontStyle, uint8_t>;

// Weight, slant and stretch, plus the simple styles that are not one of them (underline, strike-out).
struct TFontStyleExt {
    TFontWeight Weight = TFontWeight::Regular;
    TFontSlant Slant = TFontSlant::Regular;
    TFontStretch Stretch = TFontStretch::Regular;
    TFontStyles SimpleStyle;

    // Bold becomes the bold weight and italic the italic slant; the other styles stay simple styles.
    static TFontStyleExt Create(TFontStyles Styles);
    static TFontStyleExt Default() { return {}; }
    // The simple styles again: bold for a weight of semibold or more, italic for a slanted font.
    TFontStyles ToStyles() const;
    bool operator==(const TFontStyleExt&) const = default;
};

class TFont {
public:
    static constexpr float DefaultSize = 12;
    static constexpr char16_t DefaultFamily[] = u"DejaVu Sans";

    using TNotifyEvent = std::function<void(TFont& Sender)>;

    const Sys::string& Family() const { return FFamily; }
    void SetFamily(const Sys::string& Value);
    float Size() const { return FSize; }
    void SetSize(float Value);
    const TFontStyleExt& StyleExt() const { return FStyleExt; }
    void SetStyleExt(const TFontStyleExt& Value);
    TFontStyles Style() const { return FStyleExt.ToStyles(); }
    void SetStyle(TFontStyles Value) { SetStyleExt(TFontStyleExt::Create(Value)); }

    // Called after every change of family, size or style; Assign calls it once.
    TNotifyEvent OnChanged;
    // Copies family, size and style (not the handler).
    void Assign(const TFont& Source);
    bool Equals(const TFont& Other) const;

private:
    void Changed();
    Sys::string FFamily = DefaultFamily;
    float FSize = DefaultSize;
    TFontStyleExt FStyleExt;
};

// The identity of a font loaded for one scale.
struct TFontSettings {
    Sys::string Family;
    TFontStyleExt Style;
    float Size = 0;
    float Scale = 0;
};

// ---- Bitmaps

enum class TMapAccess : uint8_t { Read, Write, ReadWrite };

// A mapped view of a bitmap's pixels: rows of 32-bit colours, top row first.
struct TBitmapData {
    int Width = 0;
    int Height = 0;
    int Pitch = 0; // bytes from one row to the next
    uint8_t* Data = nullptr;
    TAlphaColor* GetScanline(int Row) const { return reinterpret_cast<TAlphaColor*>(Data + Row * Pitch); }
    TAlphaColor GetPixel(int X, int Y) const { return GetScanline(Y)[X]; }
    void SetPixel(int X, int Y, TAlphaColor Color) const { GetScanline(Y)[X] = Color; }
};

class EBitmapSavingFailed : public Sys::Exception {
    using Sys::Exception::Exception;
};
class EBitmapLoadingFailed : public Sys::Exception {
    using Sys::Exception::Exception;
};

// A 32-bit bitmap whose pixels hold premultiplied alpha.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int Width, int Height) { SetSize(Width, Height); }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool IsEmpty() const { return FWidth == 0 || FHeight == 0; }
    // A new size clears every pixel to transparent; a negative size raises EArgumentException.
    void SetSize(int Width, int Height);
    void Clear(TAlphaColor Color);

    // Map gives the pixels to read or write until the matching Unmap; a second Map before Unmap is a
    // programming error.
    bool Map(TMapAccess Access, TBitmapData& Data);
    void Unmap(TBitmapData& Data);
    bool IsMapped() const { return FMapped; }

    TAlphaColor Pixel(int X, int Y) const { return FPixels[static_cast<size_t>(Y) * FWidth + X]; }

    // PNG with straight (non-premultiplied) 8-bit RGBA. Failures raise EBitmapSavingFailed,
    // respectively EBitmapLoadingFailed.
    void SaveToPNG(const std::string& FileName) const;
    void LoadFromPNG(const std::string& FileName);

private:
    int FWidth = 0;
    int FHeight = 0;
    bool FMapped = false;
    std::vector<TAlphaColor> FPixels;
};

// ---- Paths

enum class TPathPointKind : uint8_t { MoveTo, LineTo, CurveTo, Close };

struct TPathPoint {
    TPathPointKind Kind;
    TPointF Point;
    bool operator==(const TPathPoint&) const = default;
};

// An outline of figures. A cubic curve takes three points of kind CurveTo: two control points and the
// end point. A Close point carries the figure's start.
class TPathData {
public:
    void MoveTo(TPointF P);
    void LineTo(TPointF P);
    void CurveTo(TPointF Control1, TPointF Control2, TPointF EndPoint);
    void ClosePath();
    void Clear() { FPoints.clear(); }

    bool IsEmpty() const { return FPoints.empty(); }
    size_t Count() const { return FPoints.size(); }
    const TPathPoint& operator[](size_t Index) const { return FPoints[Index]; }
    const std::vector<TPathPoint>& Points() const { return FPoints; }
    TPointF LastPoint() const;

    // The rectangle around every point, control points included; empty at (0, 0) for an empty path.
    TRectF GetBounds() const;
    void Translate(float DX, float DY);

private:
    std::vector<TPathPoint> FPoints;
    size_t FStartIndex = 0; // the current figure's move-to
};

// ---- Glyphs

enum class TFontGlyphStyle : uint8_t { NoGlyph, HasPath, ColorGlyph };
using TFontGlyphStyles = Sys::TSet<TFontGlyphStyle, uint8_t>;
enum class TFontGlyphSetting : uint8_t { Bitmap, PremultipliedAlpha, Path };
using TFontGlyphSettings = Sys::TSet<TFontGlyphSetting, uint8_t>;

// One character of one font at one scale. The bitmap and the path always exist; a 0 x 0 bitmap and an
// empty path stand for none.
class TFontGlyph {
public:
    TFontGlyph(TPoint Origin, float Advance, float VerticalAdvance, TFontGlyphStyles Style)
        : FOrigin(Origin), FAdvance(Advance), FVerticalAdvance(VerticalAdvance), FStyle(Style) {}

    // Offset of the bitmap's top-left from the pen at the line top, in device pixels.
    TPoint Origin() const { return FOrigin; }
    float Advance() const { return FAdvance; }
    float VerticalAdvance() const { return FVerticalAdvance; }
    TFontGlyphStyles Style() const { return FStyle; }
    TBitmap& Bitmap() { return FBitmap; }
    const TBitmap& Bitmap() const { return FBitmap; }
    TPathData& Path() { return FPath; }
    const TPathData& Path() const { return FPath; }

private:
    TPoint FOrigin;
    float FAdvance;
    float FVerticalAdvance;
    TFontGlyphStyles FStyle;
    TBitmap FBitmap;
    TPathData FPath;
};

} // namespace FMX
