#include "app/wheel_command.hpp"

#include "chart/harmonic_chart.hpp"

namespace solvaris {

bool RunWheelCommand(Session& session, WheelKind kind, const DiurnalEntryWindow& diurnalWindow,
                     Platform& platform) {
    WheelInputs in{session.charts, session.natal, session.diurnal, diurnalWindow.chk2ndPerson,
                   diurnalWindow.chk2ndPersonCaption};
    in.harmonic = HarmonicOfOption(session.options);
    std::optional<ReturnSet> found;
    if (const auto solar = ReturnNeeded(kind)) {
        const PointArray& natal = session.charts.natal.points.longitude;
        // The engine of the natal chart the return comes back to.
        const Ephemeris& ephemeris = session.charts.ephemeris;
        const auto moment = *solar
                                ? SolarReturnSearch(ephemeris, session.charts.zodiac, natal[Sun],
                                                    session.natal, session.returnSearch, platform)
                                : LunarReturnSearch(ephemeris, session.charts.zodiac, natal[Moon],
                                                    session.natal, session.returnSearch, platform);
        if (!moment) {
            return false;
        }
        found = ComputeReturnSet(ephemeris, session.charts.zodiac, *moment, session.returnSearch,
                                 session.charts.houseSystem);
        if (!found) {
            platform.ShowMessage("The return chart could not be computed.", "Error!",
                                 MessageIcon::Critical);
            return false;
        }
        in.found = &*found;
        in.returnPlace = &session.returnSearch;
    }
    auto setup = PrepareWheel(kind, in, session.options, platform);
    if (!setup) {
        return false;
    }
    PutWheelInPlace(session, std::move(*setup));
    return true;
}

void PutWheelInPlace(Session& session, WheelSetup setup) {
    ChartStore& store = session.charts;
    store.working.points.longitude = setup.longitude;
    store.working.cusps = setup.cusps;
    store.working.texts = setup.texts;
    store.outerRing = {setup.second.longitude, setup.second.retrogradeMarks};
    store.kind = setup.kind;
    session.currentOrbFile = (session.folder / setup.orbFileName).string();
    session.wheel = std::move(setup);
}

}  // namespace solvaris
