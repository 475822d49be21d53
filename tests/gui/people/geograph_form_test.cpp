// Geograph driven as a user drives it: a click on a city fills InputD, or
// InputD1 in second-person mode, exactly as the core's pick does; Change
// List, Edit this List and "Click here for names".
#include "gui/people/geograph_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <tuple>

#include "gui/people/long_lat_form.hpp"
#include "gui/people/people_desk.hpp"
#include "people/cities_file.hpp"
#include "support/temp_folder.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Control;
using testing::PeopleDesk;
using testing::PlaceOf;
using testing::TempFolder;

// Everything both entry records hold, so that a stray change shows.
std::string Whole(const NatalEntryWindow& n, const DiurnalEntryWindow& d) {
    return n.txtName + "|" + n.txtMonth + "/" + n.txtDay + "/" + n.txtYear + " " + n.txtBirthHour +
           "." + n.txtBirthMinute + (n.optPM ? "P" : "A") + " " + PlaceOf(n) + " || " +
           d.txtDiurnalMonth + "/" + d.txtDiurnalDay + "/" + d.txtDiurnalYear + " " +
           d.txtDiurnalHour + "." + d.txtDiurnalMinute + (d.optDiurnalPM ? "P" : "A") + " " +
           PlaceOf(d);
}

TEST(GeographForm, CityClickFillsTheEntryAsTheCoreDoes) {
    struct Case {
        const char* city;
        bool secondPerson;
        bool natalData;  // "Use natal data"
        const char* natalPlace;
        const char* diurnalPlace;  // nullptr: the present place, as the core gives it
    };
    for (const Case& c : {
             Case{"San Francisco,California", false, false, "8|122|25|W|37|46|N", nullptr},
             Case{"Sydney,Australia", false, true, "-10|151|12|E|33|52|S", "-10|151|12|E|33|52|S"},
             Case{"Kathmandu,Nepal", true, false, nullptr, "-5.75|85|19|E|27|43|N"},
             Case{"London,England", true, true, nullptr, "0|0|8|W|51|30|N"},
         }) {
        PeopleDesk desk;
        testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
        desk.workstation.diurnalEntry.chk2ndPerson = c.secondPerson;
        desk.workstation.diurnalEntry.chkNatOrNow = c.natalData;
        desk.workstation.AnnounceEntryChanged();
        const std::string natalBefore = PlaceOf(desk.workstation.natalEntry);

        // The core's own pick on copies of the records, the oracle.
        NatalEntryWindow natal = desk.workstation.natalEntry;
        DiurnalEntryWindow diurnal = desk.workstation.diurnalEntry;
        const auto cities =
            ReadCitiesList(std::filesystem::path(SOLVARIS_DATA_DIR) / "GA_MA.LL", desk.platform);
        const CityRecord* record = CityOfListText(cities, c.city);
        ASSERT_NE(record, nullptr) << c.city;
        const CityZones zones =
            ReadCityZones(std::filesystem::path(SOLVARIS_DATA_DIR) / kCityZonesFile);
        ASSERT_TRUE(
            PickCityRecord(*record, natal, diurnal, desk.session.options, desk.platform, zones));

        auto* geograph = new GeographForm(desk.workstation);
        geograph->show();
        testing::ClickLine(Control<QListWidget>(*geograph, "CitiesOnFile"), c.city);
        EXPECT_EQ(Whole(desk.workstation.natalEntry, desk.workstation.diurnalEntry),
                  Whole(natal, diurnal))
            << c.city;
        EXPECT_EQ(testing::NatalPlaceShown(desk.natal), c.natalPlace ? c.natalPlace : natalBefore)
            << c.city;
        EXPECT_EQ(testing::DiurnalPlaceShown(desk.diurnal),
                  c.diurnalPlace ? c.diurnalPlace : PlaceOf(diurnal))
            << c.city;
        EXPECT_EQ(testing::Shown(desk.natal, "txtName"), "Golden New York") << c.city;
        EXPECT_TRUE(desk.platform.Messages().empty()) << c.city;
        geograph->close();
        testing::DiscardClosedWindows();
    }
    // The arrow key fills the entry as a click on the next city does.
    PeopleDesk desk;
    auto* geograph = new GeographForm(desk.workstation);
    geograph->show();
    auto& list = Control<QListWidget>(*geograph, "CitiesOnFile");
    testing::ClickLine(list, "London,England");
    NatalEntryWindow natal = desk.workstation.natalEntry;
    DiurnalEntryWindow diurnal = desk.workstation.diurnalEntry;
    QTest::keyClick(&list, Qt::Key_Down);
    const auto cities =
        ReadCitiesList(std::filesystem::path(SOLVARIS_DATA_DIR) / "GA_MA.LL", desk.platform);
    const CityRecord* next = CityOfListText(cities, list.currentItem()->text().toStdString());
    ASSERT_NE(next, nullptr);
    EXPECT_NE(list.currentItem()->text(), "London,England");
    ASSERT_TRUE(PickCityRecord(*next, natal, diurnal, desk.session.options, desk.platform));
    EXPECT_EQ(Whole(desk.workstation.natalEntry, desk.workstation.diurnalEntry),
              Whole(natal, diurnal));
    geograph->close();
    testing::DiscardClosedWindows();
}

