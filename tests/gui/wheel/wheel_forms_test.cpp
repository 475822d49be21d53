// The wheel window and those beside it. The rules: tests/app/wheel_window_test,
// tests/reports/aspect_reports_test, tests/aspects/aspect_finder_test.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

#include "app/aspect_grid_window.hpp"
#include "app/wheel_command.hpp"
#include "base/option_numbers.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/wheel/cw_aspect_form.hpp"
#include "gui/wheel/duplicate_form.hpp"
#include "gui/wheel/orbs_edit_form.hpp"
#include "gui/wheel/wheels_form.hpp"
#include "support/run_program.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Choose;
using testing::Click;
using testing::OvertypeStart;
using testing::Shown;
using testing::WindowDesk;

constexpr testing::DeskOptions kMain{.mainForm = true};

WheelsForm& OpenWheel(WindowDesk& desk, const char* item) {
    Choose(*desk.main, item);
    return testing::Control<WheelsForm>(*desk.main, "Wheels");
}

QImage Shown(WheelsForm& wheels) {
    return wheels.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(WheelsForm, EachItemReachesItsCommandAndShowsWhatItLeftADuplicateBesideIt) {
    struct Step {
        const char* wheel;  // the main window's Wheels item chosen first, or nullptr
        bool secondPerson;  // when the wheel is chosen
        const char* item;
        const char* report;    // the golden report the data window shows; nullptr: redrawn
        const char* dateLine;  // the main heading's date line after it; nullptr: as before
        int chartType;         // 1: European
        bool switched;
    };
    const Step steps[] = {
        {"mnuWheelsSingleNatal", false, "mnuAsciiChart", "ascii-chart", nullptr, 0, false},
        {nullptr, false, "mnuCTEuropean", nullptr, nullptr, 1, false},
        {nullptr, false, "mnuCTAmerican", nullptr, nullptr, 0, false},
        {"mnuWheelsSingleSolarReturn", false, "mnuReturnsNext", nullptr, "05 Dec 2000", 0, false},
        {nullptr, false, "mnuReturnsPrevious", nullptr, "05 Dec 1999", 0, false},
        // Inside out: the transit moment in the centre, then back.
        {"mnuWheelsDualNatTran", true, "mnuSwitch", nullptr, "01 Jan 2000", 0, true},
        {nullptr, true, "mnuSwitch", nullptr, "05 Dec 1950", 0, false},
    };
    WindowDesk desk(kMain);
    for (const Step& s : steps) {
        SCOPED_TRACE(s.item);
        if (s.wheel != nullptr) {
            desk.workstation.SetSecondPerson(s.secondPerson);
            OpenWheel(desk, s.wheel);
        }
        auto& wheels = testing::Control<WheelsForm>(*desk.main, "Wheels");
        const QImage before = Shown(wheels);
        const std::string date = wheels.State().heading1[1];
        Choose(wheels, s.item);
        EXPECT_EQ(wheels.State().heading1[1], s.dateLine != nullptr ? s.dateLine : date);
        EXPECT_EQ(wheels.State().chartType, s.chartType);
        EXPECT_EQ(desk.session.settings.typeChart, s.chartType);
        EXPECT_EQ(wheels.State().switchFlag, s.switched);
        EXPECT_EQ(Shown(wheels) != before, s.report == nullptr);
        if (s.report != nullptr) {
            // The report, then the blank line that ends every report there.
            EXPECT_EQ(desk.dataWindow.text,
                      testing::GoldenReport("new-york", s.report) + "\r\n\r\n");
        }
    }
    // Duplicate: the wheel goes right and comes back when the duplicate closes.
    auto& wheels = testing::Control<WheelsForm>(*desk.main, "Wheels");
    wheels.move(40, 30);
    wheels.resize(600, 450);
    const QRect screen = wheels.screen()->availableGeometry();
    const int half = screen.width() / 2;

    testing::Choose(wheels, "mnuDuplicate");
    auto* duplicate = testing::OpenWindow<DuplicateForm>("Duplicat");
    ASSERT_NE(duplicate, nullptr);
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(screen.left() + half, 30, half, 450));
    // As wide as the wheel window and 325 twips taller.
    EXPECT_EQ(duplicate->size(), QSize(half, 450 + 22));
    // The picture is the wheel window's drawing area as painted.
    EXPECT_EQ(duplicate->Picture(), wheels.ClientImage());
    EXPECT_FALSE(desk.platform.Busy());
    EXPECT_TRUE(desk.platform.Messages().empty());

    // Wider than the half beside the duplicate: back to the half.
    wheels.resize(half + 100, 450);
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(screen.left() + half, 30, half, 450));

    // A still picture: the wheel window's next chart leaves it as it was.
    const QImage kept = duplicate->Picture();
    testing::Choose(*desk.main, "mnuWheelsSingleNatal");
    EXPECT_EQ(duplicate->Picture(), kept);

    duplicate->close();
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(40, 30, 600, 450));
}

