#include "RTL.FontGlyphs.h"

#include "RTL.FontGlyphs.Linux.h"
#include "System.Character.h"

#include <algorithm>
#include <cmath>

namespace Zarvel {

bool IsChar(const Sys::UCS4String& Chars) {
    return Chars.size() == 2;
}

Sys::UCS4Char GetAsChar(const Sys::UCS4String& Chars) {
    return Chars.empty() ? 0 : Chars[0];
}

bool SameFontFamily(const Sys::string& A, const Sys::string& B) {
    if (A.size() != B.size()) return false;
    for (size_t i = 0; i < A.size(); ++i)
        if (A[i] != B[i] && Sys::TCharacter::ToLower(A[i]) != Sys::TCharacter::ToLower(B[i])) return false;
    return true;
}

TFontGlyphManagerRTL* TFontGlyphManagerRTL::FCurrentManager = nullptr;
std::vector<TFontGlyphManagerRTL::TMethodDescriptor> TFontGlyphManagerRTL::FMethods;
std::unordered_map<Sys::string, TFontGlyphManagerRTL::TRTLFontResInfo> TFontGlyphManagerRTL::FFontsList;

void TFontGlyphManagerRTL::ClassInitialize() {
    if (!FCurrentManager) FCurrentManager = new TLinuxFontGlyphManagerRTL();
}

void TFontGlyphManagerRTL::ClassFinalize() {
    FMethods.clear();
    delete FCurrentManager;
    FCurrentManager = nullptr;
    FFontsList.clear();
}

void TFontGlyphManagerRTL::SwitchFont(const FMX::TFont& Font, float Scale) {
    const bool same = SameFontFamily(FCurrentSettings.Family, Font.Family()) &&
                      std::fabs(FCurrentSettings.Size - Font.Size()) < 0.01f &&
                      FCurrentSettings.Style == Font.StyleExt() &&
                      std::fabs(FCurrentSettings.Scale - Scale) < 0.0001f;
    if (same) return;
    FreeResource();
    FCurrentSettings.Family = Font.Family();
    FCurrentSettings.Size = Font.Size();
    FCurrentSettings.Style = Font.StyleExt();
    FCurrentSettings.Scale = Scale;
    LoadResource();
}

std::unique_ptr<FMX::TFontGlyph> TFontGlyphManagerRTL::GetGlyph(const Sys::UCS4String& Chars,
                                                                const FMX::TFont& Font, float Scale,
                                                                FMX::TFontGlyphSettings Settings) {
    SwitchFont(Font, Scale);
    return DoGetGlyph(Chars, Settings, IsColorfulCharacter(Chars));
}

float TFontGlyphManagerRTL::GetBaseline(const FMX::TFont& Font, float Scale) {
    SwitchFont(Font, Scale);
    return DoGetBaseline();
}

bool TFontGlyphManagerRTL::HasGlyph(const Sys::UCS4String& Chars) {
    return !(Chars.size() < 3 && !Chars.empty() && Sys::TCharacter::IsWhiteSpace(Chars[0]));
}

bool TFontGlyphManagerRTL::IsColorfulCharacter(const Sys::UCS4String& Chars) {
    bool result = false;
    for (const TMethodDescriptor& d : FMethods) {
        const bool answer = d.Method(Chars);
        result = d.OverrideValue ? answer : (result || answer);
    }
    return result;
}

void TFontGlyphManagerRTL::RegisterCharacterHandleMethod(TCharacterHandleFunction Method,
                                                         bool OverrideValue) {
    FMethods.push_back(TMethodDescriptor::Create(Method, OverrideValue));
}

void TFontGlyphManagerRTL::UnRegisterCharacterHandleMethod(TCharacterHandleFunction Method) {
    const auto it = std::find_if(FMethods.begin(), FMethods.end(),
                                 [&](const TMethodDescriptor& d) { return d.Method == Method; });
    if (it != FMethods.end()) FMethods.erase(it);
}

} // namespace Zarvel
