// The RTF reader: documents of the rich-edit kind as text and ranges, the header's tables, escaped
// bytes in the code page of their language, every error with its message, and a Persian document
// written for the tests that must give exactly the text a reader of it sees.
#include "RTL.StdCtrls.h"

#include "System.Character.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using namespace Zarvel;

namespace {

using TRange = TRTFText::TRTFTextRange;
using Sys::TFontStyle;

// The header a rich edit control writes for a Persian document.
const Sys::string RichEditHeader = u"{\\rtf1\\ansi\\ansicpg1256\\deff0\\nouicompat\\deflang1065{\\fonttbl{"
                                   u"\\f0\\fnil\\fcharset178 Tahoma;}}\r\n"
                                   u"{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n";

// "POS+LENGTH" and the fields that are not zero: B I U for the styles, size, font, color, rtl, the
// alignment when not centred, lang=ID/CODEPAGE, rtlch, li.
std::string Describe(const TRange& R) {
    std::string s = std::to_string(R.Range.Pos) + "+" + std::to_string(R.Range.Length);
    if (R.FontStyle.Contains(TFontStyle::fsBold)) s += " B";
    if (R.FontStyle.Contains(TFontStyle::fsItalic)) s += " I";
    if (R.FontStyle.Contains(TFontStyle::fsUnderline)) s += " U";
    if (R.FontSize) s += " size=" + std::to_string(R.FontSize);
    if (R.FontIndex) s += " font=" + std::to_string(R.FontIndex);
    if (R.ColorIndex) s += " color=" + std::to_string(R.ColorIndex);
    if (R.RTL) s += " rtl";
    if (R.Align == FMX::TTextAlign::Trailing) s += " trailing";
    if (R.Align == FMX::TTextAlign::Leading) s += " leading";
    if (R.LangID) s += " lang=" + std::to_string(R.LangID) + "/" + std::to_string(R.AnsiToUnicodeLocaleKey);
    if (R.RTLCh) s += " rtlch";
    if (R.ListIndent) s += " li=" + std::to_string(R.ListIndent);
    return s;
}

std::vector<std::string> Describe(const TRTFText::TRTFData& D) {
    std::vector<std::string> out;
    for (const TRange& r : D.Ranges) out.push_back(Describe(r));
    return out;
}

struct TError {
    bool Parse; // EParseError, or else the general exception
    std::string Message;
    bool operator==(const TError&) const = default;
};

std::ostream& operator<<(std::ostream& Out, const TError& E) {
    return Out << (E.Parse ? "EParseError " : "Exception ") << E.Message;
}

TError ErrorOf(const Sys::string& Rtf) {
    try {
        TRTFText::ParseRTF(Rtf);
    } catch (const EParseError& e) {
        return {true, Sys::StringToUtf8(e.Message())};
    } catch (const Sys::Exception& e) {
        return {false, Sys::StringToUtf8(e.Message())};
    }
    return {true, "no error"};
}

} // namespace

