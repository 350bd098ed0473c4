// The glyph manager: font switching, colour-character handlers, HasGlyph, and the FreeType
// rasteriser's metrics, bitmaps and outlines for fonts of the Debian font packages.
#include "RTL.FontGlyphs.Linux.h"
#include "System.Character.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Zarvel;
using FMX::TFontGlyphSetting;
using FMX::TFontGlyphStyle;

namespace {

Sys::UCS4String Chars(std::u32string_view Text) {
    Sys::UCS4String s(Text.begin(), Text.end());
    s.push_back(0);
    return s;
}

FMX::TFont Font(const char16_t* Family, float Size = 20) {
    FMX::TFont font;
    font.SetFamily(Family);
    font.SetSize(Size);
    return font;
}

// Counts the platform font loads and keeps the settings each load saw.
class TCountingManager : public TFontGlyphManagerRTL {
public:
    ~TCountingManager() override { FreeResource(); }
    int Loads = 0, Frees = 0;

protected:
    void LoadResource() override { ++Loads; }
    void FreeResource() override { ++Frees; }
    std::unique_ptr<FMX::TFontGlyph> DoGetGlyph(const Sys::UCS4String&, FMX::TFontGlyphSettings,
                                                bool UseColorfulPalette) override {
        FMX::TFontGlyphStyles style;
        if (UseColorfulPalette) style.Include(TFontGlyphStyle::ColorGlyph);
        return std::make_unique<FMX::TFontGlyph>(FMX::TPoint{}, 1.0f, 1.0f, style);
    }
    float DoGetBaseline() override { return 7; }
};

// Restores the handler list a test changes.
struct THandlersGuard {
    std::vector<TFontGlyphManagerRTL::TMethodDescriptor> Saved = TFontGlyphManagerRTL::FMethods;
    THandlersGuard() { TFontGlyphManagerRTL::FMethods.clear(); }
    ~THandlersGuard() { TFontGlyphManagerRTL::FMethods = Saved; }
};

bool AnswerTrue(const Sys::UCS4String&) {
    return true;
}
bool AnswerFalse(const Sys::UCS4String&) {
    return false;
}
bool IsEmojiBlock(const Sys::UCS4String& Chars) {
    return GetAsChar(Chars) >= 0x1F300;
}

} // namespace

TEST(FontGlyphs, IsCharAndGetAsChar) {
    EXPECT_TRUE(IsChar(Chars(U"a")));
    EXPECT_FALSE(IsChar(Chars(U"ab")));
    EXPECT_FALSE(IsChar(Chars(U"")));
    EXPECT_EQ(GetAsChar(Chars(U"\U0001F600x")), U'\U0001F600');
}

TEST(FontGlyphs, HasGlyph) {
    const struct {
        std::u32string_view Text;
        bool Expected;
    } cases[] = {{U" ", false}, {U"\u00A0", false}, {U"\u3000", false},
                 {U"a", true},  {U"  ", true},      {U"\u0628", true}};
    for (const auto& c : cases)
        EXPECT_EQ(TFontGlyphManagerRTL::HasGlyph(Chars(c.Text)), c.Expected)
            << int(c.Text[0]) << " " << c.Text.size();
}

TEST(FontGlyphs, FontSwitchingIgnoresCaseAndTinyDifferences) {
    TCountingManager m;
    const auto glyph = [&](const FMX::TFont& f, float scale) {
        return m.GetGlyph(Chars(U"a"), f, scale, {});
    };
    glyph(Font(u"DejaVu Sans", 12), 1);
    EXPECT_EQ(m.Loads, 1);
    glyph(Font(u"dejavu SANS", 12.005f), 1.00005f); // the same font
    EXPECT_FLOAT_EQ(m.GetBaseline(Font(u"DEJAVU SANS", 12), 1), 7);
    EXPECT_EQ(m.Loads, 1);
    EXPECT_EQ(m.CurrentSettings().Family, u"DejaVu Sans");

    glyph(Font(u"DejaVu Sans", 12.02f), 1);
    glyph(Font(u"DejaVu Sans", 12.02f), 2);
    FMX::TFont bold = Font(u"DejaVu Sans", 12.02f);
    bold.SetStyle({FMX::TFontStyle::fsBold});
    glyph(bold, 2);
    glyph(Font(u"Noto Naskh Arabic", 12.02f), 2);
    EXPECT_EQ(m.Loads, 5);
    EXPECT_EQ(m.Frees, 5); // every load is preceded by a release
    EXPECT_EQ(m.CurrentSettings().Family, u"Noto Naskh Arabic");
    EXPECT_FLOAT_EQ(m.CurrentSettings().Scale, 2);
}

