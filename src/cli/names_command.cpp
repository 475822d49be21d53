#include "cli/names_command.hpp"

#include <algorithm>
#include <cctype>

#include "base/text_lines.hpp"
#include "cli/exit_status.hpp"
#include "cli/person_options.hpp"
#include "people/cities_file.hpp"

namespace solvaris {

namespace {

// The file of option `name` (taken out of `args`), else `fallback`.
std::string FileOption(std::vector<std::string>& args, const std::string& name,
                       const std::string& fallback) {
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end() || it + 1 == args.end()) {
        return fallback;
    }
    std::string file = *(it + 1);
    args.erase(it, it + 2);
    return file;
}

// The list readers answer an unreadable file with the list's own message;
// the command line also says what is wrong with the path. The exit status:
// a file that cannot be read, or records in it that cannot.
int SayWhyUnreadable(const std::string& command, const std::string& file, std::ostream& err) {
    if (const std::string problem = FileReadProblem(file); !problem.empty()) {
        err << "solvaris " << command << ": " << file << " cannot be read (" << problem << ")\n";
        return kExitFileProblem;
    }
    return kExitRefusedData;
}

int Usage(std::ostream& err, const char* usage) {
    err << "usage: " << usage << '\n';
    return 2;
}

}  // namespace

int RunNamesCommand(std::vector<std::string> args, Session& session, ScriptedPlatform& platform,
                    std::ostream& out, std::ostream& err) {
    const std::string file = NamesFileOption(args, session);
    const bool list = args.size() == 1 && args[0] == "list";
    const bool show = args.size() == 2 && args[0] == "show";
    if (!list && !show) {
        return Usage(err, kNamesUsage);
    }
    const std::vector<NameRecord> records = ReadNamesList(file, platform);
    const int status =
        platform.Messages().empty() ? kExitDone : SayWhyUnreadable("names", file, err);
    if (list) {
        for (const NameRecord& r : records) {
            out << r.name << '\n';
        }
        return status;
    }
    const auto r = FindPerson(records, args[1]);
    if (!r) {
        err << "solvaris names: no person named '" << args[1] << "' in " << file << '\n';
        return 1;
    }
    out << "Name =  " << r->name << "\nDate =  " << r->date << "\nTime =  " << r->time << ' '
        << r->meridiem << "\nTime zone =  " << r->zone << "\nLongitude =  " << r->longitude
        << "\nLatitude =  " << r->latitude << '\n';
    return 0;
}

int RunCitiesCommand(std::vector<std::string> args, Session& session, ScriptedPlatform& platform,
                     std::ostream& out, std::ostream& err) {
    const std::string file = FileOption(args, "--cities", session.settings.geoDataFile);
    const bool list = args.size() == 1 && args[0] == "list";
    const bool show = args.size() == 2 && args[0] == "show";
    if (!list && !show) {
        return Usage(err, kCitiesUsage);
    }
    const std::vector<CityRecord> cities = ReadCitiesList(file, platform);
    const int status =
        platform.Messages().empty() ? kExitDone : SayWhyUnreadable("cities", file, err);
    if (list) {
        for (const CityRecord& c : cities) {
            out << CityListText(c) << '\n';
        }
        return status;
    }
    // "City,Region" as the list shows it, or the city alone.
    const auto found = std::find_if(cities.begin(), cities.end(), [&](const CityRecord& c) {
        return EqualIgnoringCase(CityListText(c), args[1]) || EqualIgnoringCase(c.city, args[1]);
    });
    if (found == cities.end()) {
        err << "solvaris cities: no city named '" << args[1] << "' in " << file << '\n';
        return 1;
    }
    out << "City =  " << found->city << "\nRegion =  " << found->region
        << "\nLongitude =  " << found->longitude << "\nLatitude =  " << found->latitude
        << "\nTime zone =  " << found->zone << '\n';
    return 0;
}

}  // namespace solvaris
