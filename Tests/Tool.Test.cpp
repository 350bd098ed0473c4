// The zarvel tool from the outside: exit statuses, plain and JSON output.
#include "TestSupport.h"

#include <gtest/gtest.h>

using ZarvelTest::RunTool;

TEST(Tool, HelpVersionAndUsageErrors) {
    EXPECT_EQ(RunTool("--help").Status, 0);
    EXPECT_EQ(RunTool("--version").Out.rfind("zarvel ", 0), 0u);
    EXPECT_EQ(RunTool("").Status, 2);
    EXPECT_EQ(RunTool("nosuchcommand").Status, 2);
    EXPECT_EQ(RunTool("classify --help").Status, 0);
    EXPECT_EQ(RunTool("classify --default up x").Status, 2);
    EXPECT_EQ(RunTool("classify --bogus").Status, 2);
    EXPECT_EQ(RunTool("classify a b").Status, 2);
}

TEST(Tool, ClassifyPlain) {
    const auto r = RunTool("classify", "\xD8\xB3"
                                       "a1");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "0\tU+0633\tLo\trtl=1\tltr=0\tarabic-digit=0\tRightToLeft\n"
                     "1\tU+0061\tLl\trtl=0\tltr=1\tarabic-digit=0\tLeftToRight\n"
                     "2\tU+0031\tNd\trtl=0\tltr=1\tarabic-digit=0\tLeftToRight\n"
                     "IsRTLText: true\n");
}

TEST(Tool, ClassifyJsonAndDefault) {
    EXPECT_EQ(
        RunTool("classify --json --default rtl ' .'").Out,
        "{\"units\":[{\"index\":0,\"unit\":\"U+0020\",\"category\":\"Zs\",\"isRTL\":false,\"isLTR\":false,"
        "\"isArabicDigit\":false,\"charDirection\":\"Undefined\"},{\"index\":1,\"unit\":\"U+002E\","
        "\"category\":\"Po\",\"isRTL\":false,\"isLTR\":false,\"isArabicDigit\":false,"
        "\"charDirection\":\"Undefined\"}],\"isRTLText\":true}\n");
    EXPECT_EQ(RunTool("classify --json", "").Out, "{\"units\":[],\"isRTLText\":false}\n");
}