TEST(FontGlyphs, ColourHandlersInRegistrationOrder) {
    using M = TFontGlyphManagerRTL;
    const struct {
        const char* Name;
        std::vector<M::TMethodDescriptor> Handlers;
        bool Expected;
    } cases[] = {
        {"no handler", {}, false},
        {"plain handlers are ORed", {{AnswerFalse, false}, {AnswerTrue, false}, {AnswerFalse, false}}, true},
        {"a later override replaces a true answer", {{AnswerTrue, false}, {AnswerFalse, true}}, false},
        {"an earlier override is ORed over", {{AnswerFalse, true}, {AnswerTrue, false}}, true},
        {"the last override wins", {{AnswerFalse, true}, {AnswerTrue, true}}, true},
    };
    TCountingManager m;
    for (const auto& c : cases) {
        THandlersGuard guard;
        for (const auto& h : c.Handlers) M::RegisterCharacterHandleMethod(h.Method, h.OverrideValue);
        EXPECT_EQ(m.IsColorfulCharacter(Chars(U"a")), c.Expected) << c.Name;
        const auto glyph = m.GetGlyph(Chars(U"a"), Font(u"DejaVu Sans"), 1, {});
        EXPECT_EQ(glyph->Style().Contains(TFontGlyphStyle::ColorGlyph), c.Expected) << c.Name;
    }
}

TEST(FontGlyphs, UnregisteringRemovesTheFirstEntryOnly) {
    using M = TFontGlyphManagerRTL;
    THandlersGuard guard;
    M::RegisterCharacterHandleMethod(AnswerTrue, false);
    M::RegisterCharacterHandleMethod(IsEmojiBlock, true);
    M::RegisterCharacterHandleMethod(AnswerTrue, false);
    M::UnRegisterCharacterHandleMethod(AnswerTrue);
    ASSERT_EQ(M::FMethods.size(), 2u);
    EXPECT_EQ(M::FMethods[0].Method, IsEmojiBlock);
    EXPECT_EQ(M::FMethods[1].Method, AnswerTrue);
    M::UnRegisterCharacterHandleMethod(AnswerFalse); // not registered: nothing happens
    EXPECT_EQ(M::FMethods.size(), 2u);
}

TEST(FontGlyphs, TheProcessManagerIsThisPlatformsRasteriser) {
    const bool createdHere = TFontGlyphManagerRTL::FCurrentManager == nullptr;
    TFontGlyphManagerRTL::ClassInitialize(); // the package unit's call; a second one changes nothing
    TFontGlyphManagerRTL* manager = TFontGlyphManagerRTL::FCurrentManager;
    ASSERT_NE(dynamic_cast<TLinuxFontGlyphManagerRTL*>(manager), nullptr);
    TFontGlyphManagerRTL::ClassInitialize();
    EXPECT_EQ(TFontGlyphManagerRTL::FCurrentManager, manager);
    if (createdHere) {
        TFontGlyphManagerRTL::ClassFinalize();
        EXPECT_EQ(TFontGlyphManagerRTL::FCurrentManager, nullptr);
    }
}

