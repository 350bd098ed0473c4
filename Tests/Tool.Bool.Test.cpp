// zarvel bool from the outside.
#include "TestSupport.h"

#include <gtest/gtest.h>

using ZarvelTest::RunTool;

TEST(ToolBool, ReadsAndWritesBack) {
    const struct {
        const char* Arguments;
        const char* Input;
        const char* Out;
    } cases[] = {
        {"bool بله", "", "true\tصحیح\n"},
        {"bool مرد", "", "false\tناصحیح\n"},
        {"bool TRUE", "", "true\tصحیح\n"},
        {"bool --json maybe", "", "{\"text\":\"maybe\",\"value\":false,\"written\":\"ناصحیح\"}\n"},
        {"bool --each-line", "قبول\n0\n", "true\tصحیح\nfalse\tناصحیح\n"},
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments, c.Input);
        EXPECT_EQ(r.Status, 0) << c.Arguments;
        EXPECT_EQ(r.Out, c.Out) << c.Arguments;
    }
    EXPECT_EQ(RunTool("bool --each-line x").Status, 2);
    EXPECT_EQ(RunTool("bool --help").Status, 0);
}
