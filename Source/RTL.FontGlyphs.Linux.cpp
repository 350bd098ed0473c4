#include "RTL.FontGlyphs.Linux.h"

#include "System.Character.h"
#include "System.SysUtils.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BBOX_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

namespace Zarvel {

namespace {

constexpr const char* UnitName = "RTL.FontGlyphs.Linux";

int FcWeight(FMX::TFontWeight Weight) {
    static constexpr int weights[] = {FC_WEIGHT_THIN,      FC_WEIGHT_EXTRALIGHT, FC_WEIGHT_LIGHT,
                                      FC_WEIGHT_DEMILIGHT, FC_WEIGHT_REGULAR,    FC_WEIGHT_MEDIUM,
                                      FC_WEIGHT_DEMIBOLD,  FC_WEIGHT_BOLD,       FC_WEIGHT_EXTRABOLD,
                                      FC_WEIGHT_BLACK,     FC_WEIGHT_EXTRABLACK};
    return weights[static_cast<int>(Weight)];
}

int FcWidth(FMX::TFontStretch Stretch) {
    static constexpr int widths[] = {
        FC_WIDTH_ULTRACONDENSED, FC_WIDTH_EXTRACONDENSED, FC_WIDTH_CONDENSED,
        FC_WIDTH_SEMICONDENSED,  FC_WIDTH_NORMAL,         FC_WIDTH_SEMIEXPANDED,
        FC_WIDTH_EXPANDED,       FC_WIDTH_EXTRAEXPANDED,  FC_WIDTH_ULTRAEXPANDED};
    return widths[static_cast<int>(Stretch)];
}

int FcSlant(FMX::TFontSlant Slant) {
    switch (Slant) {
    case FMX::TFontSlant::Italic: return FC_SLANT_ITALIC;
    case FMX::TFontSlant::Oblique: return FC_SLANT_OBLIQUE;
    default: return FC_SLANT_ROMAN;
    }
}

// The Arabic diacritic presentation forms and the shadda-with-vowel ligatures stack on their base
// letter, which the layout positions.
bool IsZeroAdvanceMark(Sys::UCS4Char C) {
    return (C >= 0xFC5E && C <= 0xFC62) || (C >= 0xFE70 && C <= 0xFE7D);
}

struct TFace {
    FT_Face Face = nullptr;
    Sys::string Family;
    double Scale = 1; // device pixels per font pixel: above 1 only for fonts of fixed bitmap sizes
    double Ascent = 0;
    double Descent = 0;
    ~TFace() {
        if (Face) FT_Done_Face(Face);
    }
};

Sys::string PatternFamily(FcPattern* Pattern) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(Pattern, FC_FAMILY, 0, &family) != FcResultMatch) return {};
    return Sys::Utf8ToString(reinterpret_cast<const char*>(family));
}

bool PatternHasFamily(FcPattern* Pattern, const Sys::string& Family) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(Pattern, FC_FAMILY, i, &family) == FcResultMatch; ++i)
        if (SameFontFamily(Sys::Utf8ToString(reinterpret_cast<const char*>(family)), Family)) return true;
    return false;
}

// One glyph of one code point, loaded and measured in device pixels.
struct TLoadedGlyph {
    double A = 0, B = 0, Advance = 0;
    bool Colour = false; // a colour bitmap
};

} // namespace

struct TLinuxFontGlyphManagerRTL::TState {
    FT_Library Library = nullptr;
    // A configuration of the manager's own, released with it, rather than fontconfig's process-wide one.
    FcConfig* Config = nullptr;
    FcFontSet* Sorted = nullptr; // fontconfig's fonts for the request, best first
    TFace* Primary = nullptr;    // the requested family, when fontconfig has it
    TFace* Metrics = nullptr;    // the font of the baseline and the cell height
    std::map<std::pair<std::string, int>, std::unique_ptr<TFace>> Faces;
    std::unordered_map<Sys::UCS4Char, TFace*> FallbackFor;
    int PixelSize = 1;
    Sys::string LoadedFamily;
    Sys::string LastGlyphFamily;
    TLinuxFontGlyphManagerRTL::TMetrics LastMetrics;

