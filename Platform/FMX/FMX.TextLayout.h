// The text layout base: the text, font, colour, alignment, padding, size and direction a control
// gives it, the update mechanism (changes made between BeginUpdate and EndUpdate lay the text out
// once, at the end), and its overridable operations, dispatched through its class record so that a
// class generated at run time can replace them.
#pragma once

#include "FMX.Graphics.h"
#include "FMX.Types.h"
#include "System.ClassRecords.h"

#include <vector>

namespace FMX {

class TCanvas;

enum class TTextTrimming : uint8_t { None, Character, Word };

struct TBounds {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    bool operator==(const TBounds&) const = default;
};

struct TTextAttribute {
    TFont Font;
    TAlphaColor Color = TAlphaColors::Black;
};

// A range of the text drawn with its own font and colour.
class TTextAttributedRange {
public:
    TTextAttributedRange(TTextRange ARange, TTextAttribute AAttribute)
        : Range(ARange), Attribute(AAttribute) {}
    virtual ~TTextAttributedRange() = default;
    TTextRange Range;
    TTextAttribute Attribute;
};

class TTextLayout : public Sys::TObject {
public:
    // The overridable operations, in slot order. Each takes the layout first.
    enum TSlot : size_t {
        DoRenderLayoutSlot,    // void ()
        DoDrawLayoutSlot,      // void (TCanvas*)
        GetTextHeightSlot,     // float ()
        GetTextWidthSlot,      // float ()
        GetTextRectSlot,       // TRectF ()
        DoPositionAtPointSlot, // int32_t (TPointF)
        DoRegionForRangeSlot,  // std::vector<TRectF> (TTextRange)
        SlotCount
    };

    // The record of the base class: every slot raises Sys::EAbstractError.
    static const Sys::TClassRecord& ClassRecord();

    TTextLayout(const Sys::TClassRecord& Class, TCanvas* ACanvas);

    void BeginUpdate() { ++FUpdating; }
    // The outermost EndUpdate lays the text out when something changed.
    void EndUpdate();
    bool IsUpdating() const { return FUpdating > 0; }

    const Sys::string& Text() const { return FText; }
    void SetText(const Sys::string& Value);
    TFont& Font() { return FFont; }
    TAlphaColor Color() const { return FColor; }
    void SetColor(TAlphaColor Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TTextAlign HorizontalAlign() const { return FHorizontalAlign; }
    void SetHorizontalAlign(TTextAlign Value);
    TTextAlign VerticalAlign() const { return FVerticalAlign; }
    void SetVerticalAlign(TTextAlign Value);
    const TBounds& Padding() const { return FPadding; }
    void SetPadding(const TBounds& Value);
    TPointF MaxSize() const { return FMaxSize; }
    void SetMaxSize(TPointF Value);
    TPointF TopLeft() const { return FTopLeft; }
    void SetTopLeft(TPointF Value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float Value);
    TTextTrimming Trimming() const { return FTrimming; }
    void SetTrimming(TTextTrimming Value);
    bool RightToLeft() const { return FRightToLeft; }
    void SetRightToLeft(bool Value);
    TCanvas* Canvas() const { return FCanvas; }
    int32_t MessageId() const { return FMessageId; }

    void AddAttribute(TTextRange Range, const TTextAttribute& Attribute);
    void ClearAttributes();
    const std::vector<TTextAttributedRange>& Attributes() const { return FAttributes; }

    // Lays the text out now when a change is pending and no update is open.
    void RenderLayout();
    void RenderLayoutNow();
    void RenderLayoutLater();
    void DrawLayout(TCanvas* ACanvas) { Dispatch<void>(DoDrawLayoutSlot, ACanvas); }
    float TextHeight() { return Dispatch<float>(GetTextHeightSlot); }
    float TextWidth() { return Dispatch<float>(GetTextWidthSlot); }
    TRectF TextRect() { return Dispatch<TRectF>(GetTextRectSlot); }
    // The UTF-16 index of the character position at Point, or −1.
    int32_t PositionAtPoint(TPointF Point) { return Dispatch<int32_t>(DoPositionAtPointSlot, Point); }
    std::vector<TRectF> RegionForRange(TTextRange Range) {
        return Dispatch<std::vector<TRectF>>(DoRegionForRangeSlot, Range);
    }
    bool NeedUpdate() const { return FNeedUpdate; }

private:
    // A change: lay out now, or at the end of the open update.
    void Changed();

    std::vector<TTextAttributedRange> FAttributes;
    TFont FFont;
    TAlphaColor FColor = TAlphaColors::Black;
    Sys::string FText;
    bool FWordWrap = false;
    TTextAlign FHorizontalAlign = TTextAlign::Leading;
    TTextAlign FVerticalAlign = TTextAlign::Leading;
    TBounds FPadding;
    bool FNeedUpdate = false;
    TPointF FMaxSize = {65535, 65535};
    TPointF FTopLeft;
    int32_t FUpdating = 0;
    float FOpacity = 1;
    TTextTrimming FTrimming = TTextTrimming::None;
    bool FRightToLeft = false;
    TCanvas* FCanvas; // not owned
    int32_t FMessageId = 0;
};

} // namespace FMX
