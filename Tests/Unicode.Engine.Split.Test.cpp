// The direction splitter: runs, reading order and recorded ranges for texts under every rule and
// option, its invariants on hostile input, its threads, and its consistency checks.
#include "Unicode.Engine.Types.h"

#include "TestSupport.h"

#include "System.Character.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

using namespace Zarvel;

namespace {

using P = TParagraphBidi;
using O = TRTLGlobalOption;
constexpr TBidi L = TBidi::LeftToRight, R = TBidi::RightToLeft, S = TBidi::ParagraphSeparator;

struct TSplitResult {
    std::vector<int32_t> Offsets, Orders;
    std::vector<TBidi> Bidis;
    std::vector<TRange> Ranges;
    bool operator==(const TSplitResult&) const = default;
};

TSplitResult Split(const Sys::string& Text, TParagraphBidi Paragraph) {
    TSplitResult r;
    TDirectiveChars::SplitByDirection(Text, Paragraph, r.Offsets, r.Orders, r.Bidis, r.Ranges);
    return r;
}

std::string Describe(const TSplitResult& Result) {
    std::string s = "offsets";
    for (int32_t o : Result.Offsets) s += " " + std::to_string(o);
    s += " | orders";
    for (int32_t o : Result.Orders) s += " " + std::to_string(o);
    s += " | bidis";
    for (TBidi b : Result.Bidis) s += b == L ? " L" : b == R ? " R" : " S";
    s += " | ranges";
    for (const TRange& range : Result.Ranges)
        s += " [" + std::to_string(range.LowIndex) + "," + std::to_string(range.HighIndex) + "]";
    return s;
}

// The invariants every result keeps, whatever the text.
void ExpectInvariants(const Sys::string& Text, const TSplitResult& R) {
    ASSERT_FALSE(R.Offsets.empty());
    EXPECT_EQ(R.Offsets.front(), 0);
    EXPECT_EQ(R.Offsets.back(), static_cast<int32_t>(Text.size()));
    ASSERT_EQ(R.Offsets.size(), R.Orders.size() + 1);
    ASSERT_EQ(R.Bidis.size(), R.Orders.size());
    std::vector<bool> seen(R.Orders.size());
    for (size_t i = 0; i < R.Orders.size(); ++i) {
        EXPECT_LE(R.Offsets[i], R.Offsets[i + 1]);
        ASSERT_GE(R.Orders[i], 0);
        ASSERT_LT(size_t(R.Orders[i]), R.Orders.size());
        EXPECT_FALSE(seen[size_t(R.Orders[i])]);
        seen[size_t(R.Orders[i])] = true;
    }
}

struct TSplitCase {
    const char* Name;
    const char16_t* Text;
    TParagraphBidi Paragraph;
    TRTLGlobalOptions Options;
    bool ArabicEquations;
    std::vector<int32_t> Offsets, Orders;
    std::vector<TBidi> Bidis;
    std::vector<TRange> Ranges;
};

} // namespace

