// The cities file's rules hold their table in tests/people/places_test.cpp.
#include "gui/people/geograph_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QSignalSpy>

#include "gui/people/long_lat_form.hpp"
#include "people/cities_file.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::ClickLine;
using testing::Control;
using testing::EntryOf;
using testing::Lines;
using testing::WindowDesk;

TEST(GeographForm, ACityClickOrArrowFillsTheEntryAsTheCoreDoes) {
    for (const auto& [city, secondPerson, key] :
         std::initializer_list<std::tuple<const char*, bool, Qt::Key>>{
             {"San Francisco,California", false, Qt::Key_unknown},
             {"Kathmandu,Nepal", true, Qt::Key_unknown},
             {"London,England", false, Qt::Key_Down}}) {
        SCOPED_TRACE(city);
        WindowDesk desk({.entryWindows = true});
        desk.workstation.diurnalEntry.chk2ndPerson = secondPerson;
        desk.workstation.AnnounceEntryChanged();
        auto* geograph = new GeographForm(desk.workstation);
        geograph->show();
        auto& list = Control<QListWidget>(*geograph, "CitiesOnFile");
        NatalEntryWindow natal = desk.workstation.natalEntry;
        DiurnalEntryWindow diurnal = desk.workstation.diurnalEntry;
        ClickLine(list, city);
        if (key != Qt::Key_unknown) {
            natal = desk.workstation.natalEntry;
            diurnal = desk.workstation.diurnalEntry;
            QTest::keyClick(&list, key);
        }
        // The core's own pick on copies of the records, the oracle.
        const auto cities = ReadCitiesList(desk.folder / "GA_MA.LL", desk.platform);
        const CityRecord* record = CityOfListText(cities, list.currentItem()->text().toStdString());
        ASSERT_NE(record, nullptr);
        const CityZones zones = ReadCityZones(desk.folder / kCityZonesFile);
        ASSERT_TRUE(
            PickCityRecord(*record, natal, diurnal, desk.session.options, desk.platform, zones));
        EXPECT_EQ(testing::Showing(*desk.natal), EntryOf(natal));
        EXPECT_EQ(testing::Showing(*desk.diurnal), EntryOf(diurnal));
        EXPECT_EQ(desk.workstation.diurnalEntry.chk2ndPerson, secondPerson);
        EXPECT_TRUE(desk.platform.Messages().empty());
    }
}

// A shipped city's tz zone: daylight saving for July 1950, standard time for December.
TEST(GeographForm, ACityFillsTheZoneThatHeldAtTheBirthAndNamesTheRule) {
    WindowDesk desk({.entryWindows = true});
    auto* geograph = new GeographForm(desk.workstation);
    geograph->show();
    for (const auto& [month, zone, rule] :
         {std::tuple{"7", "4", "EDT, daylight saving, 4 hours west (America/New_York)"},
          std::tuple{"12", "5", "EST, standard time, 5 hours west (America/New_York)"}}) {
        desk.workstation.natalEntry.fields.month = month;
        desk.workstation.AnnounceEntryChanged();
        ClickLine(Control<QListWidget>(*geograph, "CitiesOnFile"), "New York,New York");
        EXPECT_EQ(testing::Shown(*desk.natal, "txtTZ"), zone) << month;
        EXPECT_EQ(Control<QLabel>(*geograph, "lblZoneRule").text().toStdString(), rule);
        ASSERT_TRUE(desk.workstation.ComputeChart());
        EXPECT_NE(desk.dataWindow.text.find(std::string("  Time zone: ") + rule),
                  std::string::npos);
    }
    desk.workstation.natalEntry.fields.zone = "4";  // typed by hand: no rule claimed
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_EQ(desk.dataWindow.text.find("Time zone:"), std::string::npos);
}

TEST(GeographForm, ChangeListEditThisListAndNames) {
    WindowDesk desk({.entryWindows = true});
    const auto file = desk.folder.Write("EUROPE.LL", "Paris,France,02E20,48N52,-1\r\n");
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

    // Edit this List: one LongLat on the file; what it saves the list
    // shows once the editor is closed.
    Click(*geograph, "cmdEditList");
    Click(*geograph, "cmdEditList");
    ASSERT_EQ(testing::OpenWindows("LongLat").size(), 1u);
    QWidget& editor = *testing::OpenWindows("LongLat")[0];
    EXPECT_EQ(editor.windowTitle().toStdString(), "Edit: " + file.string());
    Control<QPlainTextEdit>(editor, "txtContent").setPlainText("Oslo,Norway,10E45,59N55,-1\n");
    Click(editor, "btnSave");
    EXPECT_EQ(desk.folder.Read("EUROPE.LL"), "Oslo,Norway,10E45,59N55,-1\r\n");
    Click(editor, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_EQ(Lines(list), std::vector<std::string>{"Oslo,Norway"});
    EXPECT_TRUE(desk.platform.Messages().empty());

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
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    desk.platform.ClearMessages();
    Click(geograph, "cmdEditList");
    EXPECT_TRUE(testing::OpenWindows("LongLat").empty());
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text,
              "Cannot open the cities file " + (desk.folder / "NONE.LL").string() + ".");
}

}  // namespace
}  // namespace solvaris
