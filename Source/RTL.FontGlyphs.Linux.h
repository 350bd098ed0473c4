// This platform's glyph manager: fonts found by family name through fontconfig, measured, rasterised
// and outlined with FreeType, delivering the metrics and coverage a GDI text-out would.
#pragma once

#include "RTL.FontGlyphs.h"

#include <memory>

namespace Zarvel {

// A family that fontconfig does not have is not silently replaced by its substitute: each character
// is drawn with the first font of fontconfig's list for the request that covers it, and that list's
// first font gives the baseline and cell height. A character the requested font lacks is found the
// same way, and drawn on the requested font's baseline.
class TLinuxFontGlyphManagerRTL : public TFontGlyphManagerRTL {
public:
    // Glyph and cell sizes are bounded so that a wild size cannot ask for gigantic bitmaps.
    static constexpr int MaxPixelSize = 2048;

    TLinuxFontGlyphManagerRTL();
    ~TLinuxFontGlyphManagerRTL() override;

    // The family of the loaded font when it is the one asked for; empty when fontconfig has none.
    const Sys::string& LoadedFamily() const;
    // The family of the font that drew the last glyph.
    const Sys::string& LastGlyphFamily() const;

    // A, B, C and the measured cell (text extent) of the last glyph.
    struct TMetrics {
        double A = 0, B = 0, C = 0;
        int CellWidth = 0, CellHeight = 0;
    };
    const TMetrics& LastMetrics() const;

    // One coverage value as a glyph pixel: (a, a, a, a) premultiplied, else white with alpha a; no
    // coverage stays fully transparent.
    static FMX::TAlphaColor CoverageToPixel(uint8_t Coverage, bool Premultiplied);

protected:
    void LoadResource() override;
    void FreeResource() override;
    std::unique_ptr<FMX::TFontGlyph> DoGetGlyph(const Sys::UCS4String& Chars,
                                                FMX::TFontGlyphSettings Settings,
                                                bool UseColorfulPalette) override;
    float DoGetBaseline() override { return static_cast<float>(FBaseline); }

private:
    struct TState;
    std::unique_ptr<TState> F;
    int FBaseline = 0;
};

} // namespace Zarvel