namespace {

// The rasteriser measured through a glyph manager of its own, so the process one is left alone.
class LinuxGlyphs : public ::testing::Test {
protected:
    TLinuxFontGlyphManagerRTL Manager;
    std::unique_ptr<FMX::TFontGlyph> Glyph(std::u32string_view Text, const char16_t* Family = u"DejaVu Sans",
                                           float Size = 20, FMX::TFontGlyphSettings Settings = {}) {
        return Manager.GetGlyph(Chars(Text), Font(Family, Size), 1, Settings);
    }
};

// Fills the path's figures with the non-zero rule, 16 x 16 samples per pixel, after flattening each
// cubic into short lines: the coverage the outline stands for, computed without FreeType.
std::vector<double> FillCoverage(const FMX::TPathData& Path, int Width, int Height) {
    std::vector<std::pair<FMX::TPointF, FMX::TPointF>> edges;
    FMX::TPointF current{}, start{};
    for (size_t i = 0; i < Path.Count(); ++i) {
        const FMX::TPathPoint& p = Path[i];
        switch (p.Kind) {
        case FMX::TPathPointKind::MoveTo: current = start = p.Point; break;
        case FMX::TPathPointKind::LineTo:
            edges.push_back({current, p.Point});
            current = p.Point;
            break;
        case FMX::TPathPointKind::CurveTo: {
            const FMX::TPointF p0 = current, c1 = Path[i].Point, c2 = Path[i + 1].Point,
                               p3 = Path[i + 2].Point;
            for (int k = 1; k <= 32; ++k) {
                const float t = k / 32.0f, u = 1 - t;
                const FMX::TPointF q =
                    p0 * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + p3 * (t * t * t);
                edges.push_back({current, q});
                current = q;
            }
            i += 2;
            break;
        }
        case FMX::TPathPointKind::Close:
            edges.push_back({current, start});
            current = start;
            break;
        }
    }
    constexpr int n = 16;
    std::vector<double> coverage(static_cast<size_t>(Width) * Height, 0);
    for (int y = 0; y < Height * n; ++y) {
        const float sy = (y + 0.5f) / n;
        std::vector<std::pair<float, int>> crossings;
        for (const auto& [a, b] : edges)
            if ((a.Y <= sy) != (b.Y <= sy))
                crossings.push_back({a.X + (sy - a.Y) / (b.Y - a.Y) * (b.X - a.X), a.Y < b.Y ? 1 : -1});
        std::sort(crossings.begin(), crossings.end());
        for (int x = 0; x < Width * n; ++x) {
            const float sx = (x + 0.5f) / n;
            int winding = 0;
            for (const auto& [cx, dir] : crossings)
                if (cx < sx) winding += dir;
            if (winding != 0) coverage[static_cast<size_t>(y / n) * Width + x / n] += 1.0 / (n * n);
        }
    }
    return coverage;
}

} // namespace

TEST_F(LinuxGlyphs, FamiliesAreFoundByNameWithoutRegardToCase) {
    Glyph(U"a", u"dejavu sans");
    EXPECT_EQ(Manager.LoadedFamily(), u"dejavu sans");
    EXPECT_EQ(Manager.LastGlyphFamily(), u"DejaVu Sans");
    Glyph(U"\u0628", u"Noto Naskh Arabic");
    EXPECT_EQ(Manager.LastGlyphFamily(), u"Noto Naskh Arabic");
}

TEST_F(LinuxGlyphs, AMissingFamilyFallsBackToAFontThatCoversTheCharacter) {
    const auto glyph = Glyph(U"A", u"No Such Family Zarvel", 20, {TFontGlyphSetting::Bitmap});
    EXPECT_TRUE(Manager.LoadedFamily().empty());
    EXPECT_FALSE(Manager.LastGlyphFamily().empty());
    EXPECT_GT(glyph->Advance(), 5);
    EXPECT_GT(Manager.GetBaseline(Font(u"No Such Family Zarvel"), 1), 10);
    // A character the requested font lacks comes from another font, on the requested baseline.
    Glyph(U"\U0001F9D1", u"DejaVu Sans");
    EXPECT_NE(Manager.LastGlyphFamily(), u"DejaVu Sans");
}

