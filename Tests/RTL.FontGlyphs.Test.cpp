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
    TFontGlyphManagerRTL::ClassInitialize(); // the package unit's call; a second one changes nothing
    TFontGlyphManagerRTL* manager = TFontGlyphManagerRTL::FCurrentManager;
    ASSERT_NE(dynamic_cast<TLinuxFontGlyphManagerRTL*>(manager), nullptr);
    TFontGlyphManagerRTL::ClassInitialize();
    EXPECT_EQ(TFontGlyphManagerRTL::FCurrentManager, manager);
}
