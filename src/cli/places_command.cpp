#include "cli/places_command.hpp"

#include <memory>

#include "base/number_text.hpp"
#include "base/program_folder.hpp"
#include "cli/exit_status.hpp"
#include "cli/place_options.hpp"
#include "formats/json_text.hpp"

namespace solvaris {

namespace {

struct PlacesRequest {
    std::string text;
    std::string format = "text";
    std::size_t limit = 20;
};

std::string PlaceJson(const Atlas& atlas, const WorldPlace& place) {
    const std::string code(place.countryCode, 2);
    const auto country = atlas.countries.find(code);
    return "{\"name\":" + Quoted(std::string(place.name)) +
           ",\"region\":" + Quoted(std::string(atlas.regions[place.region].name)) +
           ",\"country\":" +
           Quoted(country == atlas.countries.end() ? code : std::string(country->second.name)) +
           ",\"country_code\":" + Quoted(code) +
           ",\"population\":" + std::to_string(place.population) +
           ",\"latitude\":" + FixedDecimals(place.latitudeDeg, 4) +
           ",\"longitude\":" + FixedDecimals(place.longitudeDeg, 4) +
           ",\"lat\":" + Quoted(LatitudeOptionText(place.latitudeDeg)) +
           ",\"lon\":" + Quoted(LongitudeOptionText(place.longitudeDeg)) +
           ",\"zone\":" + Quoted(std::string(atlas.zones[place.zone])) + "}";
}

}  // namespace

CommandRun DeclarePlacesCommand(CLI::App& app) {
    auto request = std::make_shared<PlacesRequest>();
    AddValue(app, "text", request->text, "TEXT",
             "the start of the place's name or of a word of it, any case, accents aside; "
             "\", REGION\" and \", COUNTRY\" narrow it")
        ->required();
    AddChoice(app, "--format", request->format, {"text", "json"}, "format",
              "the output format (default text)");
    app.add_option("--limit", request->limit, "at most N places (default 20)")
        ->type_name("N")
        ->check(CLI::Range(1, 100000));
    return [request](Session&, HeadlessPlatform&, std::ostream& out, std::ostream& err) {
        // Only the places the text can find: a short command's answer soon.
        Atlas atlas;
        if (const Problem problem =
                LoadAtlasForQuery(AtlasFile(ShippedDataFolder()), request->text, atlas);
            !problem.empty()) {
            err << "solvaris places: " << problem << '\n';
            return kExitFileProblem;
        }
        const std::vector<const WorldPlace*> found =
            FindAtlasPlaces(atlas, request->text, request->limit);
        if (found.empty()) {
            err << "solvaris places: no place of the atlas matches '" << request->text << "'\n";
            return kExitRefusedData;
        }
        if (request->format == "json") {
            out << '[';
            for (std::size_t i = 0; i < found.size(); ++i) {
                out << (i == 0 ? "" : ",") << PlaceJson(atlas, *found[i]);
            }
            out << "]\n";
            return kExitDone;
        }
        for (const WorldPlace* place : found) {
            out << AtlasPlaceLine(atlas, *place) << '\n';
        }
        return kExitDone;
    };
}

}  // namespace solvaris
