// CWAspect on the wheel: hand-placed points give exactly the lines worked
// out by hand (a septile found with its own orb, each dual aspect once,
// nodes and Part of Fortune kept out of the parallels); reopening follows the orb file in force,
// and the window stands beside the wheel.
#include "gui/wheel/cw_aspect_form.hpp"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <sstream>

#include "aspects/aspect_codes.hpp"
#include "aspects/aspect_grid_text.hpp"
#include "aspects/orb_choice.hpp"
#include "base/horary_glyphs.hpp"
#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"
#include "gui/wheel/grid_desk.hpp"

namespace solvaris {
namespace {

using testing::DiscardClosed;
using testing::GridDesk;
using testing::ShownText;

// Orb file lines 1 to 17 with the given orbs.
std::string OrbFile(const OrbTable& orbs) {
    std::string text;
    for (int entry = 1; entry <= kOrbEntries; ++entry) {
        std::ostringstream line;
        line << "  " << orbs[entry] << "    entry " << entry << "\r\n";
        text += line.str();
    }
    return text;
}

// What the core finds with these orbs, in symbols: the window must show it.
std::string CoreText(const Session& session, const OrbTable& orbs) {
    return GlyphTextToUnicode(
        AspectGridText({session.wheel, session.charts, orbs,
                        GridUsesPlanetClassOrbs(session.options(opt::OrbScheme),
                                                session.currentOrbFile, session.folder)}));
}

// Sun 0, Moon 51.5 (a septile but for 0.07 degrees); every other point in
// a cluster far from both and 2.11 degrees from its neighbour, so that no
// other pair is an exact aspect.
void PlaceHandChart(Session& session, int layout, const std::string& title,
                    const std::string& innerLabel) {
    WheelSetup& w = session.wheel;
    w = WheelSetup{};
    w.layout = layout;
    w.family = layout + 1;
    w.innerHeader[0] = title;
    w.secondHeader[5] = innerLabel;
    PointArray& natalDeclination = session.charts.natal.points.declination;
    PointArray& progressedDeclination = session.charts.progressed.points.declination;
    int inner = 0;
    int outer = 0;
    int calm = 0;
    for (int p = 1; p <= kPointCount; ++p) {
        w.longitude[p] = p == Sun                     ? 0.0
                         : (layout == 0 && p == Moon) ? 51.5
                                                      : 200.37 + 2.11 * inner++;
        w.second.longitude[p] = p == Moon ? 51.5 : 110.52 + 2.11 * outer++;
        // Natal: the Sun at 20 N, Mars 20.2 S (contra-parallel within 0.5),
        // the nodes and Part of Fortune within 0.1 of the Sun; the rest
        // 1.7 degrees apart, far from them.
        switch (p) {
            case Sun: natalDeclination[p] = 20.0; break;
            case Mars: natalDeclination[p] = -20.2; break;
            case NorthNode: natalDeclination[p] = -20.0; break;
            case SouthNode: natalDeclination[p] = 20.1; break;
            case PartOfFortune: natalDeclination[p] = 19.9; break;
            default: natalDeclination[p] = 0.3 + 1.7 * calm++;
        }
        // Progressed: the Sun where the natal Sun is, the rest at least a
        // degree beyond everything natal.
        progressedDeclination[p] = p == Sun ? 20.0 : 21.0 + 0.3 * p;
    }
}

TEST(CwAspectForm, HandPlacedChartsGiveTheLinesWorkedOutByHand) {
    const std::string septile(GlyphSymbol(AspectGlyphCode(Septile)));
    ASSERT_FALSE(septile.empty());
    const struct {
        const char* what;
        int layout;
        const char* title;
        const char* innerLabel;
        std::string text;  // CR LF line ends
    } cases[] = {
        {"single natal: both ways, then the Sun and Mars contra-parallel", 0, "Test - natal", "",
         "\r\n  \u2609 " + septile + " \u263D\r\n  \u263D " + septile +
             " \u2609\r\n\r\n  \u2609 \u2226 \u2642\r\n  \u2642 \u2226 \u2609\r\n"},
        {"single transits: no parallels", 0, "Test - transits", "",
         "\r\n  \u2609 " + septile + " \u263D\r\n  \u263D " + septile + " \u2609\r\n"},
        {"dual natal and progressed: outer Moon first, once; progressed Sun against natal", 1,
         "Test - natal", "Inner = progressed",
         "\r\n  \u263D " + septile +
             " \u2609\r\n\r\n  \u2609 \u2225 \u2609\r\n  \u2609 \u2226 \u2642\r\n"},
        {"dual natal and transits: once, no parallels", 1, "Test - natal", "Inner = transits",
         "\r\n  \u263D " + septile + " \u2609\r\n"},
    };
    OrbTable orbs{};
    orbs[6] = 0.5f;   // parallel
    orbs[16] = 1.0f;  // septile; every other aspect only when exact
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GridDesk desk;
        desk.session.currentOrbFile = desk.folder.Write("SEPTILE.ORB", OrbFile(orbs)).string();
        PlaceHandChart(desk.session, c.layout, c.title, c.innerLabel);
        CwAspectForm form(desk.workstation);
        EXPECT_EQ(ShownText(form, "Text1"), c.text);
        EXPECT_TRUE(desk.platform.Messages().empty());
        EXPECT_GE(desk.platform.BusyRequests(), 1);
        EXPECT_FALSE(desk.platform.Busy());
    }
}

TEST(CwAspectForm, ReopeningFollowsTheOrbFileInForce) {
    GridDesk desk;
    ASSERT_TRUE(desk.Wheel(WheelKind::Natal));
    OrbTable wide{};
    wide[1] = 10;  // conjunction
    wide[4] = 7;   // trine
    OrbTable shipped{};
    ASSERT_TRUE(LoadOrbTable(desk.session.currentOrbFile, shipped, desk.platform));
    const struct {
        const char* what;
        const char* file;
        const char* content;  // nothing: the file is not there
        OrbTable orbs;        // the orbs the window must use
        bool message;
    } steps[] = {
        {"the shipped natal orbs", "NATAL.ORB", nullptr, shipped, false},
        {"wide conjunctions", "WIDE.ORB", nullptr, wide, false},
        // Stops at the empty line: the trine of the file before stays.
        {"a short file", "SHORT.ORB", "  3 a\r\n  2 b\r\n  1 c\r\n\r\n  9 d\r\n",
         OrbTable{0, 3, 2, 1, 7}, false},
        {"a missing file keeps the orbs in use", "MISSING.ORB", nullptr, OrbTable{0, 3, 2, 1, 7},
         true},
    };
    desk.folder.Write("WIDE.ORB", OrbFile(wide));
    QWidget wheel;
    wheel.setGeometry(40, 40, 400, 300);
    wheel.show();
    QPointer<CwAspectForm> slot;
    std::string before;
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        if (step.content != nullptr) {
            desk.folder.Write(step.file, step.content);
        }
        desk.session.currentOrbFile = (desk.folder / step.file).string();
        desk.platform.ClearMessages();
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        DiscardClosed();
        ASSERT_TRUE(slot);
        EXPECT_EQ(wheel.findChildren<CwAspectForm*>().size(), 1u);
        EXPECT_TRUE(slot->isVisible());
        const std::string shown = ShownText(*slot, "Text1");
        EXPECT_EQ(shown, CoreText(desk.session, step.orbs));
        if (!step.message) {
            EXPECT_NE(shown, before);  // the new orbs find other aspects
        }
        ASSERT_EQ(desk.platform.Messages().size(), step.message ? 1u : 0u);
        if (step.message) {
            EXPECT_NE(desk.platform.Messages()[0].text.find("MISSING.ORB cannot be read"),
                      std::string::npos);
            EXPECT_EQ(desk.platform.Messages()[0].title, "Warning!");
        }
        before = shown;
    }
    slot->close();
    DiscardClosed();
    EXPECT_FALSE(slot);
}