TEST(SplitByDirection, Cases) {
    const TSplitCase cases[] = {
        {"an empty text has no runs", u"", P::RightToLeft, {}, false, {0}, {}, {}, {}},
        {"a Persian word, a space and a number",
         u"سلام 123",
         P::RightToLeft,
         {},
         false,
         {0, 5, 8},
         {0, 1},
         {R, L},
         {}},
        {"a Hebrew word inside a left-to-right paragraph",
         u"abc שלום def",
         P::LeftToRight,
         {},
         false,
         {0, 4, 8, 12},
         {0, 1, 2},
         {L, R, L},
         {}},
        {"punctuation only takes the paragraph direction",
         u"+-",
         P::RightToLeft,
         {},
         false,
         {0, 2},
         {0},
         {R},
         {}},
        {"punctuation only, left-to-right", u"+-", P::LeftToRight, {}, false, {0, 2}, {0}, {L}, {}},
        {"CR LF is one break", u"a\r\nb", P::LeftToRight, {}, false, {0, 1, 3, 4}, {0, 1, 2}, {L, S, L}, {}},
        {"two LFs are one break",
         u"a\n\nb",
         P::LeftToRight,
         {},
         false,
         {0, 1, 3, 4},
         {0, 1, 2},
         {L, S, L},
         {}},
        {"a Unicode paragraph separator breaks",
         u"a\u2029b",
         P::LeftToRight,
         {},
         false,
         {0, 1, 2, 3},
         {0, 1, 2},
         {L, S, L},
         {}},
        {"text after a space and a break starts a new run",
         u"سلام \nabc",
         P::RightToLeft,
         {},
         false,
         {0, 5, 6, 9},
         {0, 1, 2},
         {R, S, L},
         {}},
        {"a final period stays with right-to-left text",
         u"سلام.",
         P::RightToLeft,
         {},
         false,
         {0, 5},
         {0},
         {R},
         {}},
        {"after an absorbed period the same class starts a new run",
         u"سلام. سلام",
         P::RightToLeft,
         {},
         false,
         {0, 5, 10},
         {0, 1},
         {R, R},
         {}},
        {"a final period stays with left-to-right text",
         u"abc. def",
         P::LeftToRight,
         {},
         false,
         {0, 4, 8},
         {0, 1},
         {L, L},
         {}},
        {"Latin digits beside Arabic-Indic digits are left-to-right",
         u"سلام ۱۲ و 45",
         P::RightToLeft,
         {},
         false,
         {0, 5, 7, 10, 12},
         {0, 1, 2, 3},
         {R, L, R, L},
         {}},
        {"a number before a word is an equation-like number",
         u"نسخه 2 beta است",
         P::RightToLeft,
         {},
         false,
         {0, 5, 6, 7, 11, 15},
         {0, 1, 2, 3, 4},
         {R, L, R, L, R},
         {}},
        {"digits running into Latin letters",
         u"سلام 3rd است",
         P::RightToLeft,
         {},
         false,
         {0, 5, 8, 12},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"a list index without the option",
         u"1. سلام",
         P::RightToLeft,
         {},
         false,
         {0, 2, 7},
         {0, 1},
         {L, R},
         {}},
        {"a right-to-left bracket in left-to-right text",
         u"abc (سلام) def",
         P::LeftToRight,
         {},
         false,
         {0, 4, 10, 14},
         {0, 1, 2},
         {L, R, L},
         {{4, 4}, {9, 9}}},
        {"a left-to-right bracket in right-to-left text",
         u"سلام (abc) خوب",
         P::RightToLeft,
         {},
         false,
         {0, 5, 10, 14},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"two closed brackets in a row",
         u"سلام (abc) (def) خوب",
         P::RightToLeft,
         {},
         false,
         {0, 5, 11, 16, 20},
         {0, 1, 2, 3},
         {R, L, L, R},
         {}},
        {"a right-to-left quote in left-to-right text",
         u"abc \"سلام\" def",
         P::LeftToRight,
         {},
         false,
         {0, 4, 10, 14},
         {0, 1, 2},
         {L, R, L},
         {{4, 4}, {9, 9}}},
        {"a left-to-right quote in right-to-left text",
         u"او گفت \"hello\" و رفت",
         P::RightToLeft,
         {},
         false,
         {0, 7, 14, 20},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"a quote as the first character is neutral",
         u"\"abc",
         P::LeftToRight,
         {},
         false,
         {0, 4},
         {0},
         {L},
         {}},
        {"guillemets",
         u"abc «سلام» def",
         P::LeftToRight,
         {},
         false,
         {0, 4, 10, 14},
         {0, 1, 2},
         {L, R, L},
         {{4, 4}, {9, 9}}},
        // After a closed bracket each neutral stretch and the token after it go in at the turn index,
        // so that they read in reverse.
        {"stretches after a closed bracket read in reverse",
         u"سلام (abc)+def+ghi+jkl",
         P::RightToLeft,
         {},
         false,
         {0, 5, 10, 14, 18, 22},
         {0, 1, 4, 3, 2},
         {R, L, R, R, R},
         {}},
        // The direction of a bracket comes from inside it: a Persian word after the closing
        // guillemet must not reach in.
        {"guillemets close at their partner",
         u"abc «...» سلام",
         P::LeftToRight,
         {},
         false,
         {0, 10, 14},
         {0, 1},
         {L, R},
         {}},
        {"single guillemets close at their partner",
         u"abc ‹...› سلام",
         P::LeftToRight,
         {},
         false,
         {0, 10, 14},
         {0, 1},
         {L, R},
         {}},
        {"unbalanced closing bracket is neutral",
         u"abc) سلام",
         P::LeftToRight,
         {},
         false,
         {0, 5, 9},
         {0, 1},
         {L, R},
         {}},
        {"unbalanced opening bracket",
         u"سلام (abc",
         P::RightToLeft,
         {},
         false,
         {0, 5, 9},
         {0, 1},
         {R, L},
         {}},
        {"auto-ltr with nothing deciding", u"123", P::AutoLeftToRight, {}, false, {0, 3}, {0}, {L}, {}},
        {"auto-rtl with nothing deciding", u"123", P::AutoRightToLeft, {}, false, {0, 3}, {0}, {L}, {}},
        {"neutral takes the first strong character",
         u"abc سلام",
         P::Neutral,
         {},
         false,
         {0, 4, 8},
         {0, 1},
         {L, R},
         {}},
        {"auto takes the first strong character",
         u"سلام abc",
         P::AutoLeftToRight,
         {},
         false,
         {0, 5, 8},
         {0, 1},
         {R, L},
         {}},
        {"a zero-width non-joiner inside a Persian word",
         u"می\u200cخواهم abc",
         P::LeftToRight,
         {},
         false,
         {0, 8, 12},
         {0, 1},
         {R, L},
         {}},
        {"a format character joins the next run",
         u"abc\u202bسلام",
         P::LeftToRight,
         {},
         false,
         {0, 3, 8},
         {0, 1},
         {L, R},
         {}},
        {"an embedding before an embedding makes a run of its own",
         u"ab\u202b\u202bcd",
         P::LeftToRight,
         {},
         false,
         {0, 2, 3, 6},
         {0, 1, 2},
         {L, R, L},
         {}},
        {"a Latin phrase after a number keeps its order",
         u"سلام 12 hello world",
         P::RightToLeft,
         {},
         false,
         {0, 5, 7, 8, 19},
         {0, 1, 2, 3},
         {R, L, R, L},
         {}},
        {"the same phrase in an automatic paragraph",
         u"سلام 12 hello world",
         P::AutoRightToLeft,
         {},
         false,
         {0, 5, 7, 19},
         {0, 1, 2},
         {R, L, L},
         {}},
        {"a trailing format character joins the open run",
         u"abc\u2066",
         P::LeftToRight,
         {},
         false,
         {0, 4},
         {0},
         {L},
         {}},
        {"a format character alone", u"\u2066", P::RightToLeft, {}, false, {0, 1}, {0}, {R}, {}},
        {"Latin digits in Arabic equations",
         u"عدد 123 است",
         P::RightToLeft,
         {},
         true,
         {0, 4, 7, 11},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"a unit after a number",
         u"طول 25 cm است",
         P::RightToLeft,
         {O::MeasureSignsInRightSideOfDigits},
         false,
         {0, 4, 9, 13},
         {0, 1, 2},
         {R, L, R},
         {{4, 8}}},
        {"a one-letter unit after a number",
         u"طول 25 m است",
         P::RightToLeft,
         {O::MeasureSignsInRightSideOfDigits},
         false,
         {0, 4, 8, 12},
         {0, 1, 2},
         {R, L, R},
         {{4, 7}}},
        {"a squared unit after a number",
         u"مساحت 25 m\u00b2 است",
         P::RightToLeft,
         {O::MeasureSignsInRightSideOfDigits},
         false,
         {0, 6, 11, 15},
         {0, 1, 2},
         {R, L, R},
         {{6, 10}}},
        {"a unit at the very end does not match",
         u"طول 25 cm",
         P::RightToLeft,
         {O::MeasureSignsInRightSideOfDigits},
         false,
         {0, 4, 6, 7, 9},
         {0, 1, 2, 3},
         {R, L, R, L},
         {}},
        {"a unit without the option",
         u"طول 25 cm است",
         P::RightToLeft,
         {},
         false,
         {0, 4, 6, 7, 9, 13},
         {0, 1, 2, 3, 4},
         {R, L, R, L, R},
         {}},
        {"a prime after a number",
         u"طول 5\" است",
         P::RightToLeft,
         {O::PrimeInRightSideOfDigits},
         false,
         {0, 4, 5, 10},
         {0, 1, 2},
         {R, L, R},
         {{4, 4}}},
        {"a percent sign after a number",
         u"سود 9% است",
         P::RightToLeft,
         {O::PrimeInRightSideOfDigits, O::PercentInRightSideOfDigits},
         false,
         {0, 4, 5, 10},
         {0, 1, 2},
         {R, L, R},
         {{4, 4}}},
        {"a percent sign needs a measure option too",
         u"سود 9% است",
         P::RightToLeft,
         {O::PercentInRightSideOfDigits},
         false,
         {0, 4, 6, 10},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"digits before Latin are Latin",
         u"نسخه 2 beta است",
         P::RightToLeft,
         {O::DigitsBeforeLatinAreLatin},
         false,
         {0, 5, 11, 15},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"a list index opening a line",
         u"1. سلام",
         P::RightToLeft,
         {O::RTLLineIndexOrder, O::DigitsBeforeLatinAreLatin},
         false,
         {0, 1, 7},
         {0, 1},
         {L, R},
         {{0, 0}}},
        {"a date",
         u"تاریخ 5/12/1399 است",
         P::RightToLeft,
         {O::RTLDate},
         false,
         {0, 6, 7, 19},
         {0, 1, 2},
         {R, L, R},
         {{6, 6}}},
        {"a date with a two-digit month out of range",
         u"تاریخ 5/14/1399 است",
         P::RightToLeft,
         {O::RTLDate},
         false,
         {0, 6, 15, 19},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"a date without the option",
         u"تاریخ 5/12/1399 است",
         P::RightToLeft,
         {},
         false,
         {0, 6, 15, 19},
         {0, 1, 2},
         {R, L, R},
         {}},
        {"the options the splitter does not read change nothing",
         u"نسخه 2 beta است",
         P::RightToLeft,
         {O::EquationBeforeLatinIsLatin, O::NeutralsFollowStickedStrongDirections,
          O::AcceptsLineFeedAsParagraphSeparator, O::WeakFollowLineDirection,
          O::ReplaceQuoteWithPrimeInMeasures},
         false,
         {0, 5, 6, 7, 11, 15},
         {0, 1, 2, 3, 4},
         {R, L, R, L, R},
         {}},
        {"mixed paragraphs",
         u"سلام 12 abc (x) «y». \nنسخه 2.5 از Zarvel",
         P::RightToLeft,
         {},
         false,
         {0, 5, 7, 8, 16, 19, 21, 22, 27, 30, 34, 40},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
         {R, L, R, L, L, R, S, R, L, R, L},
         {}},
    };
    for (const TSplitCase& c : cases) {
        ZarvelTest::TSettingsGuard guard;
        TRTLGlobalSettings::Options = c.Options;
        if (c.ArabicEquations)
            TRTLGlobalSettings::EquationOrder = TRTLGlobalSettings::TMathOrder::ArabicRightToLeft;
        const TSplitResult actual = Split(c.Text, c.Paragraph);
        const TSplitResult expected{c.Offsets, c.Orders, c.Bidis, c.Ranges};
        EXPECT_EQ(Describe(actual), Describe(expected)) << c.Name;
        ExpectInvariants(c.Text, actual);
    }
}

