// SOLVARIS, the main window: a thin bar whose menus open every command, a
// caption clock that ticks once a second, the house-system choice, and
// Exit, which keeps the settings.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <string_view>
#include <vector>

#include "app/window_placement.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/house_system.hpp"
#include "gui/common/workstation.hpp"
#include "gui/shell/main_menu_tree.hpp"

class QAction;

namespace solvaris {

class WheelsForm;

inline constexpr const char* kMainFormName = "SOLVARIS";

class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(Workstation& workstation, QWidget* parent = nullptr);

    // The caption for the present moment (the clock's tick).
    void UpdateCaption();
    // Placement from the settings' twips, brought onto one of `screens`;
    // and back into the settings.
    void PlaceFromSettings(const std::vector<PixelRect>& screens);
    void StorePlacementInSettings();
    // Exactly the item of `system` checked in the Houses menu.
    void CheckHouseSystem(HouseSystem system);

    // The one chart-wheel window, made on first use.
    WheelsForm& WheelWindow();
    // The wheel of that kind, prepared in the session, loaded and shown.
    void ShowWheel(WheelKind kind);

    void mnuFileExit_Click();
    void mnuInputData_Click();
    void mnuHouse_Click(HouseSystem system);
    void mnuHelpAbout_Click();
    void mnuWheel_Click(WheelKind kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();
    // What the menu item of the line does when chosen.
    void ConnectItem(QAction* action, const MenuLine& line);
    void OpenOptions();
    void OpenPlanetaryHours();
    void OpenKeywordSystem();
    void AddDocumentItems();
    QAction* Item(std::string_view name) const;
    void SetSecondPersonMenus(bool on);
    void SetChartMenusVisible(bool visible);

    Workstation& workstation_;
    QTimer clock_;
    QPointer<WheelsForm> wheels_;
    bool exited_ = false;
};

}  // namespace solvaris