TEST(CwAspectForm, StandsBesideTheWheelOnTheScreenWhereItWasMoved) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const struct {
        const char* what;
        QRect wheel;
        bool right;  // the grid right of the wheel, else left of it
    } cases[] = {
        {"room on the right", QRect(screen.left(), screen.top(), 400, 300), true},
        {"against the right edge", QRect(screen.right() - 399, screen.top() + 10, 400, 300), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GridDesk desk;
        ASSERT_TRUE(desk.Wheel(WheelKind::Natal));
        QWidget wheel;
        wheel.setGeometry(c.wheel);
        wheel.show();
        QPointer<CwAspectForm> slot;
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        ASSERT_TRUE(slot);
        const QRect grid = slot->frameGeometry();
        const QRect frame = wheel.frameGeometry();
        EXPECT_FALSE(grid.intersects(frame));
        EXPECT_TRUE(screen.contains(grid));
        EXPECT_TRUE(c.right ? grid.left() > frame.right() : grid.right() < frame.left());
        EXPECT_EQ(grid.top(), frame.top());
        EXPECT_EQ(slot->height(), wheel.height());
        // Moved by the user, it opens again where it stands.
        slot->move(grid.topLeft() + QPoint(0, 20));
        const QRect moved = slot->geometry();
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        EXPECT_EQ(slot->geometry(), moved);
        DiscardClosed();
    }
}

}  // namespace
}  // namespace solvaris