TEST(RTFText, Documents) {
    const struct {
        const char* Why;
        Sys::string Rtf;
        Sys::string Text;
        std::vector<std::string> Ranges;
    } cases[] = {
        {"code page 1256, Persian, one font: the byte E1 is lam",
         RichEditHeader + u"\\pard\\rtlpar\\f0\\fs20\\lang1065 \\'e1\\par\r\n}\r\n",
         u"\u0644\n\r",
         {"0+3 size=10 rtl lang=1065/1256"}},
        {"styles on and off; a space after a control word is its delimiter",
         u"{\\rtf1 \\b bold\\b0  \\i it\\i0 \\ul u\\ulnone  n}",
         u"bold itu n",
         {"0+4 B", "4+1", "5+2 I", "7+1 U", "8+2"}},
        {"a style word's parameter: 0 is off, others on",
         u"{\\rtf1 \\b1 a\\ul\\ul0 b\\i2 c}",
         u"abc",
         {"0+1 B", "1+1 B", "2+1 B I"}},
        {"only whole control words count: \\blue is not bold, \\pararsid no paragraph",
         u"{\\rtf1 \\blue255 \\insrsid1 \\field x\\pararsid2 y}",
         u"xy",
         {"0+1", "1+1"}},
        {"a hyperlink field gives its shown text; a space after a group is text",
         RichEditHeader +
             u"\\pard see {\\field{\\*\\fldinst{HYPERLINK \"http://x\"}}{\\fldrslt{\\ul\\cf1 link}}} here}",
         u"see link here",
         {"0+4", "4+4 U color=1", "8+5"}},
        {"groups save and restore the state", u"{\\rtf1 a{\\b b} c}", u"ab c", {"0+1", "1+1 B", "2+2"}},
        {"colours by index",
         u"{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}\\cf1 red\\cf2 blue}",
         u"redblue",
         {"0+3 color=1", "3+4 color=2"}},
        {"fonts by index",
         u"{\\rtf1{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Calibri;}\r\n{\\f1\\froman Times;}}\\f1 x}",
         u"x",
         {"0+1 font=1"}},
        {"\\f needs a digit to be a font",
         u"{\\rtf1 \\f1 a\\f-1 b\\f c}",
         u"abc",
         {"0+1 font=1", "1+1 font=1", "2+1 font=1"}},
        {"Unicode escapes: signed 16-bit, and the unsigned form",
         RichEditHeader + u"\\pard\\u1604?\\u-1?\\u-1568?\\u65535?x}",
         u"\u0644\uFFFF\uF9E0\uFFFFx",
         {"0+5"}},
        {"\\tab and \\par; up to two line breaks after \\par, one at the start of a plain run",
         u"{\\rtf1 a\\tab b\\par\r\n\r\n\r\n\r\nc}",
         u"a\tb\n\r\r\nc",
         {"0+8"}},
        {"line feeds alone count as line breaks", u"{\\rtf1 a\\par\nb\\par\n}", u"a\n\rb\n\r", {"0+6"}},
        {"escaped backslash and braces", u"{\\rtf1 a\\\\b\\{c\\}}", u"a\\b{c}", {"0+6"}},
        {"a {\\* group is skipped with its nested groups and escaped braces",
         u"{\\rtf1 a{\\*\\x {b}\\}{c}}d}",
         u"ad",
         {"0+1", "1+1"}},
        {"paragraph words in their order after \\pard; \\rtlch only there",
         RichEditHeader + u"\\pard\\ltrpar\\sa200\\sl276\\slmult1\\qr\\cf1\\f0\\fs22\\rtlch\\lang1025 x\\par"
                          u"\\pard\\rtlpar\\sa0\\sl-240\\qc\\cf2\\f0\\fs24\\rtlch\\lang1037 y}",
         u"x\n\ry",
         {"0+3 size=11 color=1 trailing lang=1025/1256", "3+1 size=12 color=2 rtl lang=1037/1255 rtlch"}},
        {"indents: \\li is kept, \\fi read and dropped",
         u"{\\rtf1 \\fi-360\\li720 a\\li-10 b}",
         u"ab",
         {"0+1 li=720", "1+1 li=-10"}},
        {"control symbols and unknown words are passed over",
         u"{\\rtf1 a\\~b\\-c\\*d\\highlight1\\kerning-2  e}",
         u"abcd e",
         {"0+1", "1+1", "2+1", "3+1", "4+2"}},
        {"each language's code page; a neutral one's; one without: the document's",
         u"{\\rtf1\\ansi\\ansicpg1252 "
         u"\\lang1049\\'e1\\lang1037\\'e9\\lang1033\\'e9\\lang9\\'e9\\lang2052\\'e9}",
         u"\u0431\u05D9\u00E9\u00E9\u00E9",
         {"0+1 lang=1049/1251", "1+1 lang=1037/1255", "2+1 lang=1033/1252", "3+1 lang=9/1252",
          "4+1 lang=2052/0"}},
        {"before any \\lang, the document's code page",
         u"{\\rtf1\\ansi\\ansicpg1256 \\'e1}",
         u"\u0644",
         {"0+1"}},
        {"a language without an ANSI code page: the document's",
         u"{\\rtf1\\ansi\\ansicpg1256 \\lang1081\\'e1}",
         u"\u0644",
         {"0+1 lang=1081/0"}},
        {"no code page anywhere: 1252", u"{\\rtf1 \\'e1}", u"\u00E1", {"0+1"}},
        {"a document code page ICU does not know: 1252",
         u"{\\rtf1\\ansi\\ansicpg12345 \\'e1}",
         u"\u00E1",
         {"0+1"}},
        {"the final brace ends the document", u"{\\rtf1 a}b", u"a", {"0+1"}},
        {"a document without its final brace", u"{\\rtf1 a", u"a", {"0+1"}},
        {"nothing but the opening brace", u"{", u"", {}},
        {"a group straight after the header is a header group", u"{\\rtf1 {\\b x}y}", u"y", {"0+1"}},
    };
    for (const auto& c : cases) {
        const TRTFText::TRTFData d = TRTFText::ParseRTF(c.Rtf);
        EXPECT_EQ(d.Text(), c.Text) << c.Why;
        EXPECT_EQ(d.FText, c.Text) << c.Why;
        EXPECT_EQ(Describe(d), c.Ranges) << c.Why;
        EXPECT_EQ(TRTFText::RTFToText(c.Rtf), c.Text) << c.Why;
    }
}

