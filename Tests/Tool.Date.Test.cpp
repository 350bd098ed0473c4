// zarvel date from the outside: conversions between kinds, day tables, bad dates and usage.
#include "TestSupport.h"

#include <gtest/gtest.h>

using ZarvelTest::RunTool;

TEST(ToolDate, ConvertGoesThroughTheDayNumber) {
    const struct {
        const char* Arguments;
        const char* Out;
    } cases[] = {
        {"date convert --kind persian 1403 1 1", "2024 3 20\n"},
        {"date convert --kind gregorian 2024 3 20 --to persian", "1403 1 1\n"},
        {"date convert --kind gregorian 2023 9 16 --to hebrew", "5784 1 1\n"},
        {"date convert --kind islamic 1 1 1 --to julian", "622 7 16\n"},
        {"date convert --kind french 1 1 1", "1792 9 22\n"},
        {"date convert --kind julian -1 12 31", "-1 12 29\n"}, // astronomical years: -1 is 2 BC
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments);
        EXPECT_EQ(r.Status, 0) << c.Arguments;
        EXPECT_EQ(r.Out, c.Out) << c.Arguments;
    }
}

TEST(ToolDate, TableListsEveryDay) {
    const auto r = RunTool("date table --kind hebrew --from 2024-10-01 --to 2024-10-04");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, "2024-10-01\t5784\t13\t28\n"
                     "2024-10-02\t5784\t13\t29\n"
                     "2024-10-03\t5785\t1\t1\n"
                     "2024-10-04\t5785\t1\t2\n");
    EXPECT_EQ(RunTool("date table --kind gregorian --from 0001-01-01 --to 0001-01-01").Out,
              "0001-01-01\t1\t1\t1\n");
}

TEST(ToolDate, BadDatesAndUsage) {
    const struct {
        const char* Arguments;
        int Status;
    } cases[] = {
        {"date convert --kind persian 1404 12 30", 1}, // 1404 is a common year
        {"date convert --kind gregorian 2023 2 29", 1},
        {"date convert --kind hebrew 5785 7 1", 1}, // no Adar II in a common year
        {"date convert --kind persian 2328 1 1", 1},
        {"date convert --kind gregorian 3000 1 1 --to persian", 1},
        {"date convert --kind gregorian 2024 x 1", 1},
        {"date table --kind persian --from 2024-02-30 --to 2024-03-01", 1},
        {"date table --kind persian --from 2024-3-1 --to 2024-03-01", 1},
        {"date table --kind persian --from 0000-01-01 --to 0001-01-01", 1},
        {"date table --kind persian --from 2024-03-02 --to 2024-03-01", 1},
        {"date table --kind persian --from 2949-01-01 --to 2949-12-31", 1}, // beyond Bahman 2327
        {"date convert 2024 1 1", 2},
        {"date convert --kind mayan 2024 1 1", 2},
        {"date convert --kind gregorian 2024 1", 2},
        {"date table --kind persian --from 2024-01-01", 2},
        {"date table --calendar Jalali --from 2024-01-01 --to 2024-01-02", 2},
        {"date show", 2},
        {"date", 2},
        {"date nosuch", 2},
        {"date --help", 0},
        {"date convert --help", 0},
        {"date table --help", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RunTool(c.Arguments).Status, c.Status) << c.Arguments;
}
