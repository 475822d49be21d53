// The cities list, its editor, TZ help and the atlas exchange. The rules hold
// their tables in tests/people: places_test.cpp, zone_history_test.cpp.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <csignal>

#include "gui/people/atlas_exchange_form.hpp"
#include "gui/people/geograph_form.hpp"
#include "gui/people/time_zone_form.hpp"
#include "people/cities_file.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::ClickLine;
using testing::Control;
using testing::EntryOf;
using testing::Lines;
using testing::Showing;
using testing::Shown;
using testing::WindowDesk;

TEST(GeographForm, ACityClickOrArrowFillsTheEntryAsTheCoreDoesAndNamesTheZoneRule) {
    WindowDesk desk({.entryWindows = true});
    auto* geograph = new GeographForm(desk.workstation);
    geograph->show();
    auto& list = Control<QListWidget>(*geograph, "CitiesOnFile");
    const auto cities = ReadCitiesList(desk.folder / "GA_MA.LL", desk.platform);
    const CityZones zones = ReadCityZones(desk.folder / kCityZonesFile);
    for (const bool arrow : {false, true}) {
        NatalEntryWindow natal = desk.workstation.natalEntry;
        DiurnalEntryWindow diurnal = desk.workstation.diurnalEntry;
        if (arrow) {
            QTest::keyClick(&list, Qt::Key_Down);
        } else {
            ClickLine(list, "London,England");
        }
        // The core's own pick on copies of the records, the oracle.
        const CityRecord* record = CityOfListText(cities, list.currentItem()->text().toStdString());
        ASSERT_NE(record, nullptr);
        ASSERT_TRUE(
            PickCityRecord(*record, natal, diurnal, desk.session.options, desk.platform, zones));
        EXPECT_EQ(Showing(*desk.natal), EntryOf(natal)) << arrow;
        EXPECT_EQ(Showing(*desk.diurnal), EntryOf(diurnal)) << arrow;
    }
    EXPECT_TRUE(desk.platform.Messages().empty());
    // A shipped city's zone as it held at the birth: daylight saving in July 1950.
    const std::string rule = "EDT, daylight saving, 4 hours west (America/New_York)";
    desk.workstation.natalEntry.fields.month = "7";
    desk.workstation.AnnounceEntryChanged();
    ClickLine(list, "New York,New York");
    EXPECT_EQ(testing::Shown(*desk.natal, "txtTZ"), "4");
    EXPECT_EQ(Control<QLabel>(*geograph, "lblZoneRule").text().toStdString(), rule);
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_NE(desk.dataWindow.text.find("  Time zone: " + rule), std::string::npos);
    desk.workstation.natalEntry.fields.zone = "5";  // typed by hand: no rule claimed
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_EQ(desk.dataWindow.text.find("Time zone:"), std::string::npos);
}