TEST_F(LinuxGlyphs, MetricsOfLettersSpacesMarksAndSupplementaryCharacters) {
    // DejaVu Sans at 20 pixels: ascent ceil(0.928 em), descent ceil(0.236 em).
    EXPECT_FLOAT_EQ(Manager.GetBaseline(Font(u"DejaVu Sans"), 1), 19);
    const auto a = Glyph(U"a");
    EXPECT_NEAR(a->Advance(), 20 * 1255 / 2048.0, 0.01); // the font's own advance, unrounded
    EXPECT_EQ(a->VerticalAdvance(), 24);
    EXPECT_FALSE(a->Style().Contains(TFontGlyphStyle::NoGlyph));
    EXPECT_TRUE(a->Bitmap().IsEmpty()); // nothing was asked for

    const auto space = Glyph(U" ");
    EXPECT_TRUE(space->Style().Contains(TFontGlyphStyle::NoGlyph));
    EXPECT_NEAR(space->Advance(), 20 * 651 / 2048.0, 0.01);

    // Fatha and shadda with fatha stack on their letter; shadda with damma's sibling U+FC63 advances.
    for (const char32_t c : {U'\uFE76', U'\uFC60'}) {
        const auto mark = Glyph(std::u32string(1, c), u"DejaVu Sans", 20, {TFontGlyphSetting::Bitmap});
        EXPECT_EQ(mark->Advance(), 0) << int(c);
        EXPECT_FALSE(mark->Bitmap().IsEmpty()) << int(c);
    }
    // A text of two units is measured as one box of the font's own advances: the font gives the
    // fatha a width, which the single mark loses. U+FC63 keeps what its font gives it.
    EXPECT_GT(Glyph(U"\uFE76\uFE76")->Advance(), 4);
    for (const char16_t* family : {u"DejaVu Sans", u"Noto Naskh Arabic"})
        EXPECT_NEAR(Glyph(U"\uFC63", family)->Advance(), Glyph(U"\uFC63\uFC63", family)->Advance() / 2, 0.5);

    // Two UTF-16 units make one box: A = 0 and C = 0, so the origin is 0 and the advance the width.
    const auto wide = Glyph(U"\U0001F600", u"Noto Color Emoji", 20, {TFontGlyphSetting::Bitmap});
    EXPECT_EQ(wide->Origin(), (FMX::TPoint{0, 0}));
    EXPECT_EQ(wide->Advance(), std::round(wide->Advance()));
    EXPECT_GT(wide->Advance(), 15);
    EXPECT_GE(wide->Bitmap().Width(), static_cast<int>(wide->Advance()));
}

TEST_F(LinuxGlyphs, CoverageBecomesWhiteWithAlphaOrPremultipliedAlpha) {
    // Half coverage is what a grey of luminance 128 on white leaves: alpha 127.
    EXPECT_EQ(TLinuxFontGlyphManagerRTL::CoverageToPixel(127, true), 0x7F7F7F7Fu);
    EXPECT_EQ(TLinuxFontGlyphManagerRTL::CoverageToPixel(127, false), 0x7FFFFFFFu);
    EXPECT_EQ(TLinuxFontGlyphManagerRTL::CoverageToPixel(0, false), 0u);
    EXPECT_EQ(TLinuxFontGlyphManagerRTL::CoverageToPixel(255, false), 0xFFFFFFFFu);

    const auto straight = Glyph(U"\uFE91", u"DejaVu Sans", 30, {TFontGlyphSetting::Bitmap});
    const auto premultiplied = Glyph(U"\uFE91", u"DejaVu Sans", 30,
                                     {TFontGlyphSetting::Bitmap, TFontGlyphSetting::PremultipliedAlpha});
    const FMX::TBitmap &s = straight->Bitmap(), &p = premultiplied->Bitmap();
    ASSERT_EQ(s.Width(), p.Width());
    ASSERT_EQ(s.Height(), p.Height());
    int inked = 0, partial = 0;
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const uint8_t alpha = FMX::TAlphaColorRec::A(p.Pixel(x, y));
            EXPECT_EQ(p.Pixel(x, y), TLinuxFontGlyphManagerRTL::CoverageToPixel(alpha, true));
            EXPECT_EQ(s.Pixel(x, y), TLinuxFontGlyphManagerRTL::CoverageToPixel(alpha, false));
            inked += alpha > 0;
            partial += alpha > 0 && alpha < 255;
        }
    EXPECT_GT(inked, 20);
    EXPECT_GT(partial, 5); // antialiased
}