    TFace* Open(FcPattern* Pattern) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(Pattern, FC_FILE, 0, &file) != FcResultMatch) return nullptr;
        FcPatternGetInteger(Pattern, FC_INDEX, 0, &index);
        auto& slot = Faces[{reinterpret_cast<const char*>(file), index}];
        if (slot) return slot.get();
        FT_Face face = nullptr;
        if (FT_New_Face(Library, reinterpret_cast<const char*>(file), index, &face) != 0) return nullptr;
        auto result = std::make_unique<TFace>();
        result->Face = face;
        result->Family = PatternFamily(Pattern);
        if (FT_IS_SCALABLE(face)) {
            FT_Set_Pixel_Sizes(face, 0, PixelSize);
        } else if (face->num_fixed_sizes > 0) {
            // The smallest strike at least as large as asked, else the largest; drawn scaled.
            int best = 0;
            for (int i = 1; i < face->num_fixed_sizes; ++i) {
                const auto ppem = [&](int k) { return face->available_sizes[k].y_ppem / 64.0; };
                const bool bigEnough = ppem(i) >= PixelSize, bestBigEnough = ppem(best) >= PixelSize;
                if ((bigEnough && (!bestBigEnough || ppem(i) < ppem(best))) ||
                    (!bestBigEnough && ppem(i) > ppem(best)))
                    best = i;
            }
            FT_Select_Size(face, best);
            result->Scale = PixelSize / (face->available_sizes[best].y_ppem / 64.0);
        }
        result->Ascent = std::ceil(face->size->metrics.ascender / 64.0 * result->Scale);
        result->Descent = std::ceil(-face->size->metrics.descender / 64.0 * result->Scale);
        slot = std::move(result);
        return slot.get();
    }

    TFace* FaceFor(Sys::UCS4Char C) {
        if (Primary && FT_Get_Char_Index(Primary->Face, C) != 0) return Primary;
        if (auto it = FallbackFor.find(C); it != FallbackFor.end()) return it->second;
        TFace* found = nullptr;
        for (int i = 0; Sorted && i < Sorted->nfont && !found; ++i) {
            FcCharSet* charset = nullptr;
            if (FcPatternGetCharSet(Sorted->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch ||
                !FcCharSetHasChar(charset, C))
                continue;
            TFace* face = Open(Sorted->fonts[i]);
            if (face && FT_Get_Char_Index(face->Face, C) != 0) found = face;
        }
        // No font covers it: the loaded font's missing-glyph box.
        if (!found) found = Primary ? Primary : Metrics;
        FallbackFor[C] = found;
        return found;
    }
};

TLinuxFontGlyphManagerRTL::TLinuxFontGlyphManagerRTL() : F(std::make_unique<TState>()) {
    ZARVEL_ASSERT(FT_Init_FreeType(&F->Library) == 0);
    F->Config = FcInitLoadConfigAndFonts();
}

TLinuxFontGlyphManagerRTL::~TLinuxFontGlyphManagerRTL() {
    FreeResource();
    FT_Done_FreeType(F->Library);
    if (F->Config) FcConfigDestroy(F->Config);
}

const Sys::string& TLinuxFontGlyphManagerRTL::LoadedFamily() const {
    return F->LoadedFamily;
}
const Sys::string& TLinuxFontGlyphManagerRTL::LastGlyphFamily() const {
    return F->LastGlyphFamily;
}
const TLinuxFontGlyphManagerRTL::TMetrics& TLinuxFontGlyphManagerRTL::LastMetrics() const {
    return F->LastMetrics;
}

FMX::TAlphaColor TLinuxFontGlyphManagerRTL::CoverageToPixel(uint8_t Coverage, bool Premultiplied) {
    if (Coverage == 0) return FMX::TAlphaColors::Null;
    return Premultiplied ? FMX::TAlphaColorRec::Make(Coverage, Coverage, Coverage, Coverage)
                         : FMX::TAlphaColorRec::Make(Coverage, 255, 255, 255);
}

