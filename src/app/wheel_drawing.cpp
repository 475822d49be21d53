#include "app/wheel_drawing.hpp"

#include "aspects/orb_choice.hpp"
#include "base/option_numbers.hpp"
#include "wheel/aspect_lines.hpp"
#include "wheel/paint_wheel.hpp"
#include "wheel/printed_aspect_grid.hpp"

namespace solvaris {

Problem LoadWheelDrawing(const Session& session, bool european, WheelDrawing& drawing) {
    if (std::string problem = LoadWheelData(session.folder, drawing.data); !problem.empty()) {
        return problem;
    }
    drawing.state.chartType = european ? 1 : 0;
    LoadWheel(drawing.state, session.wheel);
    return {};
}

void PaintSessionWheel(Session& session, WheelDrawing& drawing, Canvas& canvas, Platform& platform,
                       double width, double height) {
    const bool planetClass = GridUsesPlanetClassOrbs(session.options(opt::OrbScheme),
                                                     session.currentOrbFile, session.folder);
    WheelPaintLayers layers;
    layers.drawAspectLines = [planetClass](WheelTarget& target, const WheelState& state) {
        DrawAspectLines(target, state, planetClass);
    };
    layers.printAspectGrid = [&](WheelTarget& target, const WheelState& state) {
        // The session's one orb table, as the aspect grid window reads it: a
        // file that stops early keeps the entries of the file read before.
        if (LoadOrbTable(session.currentOrbFile, session.orbTable, platform)) {
            PrintAspectGrid(target, state, session.orbTable, planetClass);
        }
    };
    PaintWheel(drawing.state, canvas, platform,
               {session.options, drawing.data, session.folder, width, height, session.secondPerson},
               layers);
}

}  // namespace solvaris
