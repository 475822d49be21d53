#include "cli/chart_setup.hpp"

#include "app/compute_charts.hpp"
#include "base/number_text.hpp"
#include "cli/entry_hints.hpp"
#include "cli/exit_status.hpp"
#include "cli/person_options.hpp"
#include "cli/place_options.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

int FillBirthOptions(const BirthOptionTexts& texts, std::string_view command,
                     const Session& session, Platform& platform, std::ostream& err,
                     BirthOptions& options) {
    if (!texts.names.empty() && texts.person.empty() && texts.secondPerson.empty()) {
        err << "solvaris " << command
            << ": --names is read only with --person or --second-person\n";
        return kExitBadCommandLine;
    }
    FillNatalNow(options.natal, session.options, platform);
    FillNow(options.diurnal.fields, session.options, platform);
    if (const int status = ApplyPersonOptions(texts, command, session, platform, err, options)) {
        return status;
    }
    BirthOptionTexts typed = texts;
    if (const int status = ApplyPlaceOptions(typed, command, err, options)) {
        return status;
    }
    TypeBirthOptions(typed, options);
    if (const ZoneNamesProblem problem = ApplyZoneNames(typed, options); !problem.text.empty()) {
        err << "solvaris " << command << ": " << problem.text << '\n';
        return problem.databaseDamaged ? kExitFileProblem : kExitBadCommandLine;
    }
    return kExitDone;
}

int ComputeFromBirthOptions(Session& session, BirthOptions& options, Platform& platform,
                            DataWindowView& window, std::ostream& err) {
    if (options.diurnal.chkNatOrNow) {
        CopyTimeAndPlace(options.natal.fields, options.diurnal.fields);
    }
    if (options.natalZone) {
        session.natalZoneNote =
            NoteOfNatalZone(options.natalZone->name, options.natalZone->ruleText, options.natal);
    }
    // The entry check takes a diurnal date of any early year; the theories
    // are stated for the natal years only, so the command line keeps to them.
    const bool diurnalBeforeTheories =
        ParseNumber(options.diurnal.fields.year).value_or(kFirstNatalYear) < kFirstNatalYear;
    if (!diurnalBeforeTheories && ComputeCharts(session, options.natal, options.diurnal,
                                                options.houseSystem, platform, window)) {
        return kExitDone;
    }
    for (const std::string& hint : EntryOptionHints(options)) {
        err << hint << '\n';
    }
    return kExitRefusedData;
}

int CastFromBirthOptions(const BirthOptionTexts& texts, std::string_view command, Session& session,
                         Platform& platform, DataWindowView& window, std::ostream& err,
                         BirthOptions& options, const BeforeCasting& before) {
    if (const int status = FillBirthOptions(texts, command, session, platform, err, options)) {
        return status;
    }
    if (before) {
        if (const int status = before(options)) {
            return status;
        }
    }
    return ComputeFromBirthOptions(session, options, platform, window, err);
}

}  // namespace solvaris