TEST(RTFText, Header) {
    TRTFText::TRTFData d = TRTFText::ParseRTF(RichEditHeader + u"}");
    EXPECT_EQ(d.OriginalCodePage, 1256u);
    EXPECT_EQ(d.LangID, 1065u);
    EXPECT_EQ(d.Locale, 0u);
    EXPECT_EQ(d.DefaultFontIndex, 0);
    EXPECT_EQ(d.FontTable, std::vector<Sys::string>{u"Tahoma"});
    EXPECT_TRUE(d.ColorTable.empty());

    // \ansi without \ansicpg; empty tables; a component beyond 255 is full intensity.
    d = TRTFText::ParseRTF(u"{\\rtf1\\fbidis\\ansi\\deff1\\deflang1025{\\fonttbl}\r\n"
                           u"{\\colortbl ;\\red300\\blue16 ;\\green1;}{\\stylesheet{\\s0 Normal;}}x}");
    EXPECT_EQ(d.OriginalCodePage, 0u);
    EXPECT_EQ(d.DefaultFontIndex, 1);
    EXPECT_EQ(d.LangID, 1025u);
    EXPECT_TRUE(d.FontTable.empty());
    EXPECT_EQ(d.ColorTable, (std::vector<Sys::TAlphaColor>{0xFF000000, 0xFFFF0010, 0xFF000100}));
    EXPECT_EQ(d.Text(), u"x");

    // Reading from a reader that stands inside a longer text.
    const auto reader = TMarkupText::TMarkupTextReader::CreateReader(Sys::string(u"xx{\\rtf1 a}"));
    reader->Skip(2);
    EXPECT_EQ(TRTFText::ParseRTF(*reader).Text(), u"a");

    // A range a caller moved outside the text gives what of it lies inside.
    d.Ranges.front().Range = {0, 5};
    EXPECT_EQ(d.Text(), u"x");
    d.Ranges.front().Range = {9, 1};
    EXPECT_EQ(d.Text(), u"");
}

TEST(RTFText, Errors) {
    const struct {
        Sys::string Rtf;
        TError Error;
    } cases[] = {
        {u"", {true, "RTF Format is not supported."}},
        {u"\\rtf1", {true, "RTF Format is not supported."}},
        {u" {\\rtf1}", {true, "RTF Format is not supported."}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fdecor X;}}}", {true, "'\\froman' expected but '' found"}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fmodern Courier New;}}}", {true, "'\\froman' expected but '' found"}},
        {u"{\\rtf1{\\fonttbl{\\f1\\fnil X;}}}", {true, "'\\f0' expected but '' found"}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fnil;}}}", {true, "' ' expected but ';' found"}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fnil X}}}", {true, "';' expected but '}' found"}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fnil X;", {true, "RTF Format is not supported."}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fnil X;}", {true, "'}' expected but '' found"}},
        {u"{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset X;}}}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1{\\colortbl;\\red1 x;}}", {true, "';' expected but 'x' found"}},
        {u"{\\rtf1{\\colortbl;\\red;}}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1{\\colortbl;", {true, "';' expected but '' found"}},
        {u"{\\rtf1\\ansi\\ansicpg x}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1 a{\\*\\x {b}", {false, "Unexpected end of RTF string."}},
        {u"{\\rtf1 a{\\*\\x \\}", {false, "Unexpected end of RTF string."}},
        {u"{\\rtf1{\\fonttbl}{\\stylesheet{x}", {false, "Unexpected end of RTF string."}},
        {u"{\\rtf1 \\u1604x}", {true, "'?' expected but 'x' found"}},
        {u"{\\rtf1 \\u1604", {true, "'?' expected but '' found"}},
        {u"{\\rtf1 \\u ?}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1 \\u70000?}", {true, "'Character code' expected but '' found"}},
        {u"{\\rtf1 \\u-32769?}", {true, "'Character code' expected but '' found"}},
        {u"{\\rtf1 \\'zz}", {true, "'Character code' expected but 'zz' found"}},
        {u"{\\rtf1 \\fs x}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1 \\fs99999999999 x}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1 \\cf-1 x}", {true, "'an Integer' expected but '' found"}},
        {u"{\\rtf1 \\pard\\f x}", {true, "'an Integer' expected but '' found"}},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.Rtf), c.Error) << Sys::StringToUtf8(c.Rtf);
}

TEST(RTFText, PersianRichEditDocument) {
    std::ifstream in(std::string(ZARVEL_TEST_DATA) + "/persian-richedit.rtf", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const TRTFText::TRTFData d = TRTFText::ParseRTF(Sys::Utf8ToString(bytes));
    EXPECT_EQ(d.Text(), u"زبان فارسی\n\r"
                        u"این متن را کاربر در یک ویرایشگر نوشته است.\n\r"
                        u"نسخه ۱۴۰۳ برنامه Zarvel را می\u200Cخواهم.\n\r"
                        u"نام:\tعلی\n\r"
                        u"\n\r");
    EXPECT_EQ(d.FontTable, (std::vector<Sys::string>{u"Tahoma", u"Calibri"}));
    EXPECT_EQ(d.ColorTable, (std::vector<Sys::TAlphaColor>{0xFF000000, 0xFF0000FF}));
    EXPECT_EQ(Describe(d), (std::vector<std::string>{
                               "0+10 B size=14 rtl lang=1065/1256",         // the title, bold and centred
                               "10+2 size=14 rtl lang=1065/1256",           // its paragraph break
                               "12+61 size=10 rtl trailing lang=1065/1256", // right-aligned text
                               "73+6 size=10 font=1 rtl trailing lang=1033/1252", // Zarvel, in English
                               "79+20 size=10 rtl trailing lang=1065/1256",
                               "99+3 size=10 color=1 rtl trailing lang=1065/1256", // the name in blue
                               "102+4 size=10 rtl trailing lang=1065/1256",
                           }));
}
