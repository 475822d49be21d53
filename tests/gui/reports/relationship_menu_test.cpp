// The composite and Davison charts chosen from the main menu in
// second-person mode: each item stands under the 2nd Person or Single
// chartwheel menu and shows its report, or its wheel, of both persons.
#include <gtest/gtest.h>

#include <QMenu>

#include "gui/shell/main_form.hpp"
#include "support/window_desk.hpp"

namespace solvaris {
namespace {

TEST(RelationshipMenu, TheItemsOfTheSecondPersonShowItsChartsWithBoth) {
    testing::WindowDesk desk;
    MainForm form(desk.workstation);
    form.show();
    desk.workstation.SetSecondPerson(true);
    desk.workstation.diurnalEntry.chk2ndPersonCaption = "Second Sample";
    desk.workstation.diurnalEntry.fields = {"2", "14", "1982", "12", "30", true, "0",
                                            "0", "08", false,  "51", "30", false};
    const std::string names = "Golden New York / Second Sample";
    const std::tuple<const char*, const char*, std::string> items[] = {
        {"mnuDataTransitComposite", "mnuDataTransits", "COMPOSITE CHART"},
        {"mnuDataTransitDavison", "mnuDataTransits", "DAVISON CHART"},
        {"mnuWheelsSingleComposite", "mnuWheelsSingle", names + " - composite"},
        {"mnuWheelsSingleDavison", "mnuWheelsSingle", names + " - Davison"},
    };
    for (const auto& [name, menu, shown] : items) {
        SCOPED_TRACE(name);
        auto& action = testing::Control<QAction>(form, name);
        EXPECT_EQ(qobject_cast<QMenu*>(action.parent())->objectName().toStdString(), menu);
        testing::Choose(form, name);
        EXPECT_TRUE(desk.platform.Messages().empty());
        if (std::string_view(name).starts_with("mnuData")) {
            EXPECT_NE(desk.dataWindow.text.find(shown), std::string::npos) << desk.dataWindow.text;
            EXPECT_NE(desk.dataWindow.text.find("  Second Sample\r\n"), std::string::npos);
        } else {
            EXPECT_EQ(desk.session.wheel.innerHeader[0], shown);
        }
    }
}

}  // namespace
}  // namespace solvaris
