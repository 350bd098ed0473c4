// The markup reader: every kind of read forwards and backwards with the position it leaves, the
// narrowed end and saved states, the raising forms' messages, and the checks of programming errors.
#include "RTL.StdCtrls.h"

#include "TestSupport.h"

#include "System.Character.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace Zarvel;

namespace {

using TReader = TMarkupText::TMarkupTextReader;
using TPosition = TMarkupText::TPosition;
using TCharSet = TMarkupText::TCharSet;

std::string U8(const Sys::string& S) {
    return Sys::StringToUtf8(S);
}

// A read's outcome: "-" when it fails, else "+" and what it read. The value is taken after the read.
std::string Outcome(
    bool Found, const std::function<std::string()>& Value = [] { return std::string(); }) {
    return Found ? "+" + Value() : "-";
}

struct TReadCase {
    const char* Name;
    const char16_t* Text;
    TPosition Position;
    int Direction;
    std::function<std::string(TReader&)> Read;
    std::string Expected;
    TPosition After;
};

std::unique_ptr<TReader> ReaderAt(const char16_t* Text, TPosition Position, int Direction) {
    std::unique_ptr<TReader> r = TReader::CreateReader(Sys::string(Text));
    r->SetDirection(Direction);
    r->RestorePosition(Position);
    return r;
}

const TMarkupText::TStringArray& Keywords() {
    static const TMarkupText::TStringArray table = {u"", u"ab", u"abc", u"x"};
    return table;
}

} // namespace

