#include "FMX.Graphics.h"

#include <png.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace FMX {

namespace {

constexpr const char* UnitName = "FMX.Graphics";

// Closes the file however the PNG code is left.
struct TFileCloser {
    void operator()(FILE* F) const { fclose(F); }
};
using TFile = std::unique_ptr<FILE, TFileCloser>;

// libpng's messages become the exception raised, not text on standard error.
void PngError(png_structp Png, png_const_charp) {
    png_longjmp(Png, 1);
}
void PngWarning(png_structp, png_const_charp) {}

} // namespace

// ---- Fonts

TFontStyleExt TFontStyleExt::Create(TFontStyles Styles) {
    TFontStyleExt result;
    if (Styles.Contains(TFontStyle::fsBold)) result.Weight = TFontWeight::Bold;
    if (Styles.Contains(TFontStyle::fsItalic)) result.Slant = TFontSlant::Italic;
    result.SimpleStyle = Styles - TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic};
    return result;
}

TFontStyles TFontStyleExt::ToStyles() const {
    TFontStyles result = SimpleStyle;
    if (Weight >= TFontWeight::Semibold) result.Include(TFontStyle::fsBold);
    if (Slant != TFontSlant::Regular) result.Include(TFontStyle::fsItalic);
    return result;
}

void TFont::SetFamily(const Sys::string& Value) {
    if (FFamily == Value) return;
    FFamily = Value;
    Changed();
}

void TFont::SetSize(float Value) {
    if (FSize == Value) return;
    FSize = Value;
    Changed();
}

void TFont::SetStyleExt(const TFontStyleExt& Value) {
    if (FStyleExt == Value) return;
    FStyleExt = Value;
    Changed();
}

void TFont::Assign(const TFont& Source) {
    if (&Source == this) return;
    FFamily = Source.FFamily;
    FSize = Source.FSize;
    FStyleExt = Source.FStyleExt;
    Changed();
}

bool TFont::Equals(const TFont& Other) const {
    return FFamily == Other.FFamily && FSize == Other.FSize && FStyleExt == Other.FStyleExt;
}

void TFont::Changed() {
    if (OnChanged) OnChanged(*this);
}

// ---- Bitmaps

void TBitmap::SetSize(int Width, int Height) {
    if (Width < 0 || Height < 0)
        throw Sys::EArgumentException(std::string("Bitmap size must not be negative"));
    ZARVEL_ASSERT(!FMapped);
    FWidth = Width;
    FHeight = Height;
    FPixels.assign(static_cast<size_t>(Width) * Height, TAlphaColors::Null);
}

void TBitmap::Clear(TAlphaColor Color) {
    ZARVEL_ASSERT(!FMapped);
    FPixels.assign(FPixels.size(), PremultiplyAlpha(Color));
}

bool TBitmap::Map(TMapAccess, TBitmapData& Data) {
    ZARVEL_ASSERT(!FMapped);
    FMapped = true;
    Data.Width = FWidth;
    Data.Height = FHeight;
    Data.Pitch = FWidth * 4;
    Data.Data = reinterpret_cast<uint8_t*>(FPixels.data());
    return true;
}

void TBitmap::Unmap(TBitmapData& Data) {
    ZARVEL_ASSERT(FMapped && Data.Data == reinterpret_cast<uint8_t*>(FPixels.data()));
    FMapped = false;
    Data = {};
}

void TBitmap::SaveToPNG(const std::string& FileName) const {
    const auto fail = [&](const char* What) {
        return EBitmapSavingFailed("Cannot save bitmap to " + FileName + ": " + What);
    };
    if (IsEmpty()) throw fail("the bitmap is empty");
    TFile file(fopen(FileName.c_str(), "wb"));
    if (!file) throw fail("the file cannot be created");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw fail("out of memory");
    }
    std::vector<uint8_t> row(static_cast<size_t>(FWidth) * 4);
    // libpng reports its errors by jumping back here; nothing with a destructor is created below.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw fail("write error");
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, FWidth, FHeight, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < FHeight; ++y) {
        for (int x = 0; x < FWidth; ++x) {
            const TAlphaColor c = UnpremultiplyAlpha(Pixel(x, y));
            uint8_t* p = &row[static_cast<size_t>(x) * 4];
            p[0] = TAlphaColorRec::R(c);
            p[1] = TAlphaColorRec::G(c);
            p[2] = TAlphaColorRec::B(c);
            p[3] = TAlphaColorRec::A(c);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    if (fflush(file.get()) != 0) throw fail("write error");
}

void TBitmap::LoadFromPNG(const std::string& FileName) {
    const auto fail = [&](const char* What) {
        return EBitmapLoadingFailed("Cannot load bitmap from " + FileName + ": " + What);
    };
    ZARVEL_ASSERT(!FMapped);
    TFile file(fopen(FileName.c_str(), "rb"));
    if (!file) throw fail("the file cannot be opened");
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw fail("out of memory");
    }
    std::vector<uint8_t> pixels;
    std::vector<png_bytep> rows;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw fail("not a readable PNG file");
    }
    png_init_io(png, file.get());
    // A bound on the size keeps a hostile header from asking for gigabytes.
    png_set_user_limits(png, 16384, 16384);
    png_read_info(png, info);
    // Every colour type and depth becomes 8-bit RGBA.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    const int width = static_cast<int>(png_get_image_width(png, info));
    const int height = static_cast<int>(png_get_image_height(png, info));
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) png_error(png, "unexpected row size");
    pixels.resize(static_cast<size_t>(width) * height * 4);
    rows.resize(height);
    for (int y = 0; y < height; ++y) rows[y] = &pixels[static_cast<size_t>(y) * width * 4];
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    SetSize(width, height);
    for (size_t i = 0; i < FPixels.size(); ++i) {
        const uint8_t* p = &pixels[i * 4];
        FPixels[i] = PremultiplyAlpha(TAlphaColorRec::Make(p[3], p[0], p[1], p[2]));
    }
}

// ---- Paths

void TPathData::MoveTo(TPointF P) {
    FStartIndex = FPoints.size();
    FPoints.push_back({TPathPointKind::MoveTo, P});
}

void TPathData::LineTo(TPointF P) {
    FPoints.push_back({TPathPointKind::LineTo, P});
}

void TPathData::CurveTo(TPointF Control1, TPointF Control2, TPointF EndPoint) {
    FPoints.push_back({TPathPointKind::CurveTo, Control1});
    FPoints.push_back({TPathPointKind::CurveTo, Control2});
    FPoints.push_back({TPathPointKind::CurveTo, EndPoint});
}

void TPathData::ClosePath() {
    if (FPoints.empty()) return;
    const TPointF start = FPoints[FStartIndex].Point;
    FPoints.push_back({TPathPointKind::Close, start});
}

TPointF TPathData::LastPoint() const {
    return FPoints.empty() ? TPointF{} : FPoints.back().Point;
}

TRectF TPathData::GetBounds() const {
    if (FPoints.empty()) return {};
    constexpr float inf = std::numeric_limits<float>::infinity();
    TRectF r{inf, inf, -inf, -inf};
    for (const TPathPoint& p : FPoints) {
        r.Left = std::min(r.Left, p.Point.X);
        r.Top = std::min(r.Top, p.Point.Y);
        r.Right = std::max(r.Right, p.Point.X);
        r.Bottom = std::max(r.Bottom, p.Point.Y);
    }
    return r;
}

void TPathData::Translate(float DX, float DY) {
    for (TPathPoint& p : FPoints) p.Point = p.Point + TPointF{DX, DY};
}

} // namespace FMX
