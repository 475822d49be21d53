#include "cli/zones_command.hpp"

#include <memory>

#include "cli/exit_status.hpp"
#include "people/zone_history.hpp"

namespace solvaris {

CommandRun DeclareZonesCommand(CLI::App& app) {
    auto text = std::make_shared<std::string>();
    app.add_option("text", *text, "part of a zone name, any case (default: every zone)");
    return [text](Session&, HeadlessPlatform&, std::ostream& out, std::ostream& err) {
        const std::vector<std::string> names = ZoneNamesContaining(*text);
        if (names.empty()) {
            err << "solvaris zones: no zone name of the tz database contains '" << *text << "'\n";
            return kExitRefusedData;
        }
        for (const std::string& name : names) {
            out << name << '\n';
        }
        return kExitDone;
    };
}

}  // namespace solvaris
