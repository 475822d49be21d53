// NewDate: opened on the diurnal day, OK steps the transit interpretations
// to the typed day; a wrong date is refused and changes nothing.
#include "gui/entry/new_date_form.hpp"

#include <gtest/gtest.h>

#include "gui/entry/entry_desk.hpp"
#include "reports/new_date.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::EntryDesk;
using testing::Shown;
using testing::TypeInto;

TEST(NewDateForm, OpensOnTheDiurnalDayAndOKReportsTheTypedDay) {
    EntryDesk desk;
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    ASSERT_TRUE(desk.workstation.ComputeChart());

    NewDateForm form(desk.workstation);
    form.show();
    EXPECT_EQ(form.objectName(), "NewDate");
    EXPECT_EQ(form.windowTitle(), "New Transit Date");
    EXPECT_EQ(Shown(form, "txtMonth"), "1");
    EXPECT_EQ(Shown(form, "txtDay"), "1");
    EXPECT_EQ(Shown(form, "txtYear"), "2000");

    TypeInto(form, "txtMonth", "2x");
    TypeInto(form, "txtDay", "31");
    Click(form, "cmdOK");
    EXPECT_TRUE(desk.platform.Messages().empty());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    // 31 February 2000 carries into 2 March of the leap year.
    EXPECT_EQ(desk.session.charts.diurnalDayNumber, 2451606);
    EXPECT_NE(desk.dataWindow.text.find("02 Mar 2000"), std::string::npos) << desk.dataWindow.text;
    EXPECT_EQ(desk.session.charts.interpretationDay, 2451607);
}

TEST(NewDateForm, AWrongDateIsRefusedAndTheWindowStays) {
    struct Case {
        const char* control;
        const char* keys;
    };
    for (const Case& c : {Case{"txtMonth", "13"}, Case{"txtDay", "0"}, Case{"txtYear", "2100"},
                          Case{"txtYear", ""}}) {
        EntryDesk desk;
        testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
        ASSERT_TRUE(desk.workstation.ComputeChart());
        const double day = desk.session.charts.diurnalDayNumber;
        const int shows = desk.dataWindow.shows;
        NewDateForm form(desk.workstation);
        form.show();
        TypeInto(form, c.control, c.keys);
        if (*c.keys == '\0') {
            QTest::keyClick(&testing::Control<QLineEdit>(form, c.control), Qt::Key_Backspace);
        }
        Click(form, "cmdOK");
        ASSERT_EQ(desk.platform.Messages().size(), 1u) << c.control << " " << c.keys;
        EXPECT_EQ(desk.platform.Messages()[0].text, kNewDateError);
        EXPECT_NE(form.result(), QDialog::Accepted);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(desk.session.charts.diurnalDayNumber, day);
        EXPECT_EQ(desk.dataWindow.shows, shows);
    }
}

}  // namespace
}  // namespace solvaris
