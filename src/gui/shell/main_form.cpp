#include "gui/shell/main_form.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <string>

#include "app/caption_clock.hpp"
#include "app/input_command.hpp"
#include "base/program_folder.hpp"
#include "base/settings.hpp"
#include "gui/chart/planetary_hours_form.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/controls/named_menu.hpp"
#include "gui/controls/qt_text.hpp"
#include "gui/keywords/keyword_system_form.hpp"
#include "gui/keywords/keywords_form.hpp"
#include "gui/reports/timeline_range_form.hpp"
#include "gui/shell/about_form.hpp"
#include "gui/shell/main_menu_tree.hpp"
#include "gui/shell/options_form.hpp"
#include "gui/wheel/wheels_form.hpp"
#include "people/zone_clock.hpp"
#include "reports/text_documents.hpp"

namespace solvaris {

namespace {

void AddSeparator(QMenu* menu, std::string_view name) {
    QAction* separator = menu->addSeparator();
    if (name != kUnnamedSeparator) {
        separator->setObjectName(QtText(name));
    }
}

// Second-person mode: the items that compare with the natal chart's own
// derived charts are disabled, and these take the second person's captions.
constexpr std::string_view kNotForSecondPerson[] = {
    "mnuDataSummary",
    "mnuDataProgressions",
    "mnuDataSolarArc",
    "mnuDataTransitAspecttoProgressed",
    "mnuDataTransitAspectstoSolarArc",
    "mnuDataTransitLunations",
    "mnuDataTransitInterpretations",
    "mnuWheelsSingleProgressed",
    "mnuWheelsSingleSolarArc",
    "mnuWheelsSingleSolarReturn",
    "mnuWheelsSingleLunarReturn",
    "mnuWheelsTriple",
    "mnuWheelsDualNatProg",
    "mnuWheelsDualNatSA",
    "mnuWheelsDualNatSR",
    "mnuWheelsDualNatLR",
};

struct SecondPersonCaption {
    std::string_view name;
    std::string_view checked;
    std::string_view unchecked;
};

constexpr SecondPersonCaption kSecondPersonCaptions[] = {
    {"mnuDataTransits", "2nd &Person", "&Transits"},
    {"mnuDataTransitData", "&Natal Data", "&Data"},
    {"mnuDataTransitsAspectstoNatal", "&Interchart Aspects", "&Aspects to Natal"},
    {"mnuDataTransitAspectsToTransits", "Natal &Aspects", "Aspects to &Transits"},
    {"mnuWheelsSingleTransits", "2nd &Person", "&Transits"},
    {"mnuWheelsDualNatTran", "2nd &Person Natal vs Natal", "&Transits vs Natal"},
};

// The open window of that name, or nullptr.
QWidget* OpenWindowNamed(const QString& name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// A window the menu closes, if open, and opens afresh.
void ShowAfresh(QWidget* window) {
    if (QWidget* open = OpenWindowNamed(window->objectName())) {
        open->close();
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

// Items whose windows are still to come stay disabled whatever the mode.
constexpr const char* kLaterProperty = "solvarisLater";

}  // namespace

MainForm::MainForm(Workstation& workstation, QWidget* parent)
    : QMainWindow(parent), workstation_(workstation) {
    setObjectName(QString::fromLatin1(kMainFormName));
    workstation_.SetMainWindow(this);
    BuildMenus();
    CheckHouseSystem(workstation_.houseSystem);
    UpdateCaption();
    clock_.setInterval(1000);
    connect(&clock_, &QTimer::timeout, this, &MainForm::UpdateCaption);
    clock_.start();
    connect(&workstation_, &Workstation::secondPersonChanged, this,
            &MainForm::SetSecondPersonMenus);
    connect(&workstation_, &Workstation::ephemerisShown, this,
            [this]() { SetChartMenusVisible(false); });
    connect(&workstation_, &Workstation::chartComputed, this,
            [this]() { SetChartMenusVisible(true); });
    connect(&workstation_, &Workstation::optionsReloaded, this, &MainForm::UpdateCaption);
}

void MainForm::BuildMenus() {
    std::vector<QWidget*> parents{menuBar()};
    for (const MenuLine& line : MainMenuTree()) {
        parents.resize(static_cast<std::size_t>(line.depth) + 1);
        QWidget* parent = parents.back();
        if (line.role == MenuRole::Menu) {
            parents.push_back(AddMenu(parent, line.caption, line.name));
            continue;
        }
        ConnectItem(AddItem(parent, line.caption, line.name), line);
    }
    AddDocumentItems();
}

void MainForm::ConnectItem(QAction* action, const MenuLine& line) {
    const auto on = [this, action](auto slot) { connect(action, &QAction::triggered, this, slot); };
    switch (line.role) {
        case MenuRole::Exit: on([this]() { mnuFileExit_Click(); }); break;
        case MenuRole::Input: on([this]() { mnuInputData_Click(); }); break;
        case MenuRole::House: {
            const HouseSystem system = kHouseSystems[line.tableRow].system;
            action->setCheckable(true);
            on([this, system]() { mnuHouse_Click(system); });
            break;
        }
        case MenuRole::Report: {
            const ReportCommand& command = DataMenuCommands()[line.tableRow];
            on([this, &command]() {
                BusyPointer busy(workstation_.platform());
                workstation_.RunReport(command);
            });
            break;
        }
        case MenuRole::Options: on([this]() { OpenOptions(); }); break;
        case MenuRole::PlanetaryHours: on([this]() { OpenPlanetaryHours(); }); break;
        case MenuRole::Timeline:
            on([this]() {
                TimelineRangeForm form(workstation_, this);
                form.exec();
            });
            break;
        case MenuRole::Keywords:
            on([this]() { ShowAfresh(new KeywordsForm(workstation_, this)); });
            break;
        case MenuRole::KeywordSystem: on([this]() { OpenKeywordSystem(); }); break;
        case MenuRole::Wheel: {
            const WheelKind kind = kWheelKinds[line.tableRow].kind;
            on([this, kind]() { mnuWheel_Click(kind); });
            break;
        }
        case MenuRole::Later:
            action->setEnabled(false);
            action->setProperty(kLaterProperty, true);
            break;
        case MenuRole::Menu: break;
    }
}

void MainForm::OpenOptions() {
    // One editor of the file at a time: a second would save over the first
    // one's text.
    if (QWidget* open = OpenWindowNamed(QStringLiteral("Options"))) {
        open->raise();
        open->activateWindow();
        return;
    }
    OpenOptionsForm(workstation_, this);
}

void MainForm::OpenPlanetaryHours() {
    if (QWidget* open = OpenWindowNamed(QStringLiteral("PHOutput"))) {
        open->close();
    }
    if (auto* hours = OpenPlanetaryHoursForm(workstation_, this)) {
        connect(hours, &PlanetaryHoursForm::reportShown, &workstation_, &Workstation::reportShown);
    }
}

void MainForm::OpenKeywordSystem() {
    auto* lessons = new KeywordSystemForm(workstation_, this);
    connect(lessons, &KeywordSystemForm::reportShown, &workstation_, &Workstation::reportShown);
    ShowAfresh(lessons);
}

void MainForm::AddDocumentItems() {
    auto* philosophy = findChild<QMenu*>(QStringLiteral("mnuPhilosophy"));
    auto* help = findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QMenu* hints = nullptr;
    for (const TextDocument& document : TextDocuments()) {
        QMenu* menu = document.menu == DocumentMenu::Philosophy ? philosophy : help;
        if (!document.separatorBefore.empty()) {
            AddSeparator(menu, document.separatorBefore);
        }
        if (document.menu == DocumentMenu::Hints) {
            if (hints == nullptr) {
                hints = AddMenu(help, "Hints", "mnuHints");
            }
            menu = hints;
        }
        QAction* action = AddItem(menu, document.caption, document.menuItem);
        const std::string_view file = document.file;
        connect(action, &QAction::triggered, this,
                [this, file]() { workstation_.ShowDocument(file); });
    }
    AddSeparator(help, kAboutSeparator);
    QAction* about = AddItem(help, "Abo&ut", "mnuHelpAbout");
    connect(about, &QAction::triggered, this, &MainForm::mnuHelpAbout_Click);
    QAction* printHelp = AddItem(help, "Print Help Files", "mnuHelpPrintHelp");
    connect(printHelp, &QAction::triggered, this, [this]() {
        BusyPointer busy(workstation_.platform());
        workstation_.PrintHelp();
    });
}

QAction* MainForm::Item(std::string_view name) const { return findChild<QAction*>(QtText(name)); }

void MainForm::UpdateCaption() {
    Platform& platform = workstation_.platform();
    const LocalDateTime present = HomeClockNow(platform, workstation_.session().options);
    setWindowTitle(QString::fromStdString(
        MainWindowCaption(present, platform.TwelveHourClock(), workstation_.session().options)));
}

void MainForm::PlaceFromSettings(const std::vector<PixelRect>& screens) {
    Place(*this, PlacementFromSettings(workstation_.session().settings, KeptWindow::Main,
                                       workstation_.twipsPerPixel, screens));
}

void MainForm::StorePlacementInSettings() {
    StorePlacement(workstation_.session().settings, KeptWindow::Main, PlacementOf(*this),
                   workstation_.twipsPerPixel);
}

void MainForm::CheckHouseSystem(HouseSystem system) {
    for (const HouseSystemInfo& info : kHouseSystems) {
        Item(info.menuItem)->setChecked(false);
    }
    Item(Info(system).menuItem)->setChecked(true);
}

void MainForm::mnuFileExit_Click() {
    if (exited_) {
        return;
    }
    exited_ = true;
    clock_.stop();
    StorePlacementInSettings();
    // The other windows close first: each keeps its placement and font in
    // the settings as it closes, and the file is written after them.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible()) {
            window->close();
        }
    }
    Session& session = workstation_.session();
    const std::string failure =
        WriteSettings(FindInFolder(session.folder, kSettingsFileName), session.settings);
    if (!failure.empty()) {
        workstation_.platform().ShowMessage(
            std::string(kSettingsFileName) + " cannot be written: " + failure, "Error!",
            MessageIcon::Critical);
    }
    // The last window closed ends the event loop.
    close();
}

void MainForm::closeEvent(QCloseEvent* event) {
    mnuFileExit_Click();
    event->accept();
}

void MainForm::mnuInputData_Click() {
    Platform& platform = workstation_.platform();
    Session& session = workstation_.session();
    const LocalDateTime present = HomeClockNow(platform, session.options);
    RunInputCommand(session, workstation_.natalEntry, workstation_.diurnalEntry, present, platform);
    workstation_.AnnounceInputCommand();
    workstation_.AnnounceEntryChanged();
}

void MainForm::mnuHouse_Click(HouseSystem system) {
    CheckHouseSystem(system);
    workstation_.houseSystem = system;
    mnuInputData_Click();
    Session& session = workstation_.session();
    session.reports.EmptySession();
    session.reports.BeginReport(workstation_.DataWindow());
    BusyPointer busy(workstation_.platform());
    workstation_.ComputeChart();
}

void MainForm::mnuHelpAbout_Click() {
    auto* about = new AboutForm(workstation_, this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    // Centred on the screen: over the thin main window it would stand
    // half above the screen's top.
    if (const QScreen* screen = this->screen()) {
        about->move(screen->availableGeometry().center() - about->rect().center());
    }
    about->show();
}

WheelsForm& MainForm::WheelWindow() {
    if (!wheels_) {
        wheels_ = new WheelsForm(workstation_, this);
    }
    return *wheels_;
}

void MainForm::ShowWheel(WheelKind kind) {
    WheelsForm& wheels = WheelWindow();
    wheels.Load(kind);
    wheels.ShowPlaced(ScreenAreas());
}

void MainForm::mnuWheel_Click(WheelKind kind) {
    BusyPointer busy(workstation_.platform());
    if (workstation_.RunWheel(kind)) {
        ShowWheel(kind);
    }
}

void MainForm::SetSecondPersonMenus(bool on) {
    for (std::string_view name : kNotForSecondPerson) {
        QAction* action = Item(name);
        action->setEnabled(!on && !action->property(kLaterProperty).toBool());
    }
    for (const SecondPersonCaption& caption : kSecondPersonCaptions) {
        Item(caption.name)->setText(QtText(on ? caption.checked : caption.unchecked));
    }
}

void MainForm::SetChartMenusVisible(bool visible) {
    Item("mnuData")->setVisible(visible);
    Item("mnuWheels")->setVisible(visible);
    Item("mnuInputData")->setVisible(true);
}

}  // namespace solvaris
