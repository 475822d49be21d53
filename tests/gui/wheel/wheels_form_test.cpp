// The chart-wheel window driven as a user would: every Wheels item opening
// it with its caption and menus, the 90-degree wheel, Switch, Returns, the
// type, the print question, the paint against `solvaris wheel`, the ASCII
// chart, the orb commands, its placement in SOLVARIS.INI and the natal
// wheel that start-up opens.
#include "gui/wheel/wheels_form.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPainter>

#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/wheel/wheel_desk.hpp"
#include "support/run_program.hpp"

namespace solvaris {
namespace {

using testing::WheelDesk;

constexpr const char* kCaption = "SOLVARIS (Tropical zodiac) - Chartwheels";

bool Visible(const WheelsForm& wheels, const char* item) {
    return wheels.findChild<QAction*>(QString::fromLatin1(item))->isVisible();
}
bool Enabled(const WheelsForm& wheels, const char* item) {
    return wheels.findChild<QAction*>(QString::fromLatin1(item))->isEnabled();
}
bool Checked(const WheelsForm& wheels, const char* item) {
    return wheels.findChild<QAction*>(QString::fromLatin1(item))->isChecked();
}

TEST(WheelsForm, EveryWheelsItemOpensTheWindowWithItsMenus) {
    struct Row {
        const char* item;
        int family;
        bool returns;
        bool ascii;           // also Type
        const char* heading;  // line 1 of the first heading
    };
    const Row rows[] = {
        {"mnuWheelsSingleNatal", 1, false, true, "Golden New York - natal"},
        {"mnuWheelsSingleProgressed", 1, false, true, "Golden New York - progressed"},
        {"mnuWheelsSingleSolarArc", 1, false, true, "Golden New York - solar arc"},
        {"mnuWheelsSingleTransits", 1, false, true, "Transit chart"},
        {"mnuWheelsSingleSolarReturn", 1, true, true, "Golden New York - solar return"},
        {"mnuWheelsSingleLunarReturn", 1, true, true, "Golden New York - lunar return"},
        {"mnuWheelsSingleFlat", 1, false, true, "Golden New York - flat"},
        {"mnuWheelsSingleSolar", 1, false, true, "Golden New York - solar"},
        {"mnuWheelsSingleSolarEquilibrium", 1, false, true, "Golden New York - solar equilibrium"},
        {"mnuWheelsSingleWholeSignAsc", 1, false, true, "Golden New York - whole sign Asc"},
        {"mnuWheelsSingleWholeSignMC", 1, false, true, "Golden New York - whole sign MC"},
        {"mnuWheelsDualNatProg", 2, false, false, "Golden New York - natal"},
        {"mnuWheelsDualNatSA", 2, false, false, "Golden New York - natal"},
        {"mnuWheelsDualNatTran", 2, false, false, "Golden New York - natal"},
        {"mnuWheelsDualNatSR", 2, false, false, "Golden New York - natal"},
        {"mnuWheelsDualNatLR", 2, false, false, "Golden New York - natal"},
        {"mnuWheelsTripleTranProgNat", 3, false, false, "Golden New York - natal"},
        {"mnuWheelsTripleTranSANatal", 3, false, false, "Golden New York - natal"},
    };
    WheelDesk desk;
    const WheelsForm* first = nullptr;
    for (const Row& row : rows) {
        WheelsForm* wheels = desk.Open(row.item);
        ASSERT_NE(wheels, nullptr) << row.item;
        first = first != nullptr ? first : wheels;
        EXPECT_EQ(wheels, first) << row.item << ": one window, reloaded";
        EXPECT_TRUE(wheels->isVisible()) << row.item;
        EXPECT_EQ(wheels->windowTitle(), kCaption) << row.item;
        EXPECT_EQ(wheels->State().family, row.family) << row.item;
        EXPECT_EQ(wheels->State().layout, row.family - 1) << row.item;
        EXPECT_EQ(wheels->State().heading1[0], row.heading) << row.item;
        EXPECT_EQ(Visible(*wheels, "mnuReturns"), row.returns) << row.item;
        EXPECT_EQ(Visible(*wheels, "mnuAsciiChart"), row.ascii) << row.item;
        EXPECT_EQ(Visible(*wheels, "mnuChartType"), row.ascii) << row.item;
        EXPECT_FALSE(Visible(*wheels, "mnuSwitch")) << row.item << ": one person only";
        EXPECT_TRUE(Checked(*wheels, "mnuCTAmerican")) << row.item;
        EXPECT_FALSE(Checked(*wheels, "mnuCTEuropean")) << row.item;
        for (const char* always :
             {"mnuAspects", "mnuDuplicate", "mnuOrbs", "mnuPrintChartwheel", "mnuHelp"}) {
            EXPECT_TRUE(Visible(*wheels, always)) << row.item << " " << always;
        }
        // A paint enables the aspects for every family but the triple
        // wheels.
        desk.Shown();
        EXPECT_EQ(Enabled(*wheels, "mnuAspects"), row.family != 3) << row.item;
        EXPECT_TRUE(desk.platform.Messages().empty()) << row.item;
    }
}

TEST(WheelsForm, MenuNamesCaptionsAndAccessKeys) {
    const std::pair<const char*, const char*> items[] = {
        {"mnuAsciiChart", "AS&CII"},
        {"mnuAspects", "&Aspects"},
        {"mnuReturns", "&Returns"},
        {"mnuReturnsNext", "&Next"},
        {"mnuReturnsPrevious", "&Previous"},
        {"mnuDuplicate", "&Duplicate"},
        {"mnuOrbs", "&Orbs"},
        {"mnuOrbsChange", "&Select new orb file"},
        {"mnuOrbsEdit", "&Edit orb file"},
        {"mnuPrintChartwheel", "&Print"},
        {"mnuSwitch", "S&witch"},
        {"mnuChartType", "&Type"},
        {"mnuCTAmerican", "&American"},
        {"mnuCTEuropean", "&European"},
        {"mnuHelp", "&Help"},
    };
    WheelDesk desk;
    const WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    for (const auto& [name, caption] : items) {
        const auto* action = wheels->findChild<QAction*>(name);
        ASSERT_NE(action, nullptr) << name;
        EXPECT_EQ(action->text(), caption) << name;
    }
}

TEST(WheelsForm, SecondPersonDualWheelSwitchesAndTwiceComesBack) {
    WheelDesk desk;
    desk.workstation.diurnalEntry.chk2ndPersonCaption = "Second Person";
    desk.workstation.SetSecondPerson(true);
    WheelsForm* wheels = desk.Open("mnuWheelsDualNatTran");
    ASSERT_NE(wheels, nullptr);
    EXPECT_TRUE(Visible(*wheels, "mnuSwitch"));
    EXPECT_EQ(wheels->State().heading2[0], "Second Person");
    const QImage first = desk.Shown();
    desk.Click("mnuSwitch");
    EXPECT_TRUE(wheels->State().switchFlag);
    EXPECT_EQ(wheels->State().heading1[0], "Second Person - natal");
    EXPECT_NE(desk.Shown(), first) << "the charts changed rings";
    desk.Click("mnuSwitch");
    EXPECT_FALSE(wheels->State().switchFlag);
    EXPECT_EQ(desk.Shown(), first);
}

TEST(WheelsForm, NinetyDegreeWheelIgnoresEuropeanAndHidesSwitch) {
    struct Case {
        const char* heading;
        bool ninety;
    };
    for (const Case c : {Case{"Golden New York - natal", false},
                         Case{"Golden New York - 90 degree wheel", true}}) {
        WheelDesk desk;
        desk.workstation.diurnalEntry.chk2ndPersonCaption = "Second Person";
        desk.workstation.SetSecondPerson(true);
        WheelsForm* wheels = desk.Open("mnuWheelsDualNatTran");
        desk.session.wheel.innerHeader[0] = c.heading;
        wheels->Load(WheelKind::DualTransits);
        EXPECT_EQ(Visible(*wheels, "mnuSwitch"), !c.ninety) << c.heading;

        desk.workstation.SetSecondPerson(false);
        desk.Open("mnuWheelsSingleNatal");
        desk.session.wheel.innerHeader[0] = c.heading;
        wheels->Load(WheelKind::Natal);
        const QImage american = desk.Shown();
        desk.Click("mnuCTEuropean");
        EXPECT_EQ(wheels->State().chartType, c.ninety ? 0 : 1) << c.heading;
        EXPECT_EQ(Checked(*wheels, "mnuCTAmerican"), c.ninety) << c.heading;
        EXPECT_EQ(Checked(*wheels, "mnuCTEuropean"), !c.ninety) << c.heading;
        EXPECT_EQ(desk.Shown() == american, c.ninety) << c.heading;
        EXPECT_EQ(desk.session.settings.typeChart, c.ninety ? 0 : 1) << c.heading;
        desk.Click("mnuCTAmerican");
        EXPECT_EQ(wheels->State().chartType, 0) << c.heading;
        EXPECT_TRUE(Checked(*wheels, "mnuCTAmerican")) << c.heading;
        EXPECT_EQ(desk.Shown(), american) << c.heading;
    }
}

TEST(WheelsForm, ReturnsNextMovesASolarReturnAYearAndANatalWheelOnlyRepaints) {
    struct Case {
        const char* item;
        const char* step;
        int years;  // the centre chart's year moves by
    };
    const Case cases[] = {
        {"mnuWheelsSingleSolarReturn", "mnuReturnsNext", 1},
        {"mnuWheelsSingleSolarReturn", "mnuReturnsPrevious", -1},
        {"mnuWheelsSingleNatal", "mnuReturnsNext", 0},
        {"mnuWheelsSingleNatal", "mnuReturnsPrevious", 0},
    };
    for (const Case& c : cases) {
        WheelDesk desk;
        WheelsForm* wheels = desk.Open(c.item);
        const WheelState before = wheels->State();
        const QImage shown = desk.Shown();
        desk.Click(c.step);
        const std::string& date = wheels->State().heading1[1];
        EXPECT_EQ(std::stoi(date.substr(7)), std::stoi(before.heading1[1].substr(7)) + c.years)
            << c.item << " " << c.step;
        EXPECT_EQ(desk.Shown() == shown, c.years == 0) << c.item << " " << c.step;
        EXPECT_EQ(wheels->State().mainSet == before.mainSet, c.years == 0) << c.item;
        EXPECT_TRUE(desk.platform.Messages().empty()) << c.item;
    }
}

TEST(WheelsForm, ThePrintQuestionAndEachAnswer) {
    struct Case {
        MessageAnswer answer;
        int papers;  // print dialogs shown
        bool printed;
    };
    const Case cases[] = {
        {MessageAnswer::Cancel, 0, false},
        {MessageAnswer::Yes, 1, true},
        {MessageAnswer::No, 1, true},
    };
    for (const Case& c : cases) {
        const int answer = static_cast<int>(c.answer);
        WheelDesk desk;
        WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
        const QImage shown = desk.Shown();
        const int busyBefore = desk.platform.BusyRequests();
        desk.platform.QueueAnswer(c.answer);
        desk.Click("mnuPrintChartwheel");
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << answer;
        const ShownMessage& question = desk.platform.Messages()[0];
        EXPECT_EQ(question.text,
                  "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.");
        EXPECT_EQ(question.title, "Full page or half page chartwheel");
        EXPECT_EQ(question.icon, MessageIcon::Question);
        EXPECT_EQ(question.buttons, MessageButtons::YesNoCancel);
        EXPECT_EQ(question.defaultButton, MessageAnswer::Cancel);
        EXPECT_EQ(desk.papersChosen, c.papers) << answer;
        EXPECT_EQ(wheels->State().printMode, WheelPrintMode::None) << answer;
        EXPECT_FALSE(desk.platform.Busy()) << answer;
        EXPECT_EQ(desk.platform.BusyRequests() > busyBefore, c.printed) << answer;
        const QByteArray pdf = desk.PdfBytes();
        EXPECT_EQ(!pdf.isEmpty(), c.printed) << answer;
        EXPECT_EQ(desk.Shown(), shown) << answer << ": the window as it was";
        if (c.printed) {
            EXPECT_EQ(testing::PdfPageCount(pdf), 1) << answer;
        }
    }
}

// A page of the same printer with nothing on it, to tell a printed wheel
// from an empty page.
QByteArray BlankPage(const std::string& file) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    QPainter painter(&printer);
    painter.end();
    QFile pdf(QString::fromStdString(file));
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
}

TEST(WheelsForm, AFullPagePrintIsOnePageWithTheWheelAndItsGrid) {
    WheelDesk desk;
    desk.Open("mnuWheelsSingleNatal");
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    desk.Click("mnuPrintChartwheel");
    const QByteArray pdf = desk.PdfBytes();
    const QByteArray blank = BlankPage((desk.printFolder / "blank.pdf").string());
    EXPECT_EQ(testing::PdfPageCount(pdf), 1);
    EXPECT_EQ(testing::PdfPageCount(blank), 1);
    // The glyphs are drawn in the glyph font, and the page carries far more
    // drawing than an empty one.
    EXPECT_TRUE(pdf.contains("FreeSerif"));
    EXPECT_GT(pdf.size(), 4 * blank.size());
    EXPECT_EQ(desk.platform.Messages().size(), 1u);
}

TEST(WheelsForm, TheScaleFollowsTheDrawingAreaAndNoAreaPaintsNothing) {
    struct Case {
        QSize area;
        int scale;  // the state's half-width after the paint
    };
    const Case cases[] = {
        {{1024, 768}, 300}, {{768, 768}, 225}, {{767, 768}, 244},
        {{600, 900}, 244},  {{900, 450}, 450}, {{1000, 7}, 32143},
    };
    WheelDesk desk;
    WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    for (const Case& c : cases) {
        wheels->centralWidget()->setFixedSize(c.area);
        const QImage shown = desk.Shown();
        EXPECT_EQ(shown.size(), c.area) << c.area.width() << "x" << c.area.height();
        EXPECT_EQ(wheels->State().scale, c.scale) << c.area.width() << "x" << c.area.height();
    }
    wheels->centralWidget()->setFixedSize(1024, 0);
    EXPECT_TRUE(wheels->ClientImage().isNull());
    EXPECT_EQ(wheels->State().scale, 32143) << "the last scale stands";
    EXPECT_TRUE(desk.platform.Messages().empty());
}

TEST(WheelsForm, WithoutTheDataFilesTheWindowSaysSoAndPrintsNothing) {
    testing::TempFolder folder;
    std::filesystem::copy(SOLVARIS_DATA_DIR, folder.path(),
                          std::filesystem::copy_options::recursive);
    std::filesystem::remove(folder / "RADIUS.DAT");
    WheelDesk desk;
    desk.session.folder = folder.path();
    WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    ASSERT_NE(wheels, nullptr);
    EXPECT_TRUE(wheels->isVisible());
    EXPECT_TRUE(wheels->ClientImage().isNull());
    // Each command that needs the picture reads the files again and says
    // why there is none.
    struct Step {
        const char* item;
        MessageAnswer answer;
        const char* said;
    };
    const Step steps[] = {
        {"mnuWheelsSingleNatal", MessageAnswer::Ok, "RADIUS.DAT"},
        {"mnuPrintChartwheel", MessageAnswer::Yes, "RADIUS.DAT"},
        {"mnuPrintChartwheel", MessageAnswer::No, "Unable to print the form"},
        {"mnuDuplicate", MessageAnswer::Ok, "Unable to print the form"},
    };
    for (const Step& step : steps) {
        desk.platform.ClearMessages();
        if (step.answer != MessageAnswer::Ok) {
            desk.platform.QueueAnswer(step.answer);
        }
        if (std::string_view(step.item).starts_with("mnuWheels")) {
            desk.Open(step.item);
        } else {
            desk.Click(step.item);
        }
        ASSERT_FALSE(desk.platform.Messages().empty()) << step.item;
        EXPECT_NE(desk.platform.Messages().back().text.find(step.said), std::string::npos)
            << step.item << ": " << desk.platform.Messages().back().text;
    }
    EXPECT_EQ(desk.papersChosen, 0);
    EXPECT_TRUE(desk.PdfBytes().isEmpty());
}

TEST(WheelsForm, ThePaintAtTheWindowSizeIsThePictureOfSolvarisWheel) {
    struct Case {
        const char* item;
        const char* wheel;  // the command line's name of the same wheel
    };
    const Case cases[] = {
        {"mnuWheelsSingleNatal", "natal"},
        {"mnuWheelsDualNatTran", "dual-transits"},
        {"mnuWheelsTripleTranProgNat", "triple-progressed"},
    };
    testing::TempFolder home;
    std::filesystem::copy(SOLVARIS_DATA_DIR, home.path(), std::filesystem::copy_options::recursive);
    for (const Case& c : cases) {
        WheelDesk desk;
        WheelsForm* wheels = desk.Open(c.item);
        wheels->centralWidget()->setFixedSize(1024, 768);
        const QImage shown = desk.Shown();
        ASSERT_EQ(shown.size(), QSize(1024, 768)) << c.item;

        const std::string png = (home / (std::string(c.wheel) + ".png")).string();
        const testing::ProgramRun run =
            testing::RunSolvaris({"wheel",          c.wheel,
                                  "--home",         home.path().string(),
                                  "--name",         "Golden New York",
                                  "--date",         "1950-12-05",
                                  "--time",         "7:45pm",
                                  "--zone",         "5",
                                  "--lon",          "74w00",
                                  "--lat",          "40n43",
                                  "--diurnal-date", "2000-01-01",
                                  "--diurnal-time", "12:00pm",
                                  "--diurnal-zone", "8",
                                  "--diurnal-lon",  "118w15",
                                  "--diurnal-lat",  "34n03",
                                  "--out",          png});
        ASSERT_EQ(run.status, 0) << c.wheel << ": " << run.err;
        const QImage printed =
            QImage(QString::fromStdString(png)).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(printed.size(), shown.size()) << c.wheel;
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                differing += shown.pixel(x, y) != printed.pixel(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << c.wheel;
    }
}

TEST(WheelsForm, AsciiChartGoesToTheDataWindow) {
    WheelDesk desk;
    desk.Open("mnuWheelsSingleNatal");
    desk.Shown();
    desk.Click("mnuAsciiChart");
    // The chart as the command line writes it, then the blank line that
    // ends every report in the data window.
    EXPECT_EQ(desk.dataWindow.text, testing::GoldenReport("new-york", "ascii-chart") + "\r\n\r\n");
    EXPECT_EQ(desk.dataWindow.shows, 1);
    EXPECT_EQ(desk.dataWindow.caption, "SOLVARIS (Tropical zodiac) - Data");
}

// The aspect grids and orb editors standing open.
int OpenWindows(const char* name) {
    QApplication::processEvents();
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        count += window->objectName() == QLatin1String(name) && window->isVisible() ? 1 : 0;
    }
    return count;
}

TEST(WheelsForm, OrbCommandsOpenTheAspectGridAndTheEditor) {
    struct Case {
        const char* what;
        const char* currentOrbFile;  // in the program folder; "" for none set
        const char* chosen;          // the chooser's answer; "" cancels
        std::size_t messages;
        int gridsOpen;
        const char* orbFileAfter;  // "" for unchanged
    };
    const Case cases[] = {
        {"a new orb file", "NATAL.ORB", "TRANSIT.ORB", 0, 1, "TRANSIT.ORB"},
        {"none set: NATAL.ORB is checked", "", "SYNASTRY.ORB", 0, 1, "SYNASTRY.ORB"},
        {"cancelled", "NATAL.ORB", "", 0, 0, ""},
        {"the current one missing", "MISSING.ORB", "TRANSIT.ORB", 1, 0, ""},
    };
    for (const Case& c : cases) {
        WheelDesk desk;
        desk.Open("mnuWheelsSingleNatal");
        const std::filesystem::path folder = desk.session.folder;
        desk.session.currentOrbFile =
            *c.currentOrbFile != '\0' ? (folder / c.currentOrbFile).string() : "";
        const std::string before = desk.session.currentOrbFile;
        desk.platform.QueueChosenFile(*c.chosen != '\0' ? (folder / c.chosen).string() : "");
        desk.Click("mnuOrbsChange");
        EXPECT_EQ(desk.platform.Messages().size(), c.messages) << c.what;
        if (c.messages > 0) {
            EXPECT_NE(desk.platform.Messages()[0].text.find("MISSING.ORB"), std::string::npos);
        }
        EXPECT_EQ(OpenWindows("CWAspect"), c.gridsOpen) << c.what;
        EXPECT_EQ(desk.session.currentOrbFile,
                  *c.orbFileAfter != '\0' ? (folder / c.orbFileAfter).string() : before)
            << c.what;
    }
    WheelDesk desk;
    desk.Open("mnuWheelsSingleNatal");
    // Aspects twice leaves one grid; a new wheel closes it.
    desk.Click("mnuAspects");
    desk.Click("mnuAspects");
    EXPECT_EQ(OpenWindows("CWAspect"), 1);
    desk.Open("mnuWheelsSingleNatal");
    EXPECT_EQ(OpenWindows("CWAspect"), 0);
    desk.Click("mnuOrbsEdit");
    EXPECT_EQ(OpenWindows("OrbsEdit"), 1);
    desk.Click("mnuHelp");
    const auto help = ReadTextLines(desk.session.folder / "WHEELS.HLP");
    ASSERT_TRUE(help);
    EXPECT_NE(desk.dataWindow.text.find((*help)[0]), std::string::npos);
}

TEST(WheelsForm, EscapeAndTheRightButtonBringTheMainWindowUp) {
    WheelDesk desk;
    desk.main->show();
    WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    const auto activeAfter = [&](const std::function<void()>& act) {
        wheels->activateWindow();
        QApplication::processEvents();
        act();
        QApplication::processEvents();
        return QApplication::activeWindow();
    };
    EXPECT_EQ(activeAfter([&] { QTest::keyClick(wheels, Qt::Key_Escape); }), desk.main.get());
    EXPECT_EQ(activeAfter([&] { QTest::mouseClick(wheels->centralWidget(), Qt::RightButton); }),
              desk.main.get());
    EXPECT_EQ(activeAfter([&] { QTest::mouseClick(wheels->centralWidget(), Qt::LeftButton); }),
              wheels);
    // A menu opened with Alt+letter and closed with Escape leaves the menu
    // bar holding the keyboard: the next Escape still brings the main
    // window up, and so does the right button.
    const auto escapeAfterMenu = [&](Qt::Key letter) {
        return activeAfter([&] {
            QTest::keyClick(wheels, letter, Qt::AltModifier);
            QApplication::processEvents();
            if (QWidget* popup = QApplication::activePopupWidget()) {
                QTest::keyClick(popup, Qt::Key_Escape);
                QApplication::processEvents();
            }
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr ? focus : wheels, Qt::Key_Escape);
        });
    };
    EXPECT_EQ(escapeAfterMenu(Qt::Key_T), desk.main.get());
    EXPECT_EQ(escapeAfterMenu(Qt::Key_O), desk.main.get());
    EXPECT_EQ(activeAfter([&] {
                  QTest::keyClick(wheels, Qt::Key_T, Qt::AltModifier);
                  QApplication::processEvents();
                  if (QWidget* popup = QApplication::activePopupWidget()) {
                      QTest::keyClick(popup, Qt::Key_Escape);
                      QApplication::processEvents();
                  }
                  QTest::mouseClick(wheels->centralWidget(), Qt::RightButton);
              }),
              desk.main.get());
}