std::string LastWords(const std::vector<std::string>& report) {
    const auto last = std::find_if(report.rbegin(), report.rend(),
                                   [](const std::string& line) { return !line.empty(); });
    return last == report.rend() ? std::string() : *last;
}

// A shipped city carries its tz database zone: a New York birth of July
// 1950 gets daylight saving, one of December standard time, and the
// window names the rule.
TEST(GeographForm, ACityFillsTheZoneThatHeldAtTheBirth) {
    PeopleDesk desk;
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    auto* geograph = new GeographForm(desk.workstation);
    geograph->show();
    for (const auto& [month, zone, rule] :
         {std::tuple{"7", "4", "EDT, daylight saving, 4 hours west (America/New_York)"},
          std::tuple{"12", "5", "EST, standard time, 5 hours west (America/New_York)"}}) {
        desk.workstation.natalEntry.txtMonth = month;
        desk.workstation.AnnounceEntryChanged();
        testing::ClickLine(Control<QListWidget>(*geograph, "CitiesOnFile"), "New York,New York");
        EXPECT_EQ(testing::Shown(desk.natal, "txtTZ"), zone) << month;
        EXPECT_EQ(Control<QLabel>(*geograph, "lblZoneRule").text().toStdString(), rule);
        // The natal report ends with the rule while the zone stands as filled.
        ASSERT_TRUE(desk.workstation.ComputeChart());
        EXPECT_EQ(LastWords(desk.session.reports.Current()), std::string("  Time zone: ") + rule);
    }
    desk.workstation.natalEntry.txtTZ = "4";  // typed by hand: no rule claimed
    ASSERT_TRUE(desk.workstation.ComputeChart());
    EXPECT_EQ(LastWords(desk.session.reports.Current()).find("Time zone:"), std::string::npos);
    // Madrid lies west of Greenwich on an east zone: West stays, the zone -1.
    testing::ClickLine(Control<QListWidget>(*geograph, "CitiesOnFile"), "Madrid,Spain");
    EXPECT_EQ(testing::Shown(desk.natal, "txtTZ"), "-1");
    EXPECT_FALSE(testing::Checked(desk.natal, "optEast"));
    EXPECT_TRUE(desk.platform.Messages().empty());
    geograph->close();
}