TEST(WheelsForm, ThePrintQuestionsAnswersPrintAFullOrAHalfPageOrNothing) {
    for (const MessageAnswer answer :
         {MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::No}) {
        SCOPED_TRACE(static_cast<int>(answer));
        const bool printed = answer != MessageAnswer::Cancel;
        WindowDesk desk(kMain);
        WheelsForm& wheels = OpenWheel(desk, "mnuWheelsSingleNatal");
        const QImage shown = Shown(wheels);
        desk.platform.QueueAnswer(answer);
        Choose(wheels, "mnuPrintChartwheel");
        ASSERT_EQ(desk.platform.Messages().size(), 1u);
        EXPECT_FALSE(desk.platform.Busy());
        EXPECT_EQ(Shown(wheels), shown) << "the window as it was";
        // One page, its glyphs drawn as text in the glyph font.
        const std::string pdf = desk.folder.Read("paper.pdf");
        EXPECT_EQ(testing::PdfPageCount(pdf), printed ? 1 : 0);
        EXPECT_EQ(pdf.find("FreeSerif") != std::string::npos, printed);
    }
}

TEST(WheelsForm, WithoutTheDataFilesEachCommandSaysWhyAndPrintsNothing) {
    WindowDesk desk(kMain);
    std::filesystem::remove(desk.folder / "RADIUS.DAT");
    WheelsForm& wheels = OpenWheel(desk, "mnuWheelsSingleNatal");
    EXPECT_TRUE(wheels.isVisible() && wheels.ClientImage().isNull());
    const std::tuple<const char*, MessageAnswer, const char*> steps[] = {
        {"mnuPrintChartwheel", MessageAnswer::Yes, "RADIUS.DAT"},
        {"mnuPrintChartwheel", MessageAnswer::No, "Unable to print the form"},
        {"mnuDuplicate", MessageAnswer::Ok, "Unable to print the form"},
    };
    ASSERT_FALSE(desk.platform.Messages().empty());
    EXPECT_NE(desk.platform.Messages().back().text.find("RADIUS.DAT"), std::string::npos);
    for (const auto& [item, answer, said] : steps) {
        desk.platform.ClearMessages();
        desk.platform.QueueAnswer(answer);
        Choose(wheels, item);
        ASSERT_FALSE(desk.platform.Messages().empty()) << item;
        EXPECT_NE(desk.platform.Messages().back().text.find(said), std::string::npos) << item;
    }
    EXPECT_FALSE(std::filesystem::exists(desk.folder / "paper.pdf"));
    EXPECT_TRUE(testing::OpenWindows("Duplicat").empty());
}

// The three rings, natal, progressed and transits, as the command line draws them.
TEST(WheelsForm, ThePaintAtTheWindowSizeIsThePictureOfSolvarisWheel) {
    WindowDesk desk(kMain);
    WheelsForm& wheels = OpenWheel(desk, "mnuWheelsTripleTranProgNat");
    wheels.centralWidget()->setFixedSize(1024, 768);
    const QImage shown = Shown(wheels);
    const std::string png = (desk.folder / "wheel.png").string();
    const testing::ProgramRun run = testing::RunSolvaris(
        {"wheel",          "triple-progressed",
         "--home",         desk.folder.path().string(),
         "--names",        std::string(SOLVARIS_TEST_DATA_DIR) + "/reports/GOLDEN.FIL",
         "--person",       "Golden New York",
         "--diurnal-date", "2000-01-01",
         "--diurnal-time", "12:00pm",
         "--diurnal-zone", "8",
         "--diurnal-lon",  "118w15",
         "--diurnal-lat",  "34n03",
         "--out",          png});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32), shown);
}

