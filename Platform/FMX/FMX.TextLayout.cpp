#include "FMX.TextLayout.h"

#include "System.SysUtils.h"

namespace FMX {

namespace {

[[noreturn]] void Abstract() {
    throw Sys::EAbstractError(u"Abstract Error");
}

void AbstractRender(Sys::TObject&) {
    Abstract();
}
void AbstractDraw(Sys::TObject&, TCanvas*) {
    Abstract();
}
float AbstractFloat(Sys::TObject&) {
    Abstract();
}
TRectF AbstractRect(Sys::TObject&) {
    Abstract();
}
int32_t AbstractPosition(Sys::TObject&, TPointF) {
    Abstract();
}
std::vector<TRectF> AbstractRegion(Sys::TObject&, TTextRange) {
    Abstract();
}

} // namespace

const Sys::TClassRecord& TTextLayout::ClassRecord() {
    static const Sys::TClassRecord record{"TTextLayout",
                                          "FMX.TextLayout",
                                          nullptr,
                                          sizeof(TTextLayout),
                                          nullptr, // abstract: no factory
                                          nullptr,
                                          {Sys::CodePointer(AbstractRender), Sys::CodePointer(AbstractDraw),
                                           Sys::CodePointer(AbstractFloat), Sys::CodePointer(AbstractFloat),
                                           Sys::CodePointer(AbstractRect), Sys::CodePointer(AbstractPosition),
                                           Sys::CodePointer(AbstractRegion)},
                                          {}};
    return record;
}

TTextLayout::TTextLayout(const Sys::TClassRecord& Class, TCanvas* ACanvas)
    : Sys::TObject(Class), FCanvas(ACanvas) {
    // A change of font lays the text out again, like any other change.
    FFont.OnChanged = [this](TFont&) { Changed(); };
}

void TTextLayout::EndUpdate() {
    if (FUpdating > 0 && --FUpdating == 0) RenderLayout();
}

void TTextLayout::Changed() {
    FNeedUpdate = true;
    RenderLayout();
}

void TTextLayout::RenderLayout() {
    if (FUpdating == 0 && FNeedUpdate) RenderLayoutNow();
}

void TTextLayout::RenderLayoutNow() {
    FNeedUpdate = false;
    Dispatch<void>(DoRenderLayoutSlot);
}

void TTextLayout::RenderLayoutLater() {
    FNeedUpdate = true;
}

#define ZARVEL_SETTER(Name, Field, Type)                                                                     \
    void TTextLayout::Set##Name(Type Value) {                                                                \
        if (Field == Value) return;                                                                          \
        Field = Value;                                                                                       \
        Changed();                                                                                           \
    }

ZARVEL_SETTER(Text, FText, const Sys::string&)
ZARVEL_SETTER(Color, FColor, TAlphaColor)
ZARVEL_SETTER(WordWrap, FWordWrap, bool)
ZARVEL_SETTER(HorizontalAlign, FHorizontalAlign, TTextAlign)
ZARVEL_SETTER(VerticalAlign, FVerticalAlign, TTextAlign)
ZARVEL_SETTER(Padding, FPadding, const TBounds&)
ZARVEL_SETTER(MaxSize, FMaxSize, TPointF)
ZARVEL_SETTER(TopLeft, FTopLeft, TPointF)
ZARVEL_SETTER(Opacity, FOpacity, float)
ZARVEL_SETTER(Trimming, FTrimming, TTextTrimming)
ZARVEL_SETTER(RightToLeft, FRightToLeft, bool)

#undef ZARVEL_SETTER

void TTextLayout::AddAttribute(TTextRange Range, const TTextAttribute& Attribute) {
    FAttributes.emplace_back(Range, Attribute);
    Changed();
}

void TTextLayout::ClearAttributes() {
    if (FAttributes.empty()) return;
    FAttributes.clear();
    Changed();
}

} // namespace FMX
