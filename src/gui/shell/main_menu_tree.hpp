// The main menu's tree as data: each line a menu or an item at its depth,
// with its caption (the "&" marks the access key), its control name and
// what it runs. The house systems, Data reports and wheel kinds take their
// captions and names from the core's tables; the help and philosophy
// documents come from the documents table.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace solvaris {

enum class MenuRole {
    Menu,    // opens the lines of the next depth below it
    Exit,    // File > Exit
    Input,   // the Input command
    House,   // a house system
    Report,  // a Data-menu report
    Later,   // a window still to come: shown, disabled
    Wheel,   // a Wheels item: its chart kind on the wheel window
    // The Options window, the planetary hours of the natal day, and the two
    // keyword windows (these opened afresh each time).
    Options,
    PlanetaryHours,
    Timeline,  // the range of the transit timeline, asked in its window
    Keywords,
    KeywordSystem,
};

struct MenuLine {
    int depth;  // 0 on the menu bar
    std::string_view caption;
    std::string_view name;
    MenuRole role;
    // For a house system, a report or a wheel: its row in kHouseSystems,
    // DataMenuCommands() or kWheelKinds.
    std::size_t tableRow = 0;
};

// Every line before the Philosophy and Help menus, in menu order, ending
// with those two menus themselves.
const std::vector<MenuLine>& MainMenuTree();

// The separator between the Help documents and About.
inline constexpr std::string_view kAboutSeparator = "mnuSplit52";

}  // namespace solvaris