TEST(SplitByDirection, LoneSurrogatesAreNeutral) {
    const Sys::string text = u"\xDC00"
                             u"abc"
                             u"\xD800";
    EXPECT_EQ(Describe(Split(text, P::LeftToRight)), Describe({{0, 5}, {0}, {L}, {}}));
    EXPECT_EQ(Describe(Split(text, P::RightToLeft)), Describe({{0, 5}, {0}, {L}, {}}));
}

TEST(SplitByDirection, OutputsAreReplaced) {
    TSplitResult r{{9, 9, 9}, {4, 4}, {S, S}, {{1, 2}}};
    TDirectiveChars::SplitByDirection(u"", P::RightToLeft, r.Offsets, r.Orders, r.Bidis, r.Ranges);
    EXPECT_EQ(Describe(r), Describe({{0}, {}, {}, {}}));
    r.Ranges = {{7, 7}};
    TDirectiveChars::SplitByDirection(u"abc", P::LeftToRight, r.Offsets, r.Orders, r.Bidis, r.Ranges);
    EXPECT_EQ(Describe(r), Describe({{0, 3}, {0}, {L}, {}}));
}

// Texts of a million units that would make a careless reader rescan the rest of the text for every
// bracket, quote or digit; each must come back whole.
TEST(SplitByDirection, LongHostileTexts) {
    ZarvelTest::TSettingsGuard guard;
    auto repeat = [](const Sys::string& Head, const Sys::string& Unit, size_t Length) {
        Sys::string s = Head;
        while (s.size() < Length) s += Unit;
        return s;
    };
    const size_t million = 1000000;
    const struct {
        const char* Name;
        Sys::string Text;
        TRTLGlobalOptions Options;
        bool ArabicEquations;
    } cases[] = {
        {"unclosed brackets", repeat(u"", u"(", million), {}, false},
        {"unclosed mixed brackets", repeat(u"", u"([{\u00AB\u2039", million), {}, false},
        {"quotes after spaces", repeat(u"\u0633 ", u"\" ", million), {}, false},
        {"numbers after right-to-left text", repeat(u"\u0633 ", u"1 ", million), {}, false},
        {"digits in Arabic equations", repeat(u"\u0633", u"1", million), {}, true},
        {"digits before nothing Latin",
         repeat(u"\u0633", u"1", million),
         {O::DigitsBeforeLatinAreLatin},
         false},
        {"digits before a percent sign",
         repeat(u"\u0633", u"1", million) + u"%",
         {O::PrimeInRightSideOfDigits, O::PercentInRightSideOfDigits},
         false},
        {"closed brackets and neutrals", repeat(u"\u0633", u" (a)+", million), {}, false},
        {"runs inserted at one turn index", repeat(u"\u0633 (abc)", u"+d", million), {}, false},
        {"mixed sentences",
         repeat(u"", u"\u0633\u0644\u0627\u0645 12 abc (x) \u00ABy\u00BB 5/12/1399 25 cm 9%. \n", million),
         {O::MeasureSignsInRightSideOfDigits, O::RTLDate, O::PercentInRightSideOfDigits},
         false},
    };
    for (const auto& c : cases) {
        TRTLGlobalSettings::Options = c.Options;
        TRTLGlobalSettings::EquationOrder = c.ArabicEquations
                                                ? TRTLGlobalSettings::TMathOrder::ArabicRightToLeft
                                                : TRTLGlobalSettings::TMathOrder::LeftToRight;
        SCOPED_TRACE(c.Name);
        ExpectInvariants(c.Text, Split(c.Text, P::AutoRightToLeft));
    }
}

