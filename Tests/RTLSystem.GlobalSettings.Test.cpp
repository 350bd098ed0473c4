// The settings as the library leaves them after load, their queries, and the small shared units.
#include "RTLSystem.GlobalSettings.h"

#include "TestSupport.h"

#include "RTL.Types.h"
#include "RTLLibs.ExSysUtils.h"
#include "RTLSystem.MarshaledUtils.h"
#include "RTLSystem.SysUtils.h"
#include "RTLSystem.UITypes.h"

#include <gtest/gtest.h>

using namespace Zarvel;
using O = TRTLGlobalOption;

TEST(GlobalSettings, ValuesAfterLoad) {
    EXPECT_EQ(TRTLGlobalSettings::EquationOrder, TRTLGlobalSettings::TMathOrder::LeftToRight);
    EXPECT_EQ(TRTLGlobalSettings::ArabicDigitType, TRTLGlobalSettings::TArabicDigitType::ArabicDigitType1);
    EXPECT_TRUE(TRTLGlobalSettings::Options.IsEmpty());
    const TRTLEditorOptions& e = TRTLGlobalSettings::EditorOptions;
    EXPECT_EQ(e.DirectionSelection, TRTLDirectionSelection::Default);
    EXPECT_EQ(e.FlasherOption, TRTLFlasherOption::Default);
    EXPECT_EQ(e.CaretPositioning, TRTLCaretPositioningOption::Default);
    EXPECT_FLOAT_EQ(e.CaretMinEdgeDistanceCoEfficient, 0.4f);
    EXPECT_EQ(e.TextOverrunOption, TRTLTextOverrunOption::ControlByCaret);
    EXPECT_EQ(e.PasswordChar, u'\u2022');
    EXPECT_EQ(e.SelectionTextDefaultColor, 0xFFFFFFFFu);
    EXPECT_FALSE(TRTLGlobalSettings::RTLMath());
    EXPECT_FALSE(TRTLGlobalSettings::OSRuleApplied());
}

TEST(GlobalSettings, OptionQueriesReadTheirBits) {
    ZarvelTest::TSettingsGuard guard;
    const struct {
        O Option;
        bool (*Query)();
    } cases[] = {
        {O::ReplaceQuoteWithPrimeInMeasures, TRTLGlobalSettings::ReplaceQuoteWithPrimeInMeasures},
        {O::MeasureSignsInRightSideOfDigits, TRTLGlobalSettings::MeasureSignsInRightSideOfDigits},
        {O::PrimeInRightSideOfDigits, TRTLGlobalSettings::PrimeInRightSideOfDigits},
        {O::PercentInRightSideOfDigits, TRTLGlobalSettings::PercentInRightSideOfDigits},
        {O::DigitsBeforeLatinAreLatin, TRTLGlobalSettings::DigitsBeforeLatinAreLatin},
        {O::EquationBeforeLatinIsLatin, TRTLGlobalSettings::EquationBeforeLatinIsLatin},
        {O::NeutralsFollowStickedStrongDirections, TRTLGlobalSettings::AreNeutralsSticky},
        {O::RTLLineIndexOrder, TRTLGlobalSettings::RTLLineIndexOrder},
        {O::RTLDate, TRTLGlobalSettings::RTLDate},
    };
    for (const auto& c : cases) {
        TRTLGlobalSettings::Options = {c.Option};
        for (const auto& other : cases) EXPECT_EQ(other.Query(), other.Option == c.Option) << int(c.Option);
        EXPECT_EQ(TRTLGlobalSettings::Options.ToBits(), 1u << unsigned(c.Option));
    }
}

