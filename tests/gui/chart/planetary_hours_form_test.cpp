// PHOutput driven by its buttons and grid: the golden day as the command
// line prints it, a day's steps, three days to the data window, a ruler's
// keywords, and a latitude too far north or south refused.
#include "gui/chart/planetary_hours_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "base/text_lines.hpp"
#include "gui/shell/workstation.hpp"
#include "gui/support/golden_session.hpp"
#include "people/entry_rules.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"

namespace solvaris {
namespace {

struct HoursDesk {
    HoursDesk() {
        testing::OpenShippedSession(session);
        testing::TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
        workstation.SetDataWindowFactory([this]() -> DataWindowView& { return dataWindow; });
    }
    ~HoursDesk() { delete form.data(); }

    // What the window shows as the report's day lines: the date heading,
    // the place heading without the zone, and the twelve grid rows.
    std::vector<std::string> ShownLines() const {
        const QString place = form->findChild<QLabel*>("lblPlace")->text();
        std::vector<std::string> lines{form->findChild<QLabel*>("lblDate")->text().toStdString(),
                                       place.left(place.indexOf(" (")).toStdString()};
        const auto* grid = form->findChild<QTableWidget*>("grdOutput");
        for (int row = 0; row < grid->rowCount(); ++row) {
            const auto cell = [&](int column) { return grid->item(row, column)->text(); };
            lines.push_back((cell(0) + cell(1) + "    " + cell(2) + cell(3)).toStdString());
        }
        return lines;
    }
    // The core's lines for the natal day moved by `days`.
    std::vector<std::string> CoreLines(int days) {
        const BirthData natal = ReadNatalData(workstation.natalEntry, DateOrder::MonthDayYear);
        const double anchor = PlanetaryHoursAnchor(natal.year, natal.month, natal.day) + days;
        return DayLines(ComputePlanetaryDay(anchor, natal, platform));
    }
    void Click(const char* button) {
        QTest::mouseClick(form->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow dataWindow;
    QPointer<PlanetaryHoursForm> form;
};

TEST(PlanetaryHoursForm, TheGoldenDayStepsAndGoesToTheDataWindow) {
    HoursDesk desk;
    desk.form = OpenPlanetaryHoursForm(desk.workstation);
    ASSERT_TRUE(desk.form);
    EXPECT_EQ(desk.form->objectName(), "PHOutput");
    EXPECT_EQ(desk.form->windowTitle(), "Planetary Hours");
    EXPECT_EQ(desk.form->findChild<QLabel*>("lblPlace")->text(), "74.00 W, 40.43 N (5)");
    EXPECT_EQ(desk.form->findChild<QLabel*>("lblNote")->text(),
              " NOTE: Click on planet for keywords");
    EXPECT_EQ(JoinCrLf(desk.ShownLines()), testing::GoldenReport("new-york", "planetary-hours"));

    // Each step: the button, the days the shown day then stands from the
    // natal day, and whether the data window received three days.
    const struct {
        const char* button;
        int daysFromNatal;
        bool reported;
    } steps[] = {
        {"cmdForward", 1, false},     {"cmdForward", 2, false},   {"cmdBackward", 1, false},
        {"cmdBackward", 0, false},    {"cmdBackward", -1, false}, {"cmdSendtoOutput", 1, true},
        {"cmdSendtoOutput", 3, true}, {"cmdBackward", 2, false},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(std::string(step.button) + " to day " + std::to_string(step.daysFromNatal));
        const int showsBefore = desk.dataWindow.shows;
        const int firstDay = step.daysFromNatal - 2;
        desk.Click(step.button);
        EXPECT_EQ(desk.ShownLines(), desk.CoreLines(step.daysFromNatal));
        EXPECT_EQ(desk.dataWindow.shows, showsBefore + (step.reported ? 1 : 0));
        if (!step.reported) {
            continue;
        }
        // A blank line, the two headings in columns 30 characters apart, the
        // twelve rows six blanks apart, and the closing blank line: the
        // three days from the one shown before.
        const auto first = desk.CoreLines(firstDay);
        const auto second = desk.CoreLines(firstDay + 1);
        const auto third = desk.CoreLines(firstDay + 2);
        const auto padded = [](std::string text) {
            text.resize(30, ' ');
            return text;
        };
        std::vector<std::string> expected{""};
        for (std::size_t line = 0; line < first.size(); ++line) {
            expected.push_back(
                line < 2 ? "  " + padded(first[line]) + padded(second[line]) + third[line]
                         : "  " + first[line] + "      " + second[line] + "      " + third[line]);
        }
        // The closing empty line and the window's spare one.
        expected.insert(expected.end(), {"", ""});
        EXPECT_EQ(desk.dataWindow.text, JoinCrLf(expected));
    }
    // Seven days on: the same weekday, its first hour's ruler again.
    const std::vector<std::string> weekBefore = desk.ShownLines();
    for (int day = 0; day < 7; ++day) {
        desk.Click("cmdForward");
    }
    EXPECT_EQ(desk.ShownLines(), desk.CoreLines(9));
    const auto weekday = [](const std::string& heading) { return heading.substr(0, 3); };
    EXPECT_EQ(weekday(desk.ShownLines()[0]), weekday(weekBefore[0]));
    EXPECT_EQ(desk.ShownLines()[2].substr(0, 4), weekBefore[2].substr(0, 4));
    EXPECT_TRUE(desk.platform.Messages().empty());
    desk.Click("cmdClose");
    EXPECT_FALSE(desk.form->isVisible());
}

TEST(PlanetaryHoursForm, ARulersCellShowsItsKeywordsAndATimeCellNothing) {
    HoursDesk desk;
    desk.form = OpenPlanetaryHoursForm(desk.workstation);
    ASSERT_TRUE(desk.form);
    auto* grid = desk.form->findChild<QTableWidget*>("grdOutput");
    // The golden day's first day hour is Mars's, its first night hour Saturn's.
    const struct {
        int row;
        int column;
        const char* title;  // nullptr: no box
    } cells[] = {
        {0, 0, "Mars"}, {0, 2, "Saturn"}, {0, 1, nullptr}, {11, 3, nullptr}, {3, 0, "Mercury"}};
    for (const auto& c : cells) {
        desk.platform.ClearMessages();
        const QRect cell = grid->visualRect(grid->model()->index(c.row, c.column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        if (c.title == nullptr) {
            EXPECT_TRUE(desk.platform.Messages().empty()) << c.row << "," << c.column;
            continue;
        }
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << c.title;
        EXPECT_EQ(desk.platform.Messages()[0].title, c.title);
        EXPECT_EQ(desk.platform.Messages()[0].icon, MessageIcon::Information);
        EXPECT_EQ(desk.platform.Messages()[0].text,
                  RulerKeywordsOf(grid->item(c.row, c.column)->text().toStdString())->text);
    }
}

TEST(PlanetaryHoursForm, ALatitudeBeyondSixtySixEitherSideOpensNothing) {
    const struct {
        const char* degrees;
        const char* minutes;
        bool south;
    } latitudes[] = {{"66", "01", false}, {"70", "00", false}, {"70", "00", true}};
    for (const auto& latitude : latitudes) {
        HoursDesk desk;
        desk.workstation.natalEntry.txtLatDeg = latitude.degrees;
        desk.workstation.natalEntry.txtLatMin = latitude.minutes;
        desk.workstation.natalEntry.optSouth = latitude.south;
        EXPECT_EQ(OpenPlanetaryHoursForm(desk.workstation), nullptr) << latitude.degrees;
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << latitude.degrees;
        EXPECT_EQ(desk.platform.Messages()[0].text,
                  "Cannot calculate planetary hours. The latitude is too extreme. It must be 66 "
                  "degrees, 0 minutes or below.");
        EXPECT_EQ(desk.dataWindow.shows, 0);
    }
}

}  // namespace
}  // namespace solvaris
