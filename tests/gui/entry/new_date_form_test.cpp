// NewDate's wiring; the date rules hold their table in NewDate.TypedDatesDayNumbersAndRefusals.
#include "gui/entry/new_date_form.hpp"

#include <gtest/gtest.h>

#include "reports/new_date.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::TypeInto;
using testing::WindowDesk;

TEST(NewDateForm, OKReportsTheTypedDayAndAWrongDateIsRefused) {
    struct Case {
        const char* month;
        const char* day;
        bool accepted;
    };
    for (const Case& c : {Case{"2x", "31", true}, Case{"13", "1", false}, Case{"1", "", false}}) {
        SCOPED_TRACE(std::string(c.month) + "/" + c.day);
        WindowDesk desk;
        ASSERT_TRUE(desk.workstation.ComputeChart());
        const int shows = desk.dataWindow.shows;
        const double day = desk.session.charts.diurnalDayNumber;
        NewDateForm form(desk.workstation);
        form.show();
        EXPECT_EQ(testing::Showing(form), "1|1|2000|");  // the diurnal day
        TypeInto(form, "txtMonth", c.month);
        TypeInto(form, "txtDay", c.day);
        if (*c.day == '\0') {
            QTest::keyClick(&testing::Control<QLineEdit>(form, "txtDay"), Qt::Key_Backspace);
        }
        Click(form, "cmdOK");
        EXPECT_EQ(form.result() == QDialog::Accepted, c.accepted);
        EXPECT_EQ(form.isVisible(), !c.accepted);
        EXPECT_EQ(desk.dataWindow.shows, shows + (c.accepted ? 1 : 0));
        if (!c.accepted) {
            ASSERT_EQ(desk.platform.Messages().size(), 1u);
            EXPECT_EQ(desk.platform.Messages()[0].text, kNewDateError);
            EXPECT_EQ(desk.session.charts.diurnalDayNumber, day);
            continue;
        }
        // 31 February 2000 carries into 2 March of the leap year.
        EXPECT_EQ(desk.session.charts.diurnalDayNumber, 2451606);
        EXPECT_NE(desk.dataWindow.text.find("02 Mar 2000"), std::string::npos);
        EXPECT_TRUE(desk.platform.Messages().empty());
    }
}

}  // namespace
}  // namespace solvaris