TEST(GeographForm, ChangeListEditThisListAndNames) {
    WindowDesk desk({.entryWindows = true});
    const std::string paris = "Paris,France,02E20,48N52,-1\r\n";
    const auto file = desk.folder.Write("EUROPE.LL", paris);
    QPointer<GeographForm> geograph = new GeographForm(desk.workstation);
    geograph->show();
    auto& list = Control<QListWidget>(*geograph, "CitiesOnFile");
    const auto shipped = Lines(list);
    Click(*geograph, "cmdNewFileList");  // cancelled: nothing changes
    EXPECT_EQ(Lines(list), shipped);
    desk.platform.QueueChosenFile(file.string());
    Click(*geograph, "cmdNewFileList");
    EXPECT_EQ(desk.session.settings.geoDataFile, file.string());
    EXPECT_EQ(Lines(list), std::vector<std::string>{"Paris,France"});

    // Edit this List: one LongLat on the file. A full disk loses neither the
    // file nor the text; what it saves the list shows once the editor closes.
    Click(*geograph, "cmdEditList");
    Click(*geograph, "cmdEditList");
    ASSERT_EQ(testing::OpenWindows("LongLat").size(), 1u);
    QWidget& editor = *testing::OpenWindows("LongLat")[0];
    EXPECT_EQ(editor.windowTitle().toStdString(), "Edit: " + file.string());
    auto& text = Control<QPlainTextEdit>(editor, "txtContent");
    text.moveCursor(QTextCursor::End);
    QTest::keyClicks(&text, "Oslo,Norway,10E45,59N55,-1");
    const std::string typed = paris + "Oslo,Norway,10E45,59N55,-1";
    // A full disk as the file system reports it: no file may grow past 8 bytes.
    const rlimit room = [] {
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        return limit;
    }();
    const rlimit tiny{8, room.rlim_max};
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    Click(editor, "btnSave");
    ::setrlimit(RLIMIT_FSIZE, &room);
    std::signal(SIGXFSZ, previous);
    const std::string said = testing::Said(desk.platform);
    EXPECT_EQ(said.rfind("The cities file was not saved: ", 0), 0u) << said;
    EXPECT_NE(said.find("EUROPE.LL is unchanged."), std::string::npos) << said;
    EXPECT_EQ(desk.folder.Read("EUROPE.LL"), paris);
    EXPECT_EQ(Shown(editor, "txtContent"), typed);
    // With room again the same text is saved, its last line ended.
    Click(editor, "btnSave");
    EXPECT_EQ(desk.folder.Read("EUROPE.LL"), typed + "\r\n");
    Click(editor, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_EQ(Lines(list), (std::vector<std::string>{"Paris,France", "Oslo,Norway"}));

    QSignalSpy names(geograph.data(), &GeographForm::namesRequested);
    Click(*geograph, "Command1");
    EXPECT_EQ(names.count(), 1);
    testing::DiscardClosedWindows();
    EXPECT_TRUE(geograph.isNull());
}

TEST(GeographForm, AMissingCitiesFileIsSaidAndNothingOpensToEdit) {
    WindowDesk desk;
    desk.session.settings.geoDataFile = (desk.folder / "NONE.LL").string();
    GeographForm geograph(desk.workstation);
    EXPECT_EQ(Control<QListWidget>(geograph, "CitiesOnFile").count(), 0);
    Click(geograph, "cmdEditList");
    EXPECT_TRUE(testing::OpenWindows("LongLat").empty());
    ASSERT_EQ(desk.platform.Messages().size(), 2u);
    EXPECT_EQ(desk.platform.Messages()[1].text,
              "Cannot open the cities file " + (desk.folder / "NONE.LL").string() + ".");
}

TEST(TimeZoneForm, TzHelpServesTheWindowThatOpenedItLastADatabaseZoneItsTypedMoment) {
    WindowDesk desk({.entryWindows = true});
    TimeZoneForm* first = nullptr;
    for (const auto& [natal, line, zone, east] :
         std::initializer_list<std::tuple<bool, const char*, const char*, bool>>{
             {false, "India Standard Time", "-5.5", true},
             {true, "Pacific Standard Time", "8", false},
             {false, "Newfoundland Standard Time", "3.5", false}}) {
        SCOPED_TRACE(line);
        QWidget& caller = natal ? static_cast<QWidget&>(*desk.natal) : *desk.diurnal;
        QWidget& other = natal ? static_cast<QWidget&>(*desk.diurnal) : *desk.natal;
        const std::string otherBefore = testing::Showing(other);
        Click(caller, "Label1");
        auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window, first ? first : (first = window));  // one window, raised again
        ClickLine(Control<QListWidget>(*window, "lstTimeZones"), line);
        EXPECT_EQ(Shown(caller, natal ? "txtTZ" : "txtDiurnalTZ"), zone);
        EXPECT_EQ(Control<QRadioButton>(caller, natal ? "optEast" : "optDiurnalEast").isChecked(),
                  east);
        EXPECT_EQ(testing::Showing(other), otherBefore);
    }

    // A zone of the tz database: the offset of the typed moment, the
    // repeated hour of 7 Nov 2021 asked about.
    Click(*desk.natal, "Label1");
    QTest::keyClicks(&Control<QLineEdit>(*first, "txtZoneSearch"), "new_y");
    ASSERT_EQ(testing::Lines(Control<QListWidget>(*first, "lstZoneNames")),
              std::vector<std::string>{"America/New_York"});
    desk.workstation.natalEntry.fields = {"11", "7",  "2021", "1",  "30", false, "5",
                                          "74", "00", false,  "40", "43", false};
    desk.workstation.AnnounceEntryChanged();
    desk.platform.QueueAnswer(MessageAnswer::No);
    ClickLine(Control<QListWidget>(*first, "lstZoneNames"), "America/New_York");
    EXPECT_EQ(Shown(*desk.natal, "txtTZ"), "5");
    EXPECT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(Control<QLabel>(*first, "lblZoneRule").text().toStdString().rfind("EST", 0), 0u);
    Click(*first, "Command1");
    testing::DiscardClosedWindows();
    EXPECT_EQ(testing::OpenWindow<TimeZoneForm>("TimeZone"), nullptr);
    // Without its table the window opens empty and says so.
    desk.platform.ClearMessages();
    std::filesystem::remove(desk.folder / "TZ.DAT");
    Click(*desk.natal, "Label1");
    auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(Control<QListWidget>(*window, "lstTimeZones").count(), 0);
    EXPECT_EQ(testing::Said(desk.platform), "The file TZ.DAT cannot be opened.");
}