TEST(MarkupReader, Reads) {
    Sys::string s;
    int32_t n = 0;
    const TReadCase cases[] = {
        {"CopyTextTill without the stop fails", u"abc", 0, 1,
         [&](TReader& r) { return Outcome(r.CopyTextTill(s, u'<'), [&] { return U8(s); }); }, "-", 0},
        {"CopyTextTill stops at the stop", u"ab<c", 0, 1,
         [&](TReader& r) { return Outcome(r.CopyTextTill(s, u'<'), [&] { return U8(s); }); }, "+ab", 2},
        {"Read of the whole text reaches Eof", u"abc", 0, 1,
         [](TReader& r) { return Outcome(r.Read(u"abc") && r.Eof()); }, "+", 3},
        {"Read beyond the end fails", u"abc", 0, 1, [](TReader& r) { return Outcome(r.Read(u"abcd")); }, "-", 0},
        {"ReadStill does not move", u"abc", 0, 1, [](TReader& r) { return Outcome(r.ReadStill(u"ab")); }, "+", 0},
        {"the 8-bit Read", u"abc", 1, 1, [](TReader& r) { return Outcome(r.SetPos(r.DoRead(std::string_view("bc")))); },
         "+", 3},
        {"ReadDigits at a letter", u"x12", 0, 1, [&](TReader& r) { return Outcome(r.ReadDigits(s), [&] { return U8(s); }); }, "-",
         0},
        {"ReadDigits stops at the letter", u"123x", 0, 1, [&](TReader& r) { return Outcome(r.ReadDigits(s), [&] { return U8(s); }); },
         "+123", 3},
        {"ReadDigitsStill", u"123x", 0, 1, [&](TReader& r) { return Outcome(r.ReadDigitsStill(s), [&] { return U8(s); }); }, "+123",
         0},
        {"Arabic-Indic digits are no digits", u"\u0661\u0662", 0, 1,
         [&](TReader& r) { return Outcome(r.ReadDigits(s)); }, "-", 0},
        {"ReadInteger", u"2147483647 ", 0, 1,
         [&](TReader& r) { return Outcome(r.ReadInteger(n), [&] { return std::to_string(n); }); }, "+2147483647", 10},
        {"ReadInteger beyond 32 bits fails", u"2147483648", 0, 1, [&](TReader& r) { return Outcome(r.ReadInteger(n)); },
         "-", 0},
        {"ReadIntegerStill", u"42", 0, 1,
         [&](TReader& r) { return Outcome(r.ReadIntegerStill(n), [&] { return std::to_string(n); }); }, "+42", 0},
        {"ReadQuotedString stops past the closing quote", u"\"ab\" c", 0, 1,
         [&](TReader& r) { return Outcome(r.ReadQuotedString(s), [&] { return U8(s); }); }, "+ab", 4},
        {"single quotes, holding a double quote", u"'a\"b'x", 0, 1,
         [&](TReader& r) { return Outcome(r.ReadQuotedString(s), [&] { return U8(s); }); }, "+a\"b", 5},
        {"an unclosed quote", u"\"ab", 0, 1, [&](TReader& r) { return Outcome(r.ReadQuotedString(s)); }, "-", 0},
        {"Ident(false) does not move", u"abc1 x", 0, 1, [](TReader& r) { return U8(r.Ident(false)); }, "abc1", 0},
        {"Ident(true) moves", u"abc1 x", 0, 1, [](TReader& r) { return U8(r.Ident(true)); }, "abc1", 4},
        {"an identifier does not start with a digit", u"1abc", 0, 1, [](TReader& r) { return U8(r.Ident(true)); }, "",
         0},
        {"an identifier may start with '_'", u"_a-b", 0, 1, [&](TReader& r) { return Outcome(r.ReadIdent(s), [&] { return U8(s); }); },
         "+_a", 2},
        {"letters from 256 on are no identifier", u"\u0628a", 0, 1, [](TReader& r) { return U8(r.Ident(true)); }, "",
         0},
        {"ReadHexByte", u"e1x", 0, 1,
         [](TReader& r) {
             uint8_t b = 0;
             return Outcome(r.ReadHexByte(b), [&] { return std::to_string(b); });
         },
         "+225", 2},
        {"one hex digit is the low half", u"ez", 0, 1,
         [](TReader& r) {
             uint8_t b = 0;
             return Outcome(r.ReadHexByte(b), [&] { return std::to_string(b); });
         },
         "+14", 1},
        {"a byte takes two digits at most", u"abc", 0, 1,
         [](TReader& r) {
             uint8_t b = 0;
             return Outcome(r.ReadHexByte(b), [&] { return std::to_string(b); });
         },
         "+171", 2},
        {"ReadHexWord right-aligns three digits", u"abc", 0, 1,
         [](TReader& r) {
             uint16_t w = 0;
             return Outcome(r.ReadHexWord(w), [&] { return std::to_string(w); });
         },
         "+2748", 3},
        {"ReadHexWord takes four digits", u"12345", 0, 1,
         [](TReader& r) {
             uint16_t w = 0;
             return Outcome(r.ReadHexWord(w), [&] { return std::to_string(w); });
         },
         "+4660", 4},
        {"ReadHex", u"fF;", 0, 1,
         [](TReader& r) {
             uint32_t v = 0;
             return Outcome(r.ReadHex(v), [&] { return std::to_string(v); });
         },
         "+255", 2},
        {"ReadHexStill", u"10", 0, 1,
         [](TReader& r) {
             uint32_t v = 0;
             return Outcome(r.ReadHexStill(v, 1), [&] { return std::to_string(v); });
         },
         "+1", 0},
        {"ReadHexDigits counts", u"12g", 0, 1,
         [&](TReader& r) {
             int count = 0;
             return Outcome(r.ReadHexDigits(s, 8, count), [&] { return U8(s) + " " + std::to_string(count); });
         },
         "+12 2", 2},
        {"no hex digit", u"g", 0, 1,
         [](TReader& r) {
             uint8_t b = 0;
             return Outcome(r.ReadHexByte(b));
         },
         "-", 0},
        {"ReadEnumIndex: the first entry in table order, empty ones never", u"abcd", 0, 1,
         [](TReader& r) {
             int i = -1;
             return Outcome(r.ReadEnumIndex(Keywords(), 4, i), [&] { return std::to_string(i); });
         },
         "+1", 2},
        {"ReadEnumIndex looks only at the entries in use", u"x", 0, 1,
         [](TReader& r) {
             int i = -1;
             return Outcome(r.ReadEnumIndex(Keywords(), 3, i));
         },
         "-", 0},
        {"ReadEnumIndexStill", u"x", 0, 1,
         [](TReader& r) {
             int i = -1;
             return Outcome(r.ReadEnumIndexStill(Keywords(), 4, i), [&] { return std::to_string(i); });
         },
         "+3", 0},
        {"ReadToken of a set", u"b", 0, 1,
         [](TReader& r) {
             char16_t c = 0;
             return Outcome(r.ReadToken(TCharSet("ab"), c), [&] { return std::string(1, char(c)); });
         },
         "+b", 1},
        {"ReadTokenStill", u"b", 0, 1, [](TReader& r) { return Outcome(r.ReadTokenStill(u'b')); }, "+", 0},
        {"FindChar stops at the character", u"abc", 0, 1, [](TReader& r) { return std::to_string(r.FindChar(u'c', false)); },
         "2", 2},
        {"FindChar after it", u"abc", 0, 1, [](TReader& r) { return std::to_string(r.FindChar(u'c', true)); }, "3", 3},
        {"FindChar of an absent character goes to the end", u"abc", 1, 1,
         [](TReader& r) { return std::to_string(r.FindChar(u'z', false)); }, "0", 3},
        {"backwards, to the start", u"abc", 2, -1, [](TReader& r) { return std::to_string(r.FindChar(u'z', false)); },
         "0", 0},
        {"FindAny reports the character", u"a;b}", 0, 1,
         [](TReader& r) {
             char16_t c = 0;
             const int moved = r.FindAny(TCharSet(";}"), c, true);
             return std::to_string(moved) + std::string(1, char(c));
         },
         "2;", 2},
        {"FindCharPos only looks", u"abc", 0, 1, [](TReader& r) { return std::to_string(*r.FindCharPos(u'b')); }, "1",
         0},
        {"Skip is clamped to the text", u"abc", 1, 1, [](TReader& r) { return std::to_string(r.Skip(10)); }, "2", 3},
        {"Skip backwards stops before the first character", u"abc", 1, -1,
         [](TReader& r) { return std::to_string(r.Skip(10)); }, "2", -1},
        {"StepBack moves against the direction", u"abc", 2, 1,
         [](TReader& r) {
             r.StepBack(2);
             return std::string();
         },
         "", 0},
        {"SkipSpaces leaves line breaks", u"  \r\nx", 0, 1,
         [](TReader& r) {
             r.SkipSpaces(false);
             return std::string();
         },
         "", 2},
        {"SkipSpaces over line breaks", u"  \r\nx", 0, 1,
         [](TReader& r) {
             r.SkipSpaces(true);
             return std::string();
         },
         "", 4},
        {"SkipSpaces to the end", u"   ", 0, 1,
         [](TReader& r) {
             r.SkipSpaces(true);
             return Outcome(r.Eof());
         },
         "+", 3},
        {"Token at the end is 0", u"a", 1, 1, [](TReader& r) { return std::to_string(int(r.Token())); }, "0", 1},
        {"CopyText copies up to Max", u"abcdef", 1, 1,
         [](TReader& r) {
             char16_t buf[8] = {};
             const int count = r.CopyText(buf, 4);
             return std::to_string(count) + U8(Sys::string(buf, size_t(count)));
         },
         "4bcde", 5},
        {"CopyTextTill a set, cut at Max", u"abcd;", 0, 1,
         [](TReader& r) {
             char16_t buf[8] = {};
             int count = 0;
             return Outcome(r.CopyTextTill(buf, 2, count, TCharSet(";}")),
                            [&] { return U8(Sys::string(buf, size_t(count))); });
         },
         "+ab", 4},
        // Backwards, every match runs to the left; what is read comes out in text order.
        {"backwards Read ends before the first character", u"ab", 1, -1,
         [](TReader& r) { return Outcome(r.Read(u"ab") && r.Eof()); }, "+", -1},
        {"backwards Read of a part", u"xab", 2, -1, [](TReader& r) { return Outcome(r.Read(u"ab")); }, "+", 0},
        {"backwards Read that would pass the start", u"ab", 0, -1, [](TReader& r) { return Outcome(r.Read(u"ab")); },
         "-", 0},
        {"backwards ReadDigits", u"x123", 3, -1, [&](TReader& r) { return Outcome(r.ReadDigits(s), [&] { return U8(s); }); }, "+123",
         0},
        {"backwards CopyTextTill", u"a<bc", 3, -1, [&](TReader& r) { return Outcome(r.CopyTextTill(s, u'<'), [&] { return U8(s); }); },
         "+bc", 1},
        {"backwards ReadQuotedString", u"x\"ab\"", 4, -1,
         [&](TReader& r) { return Outcome(r.ReadQuotedString(s), [&] { return U8(s); }); }, "+ab", 0},
        {"backwards CopyText", u"abcdef", 5, -1,
         [](TReader& r) {
             char16_t buf[8] = {};
             const int count = r.CopyText(buf, 2);
             return U8(Sys::string(buf, size_t(count)));
         },
         "ef", 3},
        {"backwards ReadToken", u"ab", 1, -1, [](TReader& r) { return Outcome(r.ReadToken(u'b')); }, "+", 0},
    };
    for (const TReadCase& c : cases) {
        std::unique_ptr<TReader> r = ReaderAt(c.Text, c.Position, c.Direction);
        EXPECT_EQ(c.Read(*r), c.Expected) << c.Name;
        EXPECT_EQ(r->SavePosition(), c.After) << c.Name;
    }
}

