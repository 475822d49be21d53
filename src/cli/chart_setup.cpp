#include "cli/chart_setup.hpp"

#include "app/compute_charts.hpp"
#include "cli/entry_hints.hpp"
#include "cli/exit_status.hpp"
#include "cli/person_options.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

int ReadBirthOptionsWithDefaults(std::vector<std::string> args, std::string_view command,
                                 const Session& session, Platform& platform, std::ostream& err,
                                 std::vector<std::string>& rest, BirthOptions& options) {
    FillNow(options.natal, session.options, platform);
    FillNow(options.diurnal, session.options, platform);
    if (const int status = ApplyPersonOptions(args, command, session, platform, err, options)) {
        return status;
    }
    BirthOptionsResult read = ReadBirthOptions(args, options);
    if (!read.error.empty()) {
        err << "solvaris " << command << ": " << read.error << '\n';
        return 2;
    }
    rest = std::move(read.rest);
    return 0;
}

int ComputeFromBirthOptions(Session& session, BirthOptions& options, Platform& platform,
                            DataWindowView& window, std::ostream& err) {
    if (options.diurnal.chkNatOrNow) {
        CopyNatalIntoDiurnal(options.natal, options.diurnal);
    }
    if (ComputeCharts(session, options.natal, options.diurnal, options.houseSystem, platform,
                      window)) {
        return kExitDone;
    }
    for (const std::string& hint : EntryOptionHints(options)) {
        err << hint << '\n';
    }
    return kExitRefusedData;
}

}  // namespace solvaris
