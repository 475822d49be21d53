// The kinds a timeline follows as asked, and how much of it the report
// buffer's room takes.
#include "reports/timeline_report.hpp"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/body_longitude.hpp"
#include "engine/calendar.hpp"

namespace solvaris {
namespace {

TEST(TimelineKinds, NoneOfTheThreeMeansAllAndTheMoonComesAlone) {
    struct Row {
        TimelineKinds asked;
        bool transits, progressions, directions;
    };
    const Row rows[] = {
        {{false, false, false, false}, true, true, true},
        {{false, false, false, true}, true, true, true},
        {{true, false, false, false}, true, false, false},
        {{false, true, false, true}, false, true, false},
        {{false, false, true, false}, false, false, true},
        {{true, true, true, true}, true, true, true},
    };
    for (const Row& row : rows) {
        TimelineRequest request;
        AskTimelineKinds(request, row.asked);
        EXPECT_EQ(request.transits, row.transits);
        EXPECT_EQ(request.progressions, row.progressions);
        EXPECT_EQ(request.directions, row.directions);
        EXPECT_EQ(request.moon, row.asked.moon);
    }
}

// The Moon asked beside the progressions alone brings its own transits, the
// same as it has among all the transiting bodies.
TEST(TimelineKinds, TheMoonWithoutTheOtherTransitsKeepsItsEvents) {
    TimelineRequest request;
    for (int p = Sun; p <= Midheaven; ++p) {
        request.natalLongitude[p] = 23.0 * p;
    }
    request.fromJd = JulianDayNumber(2027, 3, 3) - 0.5;
    request.toJd = request.fromJd + 3;
    request.natalJd = request.fromJd - 365.25 * 30;
    request.natalLongitude[Sun] = BodyLongitude(request.ephemeris, Sun, request.natalJd);
    request.transitOrbs = request.progressedOrbs = request.directedOrbs = OneDegreeOrbs();

    AskTimelineKinds(request, {true, false, false, true});
    const std::vector<TimelineEvent> all = ComputeTimeline(request);
    AskTimelineKinds(request, {false, true, false, true});
    const std::vector<TimelineEvent> moonAndProgressed = ComputeTimeline(request);

    const auto moonOnly = [](std::vector<TimelineEvent> events) {
        std::erase_if(events, [](const TimelineEvent& e) {
            return (e.kind == TimelineEventKind::Hit && e.chart == MovingChart::Progressed) ||
                   e.moving != Moon;
        });
        return events;
    };
    const std::vector<TimelineEvent> moon = moonOnly(all);
    ASSERT_GE(moon.size(), 8u);  // a 13th of the zodiac in three days
    const std::vector<TimelineEvent> alone = moonOnly(moonAndProgressed);
    ASSERT_EQ(alone.size(), moon.size());
    for (std::size_t i = 0; i < moon.size(); ++i) {
        EXPECT_EQ(alone[i].jd, moon[i].jd);
        EXPECT_EQ(alone[i].natal, moon[i].natal);
    }
    EXPECT_TRUE(
        std::all_of(moonAndProgressed.begin(), moonAndProgressed.end(), [](const TimelineEvent& e) {
            return (e.kind == TimelineEventKind::Hit && e.chart == MovingChart::Progressed) ||
                   e.moving == Moon;
        }));
}

TEST(TimelineReport, CutShortWithinTheBuffer) {
    struct Row {
        int lines, freeLines;
        TimelineFit fit;
    };
    const Row rows[] = {
        {10, 100, {10, false}},                      // room to spare
        {10, 11, {10, false}},                       // the closing blank line fills the buffer
        {10, 10, {8, true}},                         // eight, the count and the closing blank
        {10, 3, {1, true}},     {10, 2, {0, true}},  // only the count
        {10, 1, {0, false}},    {10, 0, {0, false}}, {0, 1, {0, false}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(TimelineLinesWithin(row.lines, row.freeLines), row.fit)
            << row.lines << " in " << row.freeLines;
    }
}

}  // namespace
}  // namespace solvaris
