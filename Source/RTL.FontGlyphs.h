// The library's own glyph manager: one character of one font at one scale becomes a glyph, with a
// one-font cache, the registered handlers that decide which characters are colour glyphs, and the
// table of application fonts. The platform's rasteriser is a subclass.
#pragma once

#include "FMX.Graphics.h"
#include "System.Types.h"

#include <memory>
#include <unordered_map>
#include <vector>

namespace Zarvel {

// True when the UCS-4 string (ending in its 0 element) holds exactly one code point.
bool IsChar(const Sys::UCS4String& Chars);
// Its first code point.
Sys::UCS4Char GetAsChar(const Sys::UCS4String& Chars);

struct TFontGlyphAdvanceInfo {
    FMX::TPoint FOrigin;
    float FAdvance = 0;
    float FVerticalAdvance = 0;
    TFontGlyphAdvanceInfo() = default;
    explicit TFontGlyphAdvanceInfo(const FMX::TFontGlyph& Glyph)
        : FOrigin(Glyph.Origin()), FAdvance(Glyph.Advance()), FVerticalAdvance(Glyph.VerticalAdvance()) {}
};

enum class TRTLResourceType : uint8_t { AppResource, File, ResFile };

class TFontGlyphManagerRTL {
public:
    using TCharacterHandleFunction = bool (*)(const Sys::UCS4String& Chars);

    struct TMethodDescriptor {
        TCharacterHandleFunction Method = nullptr;
        bool OverrideValue = false;
        static TMethodDescriptor Create(TCharacterHandleFunction Method, bool OverrideValue) {
            return {Method, OverrideValue};
        }
    };

    struct TRTLFontResInfo {
        TRTLResourceType ResourceType = TRTLResourceType::AppResource;
        Sys::string ResString; // resource name or file path
        bool RequireFontRenderer = false;
    };

    // A subclass's destructor releases its platform font itself: a base destructor cannot reach the
    // subclass's FreeResource.
    virtual ~TFontGlyphManagerRTL() = default;

    // The caller owns the glyph.
    std::unique_ptr<FMX::TFontGlyph> GetGlyph(const Sys::UCS4String& Chars, const FMX::TFont& Font,
                                              float Scale, FMX::TFontGlyphSettings Settings);
    float GetBaseline(const FMX::TFont& Font, float Scale);

    // False exactly for a single white-space character.
    static bool HasGlyph(const Sys::UCS4String& Chars);
    virtual bool IsColorfulCharacter(const Sys::UCS4String& Chars);

    // Duplicates are kept: the order of override handlers matters.
    static void RegisterCharacterHandleMethod(TCharacterHandleFunction Method, bool OverrideValue);
    // Removes the first registration of Method, if any.
    static void UnRegisterCharacterHandleMethod(TCharacterHandleFunction Method);

    const FMX::TFontSettings& CurrentSettings() const { return FCurrentSettings; }

    // The one manager of the process, created as this platform's subclass by ClassInitialize.
    static TFontGlyphManagerRTL* FCurrentManager;
    static std::vector<TMethodDescriptor> FMethods;
    // Application fonts by family name, filled by RegisterFont; the manager itself does not read it.
    static std::unordered_map<Sys::string, TRTLFontResInfo> FFontsList;

    static void ClassInitialize();
    static void ClassFinalize();

protected:
    virtual void LoadResource() = 0;
    virtual void FreeResource() = 0;
    virtual std::unique_ptr<FMX::TFontGlyph>
    DoGetGlyph(const Sys::UCS4String& Chars, FMX::TFontGlyphSettings Settings, bool UseColorfulPalette) = 0;
    virtual float DoGetBaseline() = 0;

    FMX::TFontSettings FCurrentSettings;

private:
    void SwitchFont(const FMX::TFont& Font, float Scale);
};

// Family names compare without regard to case.
bool SameFontFamily(const Sys::string& A, const Sys::string& B);

} // namespace Zarvel
