// zarvel split from the outside: the plain, JSON, line-by-line and visual forms.
#include "TestSupport.h"

#include <gtest/gtest.h>

using ZarvelTest::RunTool;

TEST(ToolSplit, PlainListsRunsThenTheOrder) {
    const auto r = RunTool("split --paragraph ltr", "abc \xD7\xA9\xD7\x9C def");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "0\t0\t4\tLeftToRight\t\"abc \"\n"
                     "1\t4\t6\tRightToLeft\t\"\xD7\xA9\xD7\x9C\"\n"
                     "2\t6\t10\tLeftToRight\t\" def\"\n"
                     "order: 0 1 2\n");
}

TEST(ToolSplit, JsonTakesStandardInputAsItIs) {
    // No trimming: the final line end is a paragraph break of its own.
    EXPECT_EQ(RunTool("split --json --paragraph ltr", "a\n").Out,
              "{\"offsets\":[0,1,2],\"orders\":[0,1],\"bidis\":[\"LeftToRight\",\"ParagraphSeparator\"],"
              "\"ranges\":[]}\n");
}

TEST(ToolSplit, OptionsAndEquationOrderReachTheSplitter) {
    const std::string text = "\xD8\xB7\xD9\x88\xD9\x84 25 cm \xD8\xA7\xD8\xB3\xD8\xAA"; // "طول 25 cm است"
    EXPECT_EQ(
        RunTool("split --json --paragraph rtl --option MeasureSignsInRightSideOfDigits '" + text + "'").Out,
        "{\"offsets\":[0,4,9,13],\"orders\":[0,1,2],\"bidis\":[\"RightToLeft\",\"LeftToRight\","
        "\"RightToLeft\"],"
        "\"ranges\":[[4,8]]}\n");
    EXPECT_EQ(
        RunTool("split --json --paragraph rtl --equation-order rtl", "\xD8\xB3 12").Out,
        "{\"offsets\":[0,2,4],\"orders\":[0,1],\"bidis\":[\"RightToLeft\",\"LeftToRight\"],\"ranges\":[]}\n");
}

TEST(ToolSplit, EachLineIsATextOfItsOwn) {
    EXPECT_EQ(RunTool("split --json --each-line --paragraph ltr", "ab\r\n\nc").Out,
              "{\"offsets\":[0,2],\"orders\":[0],\"bidis\":[\"LeftToRight\"],\"ranges\":[]}\n"
              "{\"offsets\":[0],\"orders\":[],\"bidis\":[],\"ranges\":[]}\n"
              "{\"offsets\":[0,1],\"orders\":[0],\"bidis\":[\"LeftToRight\"],\"ranges\":[]}\n");
}

TEST(ToolSplit, VisualPlacesRunsInDisplayOrder) {
    // A right-to-left paragraph is laid out from the right: the last Persian word comes first, the
    // Latin run keeps its own order.
    const auto r = RunTool("split --visual --digits latin --paragraph rtl",
                           "\xD8\xA8\xD9\x87 Zarvel 2 \xD8\xAE\xD9\x88\xD8\xB4"); // "به Zarvel 2 خوش"
    EXPECT_EQ(r.Status, 0);
    const size_t latin = r.Out.find(" Zarvel 2 ");
    ASSERT_NE(latin, std::string::npos) << r.Out;
    EXPECT_GT(latin, 0u) << r.Out;
    EXPECT_EQ(r.Out.back(), '\n');
}

TEST(ToolSplit, UsageErrors) {
    EXPECT_EQ(RunTool("split --help").Status, 0);
    EXPECT_EQ(RunTool("split --option Nope x").Status, 2);
    EXPECT_EQ(RunTool("split --paragraph up x").Status, 2);
    EXPECT_EQ(RunTool("split --each-line x").Status, 2);
}