// The keys move the highlight in both lists and fill as a click on the
// line would; the database's zones are found by words.
TEST(TimeZoneForm, ArrowKeysFillAsAClickAndTheSearchTakesWords) {
    WindowDesk desk({.entryWindows = true});
    Click(*desk.natal, "Label1");
    auto* window = testing::OpenWindow<TimeZoneForm>("TimeZone");
    ASSERT_NE(window, nullptr);
    auto& zones = Control<QListWidget>(*window, "lstTimeZones");
    const auto unfilled = [&desk] {
        desk.workstation.natalEntry.fields.zone = "77";
        desk.workstation.AnnounceEntryChanged();
    };
    for (const Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Down, Qt::Key_End, Qt::Key_Up}) {
        unfilled();
        QTest::keyClick(&zones, key);
        const std::string byKey = Showing(*desk.natal);
        EXPECT_NE(Shown(*desk.natal, "txtTZ"), "77") << key;
        unfilled();
        ClickLine(zones, zones.currentRow());
        EXPECT_EQ(Showing(*desk.natal), byKey) << key;
    }

    auto& search = Control<QLineEdit>(*window, "txtZoneSearch");
    auto& names = Control<QListWidget>(*window, "lstZoneNames");
    for (const char* words : {"new york", "New_York", "york  america"}) {
        search.clear();
        QTest::keyClicks(&search, words);
        EXPECT_EQ(Lines(names), std::vector<std::string>{"America/New_York"}) << words;
    }
    unfilled();
    QTest::keyClick(&names, Qt::Key_Home);
    EXPECT_EQ(Shown(*desk.natal, "txtTZ"), "5");
    EXPECT_EQ(Control<QLabel>(*window, "lblZoneRule").text().toStdString().rfind("EST", 0), 0u);
    EXPECT_TRUE(desk.platform.Messages().empty());
}

// Typing to find a city only moves the highlight: the repeated hour's
// question comes with Enter, never amid the typing, which it would take.
TEST(GeographForm, TypingToFindACityAsksNothingUntilEnterPicksIt) {
    WindowDesk desk({.entryWindows = true});
    // 1:30 A.M. on 7 Nov 2021 came twice in New York.
    desk.workstation.natalEntry.fields = {"11", "7",  "2021", "1",  "30", false, "5",
                                          "77", "00", false,  "40", "43", false};
    desk.workstation.AnnounceEntryChanged();
    GeographForm geograph(desk.workstation);
    geograph.show();
    auto& list = Control<QListWidget>(geograph, "CitiesOnFile");
    const std::string before = Showing(*desk.natal);
    QTest::keyClicks(&list, "New York");
    ASSERT_NE(list.currentItem(), nullptr);
    EXPECT_TRUE(list.currentItem()->text().startsWith("New York,New York"));
    EXPECT_TRUE(desk.platform.Messages().empty()) << testing::Said(desk.platform);
    EXPECT_EQ(Showing(*desk.natal), before);

    struct Step {
        Qt::Key key;
        MessageAnswer answer;
        const char *zone, *longMin;
    };
    // No: the later, standard-time 1:30; an arrow picks at once, as a click.
    for (const Step& step : {Step{Qt::Key_Return, MessageAnswer::No, "5", "0"},
                             Step{Qt::Key_Down, MessageAnswer::Yes, "4", "10"}}) {
        desk.platform.ClearMessages();
        desk.platform.QueueAnswer(step.answer);
        QTest::keyClick(&list, step.key);
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << step.key;
        EXPECT_EQ(desk.platform.Messages()[0].title, "Which America/New_York time?");
        EXPECT_EQ(Shown(*desk.natal, "txtTZ"), step.zone);
        EXPECT_EQ(Shown(*desk.natal, "txtLongDeg"), "74");
        EXPECT_EQ(Shown(*desk.natal, "txtLongMin"), step.longMin);
    }
}

TEST(AtlasExchangeForm, ThePlaceGoesOnYesIntoTheWindowClicked) {
    testing::WindowDesk desk({.entryWindows = true});
    const testing::TempFolder exchange;
    desk.folder.Write("PCATPATH.TXT", exchange.path().string() + "\r\n");
    const auto script = desk.folder.Write(
        "ATLAS.EXE",
        "#!/bin/sh\nprintf 'Sydney, NSW\\r\\n33S52\\r\\n151E12\\r\\nAustralia\\r\\n"
        "-10 hours\\r\\n' > '" +
            (exchange / "TSRTEMP.TXT").string() + "'\n");
    ::chmod(script.c_str(), 0755);
    desk.session.settings.atlasDir = desk.folder.path().string() + "/";
    desk.platform.QueueAnswer(MessageAnswer::Yes);
    const std::string natal = Showing(*desk.natal);
    DiurnalEntryWindow expected = desk.workstation.diurnalEntry;
    expected.fields = {"1",   "1",  "2000", "12", "00", true, "-10",
                       "151", "12", true,   "33", "52", true};
    testing::Click(*desk.diurnal, "Label2");
    EXPECT_EQ(desk.platform.Messages().size(), 1u);  // the question: places_test
    EXPECT_EQ(Showing(*desk.diurnal), EntryOf(expected));
    EXPECT_EQ(Showing(*desk.natal), natal);
}

}  // namespace
}  // namespace solvaris
