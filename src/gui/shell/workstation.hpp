// The one object around the session that every window shares: it holds the
// entry windows' records, runs the commands that several windows start, and
// announces what changed. main creates it; tests make their own.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "app/session.hpp"
#include "chart/house_system.hpp"
#include "people/entry_fields.hpp"
#include "platform/data_window.hpp"
#include "platform/platform.hpp"
#include "platform/printer.hpp"
#include "reports/data_menu.hpp"
#include "reports/ephemeris_report.hpp"

namespace solvaris {

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
    // The ephemeris pages that the data window's More menu steps through.
    EphemerisPaging ephemeris;
    // The file the data window's Save writes; empty until the first Save As.
    std::string reportSaveFile;

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

    // Both entries checked and read, every chart set computed, the natal
    // data report shown. False when a check failed (its message shown).
    bool ComputeChart();
    // A Data-menu report on the current entry: the chart computed first,
    // as the menu does.
    void RunReport(const ReportCommand& command);

    // Someone other than the entry windows changed the entry records (a
    // names-list click, Now): the entry windows show them again.
    void AnnounceEntryChanged() { Q_EMIT entryChanged(); }
    void AnnounceOptionsReloaded() { Q_EMIT optionsReloaded(); }
    void SetSecondPerson(bool on);

Q_SIGNALS:
    void entryChanged();
    void chartComputed();
    void reportShown();
    void optionsReloaded();
    void secondPersonChanged(bool on);

private:
    Session& session_;
    Platform& platform_;
    std::function<DataWindowView&()> dataWindowFactory_;
    std::unique_ptr<DataWindowView> unshownReports_;
    PrinterChooser printerChooser_;
};

}  // namespace solvaris
