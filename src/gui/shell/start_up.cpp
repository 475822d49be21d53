#include "gui/shell/start_up.hpp"

#include <QApplication>
#include <QScreen>

#include "app/start_up_files.hpp"
#include "app/wheel_command.hpp"
#include "base/option_numbers.hpp"
#include "base/program_folder.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/natal_entry_form.hpp"
#include "gui/entry/new_date_form.hpp"
#include "gui/people/geograph_form.hpp"
#include "gui/people/names_form.hpp"
#include "gui/platform/qt_platform.hpp"
#include "gui/reports/data_form.hpp"
#include "gui/shell/title_form.hpp"
#include "people/entry_rules.hpp"

namespace solvaris {

namespace {

void ChooseDisplay(Workstation& workstation) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    workstation.twipsPerPixel = TwipsPerPixel(screen->logicalDotsPerInch());
    workstation.displayProfile =
        ChooseDisplayProfile(screen->geometry().width(), workstation.twipsPerPixel);
}

// The entry windows and the names list side by side below the main window,
// where the first look of the day expects them, on the main window's
// screen. The last window's place keeps room for `lastSlotWidth` (the
// cities list, which opens where the names list stands).
void PlaceBelow(const QWidget& main, std::initializer_list<QWidget*> windows, int lastSlotWidth) {
    constexpr int kGapPixels = 8;
    std::vector<PixelRect> frames;
    for (const QWidget* window : windows) {
        frames.push_back(FrameOf(*window));
    }
    const PixelRect screen = ScreenAreaOf(&main);
    frames.back().width = LastInRowWidth(frames, lastSlotWidth, kGapPixels, screen);
    const std::vector<PixelRect> row = RowBelow(FrameOf(main), frames, kGapPixels, screen);
    auto placed = row.begin();
    for (QWidget* window : windows) {
        MoveFrame(*window, *placed++);
    }
}

// "Click here for cities": the cities list, whose own button comes back to
// the names. The names list stands rightmost: the wider cities list takes
// no more than the room the screen leaves there.
void OpenCities(Workstation& workstation, NamesForm* names) {
    auto* cities = new GeographForm(workstation);
    QObject::connect(cities, &GeographForm::namesRequested, names, [names]() {
        names->LoadList();
        names->show();
    });
    cities->show();
    const PixelRect frame = FrameOf(*cities);
    const PixelRect placed = InPlaceOf(FrameOf(*names), frame, ScreenAreaOf(names));
    cities->resize(cities->width() - frame.width + placed.width, cities->height());
    MoveFrame(*cities, placed);
}

// The entry windows and the names list, shown in a row below the main
// window; the Input command brings them back, the names read afresh.
void OpenEntryWindows(Workstation& workstation, MainForm& main) {
    auto* natal = new NatalEntryForm(workstation, &main);
    auto* diurnal = new DiurnalEntryForm(workstation, &main);
    auto* names = new NamesForm(workstation, &main);
    const auto showEntryWindows = [natal, diurnal]() {
        natal->show();
        diurnal->show();
    };
    QObject::connect(&workstation, &Workstation::inputCommandRun, names, [names]() {
        names->LoadList();
        names->show();
    });
    QObject::connect(names, &NamesForm::citiesRequested, &main,
                     [&workstation, names]() { OpenCities(workstation, names); });
    QObject::connect(&workstation, &Workstation::inputCommandRun, &main, showEntryWindows);
    showEntryWindows();
    names->show();
    // The cities list's frame is as much wider than its own width as the
    // names list's.
    const int citiesFrameWidth =
        GeographForm::kOpeningWidthPixels + FrameOf(*names).width - names->width();
    PlaceBelow(main, {natal, diurnal, names}, citiesFrameWidth);
}

}  // namespace

std::unique_ptr<MainForm> StartUp(Workstation& workstation, const StartUpSteps& steps) {
    Session& session = workstation.session();
    Platform& platform = workstation.platform();
    if (steps.titleWindow) {
        TitleForm title(workstation);
        title.exec();
    }
    BusyPointer busy(platform);
    // Options, settings, house system and the wheel's files; the regional
    // conventions are the platform's, asked for where a date is read.
    const StartUpFiles files = ReadStartUpFiles(session);
    for (const std::string& problem : files.problems) {
        platform.ShowMessage(problem, "Warning!", MessageIcon::Exclamation);
    }
    workstation.houseSystem = files.houseSystem;
    workstation.wheelData = files.wheelData;
    ChooseDisplay(workstation);
    // The entry records start where InputD and InputD1 open: the present
    // moment and the home place.
    FillNatalNow(workstation.natalEntry, session.options, platform);
    FillNow(workstation.diurnalEntry.fields, session.options, platform);

    auto main = std::make_unique<MainForm>(workstation);
    main->PlaceFromSettings(ScreenAreas());
    main->show();
    // The data window is made on the first report; the entry windows open
    // beside the main window and come back with the Input command.
    InstallDataForm(workstation, [&workstation](DataForm& data) {
        data.SetFontStep(workstation.displayProfile.fontStep / 2);
        // The Input command closes the data window.
        QObject::connect(&workstation, &Workstation::inputCommandRun, &data, &QWidget::close);
        QObject::connect(&data, &DataForm::newDateRequested, &data,
                         [&workstation, &data]() { NewDateForm(workstation, &data).exec(); });
    });
    OpenEntryWindows(workstation, *main);

    // The natal chart of the current entry and its wheel (when the wheel's
    // files could be read; their message has been shown).
    if (session.options(opt::NatalChartAtStart) != 0) {
        session.reports.EmptySession();
        if (workstation.ComputeChart() && files.wheelData &&
            RunWheelCommand(session, WheelKind::Natal, workstation.diurnalEntry, platform)) {
            main->ShowWheel(WheelKind::Natal);
        }
    }
    return main;
}

int RunWorkstation(const std::string& homeOption) {
    QtPlatform qtPlatform;
    Platform& platform = qtPlatform;
    Session session;
    const FolderReport folder =
        OpenProgramFolder(FolderSourcesFromEnvironment(homeOption), session.folder);
    if (!folder.failure.empty()) {
        platform.ShowMessage(folder.failure, "Error!", MessageIcon::Critical);
        return 2;
    }
    for (const std::string& note : folder.notes) {
        platform.ShowMessage(note, "Warning!", MessageIcon::Information);
    }
    Workstation workstation(session, platform);
    const std::unique_ptr<MainForm> main = StartUp(workstation, StartUpSteps{});
    qtPlatform.SetDialogParent(main.get());
    return QApplication::exec();
}

}  // namespace solvaris
