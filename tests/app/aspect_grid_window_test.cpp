// The aspect grid window's orbs: option 208's planet-class orbs only with
// the natal and return orb files of the program folder, the file's own
// orbs with any other.
#include "app/aspect_grid_window.hpp"

#include <gtest/gtest.h>

#include "base/option_numbers.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// Sun 0, Moon 7.5; the rest far away.
void PlaceSunAndMoon(Session& session) {
    for (int p = 1; p <= kPointCount; ++p) {
        session.wheel.longitude[p] = 200.37 + 2.11 * p;
    }
    session.wheel.longitude[Sun] = 0;
    session.wheel.longitude[Moon] = 7.5;
    session.wheel.innerHeader[0] = "Test - transits";
}

constexpr const char* kSunConjunctMoon = "  \u2609 \u260C \u263D\r\n";

TEST(AspectGridWindow, PlanetClassOrbsOnlyWithNatalAndReturnFiles) {
    const struct {
        float option208;
        const char* file;
        bool conjunction;  // 7.5 degrees: the Sun's class orb is 8, the file's 1
    } cases[] = {
        {0, "NATAL.ORB", false},   {1, "NATAL.ORB", true},    {1, "SOLARRTN.ORB", true},
        {1, "LUNARRTN.ORB", true}, {1, "TRANSIT.ORB", false}, {1, "NAT2PROG.ORB", false},
    };
    for (const auto& c : cases) {
        testing::TempFolder folder;
        Session session;
        session.folder = folder.path();
        session.options.Set(opt::OrbScheme, c.option208);
        session.currentOrbFile = folder.Write(c.file, "  1    conjunction\r\n").string();
        PlaceSunAndMoon(session);
        ScriptedPlatform platform;
        const std::string text = AspectGridWindowText(session, platform);
        EXPECT_EQ(text.find(kSunConjunctMoon) != std::string::npos, c.conjunction)
            << c.option208 << " " << c.file << "\n"
            << text;
        EXPECT_TRUE(platform.Messages().empty());
    }
}

}  // namespace
}  // namespace solvaris
