// The direction vocabulary and the character predicates.
#include "Unicode.Engine.Types.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace Zarvel;
using TCharDirection = TDirectiveChars::TCharDirection;

TEST(DirectiveChars, CharacterPredicates) {
    struct TCase {
        char16_t C;
        bool RTL, LTR, ArabicDigit;
        const char* Name;
    };
    const TCase cases[] = {
        {u',', false, true, false, "Latin comma is left-to-right"},
        {u'?', false, true, false, "Latin question mark"},
        {u';', false, true, false, "semicolon"},
        {0x060C, true, false, false, "Arabic comma"},
        {0x061F, true, false, false, "Arabic question mark"},
        {0x0660, false, true, true, "Arabic-Indic zero is a digit, not right-to-left"},
        {0x0669, false, true, true, "Arabic-Indic nine"},
        {0x06F0, false, true, true, "extended zero"},
        {0x06F9, false, true, true, "extended nine"},
        {0x066A, false, false, false, "Arabic percent"},
        {0x066B, false, false, false, "Arabic decimal separator"},
        {0x066C, false, false, false, "Arabic thousands separator"},
        {0x066D, false, false, false, "five-pointed star"},
        {0x066E, true, false, false, "dotless beh"},
        {0x06FA, true, false, false, "sheen with dot below"},
        {0x0590, false, false, false, "just below the right-to-left range"},
        {0x0591, true, false, false, "first Hebrew point"},
        {0x065F, true, false, false, "last mark before the Arabic-Indic digits"},
        {0x06EF, true, false, false, "last letter before the extended digits"},
        {0x06FF, true, false, false, "last of the Arabic block"},
        {0x0700, false, false, false, "Syriac punctuation is outside both sets"},
        {0x0710, false, true, false, "a Syriac letter is left-to-right by these rules"},
        {0x05D0, true, false, false, "alef"},
        {0x0633, true, false, false, "seen"},
        {0x200F, true, false, false, "right-to-left mark"},
        {0x200E, false, true, false, "left-to-right mark"},
        {0x2E2E, true, false, false, "reversed question mark"},
        {0x2035, true, false, false, "reversed prime"},
        {0x2032, false, true, false, "prime"},
        {0xFE8D, false, false, false, "alef isolated presentation form"},
        {0xFB1D, false, false, false, "Hebrew presentation form"},
        {u'a', false, true, false, "Latin letter"},
        {u'7', false, true, false, "Latin digit"},
        {0x00E9, false, true, false, "accented Latin letter"},
        {0x4E2D, false, true, false, "CJK ideograph"},
        {0xD83D, false, false, false, "high surrogate"},
        {0xDE00, false, false, false, "low surrogate"},
        {u' ', false, false, false, "space"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TDirectiveChars::IsRTL(c.C), c.RTL) << c.Name;
        EXPECT_EQ(TDirectiveChars::IsLTR(c.C), c.LTR) << c.Name;
        EXPECT_EQ(TDirectiveChars::IsArabicDigit(c.C), c.ArabicDigit) << c.Name;
        const TCharDirection expected = c.RTL   ? TCharDirection::RightToLeft
                                        : c.LTR ? TCharDirection::LeftToRight
                                                : TCharDirection::Undefined;
        EXPECT_EQ(TDirectiveChars::CharDirection(c.C, TCharDirection::Undefined), expected) << c.Name;
        EXPECT_EQ(TDirectiveChars::CharDirectionRTL(c.C, true), c.RTL || !c.LTR) << c.Name;
    }
}

TEST(DirectiveChars, LatinAndSeparatorSets) {
    // Over the whole UTF-16 range: the small sets hold only what they name.
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const char16_t u = static_cast<char16_t>(c);
        const bool digit = c >= '0' && c <= '9';
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool separator = c == '\'' || c == '.';
        ASSERT_EQ(TDirectiveChars::IsDigit(u), digit) << unsigned(c);
        ASSERT_EQ(TDirectiveChars::IsLatinLetter(u), digit || letter) << unsigned(c);
        ASSERT_EQ(TDirectiveChars::IsLatinLetterOrDigit(u), digit || letter) << unsigned(c);
        ASSERT_EQ(TDirectiveChars::IsLatinLetterOrDigitOrDigitSeparator(u), digit || letter || separator)
            << unsigned(c);
        ASSERT_EQ(TDirectiveChars::IsDigitOrDigitSeparator(u), digit || separator) << unsigned(c);
        ASSERT_EQ(TDirectiveChars::IsDigitOrComma(u), digit || c == '\'') << unsigned(c);
        ASSERT_EQ(TDirectiveChars::IsParagraphSeparator(u), c == 0x2028 || c == 0x2029) << unsigned(c);
    }
}

TEST(DirectiveChars, LatinDigitsCountAsArabicOnlyInRightToLeftEquations) {
    ZarvelTest::TSettingsGuard guard;
    EXPECT_FALSE(TDirectiveChars::CanBeConsideredAsArabicDigit(u'5'));
    EXPECT_TRUE(TDirectiveChars::CanBeConsideredAsArabicDigit(0x06F5));
    TRTLGlobalSettings::EquationOrder = TRTLGlobalSettings::TMathOrder::ArabicRightToLeft;
    EXPECT_TRUE(TDirectiveChars::CanBeConsideredAsArabicDigit(u'5'));
    EXPECT_FALSE(TDirectiveChars::CanBeConsideredAsArabicDigit(u'x'));
}

