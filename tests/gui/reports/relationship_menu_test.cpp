// The composite and Davison charts chosen from the main menu in
// second-person mode: each item stands under the 2nd Person and Single
// chartwheel menus, and runs its report or prepares its wheel.
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
    struct Item {
        const char* name;
        const char* menu;
        std::string shown;  // in the report, or the wheel's first header line
    };
    const Item items[] = {
        {"mnuDataTransitComposite", "mnuDataTransits", "COMPOSITE CHART"},
        {"mnuDataTransitDavison", "mnuDataTransits", "DAVISON CHART"},
        {"mnuWheelsSingleComposite", "mnuWheelsSingle",
         "Golden New York / Second Sample - composite"},
        {"mnuWheelsSingleDavison", "mnuWheelsSingle", "Golden New York / Second Sample - Davison"},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        auto& action = testing::Control<QAction>(form, item.name);
        ASSERT_TRUE(action.isEnabled());
        const auto* menu = qobject_cast<QMenu*>(action.parent());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName().toStdString(), item.menu);
        desk.dataWindow.text.clear();
        testing::Choose(form, item.name);
        EXPECT_TRUE(desk.platform.Messages().empty());
        if (std::string_view(item.name).starts_with("mnuData")) {
            EXPECT_NE(desk.dataWindow.text.find(item.shown), std::string::npos)
                << desk.dataWindow.text;
            EXPECT_NE(desk.dataWindow.text.find("  Second Sample\r\n"), std::string::npos);
        } else {
            EXPECT_EQ(desk.session.wheel.innerHeader[0], item.shown);
        }
    }
}

}  // namespace
}  // namespace solvaris