TEST(MarkupReader, EndsAndStates) {
    const std::unique_ptr<TReader> r = TReader::CreateReader(Sys::string(u"abc<d"));
    const TPosition end = r->SetEnd(3);
    EXPECT_EQ(end, 5);
    EXPECT_FALSE(r->ReadStill(u"abc<"));
    Sys::string s;
    EXPECT_FALSE(r->CopyTextTill(s, u'<')); // the '<' lies beyond the narrowed end
    EXPECT_EQ(r->FindChar(u'd', false), 0);
    EXPECT_EQ(r->SavePosition(), 3);
    EXPECT_TRUE(r->Eof());
    EXPECT_EQ(r->SetEnd(end), 3);
    EXPECT_FALSE(r->Eof());
    EXPECT_TRUE(r->ReadToken(u'<'));

    const TMarkupText::TReaderState state = r->SaveState();
    r->SetDirection(-1);
    EXPECT_TRUE(r->Read(u"abc<d"));
    EXPECT_EQ(r->SavePosition(), -1);
    r->RestoreState(state);
    EXPECT_EQ(r->Direction(), 1);
    EXPECT_EQ(r->SavePosition(), 4);
    EXPECT_FALSE(r->SetPos(std::nullopt));
    EXPECT_TRUE(r->SetPos(1));
    EXPECT_EQ(r->Token(), u'b');

    // A buffer reader reads up to its terminator; a null buffer is an empty text.
    const char16_t buffer[] = u"ab\0cd";
    EXPECT_EQ(TReader::CreateReader(buffer)->End(), 2);
    EXPECT_TRUE(TReader::CreateReader(static_cast<const char16_t*>(nullptr))->Eof());
}

