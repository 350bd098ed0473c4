// The run-time stand-in: categories, UTF conversions at their edges, assertions, time stamps.
#include "System.Character.h"
#include "System.SysUtils.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Sys;

TEST(PlatformCharacter, EveryGeneralCategoryMaps) {
    const struct {
        char32_t C;
        const char* Category;
    } cases[] = {
        {U'A', "Lu"},    {U'a', "Ll"},     {0x01C5, "Lt"},     {0x02B0, "Lm"}, {0x0633, "Lo"}, {0x064E, "Mn"},
        {0x0903, "Mc"},  {0x20DD, "Me"},   {U'5', "Nd"},       {0x2160, "Nl"}, {0x00B2, "No"}, {U'_', "Pc"},
        {U'-', "Pd"},    {U'(', "Ps"},     {U')', "Pe"},       {0x00AB, "Pi"}, {0x00BB, "Pf"}, {U'!', "Po"},
        {U'+', "Sm"},    {U'$', "Sc"},     {U'^', "Sk"},       {0x00A9, "So"}, {U' ', "Zs"},   {0x2028, "Zl"},
        {0x2029, "Zp"},  {0x0001, "Cc"},   {0x200E, "Cf"},     {0xD800, "Cs"}, {0xE000, "Co"}, {0x0378, "Cn"},
        {0x1F600, "So"}, {0x110000, "Cn"}, {0xFFFFFFFF, "Cn"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(UnicodeCategoryName(TCharacter::GetUnicodeCategory(c.C)), c.Category)
            << std::hex << unsigned(c.C);
}

TEST(PlatformCharacter, PropertyTests) {
    EXPECT_TRUE(TCharacter::IsLetterOrDigit(0x06F5));  // Persian digit: Nd
    EXPECT_FALSE(TCharacter::IsLetterOrDigit(0x00B2)); // superscript two: No
    EXPECT_TRUE(TCharacter::IsNumber(0x00B2));
    EXPECT_TRUE(TCharacter::IsSeparator(0x2029));
    EXPECT_TRUE(TCharacter::IsWhiteSpace(u'\t'));
    EXPECT_FALSE(TCharacter::IsSeparator(u'\t'));
    EXPECT_EQ(TCharacter::GetNumericValue(0x06F7), 7.0);
    EXPECT_EQ(TCharacter::GetNumericValue(0x00BD), 0.5);
    EXPECT_EQ(TCharacter::GetNumericValue(u'x'), -1.0);
    EXPECT_EQ(TCharacter::ToUpper(U'a'), U'A');
    EXPECT_EQ(TCharacter::ToLower(0x0130), U'i'); // simple mapping only
    EXPECT_EQ(TCharacter::ToUpper(0x110000), 0x110000u);
    EXPECT_FALSE(TCharacter::UnicodeDataVersion().empty());
}

TEST(PlatformStrings, CodePointAtNeverReadsOutside) {
    const string s = u"a\U0001F600\xD800";
    size_t length;
    EXPECT_EQ(CodePointAt(s, 1, &length), 0x1F600u);
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(CodePointAt(s, 2, &length), 0xDE00u); // a trail unit alone is itself
    EXPECT_EQ(CodePointAt(s, 3, &length), 0xD800u); // a lead unit at the end is itself
    EXPECT_EQ(length, 1u);
    EXPECT_EQ(CodePointAt(s, 4, &length), 0u);
    EXPECT_EQ(length, 0u);
}

TEST(PlatformStrings, UCS4RoundTripKeepsLoneSurrogates) {
    const string s = u"x\xDC00y\U00010000\xD800";
    const UCS4String u = UnicodeStringToUCS4String(s);
    EXPECT_EQ(u, (UCS4String{U'x', 0xDC00, U'y', 0x10000, 0xD800, 0}));
    EXPECT_EQ(UCS4StringToUnicodeString(u.data(), u.size() - 1), s);
    EXPECT_EQ(CodePointToString(0x110000), u"\uFFFD");
}

TEST(PlatformStrings, Utf8Boundary) {
    EXPECT_EQ(Utf8ToString("\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85"), u"سلام");
    EXPECT_EQ(Utf8ToString("a\xFF"
                           "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToString(std::string("\0x", 2)), string(u"\0x", 2));
    EXPECT_EQ(StringToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(StringToUtf8(u"\xD800"), "\xEF\xBF\xBD");
}

namespace {
constexpr const char* UnitName = "Platform.System.Test";
void Fails() {
    ZARVEL_ASSERT(1 + 1 == 3);
}
void FailsWith() {
    ZARVEL_ASSERT_MSG(false, u"own text");
}
} // namespace

TEST(PlatformAssertions, CarryMessageUnitAndLine) {
    try {
        Fails();
        FAIL();
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), u"Assertion failure");
        EXPECT_EQ(e.UnitName(), "Platform.System.Test");
        EXPECT_GT(e.Line(), 0);
        EXPECT_EQ(std::string(e.what()),
                  "Assertion failure (Platform.System.Test, line " + std::to_string(e.Line()) + ")");
    }
    EXPECT_THROW(FailsWith(), Exception);
}

TEST(PlatformDates, TimeStamps) {
    const struct {
        double DateTime;
        int32_t Date, Time;
    } cases[] = {
        {0.0, 693594, 0},             // 1899-12-30
        {1.5, 693595, 43200000},      // noon of the next day
        {-1.25, 693593, 21600000},    // a negative date counts its time from midnight too
        {45000.999999999, 738595, 0}, // rounds up to the next midnight
    };
    for (const auto& c : cases) {
        const TTimeStamp t = DateTimeToTimeStamp(c.DateTime);
        EXPECT_EQ(t.Date, c.Date) << c.DateTime;
        EXPECT_EQ(t.Time, c.Time) << c.DateTime;
    }
}

TEST(PlatformFloatingPoint, MaskedFaultsGiveInfinities) {
    MaskFPUExceptions();
    volatile double zero = 0.0;
    EXPECT_TRUE(std::isinf(1.0 / zero));
    EXPECT_TRUE(std::isnan(zero / zero));
}

TEST(PlatformCharacter, Decompositions) {
    EXPECT_EQ(TCharacter::GetDecompositionType(0xFE8D), TDecompositionType::Isolated);
    EXPECT_EQ(TCharacter::GetDecompositionMapping(0xFE8D), UCS4String{0x0627});
    EXPECT_EQ(TCharacter::GetDecompositionType(0xFEF0), TDecompositionType::Final);
    EXPECT_EQ(TCharacter::GetDecompositionType(0xFB31), TDecompositionType::Canonical);
    EXPECT_EQ(TCharacter::GetDecompositionMapping(0xFB31), (UCS4String{0x05D1, 0x05BC}));
    EXPECT_EQ(TCharacter::GetDecompositionMapping(0xFB2C), (UCS4String{0xFB49, 0x05C1})); // one level only
    EXPECT_EQ(TCharacter::GetDecompositionType(0x2153), TDecompositionType::Fraction);
    EXPECT_EQ(TCharacter::GetDecompositionType(0x1D400), TDecompositionType::Font); // beyond the BMP
    EXPECT_EQ(TCharacter::GetDecompositionMapping(0x1D400), UCS4String{U'A'});
    for (char32_t none : {char32_t(U'a'), char32_t(0xD800), char32_t(0x110000), char32_t(0xFFFFFFFF)}) {
        EXPECT_EQ(TCharacter::GetDecompositionType(none), TDecompositionType::None) << std::hex << unsigned(none);
        EXPECT_TRUE(TCharacter::GetDecompositionMapping(none).empty()) << std::hex << unsigned(none);
    }
}
