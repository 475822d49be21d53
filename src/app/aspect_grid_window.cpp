#include "app/aspect_grid_window.hpp"

#include "aspects/aspect_grid_text.hpp"
#include "aspects/orb_choice.hpp"
#include "base/horary_glyphs.hpp"
#include "base/option_numbers.hpp"

namespace solvaris {

std::string AspectGridWindowText(Session& session, Platform& platform) {
    LoadOrbTable(session.currentOrbFile, session.orbTable, platform);
    const bool planetClass = GridUsesPlanetClassOrbs(session.options(opt::OrbScheme),
                                                     session.currentOrbFile, session.folder);
    return GlyphTextToUnicode(
        AspectGridText({session.wheel, session.charts, session.orbTable, planetClass}));
}

}  // namespace solvaris