TEST(WheelsForm, OrbCommandsOpenTheGridOfTheOrbFileInForceAndTheEditor) {
    struct Case {
        const char* what;
        const char* current;  // in the program folder; "" for none set
        const char* chosen;   // the chooser's answer; "" cancels
        bool said;
        const char* after;  // the orb file in force after it; nullptr: unchanged, no grid
    };
    const Case cases[] = {
        {"a new orb file", "NATAL.ORB", "TRANSIT.ORB", false, "TRANSIT.ORB"},
        {"none set: NATAL.ORB is checked", "", "SYNASTRY.ORB", false, "SYNASTRY.ORB"},
        {"cancelled", "NATAL.ORB", "", false, nullptr},
        {"the current one missing", "MISSING.ORB", "TRANSIT.ORB", true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WindowDesk desk(kMain);
        WheelsForm& wheels = OpenWheel(desk, "mnuWheelsSingleNatal");
        const auto inFolder = [&](const char* file) {
            return *file != '\0' ? (desk.folder / file).string() : std::string();
        };
        const std::string natalGrid = AspectGridWindowText(desk.session, desk.platform);
        desk.session.currentOrbFile = inFolder(c.current);
        desk.platform.QueueChosenFile(inFolder(c.chosen));
        Choose(wheels, "mnuOrbsChange");
        EXPECT_EQ(desk.platform.Messages().size(), c.said ? 1u : 0u);
        EXPECT_EQ(desk.session.currentOrbFile, inFolder(c.after ? c.after : c.current));
        auto* grid = testing::OpenWindow<QWidget>("CWAspect");
        ASSERT_EQ(grid != nullptr, c.after != nullptr);
        if (grid != nullptr) {
            // The aspects the core finds with the chosen orbs.
            const std::string shown = testing::Shown(*grid, "Text1");
            EXPECT_EQ(shown, AspectGridWindowText(desk.session, desk.platform));
            EXPECT_NE(shown, natalGrid);
        }
    }
    WindowDesk desk(kMain);
    WheelsForm& wheels = OpenWheel(desk, "mnuWheelsSingleNatal");
    // Aspects twice leaves one grid; a new wheel closes it.
    Choose(wheels, "mnuAspects");
    Choose(wheels, "mnuAspects");
    EXPECT_EQ(testing::OpenWindows("CWAspect").size(), 1u);
    OpenWheel(desk, "mnuWheelsSingleNatal");
    EXPECT_TRUE(testing::OpenWindows("CWAspect").empty());
    Choose(wheels, "mnuOrbsEdit");
    EXPECT_EQ(testing::OpenWindows("OrbsEdit").size(), 1u);
    Choose(wheels, "mnuHelp");
    EXPECT_NE(desk.dataWindow.text.find(ReadTextLines(desk.folder / "WHEELS.HLP")->front()),
              std::string::npos);
}

// Kept in the settings as it closes: the main window's Exit test.
TEST(WheelsForm, PlacedFromTheSettingsOrBelowTheMainWindowWhichEscapeBringsUp) {
    WindowDesk desk(kMain);
    desk.session.options.Set(opt::WheelPlacementFromSettings, 1);
    Settings& s = desk.session.settings;
    std::tie(s.wheelLeft, s.wheelTop, s.wheelWidth, s.wheelHeight) =
        std::tuple(750, 1500, 7500, 6000);
    WheelsForm& wheels = OpenWheel(desk, "mnuWheelsSingleNatal");
    EXPECT_EQ(QRect(wheels.pos(), wheels.size()), QRect(50, 100, 500, 400));
    wheels.close();
    desk.session.options.Set(opt::WheelPlacementFromSettings, 0);
    desk.main->move(0, 0);
    desk.main->show();
    OpenWheel(desk, "mnuWheelsSingleNatal");
    EXPECT_EQ(wheels.y(), desk.main->frameGeometry().bottom() + 1);
    const PixelRect screen = ScreenAreas().front();
    EXPECT_LE(wheels.frameGeometry().bottom(), screen.top + screen.height - 1);

    // Escape and the right button bring the main window up.
    const auto activeAfter = [&](const std::function<void()>& act) {
        wheels.activateWindow();
        QApplication::processEvents();
        act();
        QApplication::processEvents();
        return QApplication::activeWindow();
    };
    EXPECT_EQ(activeAfter([&] { QTest::keyClick(&wheels, Qt::Key_Escape); }), desk.main.get());
    EXPECT_EQ(activeAfter([&] { QTest::mouseClick(wheels.centralWidget(), Qt::RightButton); }),
              desk.main.get());
    EXPECT_EQ(activeAfter([&] { QTest::mouseClick(wheels.centralWidget(), Qt::LeftButton); }),
              &wheels);
    // Alt+letter and Escape leave the menu bar holding the keyboard: the
    // next Escape still brings the main window up.
    EXPECT_EQ(activeAfter([&] {
                  QTest::keyClick(&wheels, Qt::Key_T, Qt::AltModifier);
                  QApplication::processEvents();
                  if (QWidget* popup = QApplication::activePopupWidget()) {
                      QTest::keyClick(popup, Qt::Key_Escape);
                      QApplication::processEvents();
                  }
                  QWidget* focus = QApplication::focusWidget();
                  QTest::keyClick(focus != nullptr ? focus : &wheels, Qt::Key_Escape);
              }),
              desk.main.get());
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
    testing::WindowDesk desk;
    ASSERT_TRUE(desk.workstation.ComputeChart());
    ASSERT_TRUE(RunWheelCommand(desk.session, WheelKind::Natal, desk.workstation.diurnalEntry,
                                desk.platform));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QWidget wheel;
        wheel.setGeometry(c.wheel);
        wheel.show();
        QPointer<CwAspectForm> slot;
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        ASSERT_TRUE(slot);
        const QRect grid = slot->frameGeometry();
        const QRect frame = wheel.frameGeometry();
        EXPECT_TRUE(screen.contains(grid));
        EXPECT_TRUE(c.right ? grid.left() > frame.right() : grid.right() < frame.left());
        EXPECT_EQ(grid.top(), frame.top());
        EXPECT_EQ(slot->height(), wheel.height());
        slot->move(grid.topLeft() + QPoint(0, 20));
        const QRect moved = slot->geometry();
        ReopenAspectGrid(desk.workstation, slot, &wheel);
        testing::DiscardClosedWindows();
        EXPECT_EQ(wheel.findChildren<CwAspectForm*>().size(), 1u);
        EXPECT_EQ(slot->geometry(), moved);
    }
}