void TLinuxFontGlyphManagerRTL::LoadResource() {
    const double pixels = std::round(FCurrentSettings.Size * FCurrentSettings.Scale);
    F->PixelSize =
        std::isfinite(pixels) ? static_cast<int>(std::clamp(pixels, 1.0, double(MaxPixelSize))) : 1;

    FcPattern* pattern = FcPatternCreate();
    const std::string family = Sys::StringToUtf8(FCurrentSettings.Family);
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, FcWeight(FCurrentSettings.Style.Weight));
    FcPatternAddInteger(pattern, FC_SLANT, FcSlant(FCurrentSettings.Style.Slant));
    FcPatternAddInteger(pattern, FC_WIDTH, FcWidth(FCurrentSettings.Style.Stretch));
    FcConfigSubstitute(F->Config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    F->Sorted = FcFontSort(F->Config, pattern, FcFalse, nullptr, &result);
    FcPatternDestroy(pattern);

    for (int i = 0; F->Sorted && i < F->Sorted->nfont && !F->Primary; ++i)
        if (PatternHasFamily(F->Sorted->fonts[i], FCurrentSettings.Family))
            F->Primary = F->Open(F->Sorted->fonts[i]);
    F->Metrics = F->Primary;
    for (int i = 0; F->Sorted && i < F->Sorted->nfont && !F->Metrics; ++i)
        F->Metrics = F->Open(F->Sorted->fonts[i]);
    if (F->Primary) F->LoadedFamily = FCurrentSettings.Family;
    // With no font at all the baseline keeps its former value, as a font that cannot be created does.
    if (F->Metrics) FBaseline = static_cast<int>(F->Metrics->Ascent);
}

void TLinuxFontGlyphManagerRTL::FreeResource() {
    F->FallbackFor.clear();
    F->Primary = F->Metrics = nullptr;
    F->Faces.clear();
    if (F->Sorted) FcFontSetDestroy(F->Sorted);
    F->Sorted = nullptr;
    F->LoadedFamily.clear();
}

namespace {

// Loads the glyph of C into the face's slot and measures it: A is the distance from the pen to the
// ink's left edge, B the ink's width.
TLoadedGlyph LoadGlyph(TFace& Face, Sys::UCS4Char C, bool Colour) {
    FT_Face face = Face.Face;
    const FT_UInt index = FT_Get_Char_Index(face, C);
    const FT_Int32 flags = FT_IS_SCALABLE(face) ? FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP
                                                : FT_LOAD_DEFAULT | (Colour ? FT_LOAD_COLOR : 0);
    TLoadedGlyph g;
    if (FT_Load_Glyph(face, index, flags) != 0) return g;
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        g.Advance =
            FT_IS_SCALABLE(face) ? slot->linearHoriAdvance / 65536.0 : slot->advance.x / 64.0 * Face.Scale;
        if (slot->outline.n_points > 0) {
            FT_BBox box;
            FT_Outline_Get_BBox(&slot->outline, &box);
            g.A = box.xMin / 64.0 * Face.Scale;
            g.B = (box.xMax - box.xMin) / 64.0 * Face.Scale;
        }
    } else if (slot->format == FT_GLYPH_FORMAT_BITMAP) {
        g.Advance = slot->advance.x / 64.0 * Face.Scale;
        g.A = slot->bitmap_left * Face.Scale;
        g.B = slot->bitmap.width * Face.Scale;
        g.Colour = slot->bitmap.pixel_mode == FT_PIXEL_MODE_BGRA;
    }
    return g;
}

// A source pixel of a glyph bitmap as premultiplied colour; grey and mono bitmaps are white.
FMX::TAlphaColor SourcePixel(const FT_Bitmap& Bitmap, unsigned X, unsigned Y) {
    const unsigned char* row = Bitmap.buffer + static_cast<ptrdiff_t>(Y) * Bitmap.pitch;
    switch (Bitmap.pixel_mode) {
    case FT_PIXEL_MODE_BGRA:
        return FMX::TAlphaColorRec::Make(row[X * 4 + 3], row[X * 4 + 2], row[X * 4 + 1], row[X * 4]);
    case FT_PIXEL_MODE_GRAY: return TLinuxFontGlyphManagerRTL::CoverageToPixel(row[X], true);
    case FT_PIXEL_MODE_MONO: return (row[X / 8] & (0x80 >> (X % 8))) ? FMX::TAlphaColors::White : 0;
    default: return 0;
    }
}

// The cell being drawn: coverage from outlines and premultiplied colour from bitmap glyphs.
struct TCell {
    int Width, Height;
    std::vector<uint8_t> Coverage;
    std::vector<FMX::TAlphaColor> Colour;
};

