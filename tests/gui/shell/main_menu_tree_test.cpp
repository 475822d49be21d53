// The main menu against the core's tables: every house system, Data report
// and wheel kind has exactly one item, under its own menu, with the
// table's caption and name.
#include "gui/shell/main_menu_tree.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "chart/chart_kinds.hpp"
#include "chart/house_system.hpp"
#include "reports/data_menu.hpp"

namespace solvaris {
namespace {

TEST(MainMenuTree, EveryTableRowHasOneItemUnderItsMenu) {
    struct Table {
        MenuRole role;
        std::size_t rows;
        std::string parentPrefix;  // the menu the items stand under
    };
    const Table tables[] = {
        {MenuRole::House, kHouseSystems.size(), "mnuHouses"},
        {MenuRole::Report, DataMenuCommands().size(), "mnuData"},
        {MenuRole::Wheel, kWheelKinds.size(), "mnuWheels"},
    };
    std::map<int, std::string> openMenus;  // depth -> menu name
    std::map<MenuRole, std::multiset<std::size_t>> seen;
    std::set<std::string> names;
    for (const MenuLine& line : MainMenuTree()) {
        EXPECT_TRUE(names.insert(std::string(line.name)).second) << line.name;
        if (line.role == MenuRole::Menu) {
            openMenus[line.depth] = std::string(line.name);
            continue;
        }
        for (const Table& table : tables) {
            if (line.role != table.role) {
                continue;
            }
            ASSERT_LT(line.tableRow, table.rows) << line.name;
            seen[line.role].insert(line.tableRow);
            EXPECT_EQ(openMenus[0], table.parentPrefix) << line.name;
            if (line.depth == 2) {
                // Under Data > Natal, Wheels > Dual ...: the item's name
                // begins with its submenu's name (Progressions files its
                // items under mnuDataProg...).
                const std::string submenu = openMenus[1].substr(0, 11);
                EXPECT_EQ(std::string(line.name).substr(0, submenu.size()), submenu) << line.name;
            }
        }
        if (line.role == MenuRole::House) {
            EXPECT_EQ(line.caption, kHouseSystems[line.tableRow].menuCaption);
            EXPECT_EQ(line.name, kHouseSystems[line.tableRow].menuItem);
        } else if (line.role == MenuRole::Report) {
            EXPECT_EQ(line.name, DataMenuCommands()[line.tableRow].menuItem);
            EXPECT_EQ(DataMenuCommands()[line.tableRow].report,
                      static_cast<DataReport>(line.tableRow));
        } else if (line.role == MenuRole::Wheel) {
            EXPECT_EQ(line.name, kWheelKinds[line.tableRow].menuItem);
            EXPECT_EQ(kWheelKinds[line.tableRow].kind, static_cast<WheelKind>(line.tableRow));
        }
    }
    for (const Table& table : tables) {
        const std::multiset<std::size_t>& rows = seen[table.role];
        EXPECT_EQ(rows.size(), table.rows) << table.parentPrefix;
        for (std::size_t row = 0; row < table.rows; ++row) {
            EXPECT_EQ(rows.count(row), 1u) << table.parentPrefix << " row " << row;
        }
    }
}

}  // namespace
}  // namespace solvaris