TEST(WheelsForm, PlacementFromTheSettingsAndBackIntoThem) {
    const PixelRect screen = ScreenAreas().front();
    struct Case {
        const char* what;
        int option209;
        TwipsRect stored;  // left, top, width, height in twips
        PixelRect placed;
    };
    const Case cases[] = {
        {"from the settings", 1, {750, 1500, 7500, 6000}, {50, 100, 500, 400}},
        {"off every screen: brought back",
         1,
         {150000, 1500, 7500, 6000},
         {screen.left + screen.width - 500, 100, 500, 400}},
        {"the display profile's default",
         0,
         {750, 1500, 7500, 6000},
         {screen.left + (screen.width - 731) / 2, screen.top, 731, 614}},
    };
    for (const Case& c : cases) {
        WheelDesk desk;
        desk.session.options.Set(opt::WheelPlacementFromSettings, c.option209);
        Settings& s = desk.session.settings;
        s.wheelLeft = c.stored.left;
        s.wheelTop = c.stored.top;
        s.wheelWidth = c.stored.width;
        s.wheelHeight = c.stored.height;
        WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
        EXPECT_EQ((PixelRect{wheels->x(), wheels->y(), wheels->width(), wheels->height()}),
                  c.placed)
            << c.what;

        // Moved and resized by the user, closed, opened again.
        wheels->move(120, 60);
        wheels->resize(480, 360);
        wheels->close();
        EXPECT_EQ(s.wheelLeft, 1800) << c.what;
        EXPECT_EQ(s.wheelTop, 900) << c.what;
        EXPECT_EQ(s.wheelWidth, 7200) << c.what;
        EXPECT_EQ(s.wheelHeight, 5400) << c.what;
        EXPECT_EQ(s.wheelScaleWidth, 1024) << c.what;
        EXPECT_EQ(s.wheelScaleHeight, 768) << c.what;
        desk.Open("mnuWheelsDualNatProg");
        if (c.option209 != 0) {
            EXPECT_EQ((PixelRect{wheels->x(), wheels->y(), wheels->width(), wheels->height()}),
                      (PixelRect{120, 60, 480, 360}))
                << c.what;
        }
    }
}

TEST(WheelsForm, TheDefaultPlaceLeavesTheMainMenuBarFree) {
    WheelDesk desk;
    desk.session.options.Set(opt::WheelPlacementFromSettings, 0);
    desk.main->move(0, 0);
    desk.main->show();
    WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    const QRect main = desk.main->frameGeometry();
    EXPECT_EQ(wheels->y(), main.bottom() + 1);
    EXPECT_FALSE(wheels->frameGeometry().intersects(main));
    const PixelRect screen = ScreenAreas().front();
    EXPECT_LE(wheels->frameGeometry().bottom(), screen.top + screen.height - 1);
}

}  // namespace
}  // namespace solvaris
