#include "app/caption_clock.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(CaptionClock, TitleDateFiveBlanksAndTheTime) {
    struct Case {
        LocalDateTime present;
        bool twelveHour;
        const char* dateAndTime;
    };
    const Case cases[] = {
        {{2026, 12, 5, 12, 3, 15}, true, "05 Dec 2026     12:03:15 PM"},
        {{2026, 12, 5, 14, 3, 5}, true, "05 Dec 2026     2:03:05 PM"},
        {{2027, 1, 31, 0, 0, 0}, true, "31 Jan 2027     12:00:00 AM"},
        {{2027, 1, 31, 0, 0, 0}, false, "31 Jan 2027     00:00:00"},
        {{1999, 7, 9, 23, 59, 59}, false, "09 Jul 1999     23:59:59"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MainWindowCaption(c.present, c.twelveHour),
                  std::string("SOLVARIS (Tropical zodiac) - ") + c.dateAndTime);
    }
}

}  // namespace
}  // namespace solvaris
