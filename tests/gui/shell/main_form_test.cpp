// The main window driven as a user would: its menu tree, the Data items and
// documents reaching the data window, the house-system change, Input with
// "Now", the caption clock, second-person and ephemeris menus, About, and
// Exit keeping the placement in SOLVARIS.INI for the next start.
#include "gui/shell/main_form.hpp"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <set>

#include "app/compute_charts.hpp"
#include "base/settings.hpp"
#include "base/text_lines.hpp"
#include "gui/shell/about_form.hpp"
#include "gui/support/golden_session.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

// A main window on the shipped folder with the golden chart typed in and
// the data window recorded.
struct Bench {
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow window;
    std::unique_ptr<MainForm> form;

    Bench() {
        testing::OpenShippedSession(session);
        workstation.SetDataWindowFactory([this]() -> DataWindowView& { return window; });
        testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
        form = std::make_unique<MainForm>(workstation);
    }
    QAction* Item(const char* name) const {
        auto* action = form->findChild<QAction*>(QString::fromLatin1(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
};

struct MenuRow {
    const char* menu;  // the menu holding the item ("" for the menu bar)
    const char* name;
    const char* caption;
    bool enabled;
};

// The tree as a user reads it, in display order within each menu.
const MenuRow kMenuTree[] = {
    {"", "mnuFile", "&File", true},
    {"mnuFile", "mnuFileExit", "E&xit", true},
    {"", "mnuInputData", "&Input", true},
    {"", "mnuHouses", "Hou&ses", true},
    {"mnuHouses", "mnuHousePlacidus", "&Placidus", true},
    {"mnuHouses", "mnuHouseRegiomontanus", "&Regiomontanus", true},
    {"mnuHouses", "mnuHouseKoch", "&Koch", true},
    {"mnuHouses", "mnuHouseCampanus", "&Campanus", true},
    {"mnuHouses", "mnuHousePorphyry", "P&orphyry", true},
    {"mnuHouses", "mnuHouseEqualAsc", "&Equal - Asc", true},
    {"mnuHouses", "mnuHouseEqualMC", "E&qual - MC", true},
    {"mnuHouses", "mnuHouseMeridian", "&Meridian", true},
    {"mnuHouses", "mnuHouseMorinus", "Mor&inus", true},
    {"", "mnuData", "&Data", true},
    {"mnuData", "mnuDataSummary", "&Summary", true},
    {"mnuData", "mnuDataNatal", "&Natal", true},
    {"mnuDataNatal", "mnuDataNatalData", "&Data", true},
    {"mnuDataNatal", "mnuDataNatalAspects", "&Aspects", true},
    {"mnuData", "mnuDataProgressions", "Pro&gressions", true},
    {"mnuDataProgressions", "mnuDataProgressionData", "&Data and Aspects", true},
    {"mnuDataProgressions", "mnuDataProgressionAspectsNatal", "&Aspects to Natal", true},
    {"mnuDataProgressions", "mnuDataProgMoonAspectsNatal", "&Moon Aspects to Natal", true},
    {"mnuDataProgressions", "mnuDataProgMoonParallelsNatal", "Moon &Parallels to Natal", true},
    {"mnuDataProgressions", "mnuDataProgressionsAspectsProgress", "Aspec&ts to Progressed", true},
    {"mnuDataProgressions", "mnuDataProgParallelsProg", "Parallels to Pro&gressed", true},
    {"mnuDataProgressions", "mnuDataProgMoonAspectsProg", "Moon Asp&ects to Progressed", true},
    {"mnuData", "mnuDataSolarArc", "Solar &Arc", true},
    {"mnuDataSolarArc", "mnuDataSolarArcData", "&Data", true},
    {"mnuDataSolarArc", "mnuDataSolarArcAspectstoNatal", "&Aspects to Natal", true},
    {"mnuData", "mnuDataTransits", "&Transits", true},
    {"mnuDataTransits", "mnuDataTransitData", "&Data", true},
    {"mnuDataTransits", "mnuDataTransitsAspectstoNatal", "&Aspects to Natal", true},
    {"mnuDataTransits", "mnuDataTransitAspecttoProgressed", "Aspects to &Progressions", true},
    {"mnuDataTransits", "mnuDataTransitAspectstoSolarArc", "Aspects to &Solar Arc", true},
    {"mnuDataTransits", "mnuDataTransitAspectsToTransits", "Aspects to &Transits", true},
    {"mnuDataTransits", "mnuDataTransitLunations", "&Lunations", true},
    {"mnuDataTransits", "mnuDataTransitInterpretations", "&Interpretations", true},
    {"mnuData", "mnuDataPlanetaryHours", "Planetary &Hours", true},
    {"", "mnuWheels", "&Wheels", true},
    {"mnuWheels", "mnuWheelsSingle", "&Single chartwheel", true},
    {"mnuWheelsSingle", "mnuWheelsSingleNatal", "&Natal", true},
    {"mnuWheelsSingle", "mnuWheelsSingleProgressed", "&Progressed", true},
    {"mnuWheelsSingle", "mnuWheelsSingleSolarArc", "&Solar Arc", true},
    {"mnuWheelsSingle", "mnuWheelsSingleTransits", "&Transits", true},
    {"mnuWheelsSingle", "mnuWheelsSingleSolarReturn", "Solar &Return", true},
    {"mnuWheelsSingle", "mnuWheelsSingleLunarReturn", "&Lunar Return", true},
    {"mnuWheelsSingle", "mnuWheelsSingleFlat", "&Flat", true},
    {"mnuWheelsSingle", "mnuWheelsSingleSolar", "S&olar", true},
    {"mnuWheelsSingle", "mnuWheelsSingleSolarEquilibrium", "Solar E&quilibrium", true},
    {"mnuWheelsSingle", "mnuWheelsSingleWholeSignAsc", "&Whole sign - Asc", true},
    {"mnuWheelsSingle", "mnuWheelsSingleWholeSignMC", "Whole sign - &MC", true},
    {"mnuWheels", "mnuWheelsDual", "&Dual chartwheels", true},
    {"mnuWheelsDual", "mnuWheelsDualNatProg", "&Progressed vs Natal", true},
    {"mnuWheelsDual", "mnuWheelsDualNatSA", "&Solar Arc vs Natal", true},
    {"mnuWheelsDual", "mnuWheelsDualNatTran", "&Transits vs Natal", true},
    {"mnuWheelsDual", "mnuWheelsDualNatSR", "Solar &Return vs Natal", true},
    {"mnuWheelsDual", "mnuWheelsDualNatLR", "&Lunar Return vs Natal", true},
    {"mnuWheels", "mnuWheelsTriple", "&Triple chartwheels", true},
    {"mnuWheelsTriple", "mnuWheelsTripleTranProgNat", "&Transits, Progressed, Natal", true},
    {"mnuWheelsTriple", "mnuWheelsTripleTranSANatal", "Transits, &Solar Arc, Natal", true},
    {"", "mnuOptions", "&Options", true},
    {"", "mnuKeywords", "&Keywords", true},
    {"mnuKeywords", "mnuKeywordS", "&General Information", true},
    {"mnuKeywords", "mnuKeywordSystem", "&Keyword System", true},
    {"", "mnuPhilosophy", "&Philosophy", true},
    {"mnuPhilosophy", "mnuWhat_Ast", "What is &Astrology?", true},
    {"mnuPhilosophy", "mnuAstroSym", "Astrological &Symbolism", true},
    {"mnuPhilosophy", "mnuEdValAst", "&Educational Value of Astrology", true},
    {"mnuPhilosophy", "mnuHelpStar", "Are You Helping &Your Stars?", true},
    {"mnuPhilosophy", "mnuZodiacs", "The Two &Zodiacs", true},
    {"mnuPhilosophy", "mnuZod_Hous", "Zo&diacal Signs and Houses", true},
    {"mnuPhilosophy", "mnuOrrlind1", "&Orrelind - part 1", true},
    {"mnuPhilosophy", "mnuOrrlind2", "Orrelind - par&t 2", true},
    {"mnuPhilosophy", "mnuKW_Sys", "&Keyword System", true},
    {"mnuPhilosophy", "mnuLaw_Nee1", "The &Law and Our Needs - part 1", true},
    {"mnuPhilosophy", "mnuLaw_Nee2", "The Law and Our &Needs - part 2", true},
    {"mnuPhilosophy", "mnuHelpDest", "&Helping Our Destiny", true},
    {"mnuPhilosophy", "mnuHelpStudy", "Study With &Us", true},
    {"", "mnuHelp", "&Help", true},
    {"mnuHelp", "mnuMainMenuHelp", "SOLVARIS Main Menu", true},
    {"mnuHelp", "mnuSplit0", "", true},
    {"mnuHelp", "mnuHelpInputD", "Natal &Input Data Window", true},
    {"mnuHelp", "mnuHelpInputD1", "&Diurnal Input Data Window", true},
    {"mnuHelp", "mnuHelpNames", "&Names Window", true},
    {"mnuHelp", "mnuHelpCities", "Cities &Window", true},
    {"mnuHelp", "mnuHelpOptions", "&Options Window", true},
    {"mnuHelp", "mnuHelpOutputD1", "Da&ta Window", true},
    {"mnuHelp", "mnuHelpPHOutput", "Planetary &Hours Window", true},
    {"mnuHelp", "mnuHelpWheels", "&Chartwheels Window", true},
    {"mnuHelp", "mnuHelpNameedit", "&Edit A Name File Window", true},
    {"mnuHelp", "mnuHelpLongLat", "Edit A Cit&y File Window", true},
    {"mnuHelp", "mnuHelpSelect", "&Select A File Window", true},
    {"mnuHelp", "mnuHelpPrntfile", "&File To Print  Window", true},
    {"mnuHelp", "mnuSplit1", "", true},
    {"mnuHelp", "mnuHints", "Hints", true},
    {"mnuHints", "mnuHintsHow", "&How Do I...?", true},
    {"mnuHints", "mnuHintsReadingList", "&Reading List", true},
    {"mnuHints", "mnuHintsTips", "&Tips", true},
    {"mnuHelp", "mnuSplit2", "", true},
    {"mnuHelp", "mnuHelpUpgrades", "Up&grades", true},
    {"mnuHelp", "mnuShortcutKeys", "Shortcut &keys", true},
    {"mnuHelp", "mnuHelpLicense", "&License Agreement", true},
    {"mnuHelp", "mnuSplit5", "", true},
    {"mnuHelp", "mnuPhilosophyHelp", "Philosophy", true},
    {"mnuHelp", "mnuHelpInterpretations", "Inter&pretations", true},
    {"mnuHelp", "mnuHelpRevisions", "Re&vision history", true},
    {"mnuHelp", "mnuSplit52", "", true},
    {"mnuHelp", "mnuHelpAbout", "Abo&ut", true},
    {"mnuHelp", "mnuHelpPrintHelp", "Print Help Files", true},
};

// A menu's items and named separators (the bar's menus when `menuName` is
// empty).
QList<QAction*> NamedActions(const Bench& bench, const QString& menuName) {
    const QList<QAction*> all = menuName.isEmpty()
                                    ? bench.form->menuBar()->actions()
                                    : bench.form->findChild<QMenu*>(menuName)->actions();
    QList<QAction*> named;
    for (QAction* action : all) {
        if (!action->objectName().isEmpty()) {
            named.push_back(action);
        }
    }
    return named;
}

TEST(MainForm, MenuTreeNamesCaptionsOrderAndEnabling) {
    Bench bench;
    std::map<QString, qsizetype> lastIndex;  // per menu, the row seen last
    for (const MenuRow& row : kMenuTree) {
        QAction* action = bench.Item(row.name);
        ASSERT_NE(action, nullptr) << row.name;
        EXPECT_EQ(action->text(), QString::fromLatin1(row.caption)) << row.name;
        EXPECT_EQ(action->isEnabled(), row.enabled) << row.name;
        EXPECT_TRUE(action->isVisible()) << row.name;
        const QString menuName = QString::fromLatin1(row.menu);
        const QList<QAction*> actions = NamedActions(bench, menuName);
        const qsizetype index = actions.indexOf(action);
        ASSERT_GE(index, 0) << row.name << " is not in " << row.menu;
        const auto last = lastIndex.find(menuName);
        if (last != lastIndex.end()) {
            EXPECT_EQ(index, last->second + 1) << row.name << " out of order";
        } else {
            EXPECT_EQ(index, 0) << row.name << " is not first in " << row.menu;
        }
        lastIndex[menuName] = index;
    }
    // Nothing more than the table: each menu ends at its last row.
    for (const auto& [menuName, index] : lastIndex) {
        EXPECT_EQ(NamedActions(bench, menuName).size(), index + 1) << menuName.toStdString();
    }
    // The Philosophy menu's last item stands apart.
    const QList<QAction*> philosophy =
        bench.form->findChild<QMenu*>(QStringLiteral("mnuPhilosophy"))->actions();
    ASSERT_GE(philosophy.size(), 2);
    EXPECT_TRUE(philosophy[philosophy.size() - 2]->isSeparator());
    EXPECT_EQ(bench.form->objectName(), "SOLVARIS");
}

TEST(MainForm, EveryDataItemShowsItsReportAsTheCommandLinePrintsIt) {
    Bench bench;
    for (const ReportCommand& command : DataMenuCommands()) {
        if (command.name == "interpretations") {
            continue;  // its window text depends on the texts' folder
        }
        bench.session.reports.EmptySession();
        bench.window.text.clear();
        QAction* item = bench.Item(std::string(command.menuItem).c_str());
        ASSERT_NE(item, nullptr);
        item->trigger();
        EXPECT_EQ(bench.window.text, testing::GoldenReport("new-york", std::string(command.name)))
            << command.menuItem;
        EXPECT_FALSE(bench.platform.Busy());
    }
    EXPECT_GE(bench.platform.BusyRequests(), 1);
}

TEST(MainForm, HouseChangeChecksOneAndRecomputes) {
    const std::pair<const char*, HouseSystem> cases[] = {
        {"mnuHouseKoch", HouseSystem::Koch},
        {"mnuHouseKoch", HouseSystem::Koch},  // chosen again: stays checked
        {"mnuHouseMorinus", HouseSystem::Morinus},
        {"mnuHousePlacidus", HouseSystem::Placidus},
    };
    Bench bench;
    std::set<std::string> texts;
    for (const auto& [item, system] : cases) {
        bench.Item(item)->trigger();
        EXPECT_EQ(bench.workstation.houseSystem, system) << item;
        for (const HouseSystemInfo& info : kHouseSystems) {
            EXPECT_EQ(bench.Item(std::string(info.menuItem).c_str())->isChecked(),
                      info.system == system)
                << item << " " << info.menuItem;
        }
        // The same chart computed by the core with that house system.
        Session expected;
        testing::OpenShippedSession(expected);
        ScriptedPlatform platform;
        RecordingDataWindow window;
        ASSERT_TRUE(ComputeCharts(expected, bench.workstation.natalEntry,
                                  bench.workstation.diurnalEntry, system, platform, window));
        EXPECT_EQ(bench.window.text, window.text) << item;
        EXPECT_EQ(bench.session.reports.Session(), expected.reports.Session()) << item;
        texts.insert(bench.window.text);
    }
    EXPECT_EQ(texts.size(), 3u);  // each system its own cusps
}

TEST(MainForm, InputWithNowTakesThePresentMomentOfTheHomeClock) {
    Bench bench;
    bench.session.options.Set(18, 5);  // New York: universal 19:05 is 14:05 at home
    bench.platform.SetTwelveHourClock(false);
    bench.platform.SetNow({2026, 12, 5, 19, 5, 0});
    bench.workstation.natalEntry.txtName = "Now";
    QSignalSpy inputs(&bench.workstation, &Workstation::inputCommandRun);
    QSignalSpy entries(&bench.workstation, &Workstation::entryChanged);
    bench.Item("mnuInputData")->trigger();
    const NatalEntryWindow& natal = bench.workstation.natalEntry;
    EXPECT_EQ(natal.txtMonth, "12");
    EXPECT_EQ(natal.txtDay, "5");
    EXPECT_EQ(natal.txtYear, "2026");
    EXPECT_EQ(natal.txtBirthHour, "2");  // "14" as the hour field takes it
    EXPECT_EQ(natal.txtBirthMinute, "5");
    EXPECT_TRUE(natal.optPM);
    EXPECT_EQ(inputs.count(), 1);
    EXPECT_EQ(entries.count(), 1);
    // The entry passes the chart's checks.
    EXPECT_TRUE(bench.workstation.ComputeChart());
    EXPECT_TRUE(bench.platform.Messages().empty());
}

TEST(MainForm, CaptionClockShowsTheHomeClock) {
    struct Case {
        LocalDateTime universal;
        bool twelveHour;
        const char* caption;
    };
    const Case cases[] = {
        {{2026, 12, 5, 17, 3, 15}, false, "SOLVARIS (Tropical zodiac) - 05 Dec 2026     12:03:15"},
        {{2026, 12, 5, 17, 3, 16}, false, "SOLVARIS (Tropical zodiac) - 05 Dec 2026     12:03:16"},
        {{2026, 12, 6, 3, 0, 0}, true, "SOLVARIS (Tropical zodiac) - 05 Dec 2026     10:00:00 PM"},
    };
    Bench bench;
    bench.session.options.Set(18, 5);
    for (const Case& c : cases) {
        bench.platform.SetNow(c.universal);
        bench.platform.SetTwelveHourClock(c.twelveHour);
        bench.form->UpdateCaption();
        EXPECT_EQ(bench.form->windowTitle().toStdString(), c.caption);
    }
}

TEST(MainForm, SecondPersonChangesCaptionsAndEnablingAndRestoresThem) {
    struct Row {
        const char* name;
        const char* secondPersonCaption;  // nullptr: unchanged
        bool enabledForSecondPerson;
    };
    const Row rows[] = {
        {"mnuDataSummary", nullptr, false},
        {"mnuDataProgressions", nullptr, false},
        {"mnuDataSolarArc", nullptr, false},
        {"mnuDataTransitAspecttoProgressed", nullptr, false},
        {"mnuDataTransitLunations", nullptr, false},
        {"mnuDataTransitInterpretations", nullptr, false},
        {"mnuWheelsTriple", nullptr, false},
        {"mnuDataTransits", "2nd &Person", true},
        {"mnuDataTransitData", "&Natal Data", true},
        {"mnuDataTransitsAspectstoNatal", "&Interchart Aspects", true},
        {"mnuDataTransitAspectsToTransits", "Natal &Aspects", true},
        {"mnuDataNatalData", nullptr, true},
        {"mnuWheelsSingleTransits", "2nd &Person", true},
        {"mnuWheelsDualNatTran", "2nd &Person Natal vs Natal", true},
    };
    Bench bench;
    std::map<std::string, std::pair<QString, bool>> before;
    for (const Row& row : rows) {
        before[row.name] = {bench.Item(row.name)->text(), bench.Item(row.name)->isEnabled()};
    }
    bench.workstation.SetSecondPerson(true);
    for (const Row& row : rows) {
        QAction* action = bench.Item(row.name);
        EXPECT_EQ(action->isEnabled(), row.enabledForSecondPerson) << row.name;
        EXPECT_EQ(action->text(), row.secondPersonCaption != nullptr
                                      ? QString::fromLatin1(row.secondPersonCaption)
                                      : before[row.name].first)
            << row.name;
    }
    bench.workstation.SetSecondPerson(false);
    for (const Row& row : rows) {
        EXPECT_EQ(bench.Item(row.name)->text(), before[row.name].first) << row.name;
        EXPECT_EQ(bench.Item(row.name)->isEnabled(), before[row.name].second) << row.name;
    }
    EXPECT_TRUE(bench.Item("mnuWheelsSingleProgressed")->isEnabled());
}

TEST(MainForm, AnAccessKeySharedWithADisabledItemRunsTheEnabledOne) {
    const struct {
        const char* menu;
        Qt::Key key;
        const char* runs;
    } keys[] = {
        {"mnuDataTransits", Qt::Key_I, "mnuDataTransitsAspectstoNatal"},  // not Interpretations
        {"mnuWheelsDual", Qt::Key_P, "mnuWheelsDualNatTran"},             // not Progressed vs Natal
        {"mnuWheelsSingle", Qt::Key_P, "mnuWheelsSingleTransits"},        // not Progressed
        {"mnuDataTransits", Qt::Key_N, "mnuDataTransitData"},
    };
    Bench bench;
    bench.workstation.SetSecondPerson(true);
    for (const auto& k : keys) {
        auto* menu = bench.form->findChild<QMenu*>(QString::fromLatin1(k.menu));
        ASSERT_NE(menu, nullptr) << k.menu;
        QSignalSpy runs(bench.Item(k.runs), &QAction::triggered);
        menu->popup(QPoint(0, 0));
        QTest::keyClick(menu, k.key);
        EXPECT_EQ(runs.count(), 1) << k.menu << " " << k.runs;
        EXPECT_FALSE(menu->isVisible()) << k.menu;
    }
    bench.workstation.SetSecondPerson(false);
}

TEST(MainForm, EphemerisHidesDataAndWheelsUntilTheNextChart) {
    Bench bench;
    bench.workstation.AnnounceEphemerisShown();
    EXPECT_FALSE(bench.Item("mnuData")->isVisible());
    EXPECT_FALSE(bench.Item("mnuWheels")->isVisible());
    EXPECT_TRUE(bench.Item("mnuInputData")->isVisible());
    ASSERT_TRUE(bench.workstation.ComputeChart());
    EXPECT_TRUE(bench.Item("mnuData")->isVisible());
    EXPECT_TRUE(bench.Item("mnuWheels")->isVisible());
}

TEST(MainForm, DocumentsReachTheDataWindowAndAMissingOneIsNamed) {
    Bench bench;
    bench.Item("mnuZodiacs")->trigger();
    const auto lines = ReadTextLines(std::string(SOLVARIS_DATA_DIR) + "/ZODIACS.TXT");
    ASSERT_TRUE(lines.has_value());
    std::vector<std::string> expected = *lines;
    expected.insert(expected.end(), {"", "", ""});  // its empty line, the closing one, the spare
    EXPECT_EQ(bench.window.text, JoinCrLf(expected));
    EXPECT_EQ(bench.window.caption, TitleText() + "Data");

    testing::TempFolder empty;
    bench.session.folder = empty.path();
    bench.Item("mnuHintsTips")->trigger();
    ASSERT_EQ(bench.platform.Messages().size(), 1u);
    EXPECT_NE(bench.platform.Messages()[0].text.find("TIPS.HLP"), std::string::npos);
    EXPECT_EQ(bench.window.text, JoinCrLf(expected));
}

TEST(MainForm, AboutShowsTheVersionAndAClickClosesIt) {
    Bench bench;
    bench.form->show();
    bench.Item("mnuHelpAbout")->trigger();
    auto* about = bench.form->findChild<AboutForm*>(QStringLiteral("About"));
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    auto* version = about->findChild<QLabel*>(QStringLiteral("lblVersion"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 1.00");
    QPointer<AboutForm> watched(about);
    QTest::mouseClick(version, Qt::LeftButton);  // the label lets the click through
    QApplication::processEvents();
    EXPECT_TRUE(watched.isNull() || !watched->isVisible());
}

TEST(MainForm, ExitKeepsThePlacementForTheNextStart) {
    struct Case {
        const char* how;
        double twipsPerPixel;
        PixelRect placed;
    };
    const Case cases[] = {
        {"File > Exit", 15, {120, 33, 700, 60}},
        {"close box", 15, {300, 200, 640, 48}},
        {"File > Exit", 12, {75, 10, 905, 56}},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        Bench bench;
        bench.session.folder = folder.path();
        bench.session.settings = DefaultSettings(folder.path());
        bench.workstation.twipsPerPixel = c.twipsPerPixel;
        bench.form->show();
        bench.form->move(c.placed.left, c.placed.top);
        bench.form->resize(c.placed.width, c.placed.height);
        const PixelRect shown{bench.form->x(), bench.form->y(), bench.form->width(),
                              bench.form->height()};
        if (std::string(c.how) == "close box") {
            bench.form->close();
        } else {
            bench.Item("mnuFileExit")->trigger();
        }
        EXPECT_FALSE(bench.form->isVisible()) << c.how;
        const std::string written = folder.Read("SOLVARIS.INI");
        EXPECT_EQ(written, SettingsText(bench.session.settings)) << c.how;

        // The next start reads the file and puts the window back.
        Session next;
        next.folder = folder.path();
        next.settings = DefaultSettings(folder.path());
        ReadSettings(folder / "SOLVARIS.INI", next.settings);
        EXPECT_EQ(next.settings.mainLeft, static_cast<float>(shown.left * c.twipsPerPixel));
        EXPECT_EQ(next.settings.mainTop, static_cast<float>(shown.top * c.twipsPerPixel));
        ScriptedPlatform platform;
        Workstation workstation(next, platform);
        workstation.twipsPerPixel = c.twipsPerPixel;
        MainForm restarted(workstation);
        restarted.PlaceFromSettings({{0, 0, 1280, 1024}});
        EXPECT_EQ((PixelRect{restarted.x(), restarted.y(), restarted.width(), restarted.height()}),
                  shown)
            << c.how;
    }
}

// A window that keeps its placement in the settings as it closes, as the
// data window does.
class PlacementKeeper : public QWidget {
public:
    explicit PlacementKeeper(Settings& settings) : settings_(settings) {}

protected:
    void closeEvent(QCloseEvent* event) override {
        settings_.dataTop = 1234;
        QWidget::closeEvent(event);
    }

private:
    Settings& settings_;
};

TEST(MainForm, ExitClosesTheOtherWindowsBeforeWritingTheSettings) {
    testing::TempFolder folder;
    Bench bench;
    bench.session.folder = folder.path();
    bench.form->show();
    PlacementKeeper other(bench.session.settings);
    other.show();
    bench.Item("mnuFileExit")->trigger();
    EXPECT_FALSE(other.isVisible());
    Settings read = DefaultSettings(folder.path());
    ReadSettings(folder / "SOLVARIS.INI", read);
    EXPECT_EQ(read.dataTop, 1234);
}

TEST(MainForm, ExitThatCannotWriteSaysSo) {
    Bench bench;
    bench.session.folder = "/nonexistent/solvaris";
    bench.Item("mnuFileExit")->trigger();
    ASSERT_EQ(bench.platform.Messages().size(), 1u);
    EXPECT_NE(bench.platform.Messages()[0].text.find("SOLVARIS.INI"), std::string::npos);
    EXPECT_EQ(bench.platform.Messages()[0].title, "Error!");
}

}  // namespace
}  // namespace solvaris