TEST(GeographForm, ChangeListEditThisListAndNames) {
    PeopleDesk desk;
    TempFolder folder;
    const auto file = folder.Write("EUROPE.LL",
                                   "Paris,France,02E20,48N52,-1\r\nParis,France,02E21,48N51,-1\r\n"
                                   "Broken,XX,7W3,40N43,5\r\nHalf,Rec\r\n");
    QPointer<GeographForm> geograph = new GeographForm(desk.workstation);
    geograph->show();
    auto& list = Control<QListWidget>(*geograph, "CitiesOnFile");
    EXPECT_GE(list.count(), 300);  // the shipped GA_MA.LL
    const auto shipped = testing::Lines(list);

    // Cancelled: nothing changes.
    Click(*geograph, "cmdNewFileList");
    EXPECT_EQ(testing::Lines(list), shipped);
    EXPECT_EQ(desk.session.settings.geoDataFile, "");

    desk.platform.QueueChosenFile(file.string());
    Click(*geograph, "cmdNewFileList");
    EXPECT_EQ(desk.session.settings.geoDataFile, file.string());
    EXPECT_EQ(testing::Lines(list),
              (std::vector<std::string>{"Paris,France", "Paris,France", "Broken,XX"}));
    ASSERT_EQ(desk.platform.Messages().size(), 1u);  // the half record
    EXPECT_EQ(desk.platform.Messages()[0].title, "Error!");
    EXPECT_EQ(desk.platform.Messages()[0].icon, MessageIcon::Critical);
    EXPECT_EQ(desk.platform.Messages()[0].text,
              "You have an error in the current cities file. You need to check and see if you "
              "have entered the data correctly and in the proper amount. Please correct the data "
              "by clicking on the Edit this List command button in the Cities window and edit the "
              "incorrect data.");
    desk.platform.ClearMessages();

    // Either line of a city given twice stands for its first record.
    for (int row : {1, 0}) {
        desk.workstation.natalEntry.txtLongMin = "59";
        testing::ClickLine(list, row);
        EXPECT_EQ(testing::Shown(desk.natal, "txtLongMin"), "20") << row;
    }
    testing::ClickLine(list, "Broken");
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text,
              "Format error or typographical error in selected data. Please correct this data "
              "entry by clicking on the Edit this List command button in the Cities window and "
              "editing the data associated with your chosen city.");
    desk.platform.ClearMessages();

    // Edit this List: LongLat on the file; what it saves the list shows
    // once the editor is closed.
    Click(*geograph, "cmdEditList");
    auto* editor = testing::OpenWindow<LongLatForm>("LongLat");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle().toStdString(), "Edit: " + file.string());
    Click(*geograph, "cmdEditList");  // the same editor again
    int editors = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        editors += window->objectName() == "LongLat" ? 1 : 0;
    }
    EXPECT_EQ(editors, 1);
    auto& text = Control<QPlainTextEdit>(*editor, "txtContent");
    text.setPlainText("Oslo,Norway,10E45,59N55,-1\nParis,France,02E20,48N52,-1\n");
    Click(*editor, "btnSave");
    EXPECT_EQ(folder.Read("EUROPE.LL"),
              "Oslo,Norway,10E45,59N55,-1\r\nParis,France,02E20,48N52,-1\r\n");
    EXPECT_EQ(testing::Lines(list).size(), 3u);  // still open
    Click(*editor, "btnQuit");
    testing::DiscardClosedWindows();
    EXPECT_EQ(testing::OpenWindow<LongLatForm>("LongLat"), nullptr);
    EXPECT_EQ(testing::Lines(list), (std::vector<std::string>{"Oslo,Norway", "Paris,France"}));
    EXPECT_TRUE(desk.platform.Messages().empty());

    QSignalSpy names(geograph.data(), &GeographForm::namesRequested);
    Click(*geograph, "Command1");
    EXPECT_EQ(names.count(), 1);
    testing::DiscardClosedWindows();
    EXPECT_TRUE(geograph.isNull());
}

TEST(GeographForm, MissingCitiesFile) {
    PeopleDesk desk;
    TempFolder folder;
    desk.session.settings.geoDataFile = (folder / "NONE.LL").string();
    auto* geograph = new GeographForm(desk.workstation);
    EXPECT_EQ(Control<QListWidget>(*geograph, "CitiesOnFile").count(), 0);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text.substr(0, 45),
              "You have an error in the current cities file.");
    desk.platform.ClearMessages();
    // Nothing to edit either: said so, no editor.
    Click(*geograph, "cmdEditList");
    EXPECT_EQ(testing::OpenWindow<LongLatForm>("LongLat"), nullptr);
    ASSERT_EQ(desk.platform.Messages().size(), 1u);
    EXPECT_EQ(desk.platform.Messages()[0].text,
              "Cannot open the cities file " + (folder / "NONE.LL").string() + ".");
    delete geograph;
}

}  // namespace
}  // namespace solvaris