// Draws the outline in the slot with its pen at (PenX, Baseline), y downwards.
void DrawOutline(FT_Library Library, FT_GlyphSlot Slot, double PenX, int Baseline, TCell& Cell) {
    std::vector<uint8_t> scratch(Cell.Coverage.size());
    FT_Bitmap target{};
    target.rows = Cell.Height;
    target.width = Cell.Width;
    target.pitch = Cell.Width;
    target.buffer = scratch.data();
    target.num_grays = 256;
    target.pixel_mode = FT_PIXEL_MODE_GRAY;
    // The bitmap's bottom row is at y = 0 in the outline's y-upwards space.
    FT_Outline_Translate(&Slot->outline, static_cast<FT_Pos>(std::lround(PenX * 64)),
                         static_cast<FT_Pos>(Cell.Height - Baseline) * 64);
    FT_Outline_Get_Bitmap(Library, &Slot->outline, &target);
    for (size_t i = 0; i < scratch.size(); ++i) Cell.Coverage[i] = std::max(Cell.Coverage[i], scratch[i]);
}

// Draws the bitmap in the slot scaled by Scale, each cell pixel the area average of the source
// pixels under it.
void DrawBitmap(FT_GlyphSlot Slot, double Scale, double PenX, int Baseline, TCell& Cell) {
    const FT_Bitmap& b = Slot->bitmap;
    if (b.width == 0 || b.rows == 0) return;
    const double left = PenX + Slot->bitmap_left * Scale, top = Baseline - Slot->bitmap_top * Scale;
    const int x0 = std::max(0, static_cast<int>(std::floor(left)));
    const int y0 = std::max(0, static_cast<int>(std::floor(top)));
    const int x1 = std::min(Cell.Width, static_cast<int>(std::ceil(left + b.width * Scale)));
    const int y1 = std::min(Cell.Height, static_cast<int>(std::ceil(top + b.rows * Scale)));
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            // The source rectangle under this pixel, clipped to the bitmap.
            const double sx0 = std::max(0.0, (x - left) / Scale),
                         sx1 = std::min<double>(b.width, (x + 1 - left) / Scale);
            const double sy0 = std::max(0.0, (y - top) / Scale),
                         sy1 = std::min<double>(b.rows, (y + 1 - top) / Scale);
            double sum[4] = {0, 0, 0, 0}, area = 0;
            for (int sy = static_cast<int>(sy0); sy < sy1; ++sy)
                for (int sx = static_cast<int>(sx0); sx < sx1; ++sx) {
                    const double w = (std::min<double>(sx + 1, sx1) - std::max<double>(sx, sx0)) *
                                     (std::min<double>(sy + 1, sy1) - std::max<double>(sy, sy0));
                    const FMX::TAlphaColor c = SourcePixel(b, sx, sy);
                    sum[0] += w * FMX::TAlphaColorRec::A(c);
                    sum[1] += w * FMX::TAlphaColorRec::R(c);
                    sum[2] += w * FMX::TAlphaColorRec::G(c);
                    sum[3] += w * FMX::TAlphaColorRec::B(c);
                    area += w;
                }
            // Pixels only partly over the bitmap are partly covered: divide by the whole pixel's area.
            const double pixelArea = 1 / (Scale * Scale);
            if (area <= 0) continue;
            const auto channel = [&](int k) {
                return static_cast<uint8_t>(std::lround(std::min(255.0, sum[k] / pixelArea)));
            };
            const FMX::TAlphaColor c =
                FMX::TAlphaColorRec::Make(channel(0), channel(1), channel(2), channel(3));
            if (b.pixel_mode == FT_PIXEL_MODE_BGRA) {
                Cell.Colour[static_cast<size_t>(y) * Cell.Width + x] = c;
            } else {
                uint8_t& v = Cell.Coverage[static_cast<size_t>(y) * Cell.Width + x];
                v = std::max(v, FMX::TAlphaColorRec::A(c));
            }
        }
}

