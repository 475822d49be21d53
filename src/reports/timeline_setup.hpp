// A timeline of the chart last computed: its natal points and moment, the
// orbs of the dual-wheel orb files, and a check of the range asked for.
#pragma once

#include <filesystem>
#include <string>

#include "aspects/timeline.hpp"
#include "base/options.hpp"
#include "base/problem.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The longest range a timeline covers: two lives.
inline constexpr double kLongestTimelineDays = 200 * 365.25;

// Empty when the range can be followed, else why not.
Problem TimelineRangeProblem(double fromJd, double toJd);

// What a timeline reads of the session.
struct TimelineSource {
    const std::filesystem::path& folder;  // the program folder, for the orb files
    const ChartStore& charts;             // the natal chart last computed
    const BirthData& natal;
    const OptionTable& options;
};

// The natal chart with the orbs of NAT2TRAN.ORB, NAT2PROG.ORB and NAT2SA.ORB
// (one degree where a file cannot be read, the reading problem shown
// through `platform`) and option 17. The natal bodies are taken at the birth
// instant as the timeline follows them (the chart takes Pluto's precession
// by the day number, up to 0.00004 degree apart), so that no point meets its
// own natal place in the first days of life; a polar birth leaves the
// Ascendant out. With option 225 the extra points too, the natal ones that
// can be computed at the birth instant aimed at.
TimelineRequest TimelineRequestFor(const TimelineSource& source, double fromJd, double toJd,
                                   Platform& platform);

// The kinds of event asked for, by the command line's flags or the
// window's boxes.
struct TimelineKinds {
    bool transits = true;
    bool progressions = true;
    bool directions = true;
    bool moon = false;
    bool operator==(const TimelineKinds&) const = default;
};

// The kinds into the request: none of transits, progressions and
// directions asked means all three; the Moon is followed when asked,
// with them or alone.
void AskTimelineKinds(TimelineRequest& request, const TimelineKinds& kinds);

// The birth moment of a natal record, UT.
double NatalMomentJd(const BirthData& natal);

// Above 66 degrees 00 minutes of latitude, where only the Meridian and
// Morinus houses are computed, the timeline leaves the Ascendant out.
bool TimelineLeavesAscendantOut(const BirthData& natal);

}  // namespace solvaris