TEST(DirectiveChars, IsRTLText) {
    const struct {
        const char16_t* Text;
        bool Default, Expected;
        const char* Name;
    } cases[] = {
        {u"123 abc", true, false, "a Latin letter decides"},
        {u"123 ...", true, true, "nothing decides: the default"},
        {u"", false, false, "empty: the default"},
        {u"", true, true, "empty: the default"},
        {u"12 سلام abc", false, true, "the first deciding unit is Persian"},
        {u"\u200E\u0633", true, false, "a left-to-right mark decides"},
        {u"\u200F abc", false, true, "a right-to-left mark decides"},
        {u"\uFE8D\u0633", true, false, "a presentation-form letter decides left-to-right"},
        {u"\U0001D400", true, true, "surrogate units decide nothing"},
        {u"\u064E abc", false, true, "a harakat is right-to-left"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TDirectiveChars::IsRTLText(c.Text, c.Default), c.Expected) << c.Name;
}

TEST(DirectiveChars, ParagraphDirectionResolution) {
    using B = TDirectiveChars::TBidiType;
    using P = TParagraphBidi;
    const struct {
        P Request;
        const char16_t* Text;
        B Expected;
    } cases[] = {
        {P::RightToLeft, u"abc", B::RTL},      {P::LeftToRight, u"سلام", B::LTR},
        {P::AutoLeftToRight, u"سلام", B::RTL}, {P::AutoLeftToRight, u"123", B::LTR},
        {P::AutoRightToLeft, u"abc", B::LTR},  {P::AutoRightToLeft, u"123", B::RTL},
        {P::Neutral, u"123", B::LTR},          {P::Neutral, u"؟", B::RTL},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TDirectiveChars::ResolveParagraphDirection(c.Text, c.Request), c.Expected)
            << int(c.Request) << " " << Sys::StringToUtf8(c.Text);
}

TEST(DirectiveChars, CharactersCount) {
    const struct {
        char32_t U;
        int Count, CountEx;
    } cases[] = {
        {0xFEF5, 2, 2}, {0xFEFB, 2, 2}, {0xFEFC, 2, 2}, {0xFEF4, 1, 1},  {0xFEFD, 1, 1}, {0xFC5E, 2, 2},
        {0xFD3D, 2, 2}, {0xFD3E, 1, 1}, {0xFDF2, 4, 4}, {0xFB2A, 2, 2},  {0xFB2C, 3, 3}, {0xFB2D, 3, 3},
        {0xFB4F, 2, 2}, {0xFB50, 1, 1}, {u'a', 1, 1},   {0x1F600, 1, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TDirectiveChars::CharactersCount(c.U), c.Count) << std::hex << unsigned(c.U);
        EXPECT_EQ(TDirectiveChars::CharactersCountEx(c.U), c.CountEx) << std::hex << unsigned(c.U);
    }
}

TEST(DirectionHelpers, Bidi) {
    TBidi b = TBidi::ParagraphSeparator;
    TBidiHelper::Toggle(b);
    EXPECT_EQ(b, TBidi::RightToLeft);
    TBidiHelper::Toggle(b);
    EXPECT_EQ(b, TBidi::LeftToRight);
    TBidiHelper::SetRTL(b, true);
    EXPECT_TRUE(TBidiHelper::IsRightToLeft(b));
    EXPECT_FALSE(TBidiHelper::IsLeftToRight(b));
    EXPECT_EQ(TCharDirectionHelper::Direction(true), TCharDirection::RightToLeft);
    EXPECT_EQ(TCharDirectionHelper::Direction(false), TCharDirection::LeftToRight);
    EXPECT_FALSE(TCharDirectionHelper::IsRightToLeft(TCharDirection::Undefined));
    EXPECT_EQ(Range(2, 5), (TRange{2, 5}));
}

TEST(DirectionHelpers, ParagraphBidiIsABitSet) {
    using P = TParagraphBidi;
    const struct {
        P Value;
        bool LTR, RTL, Auto;
    } queries[] = {
        {P::LeftToRight, true, false, false},    {P::RightToLeft, false, true, false},
        {P::AutoLeftToRight, true, false, true}, {P::AutoRightToLeft, false, true, true},
        {P::Neutral, false, false, false},
    };
    for (const auto& q : queries) {
        EXPECT_EQ(TParagraphBidiHelper::IsLeftToRight(q.Value), q.LTR) << int(q.Value);
        EXPECT_EQ(TParagraphBidiHelper::IsRightToLeft(q.Value), q.RTL) << int(q.Value);
        EXPECT_EQ(TParagraphBidiHelper::IsAuto(q.Value), q.Auto) << int(q.Value);
    }
    P p = P::AutoRightToLeft;
    TParagraphBidiHelper::Toggle(p);
    EXPECT_EQ(p, P::AutoLeftToRight);
    p = P::AutoRightToLeft;
    TParagraphBidiHelper::SetIsAuto(p, false);
    EXPECT_EQ(p, P::RightToLeft);
    TParagraphBidiHelper::SetIsAuto(p, true);
    EXPECT_EQ(p, P::AutoRightToLeft);
    TParagraphBidiHelper::SetRTL(p, false);
    EXPECT_EQ(p, P::AutoLeftToRight);
    // Neutral keeps its bit: toggled, it is neither direction.
    p = P::Neutral;
    TParagraphBidiHelper::Toggle(p);
    EXPECT_FALSE(TParagraphBidiHelper::IsRightToLeft(p));
    EXPECT_FALSE(TParagraphBidiHelper::IsLeftToRight(p));
}
