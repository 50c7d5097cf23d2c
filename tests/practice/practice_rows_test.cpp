// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <chrono>

#include "practice/practice_rows.h"

namespace tally {
namespace {

// Every day of 1999…2032 against the standard library's own calendar.
TEST(PracticeDays, DaysAgreeWithTheStandardCalendar) {
    using namespace std::chrono;
    for (sys_days d = sys_days{year{1999} / 1 / 1}; d < sys_days{year{2033} / 1 / 1}; d += days{1}) {
        const year_month_day date{d};
        char text[16];
        std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                      unsigned(date.day()));
        const auto parsed = parseDay(text);
        ASSERT_TRUE(parsed) << text;
        ASSERT_EQ(*parsed, d.time_since_epoch().count()) << text;
        ASSERT_EQ(dayText(*parsed), text);
        ASSERT_EQ(tally::weekday(*parsed), int(std::chrono::weekday{d}.iso_encoding())) << text;
        ASSERT_EQ(weekday(mondayOf(*parsed)), 1);
        ASSERT_LE(*parsed - mondayOf(*parsed), 6);
    }
}

// A day of the record may have its time after it; a day given on the command
// line is the whole text, one real date of 2000…2100.
TEST(PracticeDays, TextsThatAreNotDatesAreRefused) {
    const struct { const char* text; bool recordDay, givenDay; } cases[] = {
        {"2024-02-29", true, true},   {"2000-01-01", true, true},   {"2100-12-31", true, true},
        {"2026-01-01 x", true, false}, {"1999-12-31", true, false}, {"2101-01-01", true, false},
        {"2023-02-29", false, false}, {"2100-02-29", false, false}, {"2024-04-31", false, false},
        {"2024-13-01", false, false}, {"2024-00-10", false, false}, {"2024-1-05", false, false},
        {"2024/10/05", false, false}, {"2024-10-05X", false, false}, {" 2026-01-01", false, false}, {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseDay(c.text).has_value(), c.recordDay) << c.text;
        EXPECT_EQ(parseGivenDay(c.text).has_value(), c.givenDay) << c.text;
        EXPECT_TRUE(!c.givenDay || parseGivenDay(c.text) == parseDay(c.text)) << c.text;
    }
    EXPECT_EQ(parseDay("2024-02-29 23:59:59"), parseDay("2024-02-29"));
}

}  // namespace
}  // namespace tally