// Appends the outline in the slot to Path, pen at (PenX, Baseline), y downwards. FreeType ends each
// contour with a line back to its start; a closed figure does not repeat its start point, so that
// line is held back until it is known not to be the last.
struct TOutlineWriter {
    FMX::TPathData& Path;
    double PenX, Baseline, Scale;
    bool Open = false, HasPendingLine = false;
    FMX::TPointF Start{}, Current{}, PendingLine{};

    FMX::TPointF Point(const FT_Vector* V) const {
        return {static_cast<float>(PenX + V->x / 64.0 * Scale),
                static_cast<float>(Baseline - V->y / 64.0 * Scale)};
    }
    void Flush() {
        if (HasPendingLine) Path.LineTo(PendingLine);
        HasPendingLine = false;
    }
    void Close() {
        if (!Open) return;
        if (HasPendingLine && !(PendingLine == Start)) Path.LineTo(PendingLine);
        HasPendingLine = false;
        Path.ClosePath();
        Open = false;
    }

    static int MoveTo(const FT_Vector* To, void* User) {
        auto& w = *static_cast<TOutlineWriter*>(User);
        w.Close();
        w.Start = w.Current = w.Point(To);
        w.Path.MoveTo(w.Start);
        w.Open = true;
        return 0;
    }
    static int LineTo(const FT_Vector* To, void* User) {
        auto& w = *static_cast<TOutlineWriter*>(User);
        w.Flush();
        w.Current = w.PendingLine = w.Point(To);
        w.HasPendingLine = true;
        return 0;
    }
    // A quadratic (p0, c, p1) is exactly the cubic (p0, p0 + 2/3 (c - p0), p1 + 2/3 (c - p1), p1).
    static int ConicTo(const FT_Vector* Control, const FT_Vector* To, void* User) {
        auto& w = *static_cast<TOutlineWriter*>(User);
        w.Flush();
        const FMX::TPointF p0 = w.Current, c = w.Point(Control), p1 = w.Point(To);
        w.Path.CurveTo(p0 + (c - p0) * (2.0f / 3), p1 + (c - p1) * (2.0f / 3), p1);
        w.Current = p1;
        return 0;
    }
    static int CubicTo(const FT_Vector* Control1, const FT_Vector* Control2, const FT_Vector* To,
                       void* User) {
        auto& w = *static_cast<TOutlineWriter*>(User);
        w.Flush();
        w.Current = w.Point(To);
        w.Path.CurveTo(w.Point(Control1), w.Point(Control2), w.Current);
        return 0;
    }
};

void AppendOutline(const FT_Outline& Outline, double PenX, int Baseline, double Scale, FMX::TPathData& Path) {
    static const FT_Outline_Funcs funcs = {TOutlineWriter::MoveTo,
                                           TOutlineWriter::LineTo,
                                           TOutlineWriter::ConicTo,
                                           TOutlineWriter::CubicTo,
                                           0,
                                           0};
    TOutlineWriter writer{Path, PenX, static_cast<double>(Baseline), Scale};
    FT_Outline_Decompose(const_cast<FT_Outline*>(&Outline), &funcs, &writer);
    writer.Close();
}

} // namespace

