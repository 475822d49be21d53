// The one object around the session that every window shares: it holds the
// entry windows' records, runs the commands that several windows start, and
// announces what changed. main creates it; tests make their own.
#pragma once

#include <QObject>
#include <QPointer>
#include <QPrinter>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "app/display_profile.hpp"
#include "app/session.hpp"
#include "chart/chart_kinds.hpp"
#include "chart/house_system.hpp"
#include "people/entry_fields.hpp"
#include "people/names_save.hpp"
#include "platform/data_window.hpp"
#include "platform/platform.hpp"
#include "platform/printer.hpp"
#include "reports/data_menu.hpp"
#include "reports/ephemeris_report.hpp"
#include "reports/timeline_report.hpp"
#include "wheel/wheel_data.hpp"

namespace solvaris {

// Asks the user for a page to paint on (the print dialog); null when
// cancelled.
using PaperChooser = std::function<std::unique_ptr<QPrinter>()>;

class Workstation : public QObject {
    Q_OBJECT
public:
    Workstation(Session& session, Platform& platform, QObject* parent = nullptr);

    Session& session() { return session_; }
    Platform& platform() { return platform_; }

    // What InputD and InputD1 show; the entry windows write every edit here
    // at once, so a command started anywhere reads the current entry.
    NatalEntryWindow natalEntry;
    DiurnalEntryWindow diurnalEntry;
    HouseSystem houseSystem = HouseSystem::Placidus;
    // The names file in use; empty until first needed, then the settings'
    // names file.
    NamesWindowState names;
    // The ephemeris pages the data window steps through; a chart
    // computation ends them.
    EphemerisPaging ephemeris;
    // Chosen at start-up from the screen the main window stands on.
    DisplayProfile displayProfile;
    double twipsPerPixel = 15;
    // The kinds the Transit Timeline window had ticked when last open: the
    // next opening in this session starts from them.
    TimelineKinds timelineKinds;
    // The file the data window's Save writes; empty until the first Save As.
    std::string reportSaveFile;
    // HCDATA.DAT and RADIUS.DAT as start-up read them.
    std::optional<WheelData> wheelData;

    // The data window is created on first use by whoever owns the windows;
    // until a factory is installed the reports go to an invisible recorder.
    void SetDataWindowFactory(std::function<DataWindowView&()> factory);
    DataWindowView& DataWindow();

    // The printer every print command asks for: the print dialog unless
    // another chooser is installed (tests install a recording printer).
    void SetPrinterChooser(PrinterChooser chooser);
    std::unique_ptr<Printer> ChoosePrinter();
    // Help > Print Help Files: the help file on the printer the user chooses.
    bool PrintHelp();
    // The page the chart wheel is painted on: the print dialog over
    // `owner` unless another chooser is installed (tests install a PDF
    // file).
    void SetPaperChooser(PaperChooser chooser);
    std::unique_ptr<QPrinter> ChoosePaper(QWidget* owner);
    // The wheel's data files as start-up read them; read now when start-up
    // could not (the message shown again and null while they still fail).
    const WheelData* WheelFiles();

    // Both entries checked and read, every chart set computed, the natal
    // data report shown. False when a check failed (its message shown).
    bool ComputeChart();
    // InputD's OK, which Enter in either entry window runs too: the report
    // buffer emptied, then ComputeChart.
    bool ComputeNewChart();
    // A Data-menu report on the current entry: the chart computed first,
    // as the menu does.
    void RunReport(const ReportCommand& command);
    // A Wheels-menu item on the current entry: the chart computed first, as
    // the Data menu does, then the wheel of that kind prepared. False when
    // a check or the preparation failed (its message shown).
    bool RunWheel(WheelKind kind);
    // The names file in use: the settings' one until another is chosen.
    std::string NamesFile();
    // Save to disk: the natal entry into the names file, which the settings
    // then remember; the names list then reloads. False when refused or
    // failed (the reason shown).
    bool SaveNatalPerson();
    // The Ephemeris button: the entry windows hidden, midnight or noon
    // asked, the first page shown and the preset left in the natal entry.
    bool StartEphemeris();
    // New Date: the transit interpretations from that day on.
    void ShowInterpretationsFrom(double dayNumber);
    // Data > Transit timeline: the charts computed afresh from the entry
    // windows, then the timeline of the range in the data window.
    void ShowTimeline(const TimelineRangeWindow& window, const TimelineRange& range);
    // A help or philosophy document of the program folder in the data
    // window (the main menu, the data window and the wheel window ask).
    void ShowDocument(std::string_view fileName);

    // The main window, which Escape and the right button in the wheel and
    // data windows bring up wherever it stands.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    void ActivateMainWindow();

    // Someone other than the entry windows changed the entry records (a
    // names-list click, Now): the entry windows show them again.
    void AnnounceEntryChanged() { Q_EMIT entryChanged(); }
    void AnnounceOptionsReloaded() { Q_EMIT optionsReloaded(); }
    void SetSecondPerson(bool on);
    // The ephemeris report was shown: the main menu hides Data and Wheels
    // until the next chart.
    void AnnounceEphemerisShown() { Q_EMIT ephemerisShown(); }
    // The Input command: the entry windows come up, the data window closes.
    void AnnounceInputCommand() { Q_EMIT inputCommandRun(); }

Q_SIGNALS:
    void entryChanged();
    void chartComputed();
    void reportShown();
    void optionsReloaded();
    void secondPersonChanged(bool on);
    void entryWindowsHidden();
    void ephemerisShown();
    void inputCommandRun();
    // A person was saved: the names list shows the file again.
    void namesSaved();

private:
    QPointer<QWidget> mainWindow_;
    // Both entries checked and every chart set computed, without a report
    // (a Data-menu report or a wheel follows). False when a check failed.
    bool ComputeChartSets();

    Session& session_;
    Platform& platform_;
    std::function<DataWindowView&()> dataWindowFactory_;
    std::unique_ptr<DataWindowView> unshownReports_;
    PrinterChooser printerChooser_;
    PaperChooser paperChooser_;
};

}  // namespace solvaris
