// The contract between the framework's text layouts and the library: how a layout chooses its
// direction, how it may be resized to its text, how a text's direction is classified, and the
// direction properties every layout answers for the right-to-left layout class behind it.
#pragma once

#include "FMX.TextLayout.h"

namespace Zarvel {

// btForm and btContext behave alike: the text decides, the active form's direction is the fallback.
enum class TBidiSelectionType : uint8_t { btManual, btForm, btContext };
// Stored for the layouts that keep it; nothing in the library consults it.
enum class TTextResizeMode : uint8_t {
    bmScale,
    bmScaleDown,
    bmScaleUpOrIncreaseHeight,
    bmScaleUpOrIncreaseWidth,
    bmIncreaseHeight,
    bmIncreaseWidth
};
enum class TDirectionContext : uint8_t { LeftToRight, RightToLeft, Digits, Undefined };

class TRTLTextAttributedRange : public FMX::TTextAttributedRange {
public:
    using FMX::TTextAttributedRange::TTextAttributedRange;
};

// The direction state a right-to-left layout keeps, as the extra fields of its class.
struct TRTLTextLayoutFields {
    float TabSize = 0;
    TBidiSelectionType BidiSelectionType = TBidiSelectionType::btManual;
    TTextResizeMode ResizeMode = TTextResizeMode::bmScale;
    FMX::TSizeF DefaultSize;
};

struct TRTLTextLayoutHelper {
    // The GPU layout's class, recognised with every class derived from it; set by the unit that
    // defines it, null until then.
    static const Sys::TClassRecord* GPULayoutClass;
    // The class name of the layout generated for the Direct2D canvas.
    static constexpr const char* D2DLayoutClassName = "TTextLayoutD2DRTL";

    // Reading them from a layout of any other class raises Sys::Exception naming the class; writing
    // them there is ignored.
    static TBidiSelectionType GetManualBidi(FMX::TTextLayout& Layout);
    static void SetManualBidi(FMX::TTextLayout& Layout, TBidiSelectionType Value);
    static float GetTabSize(FMX::TTextLayout& Layout);
    static void SetTabSize(FMX::TTextLayout& Layout, float Value);
    static TTextResizeMode GetResizeMode(FMX::TTextLayout& Layout);
    static void SetResizeMode(FMX::TTextLayout& Layout, TTextResizeMode Value);
    // A zero size for a layout of any other class.
    static FMX::TSizeF GetDefaultSize(FMX::TTextLayout& Layout);
    static void SetDefaultSize(FMX::TTextLayout& Layout, FMX::TSizeF Value);

    // Sets the layout's RightToLeft from its text, with the active form's direction as the fallback;
    // btManual leaves it as it is.
    static void UpdateRightToLeft(FMX::TTextLayout& Layout, TBidiSelectionType SelectionType);
    // RightToLeft when the first deciding character of Text is right-to-left, else LeftToRight.
    static TDirectionContext GetDirectionContext(FMX::TTextLayout& Layout, const Sys::string& Text);
};

} // namespace Zarvel
