#include "cli/points_option.hpp"

#include "base/option_numbers.hpp"

namespace solvaris {

void DeclarePointsOption(CLI::App& app, std::string& points) {
    AddChoice(app, "--points", points, {"standard", "extra"}, "point set",
              "extra: also Black Moon Lilith (mean and true), Chiron, and with Swiss Ephemeris's "
              "asteroid file Ceres, Pallas, Juno and Vesta (default: option 225 of OPTIONS.OPT)");
}

void ApplyPointsOption(const std::string& points, Session& session) {
    if (!points.empty()) {
        session.options.Set(opt::ExtraPoints, points == "extra" ? 1.0f : 0.0f);
    }
}

}  // namespace solvaris
