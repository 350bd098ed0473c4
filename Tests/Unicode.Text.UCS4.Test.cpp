// Code-point helpers and the lexeme navigation, in pointer and array forms.
#include "Unicode.Text.UCS4.h"

#include "TestSupport.h"

#include "System.Character.h"

#include <gtest/gtest.h>

using namespace Zarvel;

namespace {
UCS4String U(const Sys::string& S) {
    return Sys::UnicodeStringToUCS4String(S);
}
} // namespace

TEST(UCS4CharHelper, ConvertsFromAndToUtf16) {
    UCS4Char c = 0;
    int length = -1;
    const Sys::string s = u"a\U0001F600\xDC00";
    TUCS4CharHelper::ConvertFromUtf16(c, s, 1, length);
    EXPECT_EQ(c, 0x1F600u);
    EXPECT_EQ(length, 2);
    TUCS4CharHelper::ConvertFromUtf16(c, s, 3, length);
    EXPECT_EQ(c, 0xDC00u);
    EXPECT_EQ(length, 1);
    TUCS4CharHelper::ConvertFromUtf16(c, s, 9, length);
    EXPECT_EQ(length, 0);
    TUCS4CharHelper::ConvertFromUtf16(c, 0xD83D, 0xDE00);
    EXPECT_EQ(c, 0x1F600u);
    EXPECT_EQ(TUCS4CharHelper::ConvertToUtf16(0x1F600), u"\U0001F600");
    EXPECT_EQ(TUCS4CharHelper::ToWideChar(0x1F600), u'\xF600');
    EXPECT_TRUE(TUCS4CharHelper::IsInArray(U'b', {U'a', U'b'}));
    EXPECT_FALSE(TUCS4CharHelper::IsInArray(U'c', {}));
    EXPECT_EQ(TUCS4CharHelper::MaxCodePoint(), 0x10FFFFu);
}

TEST(UCS4StringHelper, LengthCountsTheTerminator) {
    const UCS4String s = U(u"ab");
    EXPECT_EQ(TUCS4StringHelper::Length(s), 3);
    EXPECT_EQ(TUCS4StringHelper::GetChars(s, 1), U'b');
    EXPECT_TRUE(TUCS4StringHelper::IsEmpty(UCS4String()));
}

TEST(UCS4CharPtrHelper, BufferConversions) {
    UCS4Char buffer[8] = {};
    EXPECT_EQ(TUCS4CharPtrHelper::ConvertFromUtf16(buffer, u"ab"), 3);
    EXPECT_EQ(TUCS4CharPtrHelper::Length(buffer), 2);

    UCS4Char small[2] = {7, 7};
    EXPECT_EQ(TUCS4CharPtrHelper::ConvertFromUtf16(small, u"xyz", 4), 4); // full count, one element copied
    EXPECT_EQ(small[0], U'x');
    EXPECT_EQ(small[1], 7u);

    PUCS4Char p = nullptr;
    EXPECT_EQ(TUCS4CharPtrHelper::Length(p), 0);
    TUCS4CharPtrHelper::ConvertFromUtf16(u"", p);
    EXPECT_EQ(p, nullptr);
    TUCS4CharPtrHelper::ConvertFromUtf16(u"س\U0001F600", p);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(TUCS4CharPtrHelper::Length(p), 2);
    EXPECT_EQ(TUCS4CharPtrHelper::ConvertToUtf16(p), u"س\U0001F600");
    EXPECT_EQ(TUCS4CharPtrHelper::ToUCS4String(p), (UCS4String{0x0633, 0x1F600}));
    TUCS4CharPtrHelper::ConvertFromUtf16(u"", p); // frees
    EXPECT_EQ(p, nullptr);
    TUCS4CharPtrHelper::ConvertFromUtf16(u"a", p);
    TUCS4CharPtrHelper::Free(p);
    EXPECT_EQ(p, nullptr);

    UCS4String a = U(u"q");
    EXPECT_EQ(TUCS4CharPtrHelper::PUCS4Chars(a), a.data());
}

// Each case: text, position, expected position, for the array form; the pointer form is checked on
// the same 0-terminated array (where its result is defined the same way).
struct TLexemeCase {
    const char* Name;
    const char16_t* Text;
    int Index;
    int Expected;
};

TEST(Lexemes, GetLexemeBegin) {
    const TLexemeCase cases[] = {
        {"on the w", u"hello, world", 7, 7},
        {"on the space: the comma belongs to hello", u"hello, world", 6, 0},
        {"inside a word", u"hello, world", 9, 7},
        {"brackets and math join", u"x (a+b) y", 4, 2},
        {"a dash separates", u"well-known", 6, 5},
        {"a combining mark separates", u"\u0628\u064E\u0628", 2, 2},
        {"at the start", u"ab", 0, 0},
    };
    for (const auto& c : cases) {
        UCS4String s = U(c.Text);
        EXPECT_EQ(GetLexemeBegin(s, c.Index), c.Expected) << c.Name;
        EXPECT_EQ(GetLexemeBegin(s.data(), s.data() + c.Index) - s.data(), c.Expected) << c.Name;
    }
}

