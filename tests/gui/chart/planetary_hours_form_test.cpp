// PHOutput driven by its buttons and grid. The hours hold their table in
// tests/chart/planetary_hours_test.cpp.
#include "gui/chart/planetary_hours_form.hpp"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QTableWidget>

#include "people/entry_rules.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Control;

// The window's day lines: the date, the place without the zone, the twelve rows.
std::vector<std::string> ShownLines(QWidget& form) {
    const QString place = Control<QLabel>(form, "lblPlace").text();
    std::vector<std::string> lines{Control<QLabel>(form, "lblDate").text().toStdString(),
                                   place.left(place.indexOf(" (")).toStdString()};
    const auto& grid = Control<QTableWidget>(form, "grdOutput");
    for (int row = 0; row < grid.rowCount(); ++row) {
        const auto cell = [&](int column) { return grid.item(row, column)->text(); };
        lines.push_back((cell(0) + cell(1) + "    " + cell(2) + cell(3)).toStdString());
    }
    return lines;
}

TEST(PlanetaryHoursForm, TheGoldenDayStepsGoesToTheDataWindowNamesItsRulersNotAtThePoles) {
    testing::WindowDesk desk;
    QPointer<PlanetaryHoursForm> form = OpenPlanetaryHoursForm(desk.workstation);
    ASSERT_TRUE(form);
    EXPECT_EQ(JoinCrLf(ShownLines(*form)), testing::GoldenReport("new-york", "planetary-hours"));
    auto& grid = Control<QTableWidget>(*form, "grdOutput");
    // The golden day's first day hour is Mars's, its first night hour Saturn's.
    for (const auto& [row, column, title] :
         std::initializer_list<std::tuple<int, int, const char*>>{
             {0, 0, "Mars"}, {0, 2, "Saturn"}, {0, 1, nullptr}}) {
        desk.platform.ClearMessages();
        const QRect cell = grid.visualRect(grid.model()->index(row, column));
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
        const auto& said = desk.platform.Messages();
        const auto ruler = RulerKeywordsOf(grid.item(row, column)->text().toStdString());
        EXPECT_EQ(testing::Said(desk.platform), title ? ruler->text : "0 messages") << column;
        EXPECT_EQ(said.empty() ? "" : said[0].title, title ? title : "") << column;
    }
    const BirthData natal = ReadNatalData(desk.workstation.natalEntry, DateOrder::MonthDayYear);
    const double natalDay = PlanetaryHoursAnchor(natal.year, natal.month, natal.day);
    // The button, the day shown before and after it, counted from the natal day.
    for (const auto& [button, before, after] :
         std::initializer_list<std::tuple<const char*, int, int>>{{"cmdForward", 0, 1},
                                                                  {"cmdBackward", 1, 0},
                                                                  {"cmdBackward", 0, -1},
                                                                  {"cmdSendtoOutput", -1, 1}}) {
        SCOPED_TRACE(button);
        const int shows = desk.dataWindow.shows;
        testing::Click(*form, button);
        EXPECT_EQ(ShownLines(*form), DayLines(ComputePlanetaryDay(Ephemeris{}, natalDay + after,
                                                                  natal, desk.platform)));
        const bool sent = std::string(button) == "cmdSendtoOutput";
        EXPECT_EQ(desk.dataWindow.shows, shows + (sent ? 1 : 0));
        if (sent) {
            // The three days from the one shown before, as the core writes them.
            double anchor = natalDay + before;
            const auto report = ThreeDayReport(Ephemeris{}, anchor, natal, desk.platform);
            EXPECT_NE(desk.dataWindow.text.find(JoinCrLf(report)), std::string::npos);
        }
    }
    testing::Click(*form, "cmdClose");
    EXPECT_FALSE(form && form->isVisible());
    // Beyond 66 degrees the window opens on nothing.
    desk.workstation.natalEntry.fields.latDeg = "70";
    desk.workstation.natalEntry.fields.south = true;
    EXPECT_EQ(OpenPlanetaryHoursForm(desk.workstation), nullptr);
    EXPECT_EQ(testing::Said(desk.platform),
              "Cannot calculate planetary hours. The latitude is too extreme. It must be 66 "
              "degrees, 0 minutes South or nearer the equator.");
    EXPECT_EQ(desk.dataWindow.shows, 1);  // Send to Output's alone
}

}  // namespace
}  // namespace solvaris
