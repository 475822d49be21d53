// TimelineRange: opened on a year from the diurnal day (today before any
// chart); OK shows the timeline of the kinds ticked in the data window; a
// wrong range is refused and the window stays.
#include "gui/reports/timeline_range_form.hpp"

#include <gtest/gtest.h>

#include "support/window_desk.hpp"

namespace solvaris {
namespace {

using testing::Click;
using testing::Shown;
using testing::TypeInto;
using testing::WindowDesk;

std::string Range(QWidget& form) {
    return Shown(form, "txtFromMonth") + "/" + Shown(form, "txtFromDay") + "/" +
           Shown(form, "txtFromYear") + " " + Shown(form, "txtToMonth") + "/" +
           Shown(form, "txtToDay") + "/" + Shown(form, "txtToYear");
}

TEST(TimelineRangeForm, OKShowsTheTimelineOfTheKindsTicked) {
    WindowDesk desk({.goldenChart = false});
    {
        // Before any chart the range starts today.
        TimelineRangeForm before(desk.workstation);
        EXPECT_EQ(Range(before).substr(0, 9), "12/5/2026");
    }
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    ASSERT_TRUE(desk.workstation.ComputeChart());

    TimelineRangeForm form(desk.workstation);
    form.show();
    EXPECT_EQ(Range(form), "1/1/2000 12/31/2000");
    Click(form, "chkProgressions");
    Click(form, "chkDirections");
    TypeInto(form, "txtToMonth", "3");
    Click(form, "cmdOK");
    EXPECT_TRUE(desk.platform.Messages().empty());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const std::string& text = desk.dataWindow.text;
    EXPECT_NE(text.find("01 JAN 2000 to 31 MAR 2000"), std::string::npos) << text;
    EXPECT_NE(text.find("Tr. SUN       enters AQU"), std::string::npos) << text;
    EXPECT_EQ(text.find("Pr. "), std::string::npos);
    EXPECT_EQ(text.find("SA. "), std::string::npos);
}

// A date that is none and a range the core refuses; the range rules hold
// their table in tests/cli/report_command_test.cpp.
TEST(TimelineRangeForm, AWrongRangeIsRefusedAndTheWindowStays) {
    for (const auto& [control, keys, message] :
         std::initializer_list<std::tuple<const char*, const char*, const char*>>{
             {"txtFromMonth", "13", kTimelineDateError},
             {"txtToYear", "1999", "The range ends before it begins."}}) {
        SCOPED_TRACE(message);
        WindowDesk desk;
        ASSERT_TRUE(desk.workstation.ComputeChart());
        const int shows = desk.dataWindow.shows;
        TimelineRangeForm form(desk.workstation);
        form.show();
        TypeInto(form, control, keys);
        Click(form, "cmdOK");
        ASSERT_EQ(desk.platform.Messages().size(), 1u);
        EXPECT_EQ(desk.platform.Messages()[0].text, message);
        EXPECT_TRUE(form.isVisible());
        EXPECT_EQ(desk.dataWindow.shows, shows);
    }
}

}  // namespace
}  // namespace solvaris
