#include "format/stamps.h"

#include <gtest/gtest.h>

namespace {

struct StampCase {
    LocalTime time;
    const char* date;
    const char* clock;
    const char* file;
};

const StampCase STAMP_CASES[] = {
    {{2026, 12, 6, 1, 43, 31}, "6.12.2026", "01:43:31", "20261206_01.43.31"},
    // Leading zeros only in the time and in the file stamp.
    {{2027, 1, 5, 9, 5, 7}, "5.1.2027", "09:05:07", "20270105_09.05.07"},
    {{2027, 1, 1, 0, 0, 0}, "1.1.2027", "00:00:00", "20270101_00.00.00"},
};

TEST(StampsTest, DateTimeAndFileStamps) {
    for (const StampCase& c : STAMP_CASES) {
        EXPECT_EQ(dateStamp(c.time), c.date);
        EXPECT_EQ(timeStamp(c.time), c.clock);
        EXPECT_EQ(fileStamp(c.time), c.file);
    }
}

}  // namespace
