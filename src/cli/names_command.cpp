#include "cli/names_command.hpp"

#include <algorithm>

#include "base/text_lines.hpp"
#include "base/visible_text.hpp"
#include "cli/exit_status.hpp"
#include "cli/person_options.hpp"
#include "people/cities_file.hpp"

namespace solvaris {

namespace {

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

// `list` or `show NAME`, for names and cities alike.
struct ListRequest {
    std::string action;
    std::string name;
    std::string file;
};

void DeclareList(CLI::App& app, ListRequest& request, const std::string& record) {
    AddChoice(app, "list-or-show", request.action, {"list", "show"}, "action", "")->required();
    AddValue(app, record, request.name, "NAME", "");
}

// kExitDone, or kExitBadCommandLine with the message when `show` has no
// name or `list` has one.
int ListProblem(const ListRequest& request, std::string_view command, std::ostream& err) {
    const bool show = request.action == "show";
    if (show == !request.name.empty()) {
        return kExitDone;
    }
    err << "solvaris " << command << ": "
        << (show ? "show needs the name of the record" : "list takes no name") << '\n';
    return kExitBadCommandLine;
}

}  // namespace

namespace {

int RunNames(const ListRequest& request, Session& session, HeadlessPlatform& platform,
             std::ostream& out, std::ostream& err) {
    if (const int status = ListProblem(request, "names", err)) {
        return status;
    }
    const std::string file = NamesFileOption(request.file, session);
    const bool list = request.action == "list";
    const std::vector<NameRecord> records = ReadNamesList(file, platform);
    const int status =
        platform.Messages().empty() ? kExitDone : SayWhyUnreadable("names", file, err);
    if (list) {
        for (const NameRecord& r : records) {
            out << VisibleText(r.name) << '\n';
        }
        return status;
    }
    const auto r = FindPerson(records, request.name);
    if (!r) {
        err << "solvaris names: no person named '" << VisibleText(request.name) << "' in "
            << VisibleText(file) << '\n';
        return kExitRefusedData;
    }
    // What a names file holds reaches the terminal without its control characters.
    const auto v = [](const std::string& field) { return VisibleText(field); };
    out << "Name =  " << v(r->name) << "\nDate =  " << v(r->date) << "\nTime =  " << v(r->time)
        << ' ' << v(r->meridiem) << "\nTime zone =  " << v(r->zone)
        << "\nLongitude =  " << v(r->longitude) << "\nLatitude =  " << v(r->latitude) << '\n';
    return kExitDone;
}

int RunCities(const ListRequest& request, Session& session, HeadlessPlatform& platform,
              std::ostream& out, std::ostream& err) {
    if (const int status = ListProblem(request, "cities", err)) {
        return status;
    }
    const std::string file = request.file.empty() ? session.settings.geoDataFile : request.file;
    const bool list = request.action == "list";
    const std::vector<CityRecord> cities = ReadCitiesList(file, platform);
    const int status =
        platform.Messages().empty() ? kExitDone : SayWhyUnreadable("cities", file, err);
    if (list) {
        for (const CityRecord& c : cities) {
            out << VisibleText(CityListText(c)) << '\n';
        }
        return status;
    }
    // "City,Region" as the list shows it, or the city alone.
    const auto found = std::find_if(cities.begin(), cities.end(), [&](const CityRecord& c) {
        return EqualIgnoringCase(CityListText(c), request.name) ||
               EqualIgnoringCase(c.city, request.name);
    });
    if (found == cities.end()) {
        err << "solvaris cities: no city named '" << VisibleText(request.name) << "' in "
            << VisibleText(file) << '\n';
        return kExitRefusedData;
    }
    const auto v = [](const std::string& field) { return VisibleText(field); };
    out << "City =  " << v(found->city) << "\nRegion =  " << v(found->region)
        << "\nLongitude =  " << v(found->longitude) << "\nLatitude =  " << v(found->latitude)
        << "\nTime zone =  " << v(found->zone) << '\n';
    return kExitDone;
}

}  // namespace

CommandRun DeclareNamesCommand(CLI::App& app) {
    auto request = std::make_shared<ListRequest>();
    DeclareList(app, *request, "person");
    AddPath(app, "--names", request->file, "FILE", "the names file (default: the current one)");
    return [request](Session& session, HeadlessPlatform& platform, std::ostream& out,
                     std::ostream& err) { return RunNames(*request, session, platform, out, err); };
}

CommandRun DeclareCitiesCommand(CLI::App& app) {
    auto request = std::make_shared<ListRequest>();
    DeclareList(app, *request, "city");
    AddPath(app, "--cities", request->file, "FILE", "the cities file (default: the current one)");
    return
        [request](Session& session, HeadlessPlatform& platform, std::ostream& out,
                  std::ostream& err) { return RunCities(*request, session, platform, out, err); };
}

}  // namespace solvaris
