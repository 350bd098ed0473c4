#include "RTL.TextLayout.h"

#include "FMX.Forms.h"
#include "System.Character.h"
#include "Unicode.Engine.Types.h"

#include <optional>

namespace Zarvel {

const Sys::TClassRecord* TRTLTextLayoutHelper::GPULayoutClass = nullptr;

namespace {

// The direction state of a right-to-left layout, or null for any other layout. The check is made
// on every access, as a layout's class never changes but the GPU class may be set later.
TRTLTextLayoutFields* DirectionFields(FMX::TTextLayout& Layout) {
    const Sys::TClassRecord* gpu = TRTLTextLayoutHelper::GPULayoutClass;
    const bool rtlLayout =
        (gpu && Layout.InheritsFrom(*gpu)) || Layout.ClassName() == TRTLTextLayoutHelper::D2DLayoutClassName;
    return rtlLayout ? Layout.Fields<TRTLTextLayoutFields>() : nullptr;
}

[[noreturn]] void NotDefined(const char16_t* Property, FMX::TTextLayout& Layout) {
    throw Sys::Exception(Sys::Format(Sys::string(Property) + u" for %s layout is not defined",
                                     {Sys::Utf8ToString(Layout.ClassName())}));
}

// The direction of the first deciding character: a right-to-left one, or a letter or U+200E.
std::optional<bool> FirstDecidingDirection(const Sys::string& Text) {
    for (size_t i = 0; i < Text.size(); ++i) {
        const char16_t c = Text[i];
        if (TDirectiveChars::IsRTL(c)) return true;
        if (c == u'\u200E' || Sys::TCharacter::IsLetter(Sys::CodePointAt(Text, i))) return false;
    }
    return std::nullopt;
}

} // namespace

TBidiSelectionType TRTLTextLayoutHelper::GetManualBidi(FMX::TTextLayout& Layout) {
    if (auto* fields = DirectionFields(Layout)) return fields->BidiSelectionType;
    NotDefined(u"BidiSelectionType", Layout);
}

void TRTLTextLayoutHelper::SetManualBidi(FMX::TTextLayout& Layout, TBidiSelectionType Value) {
    if (auto* fields = DirectionFields(Layout)) fields->BidiSelectionType = Value;
}

float TRTLTextLayoutHelper::GetTabSize(FMX::TTextLayout& Layout) {
    if (auto* fields = DirectionFields(Layout)) return fields->TabSize;
    NotDefined(u"TabSize", Layout);
}

void TRTLTextLayoutHelper::SetTabSize(FMX::TTextLayout& Layout, float Value) {
    if (auto* fields = DirectionFields(Layout)) fields->TabSize = Value;
}

TTextResizeMode TRTLTextLayoutHelper::GetResizeMode(FMX::TTextLayout& Layout) {
    if (auto* fields = DirectionFields(Layout)) return fields->ResizeMode;
    NotDefined(u"ResizeMode", Layout);
}

void TRTLTextLayoutHelper::SetResizeMode(FMX::TTextLayout& Layout, TTextResizeMode Value) {
    if (auto* fields = DirectionFields(Layout)) fields->ResizeMode = Value;
}

FMX::TSizeF TRTLTextLayoutHelper::GetDefaultSize(FMX::TTextLayout& Layout) {
    if (auto* fields = DirectionFields(Layout)) return fields->DefaultSize;
    return {};
}

void TRTLTextLayoutHelper::SetDefaultSize(FMX::TTextLayout& Layout, FMX::TSizeF Value) {
    if (auto* fields = DirectionFields(Layout)) fields->DefaultSize = Value;
}

void TRTLTextLayoutHelper::UpdateRightToLeft(FMX::TTextLayout& Layout, TBidiSelectionType SelectionType) {
    if (SelectionType == TBidiSelectionType::btManual) return;
    const FMX::TCommonCustomForm* form = FMX::Screen ? FMX::Screen->ActiveForm() : nullptr;
    const bool fallback = form && form->BiDiMode != FMX::TBiDiMode::bdLeftToRight;
    Layout.SetRightToLeft(FirstDecidingDirection(Layout.Text()).value_or(fallback));
}

TDirectionContext TRTLTextLayoutHelper::GetDirectionContext(FMX::TTextLayout&, const Sys::string& Text) {
    return FirstDecidingDirection(Text).value_or(false) ? TDirectionContext::RightToLeft
                                                        : TDirectionContext::LeftToRight;
}

} // namespace Zarvel
