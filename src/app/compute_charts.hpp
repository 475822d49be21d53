// The chart computation: check both entry windows, read them into the birth
// records, compute every set of the chart store in one pass, and report the
// natal data in the data window.
#pragma once

#include "app/session.hpp"
#include "chart/chart_sets.hpp"
#include "people/entry_fields.hpp"
#include "platform/data_window.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// False when a check failed (its messages have been shown) or the
// arithmetic failed; the store and the birth records are then untouched.
// The checks and the sets without the report (for batch work).
bool ComputeChartStore(Session& session, const NatalEntryWindow& natal,
                       const DiurnalEntryWindow& diurnal, HouseSystem houseSystem,
                       Platform& platform);

// The same checks and only the natal set, into `natalSet`, the session
// untouched (for work that prints the natal chart alone), with the engine
// the caller resolved once for all its charts.
bool ComputeNatalChart(const Session& session, const NatalEntryWindow& natal,
                       const DiurnalEntryWindow& diurnal, HouseSystem houseSystem,
                       const Ephemeris& ephemeris, Platform& platform, NatalSet& natalSet,
                       NatalMotion motion = NatalMotion::Computed);

bool ComputeCharts(Session& session, const NatalEntryWindow& natal,
                   const DiurnalEntryWindow& diurnal, HouseSystem houseSystem, Platform& platform,
                   DataWindowView& window);

}  // namespace solvaris
