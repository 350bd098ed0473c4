// zarvel shape from the outside: plain and JSON output, digit choices, primes, one text per line.
#include "TestSupport.h"

#include <gtest/gtest.h>

using ZarvelTest::RunTool;

TEST(ToolShape, UsageErrors) {
    EXPECT_EQ(RunTool("shape --help").Status, 0);
    EXPECT_EQ(RunTool("shape --digits roman x").Status, 2);
    EXPECT_EQ(RunTool("shape --primes=1 x").Status, 2);
    EXPECT_EQ(RunTool("shape a b").Status, 2);
    EXPECT_EQ(RunTool("shape --each-line x").Status, 2);
}

TEST(ToolShape, Output) {
    const struct {
        const char* Arguments;
        const char* Input;
        const char* Expected;
    } cases[] = {
        // salam: seen, lam-alef, meem
        {"shape", "\xD8\xB3\xD9\x84\xD8\xA7\xD9\x85",
         "\xEF\xBA\xB3\xEF\xBB\xBC\xEF\xBB\xA1\nU+FEB3 U+FEFC U+FEE1\n"},
        {"shape --json", "\xD9\x84\xD8\xA7",
         "{\"text\":\"\xEF\xBB\xBB\",\"codepoints\":[\"U+FEFB\"],\"sources\":[2]}\n"},
        {"shape --json", "", "{\"text\":\"\",\"codepoints\":[],\"sources\":[]}\n"},
        // Shin, dagesh, shin dot: one code point for three characters; brackets mirrored.
        {"shape --json", "(\xD7\xA9\xD6\xBC\xD7\x81)",
         "{\"text\":\")\xEF\xAC\xAC(\",\"codepoints\":[\"U+0029\",\"U+FB2C\",\"U+0028\"],\"sources\":[1,3,1]}"
         "\n"},
        // The default digits are the setting after load: Arabic-Indic.
        {"shape", " 12.5%",
         " \xD9\xA1\xD9\xA2\xD9\xAB\xD9\xA5\xD9\xAA\nU+0020 U+0661 U+0662 U+066B U+0665 U+066A\n"},
        {"shape --digits arabic2", "1'0", "\xDB\xB1\xD9\xAC\xDB\xB0\nU+06F1 U+066C U+06F0\n"},
        // Digits come after shaping, as in the layout: shaped letters leave a run's digits Latin.
        {"shape --digits arabic1", "\xD8\xB3 12", "\xEF\xBA\xB1 12\nU+FEB1 U+0020 U+0031 U+0032\n"},
        {"shape --digits latin", "\xD8\xB3 12", "\xEF\xBA\xB1 12\nU+FEB1 U+0020 U+0031 U+0032\n"},
        {"shape", "abc 12", "abc 12\nU+0061 U+0062 U+0063 U+0020 U+0031 U+0032\n"},
        // Primes come before digits, so the quote after a number is a prime, not a separator.
        {"shape --primes --digits arabic1", "5' 6\"",
         "\xD9\xA5\xE2\x80\xB2 \xD9\xA6\xE2\x80\xB3\n"
         "U+0665 U+2032 U+0020 U+0666 U+2033\n"},
        {"shape --digits arabic1", "5'", "\xD9\xA5\xD9\xAC\nU+0665 U+066C\n"},
        {"shape --each-line --digits latin", "\xD9\x84\xD8\xA7\r\n\nx1\n",
         "\xEF\xBB\xBB\nU+FEFB\n\n\nx1\nU+0078 U+0031\n"},
        {"shape --each-line --json", "\xD8\xA8\xD8\xA8\na",
         "{\"text\":\"\xEF\xBA\x91\xEF\xBA\x90\",\"codepoints\":[\"U+FE91\",\"U+FE90\"],\"sources\":[1,1]}\n"
         "{\"text\":\"a\",\"codepoints\":[\"U+0061\"],\"sources\":[1]}\n"},
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments, c.Input);
        EXPECT_EQ(r.Status, 0) << c.Arguments;
        EXPECT_EQ(r.Out, c.Expected) << c.Arguments << " " << c.Input;
    }
}
