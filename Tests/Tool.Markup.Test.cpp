// zarvel markup and zarvel locale from the outside: text, ranges and trees, JSON, a file, the
// locale table, and the exit statuses of bad input and bad usage.
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>

using ZarvelTest::RunTool;

TEST(ToolMarkup, UsageAndInputErrors) {
    EXPECT_EQ(RunTool("markup --help").Status, 0);
    EXPECT_EQ(RunTool("markup", "x").Status, 2);
    EXPECT_EQ(RunTool("markup --from xml", "x").Status, 2);
    EXPECT_EQ(RunTool("markup --from html a b").Status, 2);
    EXPECT_EQ(RunTool("markup --from html /nonexistent/file").Status, 1);
    const auto r = RunTool("markup --from html", "<P");
    EXPECT_EQ(r.Status, 1);
    EXPECT_EQ(r.Out, "");
    EXPECT_EQ(RunTool("markup --from rtf", "rtf").Status, 1);
    EXPECT_EQ(RunTool("markup --from rtf", "{\\rtf1 {\\*\\x").Status, 1);
}

TEST(ToolMarkup, Output) {
    const struct {
        const char* Arguments;
        const char* Input;
        const char* Expected;
    } cases[] = {
        {"markup --from html", "<B>x</B>y", "xy\n"},
        {"markup --from html --json", "<B>x</B>y", "{\"text\":\"xy\"}\n"},
        {"markup --from html --ranges", "<P>a<A href=\"u\">l</A></P><BR/>",
         "al\nBody\n  Paragraph\n    \"a\"\n    Anchor href=\"u\"\n      \"l\"\n  Br\n"},
        {"markup --from html --ranges --json", "<B>x</B>",
         "{\"text\":\"x\",\"tree\":{\"type\":\"Bold\",\"params\":[],\"children\":[{\"type\":\"InnerText\","
         "\"text\":\"x\"}]}}\n"},
        {"markup --from rtf", "{\\rtf1\\ansi\\ansicpg1256 \\'e1\\par}", "\xD9\x84\n\r\n"},
        {"markup --from rtf --ranges",
         "{\\rtf1\\ansi\\ansicpg1256\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}{\\colortbl "
         ";\\red255\\green0\\blue0;}"
         "\\pard\\rtlpar\\qr\\cf1\\fs20\\lang1065 \\b \\'e1\\b0  x}",
         "\xD9\x84 x\n"
         "codepage=1256 deflang=0 deff=0\n"
         "font 0: \"Tahoma\"\n"
         "color 0: #FF000000\n"
         "color 1: #FFFF0000\n"
         "range 0: pos=0 length=1 style=bold size=10 font=0 color=1 rtl=1 align=trailing lang=1065 "
         "codepage=1256 rtlch=0 indent=0 text=\"\xD9\x84\"\n"
         "range 1: pos=1 length=2 style= size=10 font=0 color=1 rtl=1 align=trailing lang=1065 "
         "codepage=1256 rtlch=0 indent=0 text=\" x\"\n"},
        {"markup --from rtf --ranges --json", "{\\rtf1 \\i a}",
         "{\"text\":\"a\",\"codepage\":0,\"deflang\":0,\"deff\":0,\"fonts\":[],\"colors\":[],\"ranges\":[{"
         "\"pos\":0,"
         "\"length\":1,\"style\":\"italic\",\"size\":0,\"font\":0,\"color\":0,\"rtl\":false,\"align\":"
         "\"center\","
         "\"lang\":0,\"codepage\":0,\"rtlch\":false,\"indent\":0,\"text\":\"a\"}]}\n"},
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments, c.Input);
        EXPECT_EQ(r.Status, 0) << c.Arguments << " " << c.Input;
        EXPECT_EQ(r.Out, c.Expected) << c.Arguments << " " << c.Input;
    }
}

TEST(ToolMarkup, PersianFile) {
    const auto r = RunTool("markup --from rtf " + std::string(ZARVEL_TEST_DATA) + "/persian-richedit.rtf");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out.substr(0, r.Out.find('\n')), "زبان فارسی");
}

TEST(ToolLocale, NamesCodePagesAndTheTable) {
    const struct {
        const char* Arguments;
        const char* Expected;
    } cases[] = {
        {"locale 0x0429", "0x0429\t\"fa-IR\"\t1256\n"},
        {"locale 1065", "0x0429\t\"fa-IR\"\t1256\n"},
        {"locale 0X0C29", "0x0C29\t\"fa\"\t0\n"},
        {"locale 0x0433", "0x0433\t\"  \"\t0\n"},
        {"locale 0x0093", "0x0093\t\"\"\t0\n"},
        {"locale --json 0x0401", "{\"lcid\":1025,\"name\":\"ar-sa\",\"codepage\":1256}\n"},
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments);
        EXPECT_EQ(r.Status, 0) << c.Arguments;
        EXPECT_EQ(r.Out, c.Expected) << c.Arguments;
    }
    const std::string list = RunTool("locale --list").Out;
    EXPECT_EQ(list.rfind("group 1\t0x01\t\"ar\"\t16\n  0x1401\t\"ar-dz\"\t1256\n", 0), 0u);
    EXPECT_NE(list.find("group 59\t0x3B\t\"\"\t9\n  0x243B\t\"\"\t0\n"), std::string::npos);
    EXPECT_NE(list.find("group 51\t0x33\t\"  \"\t0\ngroup 52"), std::string::npos);
    EXPECT_NE(list.find("group 146\t0x92\t\"ku\"\t1\n  0x0492\t\"ku-Arab-IQ\"\t1256\n"), std::string::npos);
    EXPECT_EQ(RunTool("locale --list --json")
                  .Out.rfind("[{\"group\":1,\"code\":\"ar\",\"locales\":[{\"lcid\":5121,", 0),
              0u);

    EXPECT_EQ(RunTool("locale").Status, 2);
    EXPECT_EQ(RunTool("locale --list 9").Status, 2);
    EXPECT_EQ(RunTool("locale x").Status, 1);
    EXPECT_EQ(RunTool("locale -- -1").Status, 1);
    EXPECT_EQ(RunTool("locale 0x100000000").Status, 1);
}
