// The ISO 8601 moment the JSON gives beside a Julian day.
#include "cli/json_text.hpp"

#include <gtest/gtest.h>

namespace solvaris {
namespace {

TEST(IsoMoment, JulianDaysToTheNearestSecond) {
    struct Case {
        double jd;
        const char* moment;
    };
    const Case cases[] = {
        {2451545.0, "2000-01-01T12:00:00+00:00"},        // the epoch J2000: noon
        {2451544.5, "2000-01-01T00:00:00+00:00"},        // midnight begins the civil day
        {2451544.4999999, "2000-01-01T00:00:00+00:00"},  // 9 ms before rounds into the new day
        {2451544.49999, "1999-12-31T23:59:59+00:00"},
        {2451910.4999999, "2001-01-01T00:00:00+00:00"},  // across a year end
        {2451603.5, "2000-02-29T00:00:00+00:00"},        // a leap day
        {2299160.5, "1582-10-15T00:00:00+00:00"},        // the first Gregorian day
        {2461379.9693678, "2026-12-05T11:15:53+00:00"},
        {2415020.75, "1900-01-01T06:00:00+00:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsoMomentOfJulianDay(c.jd), c.moment) << c.jd;
    }
}

}  // namespace
}  // namespace solvaris
