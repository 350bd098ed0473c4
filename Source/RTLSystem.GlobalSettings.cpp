#include "RTLSystem.GlobalSettings.h"

namespace Zarvel {

// Zero until the library's start-up runs: the direction engine sets the equation order and the
// initialisation below the editor defaults.
TRTLGlobalSettings::TMathOrder TRTLGlobalSettings::EquationOrder = TMathOrder::ArabicRightToLeft;
TRTLGlobalSettings::TArabicDigitType TRTLGlobalSettings::ArabicDigitType = TArabicDigitType::ArabicDigitType1;
TRTLGlobalOptions TRTLGlobalSettings::Options;
TRTLEditorOptions TRTLGlobalSettings::EditorOptions;

namespace {
bool Has(TRTLGlobalOption Option) {
    return TRTLGlobalSettings::Options.Contains(Option);
}
} // namespace

bool TRTLGlobalSettings::ReplaceQuoteWithPrimeInMeasures() {
    return Has(TRTLGlobalOption::ReplaceQuoteWithPrimeInMeasures);
}
bool TRTLGlobalSettings::MeasureSignsInRightSideOfDigits() {
    return Has(TRTLGlobalOption::MeasureSignsInRightSideOfDigits);
}
bool TRTLGlobalSettings::PrimeInRightSideOfDigits() {
    return Has(TRTLGlobalOption::PrimeInRightSideOfDigits);
}
bool TRTLGlobalSettings::PercentInRightSideOfDigits() {
    return Has(TRTLGlobalOption::PercentInRightSideOfDigits);
}
bool TRTLGlobalSettings::DigitsBeforeLatinAreLatin() {
    return Has(TRTLGlobalOption::DigitsBeforeLatinAreLatin);
}
bool TRTLGlobalSettings::EquationBeforeLatinIsLatin() {
    return Has(TRTLGlobalOption::EquationBeforeLatinIsLatin);
}
bool TRTLGlobalSettings::RTLLineIndexOrder() {
    return Has(TRTLGlobalOption::RTLLineIndexOrder);
}
bool TRTLGlobalSettings::RTLDate() {
    return Has(TRTLGlobalOption::RTLDate);
}
bool TRTLGlobalSettings::AreNeutralsSticky() {
    return Has(TRTLGlobalOption::NeutralsFollowStickedStrongDirections);
}
bool TRTLGlobalSettings::RTLMath() {
    return EquationOrder == TMathOrder::ArabicRightToLeft;
}

bool TRTLGlobalSettings::OSRuleApplied() {
    // Every option but the prime replacement and the line-feed flag.
    constexpr uint16_t OtherOptions = 0xFDFE;
    return RTLMath() && (Options.ToBits() & OtherOptions) == 0;
}

bool TRTLGlobalSettings::DoubleFlasher() {
    return EditorOptions.FlasherOption == TRTLFlasherOption::DoubleFlasherInRTLMode;
}
bool TRTLGlobalSettings::NaturalCaretPositioning() {
    return EditorOptions.CaretPositioning == TRTLCaretPositioningOption::NaturalView;
}

void TRTLGlobalSettings::ClassInitialize() {
    EditorOptions.CaretMinEdgeDistanceCoEfficient = 0.4f;
    EditorOptions.TextOverrunOption = TRTLTextOverrunOption::ControlByCaret;
    EditorOptions.PasswordChar = u'\u2022';
    EditorOptions.SelectionTextDefaultColor = 0xFFFFFFFF;
}

} // namespace Zarvel