TEST(OrbsEditForm, SaveQuitReopenAndEveryFailureLosesNothing) {
    testing::WindowDesk desk;
    const std::string path =
        desk.folder.Write("MINE.ORB", "  8.0  Conjunction\n  6.0  Sextile").string();
    desk.session.currentOrbFile = path;
    desk.session.orbTable.fill(4);
    QPointer<OrbsEditForm> form = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(form && form->isVisible());
    EXPECT_EQ(form->windowTitle().toStdString(), "Edit: " + path);
    OvertypeStart(*form, "txtContent", " 10.5  ");
    Click(*form, "btnSave");
    const std::string saved = " 10.5  Conjunction\r\n  6.0  Sextile\r\n";
    EXPECT_EQ(desk.folder.Read("MINE.ORB"), saved);
    EXPECT_EQ(Shown(*form, "txtContent"), saved);
    EXPECT_EQ(desk.session.orbTable[1], 4.0f);  // not reloaded
    // Typed again and quit: discarded without a question.
    OvertypeStart(*form, "txtContent", " 99    ");
    Click(*form, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_FALSE(form);
    QPointer<OrbsEditForm> again = OpenOrbsEdit(desk.workstation);
    ASSERT_TRUE(again);
    EXPECT_EQ(Shown(*again, "txtContent"), saved);

    // A folder in the file's place: said, the typed text kept.
    const std::string typed = OvertypeStart(*again, "txtContent", " 12    ");
    std::filesystem::remove(path);
    std::filesystem::create_directories(path + "/keep");
    Click(*again, "btnSave");
    const std::string said = testing::Said(desk.platform);
    EXPECT_EQ(said.rfind("The orb file was not saved: ", 0), 0u) << said;
    EXPECT_NE(said.find(path), std::string::npos);
    EXPECT_TRUE(again->isVisible());
    EXPECT_EQ(Shown(*again, "txtContent"), typed);

    desk.platform.ClearMessages();
    desk.session.currentOrbFile = (desk.folder / "GONE.ORB").string();
    EXPECT_EQ(OpenOrbsEdit(desk.workstation), nullptr);
    EXPECT_EQ(testing::Said(desk.platform), "The orb file " + desk.session.currentOrbFile +
                                                " cannot be read (no such file), so it cannot "
                                                "be edited.");
    // Built directly, the window has nothing to lose: Save is off.
    OrbsEditForm unread(desk.workstation);
    EXPECT_FALSE(testing::Control<QPushButton>(unread, "btnSave").isEnabled());
    EXPECT_TRUE(testing::Control<QPlainTextEdit>(unread, "txtContent").isReadOnly());
    EXPECT_FALSE(std::filesystem::exists(desk.folder / "GONE.ORB"));
}

}  // namespace
}  // namespace solvaris
