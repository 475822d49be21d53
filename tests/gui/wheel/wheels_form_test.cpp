// The chart-wheel window driven as a user would: Switch, the print
// question, the paint against `solvaris wheel`, the ASCII
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

TEST(WheelsForm, SecondPersonDualWheelSwitchesAndTwiceComesBack) {
    WheelDesk desk;
    desk.workstation.diurnalEntry.chk2ndPersonCaption = "Second Person";
    desk.workstation.SetSecondPerson(true);
    WheelsForm* wheels = desk.Open("mnuWheelsDualNatTran");
    ASSERT_NE(wheels, nullptr);
    EXPECT_EQ(wheels->windowTitle(), kCaption);
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

// The window's wiring to its placement: placed from the settings with
// option 209, and its place kept in them when it closes (the rules of
// placing are the placement's own tests).
TEST(WheelsForm, PlacementFromTheSettingsAndBackIntoThem) {
    WheelDesk desk;
    desk.session.options.Set(opt::WheelPlacementFromSettings, 1);
    Settings& s = desk.session.settings;
    s.wheelLeft = 750;
    s.wheelTop = 1500;
    s.wheelWidth = 7500;
    s.wheelHeight = 6000;
    WheelsForm* wheels = desk.Open("mnuWheelsSingleNatal");
    EXPECT_EQ((PixelRect{wheels->x(), wheels->y(), wheels->width(), wheels->height()}),
              (PixelRect{50, 100, 500, 400}));
    wheels->move(120, 60);
    wheels->resize(480, 360);
    wheels->close();
    EXPECT_EQ(s.wheelLeft, 1800);
    EXPECT_EQ(s.wheelTop, 900);
    EXPECT_EQ(s.wheelWidth, 7200);
    EXPECT_EQ(s.wheelHeight, 5400);
    EXPECT_EQ(s.wheelScaleWidth, 1024);
    EXPECT_EQ(s.wheelScaleHeight, 768);
    desk.Open("mnuWheelsDualNatProg");
    EXPECT_EQ((PixelRect{wheels->x(), wheels->y(), wheels->width(), wheels->height()}),
              (PixelRect{120, 60, 480, 360}));
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