TEST(MarkupReader, RaisingForms) {
    const struct {
        const char16_t* Text;
        std::function<void(TReader&)> Read;
        const char* Message;
    } cases[] = {
        {u"\\rtf2", [](TReader& r) { r.Check(u"\\rtf1"); }, "'\\rtf1' expected but '' found"},
        {u"abc def", [](TReader& r) { r.Check(u"x"); }, "'x' expected but 'abc' found"},
        {u"abc", [](TReader& r) { r.Integer(); }, "'an Integer' expected but 'abc' found"},
        {u"99999999999", [](TReader& r) { r.Integer(); }, "'an Integer' expected but '' found"},
        {u"x1", [](TReader& r) { r.SkipDigits(); }, "'an Integer' expected but 'x1' found"},
        {u"zz", [](TReader& r) { r.HexByte(); }, "'Character code' expected but 'zz' found"},
        {u"", [](TReader& r) { r.HexWord(); }, "'Character code' expected but '' found"},
        {u"\\fdecor",
         [](TReader& r) {
             r.EnumIndex({u"\\froman", u"\\fswiss"}, 2);
         },
         "'\\froman' expected but '' found"},
        {u"x", [](TReader& r) { r.QuotedString(); }, "'\"' expected but 'x' found"},
        {u"", [](TReader& r) { r.QuotedString(); }, "'\"' expected but '' found"},
        {u"a", [](TReader& r) { r.CheckToken(u'>'); }, "'>' expected but 'a' found"},
        {u"", [](TReader& r) { r.CheckToken(u'>'); }, "'>' expected but '' found"},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<TReader> r = TReader::CreateReader(Sys::string(c.Text));
        try {
            c.Read(*r);
            ADD_FAILURE() << "no error for " << c.Message;
        } catch (const EParseError& e) {
            EXPECT_EQ(U8(e.Message()), c.Message);
            EXPECT_EQ(r->SavePosition(), 0) << c.Message; // a failed read does not move
        }
    }
    // Values of the raising forms when the item is there.
    const std::unique_ptr<TReader> r = TReader::CreateReader(Sys::string(u"12 e1 0abc \"q\""));
    EXPECT_EQ(r->Integer(), 12);
    r->SkipSpaces(false);
    EXPECT_EQ(r->HexByte(), 0xE1);
    r->SkipSpaces(false);
    EXPECT_EQ(r->HexWord(), 0x0ABC);
    r->SkipSpaces(false);
    EXPECT_EQ(r->QuotedString(), u"q");
    EXPECT_TRUE(r->Eof());
}

TEST(MarkupReader, ProgrammingErrors) {
    const std::unique_ptr<TReader> r = TReader::CreateReader(Sys::string(u"ab"));
    r->SetDirection(-1);
    r->RestorePosition(1);
    Sys::string s;
    EXPECT_ASSERTION(r->ReadIdent(s), "ReadIdent doesn't work in backward direction.");
    int index = 0;
    EXPECT_ASSERTION(r->ReadEnumIndex({u"a"}, 1, index), "ReadIdent doesn't work in backward direction.");
    // Reading backwards, no identifier stands at the position: the message names none.
    try {
        r->Check(u"x");
        ADD_FAILURE() << "no error";
    } catch (const EParseError& e) {
        EXPECT_EQ(U8(e.Message()), "'x' expected but '' found");
    }
    EXPECT_ASSERTION(r->SetDirection(0), "Assertion failure");
    EXPECT_ASSERTION(r->SetEnd(3), "Assertion failure");
    EXPECT_ASSERTION(r->RestorePosition(-2), "Assertion failure");
    r->SetDirection(1);
    EXPECT_ASSERTION(r->ReadEnumIndex({}, 1026, index), "Assertion failure");
}
