#include "gui/shell/main_menu_tree.hpp"

#include "chart/chart_kinds.hpp"
#include "chart/house_system.hpp"
#include "reports/data_menu.hpp"

namespace solvaris {

namespace {

MenuLine ReportLine(int depth, DataReport report) {
    const ReportCommand& command = DataMenuCommand(report);
    return {depth, command.menuCaption, command.menuItem, MenuRole::Report,
            static_cast<std::size_t>(report)};
}

MenuLine WheelLine(WheelKind kind) {
    const WheelKindInfo& info = kWheelKinds[static_cast<std::size_t>(kind)];
    return {2, info.menuCaption, info.menuItem, MenuRole::Wheel, static_cast<std::size_t>(kind)};
}

// The File, Input and Houses menus: a house system per row of its table.
std::vector<MenuLine> FileInputAndHouses() {
    using enum MenuRole;
    std::vector<MenuLine> lines = {
        {0, "&File", "mnuFile", Menu},
        {1, "E&xit", "mnuFileExit", Exit},
        {0, "&Input", "mnuInputData", Input},
        {0, "Hou&ses", "mnuHouses", Menu},
    };
    for (std::size_t row = 0; row < kHouseSystems.size(); ++row) {
        lines.push_back(
            {1, kHouseSystems[row].menuCaption, kHouseSystems[row].menuItem, House, row});
    }
    return lines;
}

std::vector<MenuLine> DataMenu() {
    using enum MenuRole;
    using enum DataReport;
    return {
        {0, "&Data", "mnuData", Menu},
        ReportLine(1, Summary),
        {1, "&Natal", "mnuDataNatal", Menu},
        ReportLine(2, Natal),
        ReportLine(2, NatalAspects),
        ReportLine(2, Midpoints),
        ReportLine(2, Harmonic),
        {1, "Pro&gressions", "mnuDataProgressions", Menu},
        ReportLine(2, ProgressionData),
        ReportLine(2, ProgressionAspectsNatal),
        ReportLine(2, ProgressionMoonAspectsNatal),
        ReportLine(2, ProgressionMoonParallelsNatal),
        ReportLine(2, ProgressionAspectsProgressed),
        ReportLine(2, ProgressionParallelsProgressed),
        ReportLine(2, ProgressionMoonAspectsProgressed),
        {1, "Solar &Arc", "mnuDataSolarArc", Menu},
        ReportLine(2, SolarArcData),
        ReportLine(2, SolarArcAspectsNatal),
        {1, "&Transits", "mnuDataTransits", Menu},
        ReportLine(2, TransitData),
        ReportLine(2, TransitAspectsNatal),
        ReportLine(2, TransitAspectsProgressed),
        ReportLine(2, TransitAspectsSolarArc),
        ReportLine(2, TransitAspectsTransits),
        ReportLine(2, Lunations),
        ReportLine(2, Interpretations),
        ReportLine(2, Composite),
        ReportLine(2, Davison),
        {1, "Planetary &Hours", "mnuDataPlanetaryHours", PlanetaryHours},
        {1, "Transit time&line...", "mnuDataTimeline", Timeline},
    };
}

std::vector<MenuLine> WheelsMenu() {
    using enum MenuRole;
    return {
        {0, "&Wheels", "mnuWheels", Menu},
        {1, "&Single chartwheel", "mnuWheelsSingle", Menu},
        WheelLine(WheelKind::Natal),
        WheelLine(WheelKind::Progressed),
        WheelLine(WheelKind::SolarArc),
        WheelLine(WheelKind::Transits),
        WheelLine(WheelKind::SolarReturn),
        WheelLine(WheelKind::LunarReturn),
        WheelLine(WheelKind::Flat),
        WheelLine(WheelKind::Solar),
        WheelLine(WheelKind::SolarEquilibrium),
        WheelLine(WheelKind::WholeSignAsc),
        WheelLine(WheelKind::WholeSignMC),
        WheelLine(WheelKind::Composite),
        WheelLine(WheelKind::Davison),
        {1, "&Dual chartwheels", "mnuWheelsDual", Menu},
        WheelLine(WheelKind::DualProgressed),
        WheelLine(WheelKind::DualSolarArc),
        WheelLine(WheelKind::DualTransits),
        WheelLine(WheelKind::DualSolarReturn),
        WheelLine(WheelKind::DualLunarReturn),
        {1, "&Triple chartwheels", "mnuWheelsTriple", Menu},
        WheelLine(WheelKind::TripleProgressed),
        WheelLine(WheelKind::TripleSolarArc),
    };
}

std::vector<MenuLine> OptionsKeywordsAndDocuments() {
    using enum MenuRole;
    return {
        {0, "&Options", "mnuOptions", Options},
        {0, "&Keywords", "mnuKeywords", Menu},
        {1, "&General Information", "mnuKeywordS", Keywords},
        {1, "&Keyword System", "mnuKeywordSystem", KeywordSystem},
        {0, "&Philosophy", "mnuPhilosophy", Menu},
        {0, "&Help", "mnuHelp", Menu},
    };
}

std::vector<MenuLine> BuildTree() {
    std::vector<MenuLine> tree;
    for (const auto& part :
         {FileInputAndHouses(), DataMenu(), WheelsMenu(), OptionsKeywordsAndDocuments()}) {
        tree.insert(tree.end(), part.begin(), part.end());
    }
    return tree;
}

}  // namespace

const std::vector<MenuLine>& MainMenuTree() {
    static const std::vector<MenuLine> tree = BuildTree();
    return tree;
}

}  // namespace solvaris
