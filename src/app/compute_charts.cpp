#include "app/compute_charts.hpp"

#include "base/option_numbers.hpp"
#include "base/visible_text.hpp"
#include "chart/chart_sets.hpp"
#include "people/entry_rules.hpp"
#include "reports/headings.hpp"

namespace solvaris {

namespace {

constexpr const char* kChartFault = "The chart could not be computed from these data.";

}  // namespace

bool ComputeNatalChart(const Session& session, const NatalEntryWindow& natalWindow,
                       const DiurnalEntryWindow& diurnalWindow, HouseSystem houseSystem,
                       const Ephemeris& ephemeris, Platform& platform, NatalSet& natalSet,
                       NatalMotion motion) {
    if (!ValidateEntries(natalWindow, diurnalWindow, houseSystem, platform)) {
        return false;
    }
    const BirthData natal = ReadNatalData(natalWindow, platform.UserDateOrder());
    if (!ComputeNatalSet(natal, houseSystem, session.options, ephemeris, natalSet, motion)) {
        platform.ShowMessage(kChartFault, "Error!", MessageIcon::Critical);
        return false;
    }
    return true;
}

bool ComputeChartStore(Session& session, const NatalEntryWindow& natalWindow,
                       const DiurnalEntryWindow& diurnalWindow, HouseSystem houseSystem,
                       Platform& platform) {
    if (!ValidateEntries(natalWindow, diurnalWindow, houseSystem, platform)) {
        return false;
    }
    const DateOrder order = platform.UserDateOrder();
    BirthData natal = ReadNatalData(natalWindow, order);
    const BirthData diurnal = ReadDiurnalData(diurnalWindow, order);
    const int ageYears = AgeYears(natal, diurnal);
    const Ephemeris ephemeris = session.ChosenEphemeris();
    if (!ComputeChartSets({natal, diurnal, ageYears, houseSystem, session.options, ephemeris},
                          session.charts)) {
        platform.ShowMessage(kChartFault, "Error!", MessageIcon::Critical);
        return false;
    }
    session.natal = std::move(natal);
    session.diurnal = diurnal;
    session.ageYears = static_cast<std::int16_t>(ageYears);
    session.lastBirthdayYear = LastBirthdayYear(session.natal, diurnal);
    session.returnSearch = InitialReturnSearch(session.natal, diurnal);
    session.secondPerson = diurnalWindow.chk2ndPerson;
    session.secondPersonName = VisibleText(diurnalWindow.chk2ndPersonCaption);
    session.natalZoneRule = RuleInForce(session.natalZoneNote, natalWindow);
    session.natalZoneName =
        session.natalZoneRule.empty() ? std::string() : session.natalZoneNote.zoneName;
    return true;
}

bool ComputeCharts(Session& session, const NatalEntryWindow& natalWindow,
                   const DiurnalEntryWindow& diurnalWindow, HouseSystem houseSystem,
                   Platform& platform, DataWindowView& window) {
    if (!ComputeChartStore(session, natalWindow, diurnalWindow, houseSystem, platform)) {
        return false;
    }
    ReportContext report{session, platform, window};
    NatalDataCommand(report);
    // The natal report is shown but does not stay in the buffer.
    if (session.options(opt::NatalReportNotKept) != 0) {
        session.reports.EmptySession();
    }
    return true;
}

}  // namespace solvaris