TEST(GlobalSettings, OSRuleApplied) {
    ZarvelTest::TSettingsGuard guard;
    TRTLGlobalSettings::EquationOrder = TRTLGlobalSettings::TMathOrder::ArabicRightToLeft;
    TRTLGlobalSettings::Options = {O::ReplaceQuoteWithPrimeInMeasures,
                                   O::AcceptsLineFeedAsParagraphSeparator};
    EXPECT_TRUE(TRTLGlobalSettings::RTLMath());
    EXPECT_TRUE(TRTLGlobalSettings::OSRuleApplied());
    for (unsigned bit = 0; bit <= unsigned(O::WeakFollowLineDirection); ++bit) {
        const O option = static_cast<O>(bit);
        if (option == O::ReplaceQuoteWithPrimeInMeasures || option == O::AcceptsLineFeedAsParagraphSeparator)
            continue;
        TRTLGlobalOptions options = TRTLGlobalSettings::Options;
        options.Include(option);
        std::swap(options, TRTLGlobalSettings::Options);
        EXPECT_FALSE(TRTLGlobalSettings::OSRuleApplied()) << bit;
        std::swap(options, TRTLGlobalSettings::Options);
    }
    TRTLGlobalSettings::EquationOrder = TRTLGlobalSettings::TMathOrder::LeftToRight;
    EXPECT_FALSE(TRTLGlobalSettings::OSRuleApplied());
}

TEST(GlobalSettings, EditorQueries) {
    ZarvelTest::TSettingsGuard guard;
    EXPECT_FALSE(TRTLGlobalSettings::DoubleFlasher());
    TRTLGlobalSettings::EditorOptions.FlasherOption = TRTLFlasherOption::DoubleFlasherInRTLMode;
    EXPECT_TRUE(TRTLGlobalSettings::DoubleFlasher());
    EXPECT_FALSE(TRTLGlobalSettings::NaturalCaretPositioning());
    TRTLGlobalSettings::EditorOptions.CaretPositioning = TRTLCaretPositioningOption::NaturalView;
    EXPECT_TRUE(TRTLGlobalSettings::NaturalCaretPositioning());
}

TEST(SharedUnits, PosModAndSwitch) {
    const struct {
        int32_t A, B, Expected;
    } cases[] = {{-1, 7, 6}, {7, 7, 0}, {13, 5, 3}, {-14, 7, 0}, {INT32_MIN, 7, 5}, {INT32_MIN, -1, 0}};
    for (const auto& c : cases) EXPECT_EQ(PosMod(c.A, c.B), c.Expected) << c.A << " mod " << c.B;
    EXPECT_THROW(PosMod(3, 0), Sys::EDivByZero);
    int32_t a = 1, b = 2;
    Switch(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST(SharedUnits, Fills) {
    uint16_t words[4] = {1, 2, 3, 4};
    FillWord(words, 0xABCD, 3);
    EXPECT_EQ(words[2], 0xABCD);
    EXPECT_EQ(words[3], 4);
    FillWord(words, 0, 2);
    EXPECT_EQ(words[1], 0);
    EXPECT_EQ(words[2], 0xABCD);
    FillZero(nullptr, 10); // nothing
    FillWord(nullptr, 5, 10);
    uint8_t bytes[3] = {1, 1, 1};
    FillZero(bytes, 2);
    EXPECT_EQ(bytes[1], 0);
    EXPECT_EQ(bytes[2], 1);
}

TEST(SharedUnits, IsHexDigit) {
    for (int c = 0; c < 256; ++c) {
        const bool hex = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        EXPECT_EQ(IsHexDigit(static_cast<char>(c)), hex) << c;
        EXPECT_EQ(IsHexDigit(static_cast<char16_t>(c)), hex) << c;
    }
    EXPECT_FALSE(IsHexDigit(char16_t(0x0141))); // low byte 'A'
}

TEST(SharedUnits, DatesPathsAndTypes) {
    EXPECT_EQ(DateTimeToMilliseconds(0.0), int64_t(693594) * 86400000);
    EXPECT_EQ(DateTimeToMilliseconds(1.5), int64_t(693595) * 86400000 + 43200000);
    EXPECT_EQ(GetSystemPath(), u"/usr/lib");
    EXPECT_EQ(GetWindowsPath(), u"/");
    const TRTLFontStyles styles = {TRTLFontStyleEx::fsBold, TRTLFontStyleEx::fsZigzagUnderline};
    EXPECT_EQ(styles.ToBits(), 0x41);
    EXPECT_STREQ(IRTLFlasher::IID, "{DE24EE78-F498-4EC4-B188-E2AADEF20471}");
}