std::unique_ptr<FMX::TFontGlyph> TLinuxFontGlyphManagerRTL::DoGetGlyph(const Sys::UCS4String& Chars,
                                                                       FMX::TFontGlyphSettings Settings,
                                                                       bool UseColorfulPalette) {
    using FMX::TFontGlyphSetting;
    using FMX::TFontGlyphStyle;
    std::vector<Sys::UCS4Char> text(Chars.begin(), std::find(Chars.begin(), Chars.end(), Sys::UCS4Char(0)));
    size_t units = 0;
    for (Sys::UCS4Char c : text) units += c > 0xFFFF ? 2 : 1;

    // Measure: the cell is the advance of the whole text by the loaded font's height.
    std::vector<TFace*> faces;
    std::vector<TLoadedGlyph> glyphs;
    double width = 0;
    for (Sys::UCS4Char c : text) {
        TFace* face = F->FaceFor(c);
        faces.push_back(face);
        glyphs.push_back(face ? LoadGlyph(*face, c, true) : TLoadedGlyph{});
        width += glyphs.back().Advance;
        if (face) F->LastGlyphFamily = face->Family;
    }
    const int cx = static_cast<int>(std::min<double>(std::lround(width), MaxPixelSize * 4));
    const int cy = F->Metrics ? static_cast<int>(F->Metrics->Ascent + F->Metrics->Descent) : 0;
    double a = glyphs.empty() ? 0 : glyphs[0].A, b = glyphs.empty() ? 0 : glyphs[0].B;
    double c = glyphs.empty() ? 0 : glyphs[0].Advance - a - b;
    if (units == 1 && IsZeroAdvanceMark(text[0])) c = -(a + b);
    if (units >= 2) {
        a = 0;
        b = cx;
        c = 0;
    }

    F->LastMetrics = {a, b, c, cx, cy};

    const bool wantBitmap = Settings.Contains(TFontGlyphSetting::Bitmap);
    const bool wantPath = Settings.Contains(TFontGlyphSetting::Path);
    FMX::TFontGlyphStyles style;
    if (!HasGlyph(Chars)) style.Include(TFontGlyphStyle::NoGlyph);
    if (wantPath) style.Include(TFontGlyphStyle::HasPath);
    if (UseColorfulPalette) style.Include(TFontGlyphStyle::ColorGlyph);

    // The pen goes floor(A) pixels left of the cell's edge, not trunc(A): a glyph whose ink starts a
    // fraction of a pixel left of its origin would otherwise lose that ink to the cell's edge.
    const int originX = static_cast<int>(std::floor(a));
    const int penStart = -originX;
    TCell cell{0, 0, {}, {}};
    FMX::TPathData path;
    if (wantBitmap || wantPath) {
        const int inkEnd = static_cast<int>(std::ceil(a - originX + b));
        cell.Width = std::clamp(
            std::max(static_cast<int>(std::ceil(std::fabs(a) + std::fabs(b) + std::fabs(c))), inkEnd), cx,
            MaxPixelSize * 4);
        cell.Height = cy;
        cell.Coverage.assign(static_cast<size_t>(cell.Width) * cell.Height, 0);
        cell.Colour.assign(cell.Coverage.size(), 0);
        double pen = penStart;
        for (size_t i = 0; i < text.size(); ++i) {
            if (!faces[i]) continue;
            LoadGlyph(*faces[i], text[i], true);
            FT_GlyphSlot slot = faces[i]->Face->glyph;
            if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
                if (wantPath) AppendOutline(slot->outline, pen, FBaseline, faces[i]->Scale, path);
                if (wantBitmap && cell.Width > 0 && cell.Height > 0)
                    DrawOutline(F->Library, slot, pen, FBaseline, cell);
            } else if (slot->format == FT_GLYPH_FORMAT_BITMAP && wantBitmap) {
                DrawBitmap(slot, faces[i]->Scale, pen, FBaseline, cell);
            }
            pen += glyphs[i].Advance;
        }
    }
    // A colour bitmap is drawn as it is: tinting it with the text colour would spoil it.
    if (std::any_of(glyphs.begin(), glyphs.end(), [](const TLoadedGlyph& g) { return g.Colour; }))
        style.Include(TFontGlyphStyle::ColorGlyph);

    auto glyph = std::make_unique<FMX::TFontGlyph>(FMX::TPoint{originX, 0}, static_cast<float>(a + b + c),
                                                   static_cast<float>(cy), style);
    if (wantPath) glyph->Path() = std::move(path);
    if (wantBitmap && cell.Width > 0 && cell.Height > 0) {
        const bool premultiplied = Settings.Contains(TFontGlyphSetting::PremultipliedAlpha);
        FMX::TBitmap& bitmap = glyph->Bitmap();
        bitmap.SetSize(cell.Width, cell.Height);
        FMX::TBitmapData data;
        bitmap.Map(FMX::TMapAccess::Write, data);
        for (int y = 0; y < cell.Height; ++y)
            for (int x = 0; x < cell.Width; ++x) {
                const size_t i = static_cast<size_t>(y) * cell.Width + x;
                FMX::TAlphaColor pixel = CoverageToPixel(cell.Coverage[i], premultiplied);
                if (cell.Colour[i] != 0)
                    pixel = premultiplied ? cell.Colour[i] : FMX::UnpremultiplyAlpha(cell.Colour[i]);
                data.SetPixel(x, y, pixel);
            }
        bitmap.Unmap(data);
    }
    return glyph;
}

} // namespace Zarvel