TEST(Lexemes, GetLexemeEnd) {
    const TLexemeCase cases[] = {
        {"last letter of the word", u"hello, world", 1, 5},
        {"a separator stretch", u"ab  cd", 2, 3},
        {"the last lexeme", u"ab cd", 3, 4},
    };
    for (const auto& c : cases) {
        UCS4String s = U(c.Text);
        s.pop_back(); // the array form runs to the length; the terminator would count as a separator
        EXPECT_EQ(GetLexemeEnd(s, c.Index), c.Expected) << c.Name;
        UCS4String z = U(c.Text);
        EXPECT_EQ(GetLexemeEnd(z.data() + c.Index) - z.data(), c.Expected) << c.Name;
    }
}

TEST(Lexemes, GetNextLexemeBegin) {
    const TLexemeCase cases[] = {
        {"from a word to the next", u"hello, world", 1, 7},
        {"from a separator", u"a  b", 1, 3},
        {"the end of the last lexeme is the length", u"ab cd", 4, 5},
    };
    for (const auto& c : cases) {
        UCS4String s = U(c.Text);
        s.pop_back();
        EXPECT_EQ(GetNextLexemeBegin(s, c.Index), c.Expected) << c.Name;
        UCS4String z = U(c.Text);
        EXPECT_EQ(GetNextLexemeBegin(z.data() + c.Index) - z.data(), c.Expected) << c.Name;
    }
}

TEST(Lexemes, GetPrevLexemeBeginAndEnd) {
    const TLexemeCase begins[] = {
        {"after a word", u"ab cd", 5, 3},
        {"at a word start: the previous one", u"ab cd", 3, 0},
        {"inside a word", u"ab cd", 4, 3},
        {"at the start", u"ab", 0, 0},
    };
    for (const auto& c : begins) {
        UCS4String s = U(c.Text);
        s.pop_back();
        EXPECT_EQ(GetPrevLexemeBegin(s, c.Index), c.Expected) << c.Name;
        EXPECT_EQ(GetPrevLexemeBegin(s.data(), s.data() + c.Index) - s.data(), c.Expected) << c.Name;
    }
    const TLexemeCase ends[] = {
        {"after the comma, over two spaces", u"hello,  world", 8, 6},
        {"right after a lexeme", u"ab cd", 2, 2},
        {"at the start", u"  ab", 0, 0},
        {"separators back to the start", u"  ab", 2, 0},
    };
    for (const auto& c : ends) {
        UCS4String s = U(c.Text);
        s.pop_back();
        EXPECT_EQ(GetPrevLexemeEnd(s, c.Index), c.Expected) << c.Name;
        EXPECT_EQ(GetPrevLexemeEnd(s.data(), s.data() + c.Index) - s.data(), c.Expected) << c.Name;
    }
}

TEST(Lexemes, ArrayFormsClampBadIndices) {
    const UCS4String empty;
    const UCS4String s = {U'a', U'b', U' ', U'c'};
    EXPECT_EQ(GetLexemeBegin(empty, 0), 0);
    EXPECT_EQ(GetLexemeBegin(s, -3), 0);
    EXPECT_EQ(GetLexemeBegin(s, 99), 3);
    EXPECT_EQ(GetLexemeEnd(s, 99), 99); // not below the length: unchanged
    EXPECT_EQ(GetLexemeEnd(empty, 0), 0);
    EXPECT_EQ(GetNextLexemeBegin(s, -1), 0);
    EXPECT_EQ(GetNextLexemeBegin(s, 99), 4);
    EXPECT_EQ(GetPrevLexemeBegin(empty, 3), 0);
    EXPECT_EQ(GetPrevLexemeBegin(s, 0), 0);
    EXPECT_EQ(GetPrevLexemeBegin(s, 99), 3);
    EXPECT_EQ(GetPrevLexemeEnd(s, -5), 0);
    EXPECT_EQ(GetPrevLexemeEnd(s, 99), 4);
}

TEST(Lexemes, PointerFormsCheckTheirArguments) {
    UCS4String s = U(u"ab");
    const UCS4Char* start = s.data();
    EXPECT_EQ(GetLexemeBegin(start, nullptr), nullptr);
    EXPECT_EQ(GetPrevLexemeEnd(start, nullptr), nullptr);
    EXPECT_EQ(GetLexemeEnd(nullptr), nullptr);
    EXPECT_EQ(GetNextLexemeBegin(nullptr), nullptr);
    EXPECT_EQ(GetPrevLexemeBegin(start, start), start);
    EXPECT_ASSERTION(GetLexemeBegin(nullptr, start), "Assertion failure");
    EXPECT_ASSERTION(GetPrevLexemeBegin(start + 1, start), "Assertion failure");
    EXPECT_ASSERTION(GetPrevLexemeEnd(nullptr, start), "Assertion failure");
}