TEST(SplitByDirection, ThreadsGetTheSameAnswers) {
    const Sys::string texts[] = {
        u"\u0633\u0644\u0627\u0645 12 hello (world) \u00AB\u0627\u0648\u00BB.\n\u0646\u0633\u062E\u0647 2.5",
        u"abc \u05E9\u05DC\u05D5\u05DD def (\u0633) \"x\"",
    };
    std::vector<TSplitResult> expected;
    for (const auto& t : texts) expected.push_back(Split(t, P::RightToLeft));
    std::vector<std::thread> threads;
    std::vector<int> mismatches(4, 0);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 500; ++i)
                for (size_t k = 0; k < std::size(texts); ++k)
                    if (!(Split(texts[k], P::RightToLeft) == expected[k])) ++mismatches[size_t(t)];
        });
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(mismatches, std::vector<int>(4, 0));
}

TEST(SplitByDirection, ConsistencyChecksCarryTheirMessages) {
    using B = TDirectiveChars::TBidiType;
    using C = TDirectiveChars::TSplitChecks;
    const Sys::string text = u"ab";
    EXPECT_ASSERTION(C::RunClass(B::Neutral, 3, text), "Error in 3 @ ab");
    EXPECT_ASSERTION(C::RunClass(B::SpaceSeparator, 0, text), "Error in 0 @ ab");
    EXPECT_NO_THROW(C::RunClass(B::DirectionalFormatting, 0, text));
    EXPECT_ASSERTION(C::BoundaryClass(false, 7, text), "7@\"ab\"");
    EXPECT_NO_THROW(C::BoundaryClass(true, 7, text));
    EXPECT_ASSERTION(C::BracketContentClass(B::DirectionalFormatting),
                     "Not implemented yet. But it is a simple case. I should get the direction and put it as "
                     "ParagraphBidi");
    EXPECT_ASSERTION(C::UnmergableBase(B::Neutral), "Assertion failure");
    EXPECT_ASSERTION(C::UnmergableBase(B::NotExists), "Assertion failure");
    EXPECT_NO_THROW(C::UnmergableBase(B::ArabicDigit));
    EXPECT_ASSERTION(C::Finish({0, 1}, 1, 1, text), "\"ab\"  OffsetsList:1 ,LengthS:2");
    EXPECT_ASSERTION(C::Finish({0, 1, 2}, 1, 1, text), "\"ab\"  OffsetsList:1 ,LengthS:2");
    EXPECT_ASSERTION(C::Finish({0, 2}, 1, 2, text), "Assertion failure");
    EXPECT_NO_THROW(C::Finish({0, 2}, 1, 1, text));
}