TEST_F(LinuxGlyphs, TheOutlineIsTheShapeOfTheBitmap) {
    for (const std::u32string_view text : {std::u32string_view(U"g"), std::u32string_view(U"\uFEB4"),
                                           std::u32string_view(U"\u05E9"), std::u32string_view(U"@")}) {
        const auto glyph =
            Glyph(text, u"DejaVu Sans", 32, {TFontGlyphSetting::Bitmap, TFontGlyphSetting::Path});
        const FMX::TBitmap& bitmap = glyph->Bitmap();
        const FMX::TPathData& path = glyph->Path();
        ASSERT_FALSE(path.IsEmpty());
        EXPECT_TRUE(glyph->Style().Contains(TFontGlyphStyle::HasPath));
        EXPECT_EQ(path[0].Kind, FMX::TPathPointKind::MoveTo);
        EXPECT_EQ(path[path.Count() - 1].Kind, FMX::TPathPointKind::Close);
        // A closed figure does not repeat its start as a line.
        for (size_t i = 1; i < path.Count(); ++i)
            if (path[i].Kind == FMX::TPathPointKind::Close) {
                EXPECT_FALSE(path[i - 1].Point == path[i].Point &&
                             path[i - 1].Kind == FMX::TPathPointKind::LineTo);
            }
        // Device pixels, y downwards from the cell's top-left: the ink lies in the cell.
        const FMX::TRectF bounds = path.GetBounds();
        EXPECT_GE(bounds.Left, -0.01f);
        EXPECT_GE(bounds.Top, -0.01f);
        EXPECT_LE(bounds.Right, bitmap.Width() + 0.01f);
        EXPECT_LE(bounds.Bottom, bitmap.Height() + 0.01f);

        const std::vector<double> expected = FillCoverage(path, bitmap.Width(), bitmap.Height());
        double difference = 0, ink = 0;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x) {
                const double actual = FMX::TAlphaColorRec::A(bitmap.Pixel(x, y)) / 255.0;
                const double want = expected[static_cast<size_t>(y) * bitmap.Width() + x];
                EXPECT_NEAR(actual, want, 0.15)
                    << "pixel " << x << "," << y << " of U+" << std::hex << int(text[0]);
                difference += std::fabs(actual - want);
                ink += want;
            }
        EXPECT_GT(ink, 20);
        EXPECT_LT(difference / ink, 0.03);
    }
}

TEST_F(LinuxGlyphs, ColourFontsGiveAColourBitmapAtTheRequestedSize) {
    const auto glyph = Glyph(U"\U0001F600", u"Noto Color Emoji", 24, {TFontGlyphSetting::Bitmap});
    EXPECT_EQ(Manager.LastGlyphFamily(), u"Noto Color Emoji");
    EXPECT_TRUE(glyph->Style().Contains(TFontGlyphStyle::ColorGlyph));
    const FMX::TBitmap& bitmap = glyph->Bitmap();
    // The font's one strike is 109 pixels; the glyph comes scaled to about the asked 24.
    EXPECT_LT(bitmap.Height(), 40);
    EXPECT_GT(bitmap.Height(), 20);
    int coloured = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            const FMX::TAlphaColor c = bitmap.Pixel(x, y);
            const uint8_t r = FMX::TAlphaColorRec::R(c), g = FMX::TAlphaColorRec::G(c),
                          b = FMX::TAlphaColorRec::B(c);
            coloured += FMX::TAlphaColorRec::A(c) == 255 && (r != g || g != b);
        }
    EXPECT_GT(coloured, 100); // the yellow face
}
