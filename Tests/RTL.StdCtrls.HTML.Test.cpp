// The HTML subset: trees and texts of documents, every tag name, parameters, self-closing tags,
// what is passed over (comments, stray closing tags), the errors, and the nesting limit.
#include "RTL.StdCtrls.h"

#include "System.Character.h"

#include <gtest/gtest.h>

#include <string>

using namespace Zarvel;

namespace {

using TTag = THTMLText::THTMLTag;
using TType = THTMLText::THTMLTagType;

const char* const TypeNames[] = {
    "Undefined", "Body",       "InnerText", "DIV",      "Anchor",   "Style",    "Script",   "Span",
    "Paragraph", "Bold",       "Italic",    "Heading1", "Heading2", "Heading3", "Heading4", "Heading5",
    "Heading6",  "Emphasized", "Strong",    "Mark",     "Font",     "Delete",   "Br",
};

// 'text' for a text node; Type{name=value,...}[children] for an element.
std::string Describe(const TTag& Tag) {
    if (Tag.TagType == TType::InnerText) return "'" + Sys::StringToUtf8(Tag.ImmediateText) + "'";
    std::string s = TypeNames[size_t(Tag.TagType)];
    if (!Tag.Params.empty()) {
        s += "{";
        for (size_t i = 0; i < Tag.Params.size(); ++i)
            s += (i ? "," : "") + Sys::StringToUtf8(Tag.Params[i].ParamName) + "=" +
                 Sys::StringToUtf8(Tag.Params[i].ParamValue);
        s += "}";
    }
    if (!Tag.Children.empty()) {
        s += "[";
        for (size_t i = 0; i < Tag.Children.size(); ++i) s += (i ? "," : "") + Describe(Tag.Children[i]);
        s += "]";
    }
    return s;
}

std::string ErrorOf(const Sys::string& Text) {
    try {
        THTMLText::ParseHTML(Text);
    } catch (const EParseError& e) {
        return Sys::StringToUtf8(e.Message());
    }
    return "no error";
}

std::u16string Repeat(const std::u16string& S, int N) {
    std::u16string out;
    for (int i = 0; i < N; ++i) out += S;
    return out;
}

} // namespace

TEST(HTMLText, Documents) {
    const struct {
        const char16_t* Html;
        const char* Tree;
        const char16_t* Text;
    } cases[] = {
        {u"abc", "'abc'", u"abc"},
        {u"", "Body", u""},
        {u"<B>x</B>y", "Body[Bold['x'],'y']", u"xy"},
        {u"<BR/>", "Br", u""},
        {u"<BR />", "Br", u""},
        {u"<br/>", "Undefined", u""},
        {u"<b>x</b>", "Undefined['x']", u"x"},
        {u"<A href=\"u\">l</A>", "Anchor{href=u}['l']", u"l"},
        {u"<H1>t</H1><P>p<BR/>q</P>", "Body[Heading1['t'],Paragraph['p',Br,'q']]", u"tpq"},
        {u"<P> <B>\u0633\u0644\u0627\u0645</B> world</P>",
         "Paragraph[' ',Bold['\u0633\u0644\u0627\u0645'],' world']", u" \u0633\u0644\u0627\u0645 world"},
        // The closing tag's name is not compared with the element's.
        {u"<B>x</I>", "Bold['x']", u"x"},
        {u"<B>x</B  >", "Bold['x']", u"x"},
        // Text stands as it is: no entities, no white-space rules.
        {u"a&amp;b\r\n c", "'a&amp;b\r\n c'", u"a&amp;b\r\n c"},
        // Parameters: as many as there are '=' signs outside quoted values.
        {u"<FONT color=\"red\" face='Tahoma'>x</FONT>", "Font{color=red,face=Tahoma}['x']", u"x"},
        {u"<A href=\"q?a=1&b=2\">l</A>", "Anchor{href=q?a=1&b=2}['l']", u"l"},
        {u"<A href>x</A>", "Anchor['x']", u"x"},
        {u"<SPAN\r\n  class = \"c\" />", "Span{class=c}", u""},
        {u"<DIV><BR/><SPAN>a</SPAN><BR/></DIV>", "DIV[Br,Span['a'],Br]", u"a"},
        // Comments and declarations leave no node; a stray closing tag is passed over.
        {u"a<!-- <B>c</B> -->b", "Body['a','b']", u"ab"},
        {u"<!DOCTYPE html><?xml x?><B>x</B>", "Bold['x']", u"x"},
        {u"<B><!--StartFragment-->x<!--EndFragment--></B>", "Bold['x']", u"x"},
        {u"a</B>b", "Body['a','b']", u"ab"},
    };
    for (const auto& c : cases) {
        const TTag tag = THTMLText::ParseHTML(c.Html);
        EXPECT_EQ(Describe(tag), c.Tree) << Sys::StringToUtf8(c.Html);
        EXPECT_EQ(tag.Text(), c.Text) << Sys::StringToUtf8(c.Html);
        EXPECT_EQ(THTMLText::HTMLToText(c.Html), c.Text) << Sys::StringToUtf8(c.Html);
    }
}

TEST(HTMLText, EveryTagName) {
    for (size_t t = 0; t <= size_t(TType::Br); ++t) {
        const TType type = static_cast<TType>(t);
        TTag probe;
        probe.TagType = type;
        const Sys::string name = probe.TagName();
        if (type == TType::Undefined || type == TType::InnerText) {
            EXPECT_TRUE(name.empty()) << TypeNames[t];
            continue;
        }
        const TTag tag = THTMLText::ParseHTML(u"<" + name + u">x</" + name + u">");
        EXPECT_EQ(tag.TagType, type) << TypeNames[t];
        EXPECT_EQ(tag.TagName(), name);
        EXPECT_EQ(tag.Text(), u"x");
    }
}

TEST(HTMLText, Errors) {
    const struct {
        const char16_t* Html;
        const char* Message;
    } cases[] = {
        {u"<P", "Incomplete HTML Tag"},
        {u"x<B y", "Incomplete HTML Tag"},
        {u"<!-- x", "Incomplete HTML Tag"},
        {u"<!DOCTYPE", "Incomplete HTML Tag"},
        {u"<A href=u>x</A>", "'\"' expected but 'u' found"},
        {u"<A href=\"u>x</A>", "'\"' expected but '\"' found"},
        {u"<A x href=\"u\">l</A>", "'=' expected but 'h' found"},
        {u"<B>x", "'<' expected but '' found"},
        {u"<B>x</B", "'>' expected but '' found"},
        {u"<B>x</B y>", "'>' expected but 'y' found"},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.Html), c.Message) << Sys::StringToUtf8(c.Html);
}

TEST(HTMLText, NestingIsBounded) {
    const int deepest = THTMLText::MaxDepth;
    const Sys::string fits = Repeat(u"<B>", deepest) + u"x" + Repeat(u"</B>", deepest);
    EXPECT_EQ(THTMLText::HTMLToText(fits), u"x");
    EXPECT_EQ(ErrorOf(Repeat(u"<B>", deepest + 1) + u"x" + Repeat(u"</B>", deepest + 1)),
              "HTML Tags are nested too deeply");
    EXPECT_EQ(ErrorOf(Repeat(u"<SPAN>", 100000)), "HTML Tags are nested too deeply");
}
