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
        {"date table --kind persian --from 2949-01-01 --to 2949-12-31", 1}, // beyond 2327
        {"date convert 2024 1 1", 2},
        {"date convert --kind mayan 2024 1 1", 2},
        {"date convert --kind gregorian 2024 1", 2},
        {"date table --kind persian --from 2024-01-01", 2},
        {"date table --calendar Jalali --kind persian --from 2024-01-01 --to 2024-01-02", 2},
        {"date table --calendar jalali --from 2024-01-01 --to 2024-01-02", 1}, // names are case-sensitive
        {"date table --calendar Jalali --from 2949-01-01 --to 2949-12-31", 1}, // beyond 2327
        {"date show 2024-13-01", 1},
        {"date show --calendar Custom 2024-01-01", 1}, // no rules supplied
        {"date format --calendar Gregorian --format yyyy 2024-01-01T25:00", 1},
        {"date format --calendar Gregorian --locale xx-YY --format yyyy 2024-01-01", 1},
        {"date parse --calendar Jalali --format yyyy/mm/dd 1403/13/01", 1},
        {"date format --calendar Gregorian 2024-01-01", 2},
        {"date parse --format yyyy 2024", 2},
        {"date show --help", 0},
        {"date format --help", 0},
        {"date parse --help", 0},
        {"date", 2},
        {"date nosuch", 2},
        {"date --help", 0},
        {"date convert --help", 0},
        {"date table --help", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RunTool(c.Arguments).Status, c.Status) << c.Arguments;
}

TEST(ToolDate, CalendarsByName) {
    const struct {
        const char* Arguments;
        const char* Out;
    } cases[] = {
        {"date show 2024-03-20", "Jalali\t1403-01-01\t1403/فروردین/1-چهارشنبه\n"
                                 "IslamicTabular\t1445-09-10\t10 رمضان 1445\n"
                                 "Gregorian\t2024-03-20\tWednesday, 20 March 2024\n"},
        {"date show --calendar Gregorian --json 2024-03-20",
         "[\n  {\"calendar\": \"Gregorian\", \"year\": 2024, \"month\": 3, \"day\": 20, \"long\": "
         "\"Wednesday, 20 March 2024\"}\n]\n"},
        {"date format --calendar Jalali --format 'yyyy/mm/dd hh:nn ampm' 2024-03-20T13:05",
         "1403/01/01 01:05 بعد از ظهر\n"},
        {"date format --calendar Gregorian --locale de --format 'dddd d mmmm' '2024-03-05 10:00:00.250'",
         "Dienstag 5 März\n"},
        {"date parse --calendar Jalali --format 'yyyy/mm/dd h:nn a/p' '1403/12/30 9:15 ع'",
         "2025-03-20T21:15:00.000\n"},
        {"date parse --calendar IslamicTabular --format yyyy/mm/dd 1445/01/01", "2023-07-19T00:00:00.000\n"},
        {"date table --calendar Jalali --from 2024-03-19 --to 2024-03-20", "2024-03-19\t1402\t12\t29\n"
                                                                           "2024-03-20\t1403\t1\t1\n"},
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments);
        EXPECT_EQ(r.Status, 0) << c.Arguments;
        EXPECT_EQ(r.Out, c.Out) << c.Arguments;
    }
}

TEST(ToolDate, FamiliesFormatAndParse) {
    const struct {
        const char* Arguments;
        int Status;
        const char* Out;
    } cases[] = {
        {"date format --family P --format 'yyyy/mm/dd hh:nn a/p' 2024-03-20T00:15", 0,
         "1403/01/01 12:15 ص\n"},
        {"date format --family P --format 'dddd h:nn ampm' 2024-03-23T13:05", 0, "شنبه 1:05 بعد از ظهر\n"},
        {"date format --family A --format yyyy/m/d 2023-07-19", 0, "1445/1/1\n"},
        {"date format --family I --calendar-type ctPersian --format yyyy 2024-03-20", 0, "1403\n"},
        {"date format --family I --calendar-type ctJulian --locale en --format 'dddd d mmmm yyyy' 2024-03-05",
         0, "Tuesday 5 March 2024\n"},
        {"date parse --family P --format yy/m/d 02/1/1", 0, "1923-03-22T00:00:00.000\n"},
        {"date parse --family P --format yy/m/d 99/1/1", 1, ""},
        {"date parse --family P --format yyyy/m/d 1500/1/1", 1, ""},
        {"date parse --family A --format yyyy/mm/dd 1445/01/01", 0, "2023-07-19T00:00:00.000\n"},
        {"date parse --family I --calendar-type ctJulian --format 'yyyy-mm-dd h:nn am/pm' '2024-03-05 1:07 "
         "pm'",
         0, "2024-03-05T13:07:00.000\n"},
        {"date parse --family I --calendar-type ctIslamic --format yyyy/m/d 1445/1/1", 0,
         "2023-07-19T00:00:00.000\n"},
        {"date format --family P --calendar Jalali --format yyyy 2024-01-01", 2, ""},
        {"date format --family X --format yyyy 2024-01-01", 2, ""},
        {"date format --family I --format yyyy 2024-01-01", 2, ""},
        {"date parse --family P --calendar-type ctJulian --format yyyy 1403", 2, ""},
        {"date parse --calendar Gregorian --calendar-type ctJulian --format yyyy 2024", 2, ""},
        {"date parse --family I --calendar-type ctGregorian --format yyyy 2024", 2, ""},
        {"date format --family P --locale xx-YY --format yyyy 2024-01-01", 1, ""},
    };
    for (const auto& c : cases) {
        const auto r = RunTool(c.Arguments);
        EXPECT_EQ(r.Status, c.Status) << c.Arguments;
        EXPECT_EQ(r.Out, c.Out) << c.Arguments;
    }
}
