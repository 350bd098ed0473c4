// zarvel glyph from the outside: usage errors, plain and JSON metrics, and the PNG it writes.
#include "FMX.Graphics.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <unistd.h>

using ZarvelTest::RunTool;

TEST(ToolGlyph, UsageErrors) {
    EXPECT_EQ(RunTool("glyph --help").Status, 0);
    for (const char* arguments : {"glyph --size 0 a", "glyph --size x a", "glyph --scale -1 a",
                                  "glyph --size 2000 a", "glyph --bold a", "glyph a b"})
        EXPECT_EQ(RunTool(arguments).Status, 2) << arguments;
    EXPECT_EQ(RunTool("glyph --png /nonexistent/dir/x.png a").Status, 1);
}

TEST(ToolGlyph, Metrics) {
    // DejaVu Sans at 20 pixels: a space advances 651/2048 em and has no glyph; a fatha has no advance.
    const auto plain = RunTool("glyph --size 20", " \xEF\xB9\xB6");
    EXPECT_EQ(plain.Status, 0);
    EXPECT_EQ(
        plain.Out.substr(0, plain.Out.find('\n')),
        "U+0020 origin 0,0 advance 6.36 vadvance 24.00 a 0.00 b 0.00 c 6.36 cell 6x24 style nocharacter font "
        "DejaVu Sans");
    EXPECT_NE(plain.Out.find("U+FE76 origin"), std::string::npos);
    EXPECT_NE(plain.Out.find(" advance 0.00 "), std::string::npos);
    EXPECT_NE(plain.Out.find("\nbaseline 19.00\n"), std::string::npos);

    const auto json =
        RunTool("glyph --json --font 'Noto Color Emoji' --size 10 --scale 2", "\xF0\x9F\x98\x80");
    EXPECT_EQ(json.Status, 0);
    EXPECT_NE(json.Out.find("\"char\":\"U+1F600\",\"font\":\"Noto Color Emoji\",\"origin\":[0,0]"),
              std::string::npos)
        << json.Out;
    EXPECT_NE(json.Out.find("\"a\":0.00"), std::string::npos);
    EXPECT_NE(json.Out.find("\"style\":[\"colour\"]"), std::string::npos);
}

TEST(ToolGlyph, PngShowsTheInk) {
    char path[] = "/tmp/zarvel-glyph-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    // Beh, seen and meem in their joining forms, drawn right to left.
    ASSERT_EQ(
        RunTool(std::string("glyph --size 30 --png ") + path, "\xEF\xBA\x91\xEF\xBA\xB4\xEF\xBB\xA2").Status,
        0);
    FMX::TBitmap picture;
    picture.LoadFromPNG(path);
    unlink(path);
    EXPECT_EQ(picture.Height(), 36);
    int black = 0, white = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            black += picture.Pixel(x, y) == FMX::TAlphaColors::Black;
            white += picture.Pixel(x, y) == FMX::TAlphaColors::White;
        }
    EXPECT_GT(black, 100);
    EXPECT_GT(white, black);
    // The joined word is one stroke along the baseline, unbroken across the letters' joins: longer
    // than the widest letter's ink (the medial seen, 27.4 pixels).
    int longest = 0;
    for (int y = 0; y < picture.Height(); ++y) {
        int inkRun = 0;
        for (int x = 0; x < picture.Width(); ++x) {
            inkRun = FMX::TAlphaColorRec::R(picture.Pixel(x, y)) < 128 ? inkRun + 1 : 0;
            longest = std::max(longest, inkRun);
        }
    }
    EXPECT_GT(longest, 30);
}
