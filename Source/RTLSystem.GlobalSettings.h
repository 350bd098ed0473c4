// The process-wide switches that steer how right-to-left text is split, shaped and edited. Plain
// static fields without locking: read at the moment of use, no change notification.
#pragma once

#include "System.Types.h"

#include <cstdint>

namespace Zarvel {

enum class TRTLFlasherOption : uint8_t { Default, AlwaysSingleFlasher, DoubleFlasherInRTLMode };
enum class TRTLCaretPositioningOption : uint8_t { Default, NaturalView, ByCharacter };
enum class TRTLDirectionSelection : uint8_t { Default, ByFormBidiMode, ByTextDiretion, ByTextAlignment };
enum class TRTLTextOverrunOption : uint8_t { FollowCaret, ControlByCaret };

enum class TRTLGlobalOption : uint8_t {
    ReplaceQuoteWithPrimeInMeasures,       // quote marks after numbers are drawn as primes
    MeasureSignsInRightSideOfDigits,       // a unit after a number and a space stays with the number
    PrimeInRightSideOfDigits,              // a quote right after a number stays with the number
    PercentInRightSideOfDigits,            // a percent sign right after a number stays with it
    DigitsBeforeLatinAreLatin,             // a number followed by a Latin word is left-to-right
    EquationBeforeLatinIsLatin,            // exposed by its query only
    NeutralsFollowStickedStrongDirections, // exposed by AreNeutralsSticky only
    RTLLineIndexOrder,                     // a list index opening a line belongs to the right-to-left side
    RTLDate,                               // a Latin-digit date in right-to-left text stays one number run
    AcceptsLineFeedAsParagraphSeparator,   // stored only
    WeakFollowLineDirection,               // stored only
};
using TRTLGlobalOptions = Sys::TSet<TRTLGlobalOption, uint16_t>;

struct TRTLEditorOptions {
    TRTLDirectionSelection DirectionSelection = TRTLDirectionSelection::Default;
    TRTLFlasherOption FlasherOption = TRTLFlasherOption::Default;
    TRTLCaretPositioningOption CaretPositioning = TRTLCaretPositioningOption::Default;
    float CaretMinEdgeDistanceCoEfficient = 0;
    TRTLTextOverrunOption TextOverrunOption = TRTLTextOverrunOption::FollowCaret;
    char16_t PasswordChar = 0;
    Sys::TAlphaColor SelectionTextDefaultColor = 0;
};

// A locale description for callers; nothing in the library fills it.
struct TLocaleInfo {
    Sys::string Language;
    Sys::string LocaleName;
    bool RightToLeft = false;
    Sys::string CalendarName;
};

struct TRTLGlobalSettings {
    enum class TMathOrder : uint8_t { ArabicRightToLeft, LeftToRight };
    enum class TArabicDigitType : uint8_t { ArabicDigitType1, ArabicDigitType2, Latin };

    static TMathOrder EquationOrder;
    static TArabicDigitType ArabicDigitType;
    static TRTLGlobalOptions Options;
    static TRTLEditorOptions EditorOptions;

    static bool ReplaceQuoteWithPrimeInMeasures();
    static bool MeasureSignsInRightSideOfDigits();
    static bool PrimeInRightSideOfDigits();
    static bool PercentInRightSideOfDigits();
    static bool DigitsBeforeLatinAreLatin();
    static bool EquationBeforeLatinIsLatin();
    static bool RTLLineIndexOrder();
    static bool RTLDate();
    static bool AreNeutralsSticky();
    static bool RTLMath();
    static bool OSRuleApplied();
    static bool DoubleFlasher();
    static bool NaturalCaretPositioning();

    // One-time initialisation at load: the editor defaults.
    static void ClassInitialize();
};

} // namespace Zarvel
