#include "gui/common/workstation.hpp"

#include <QApplication>

#include "app/compute_charts.hpp"
#include "app/help_file.hpp"
#include "app/wheel_command.hpp"
#include "gui/platform/qt_printer.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/report_context.hpp"
#include "reports/text_documents.hpp"
#include "reports/transit_interpretations.hpp"

namespace solvaris {

namespace {

EphemerisHour AskEphemerisHour(Platform& platform) {
    const MessageAnswer answer = platform.ShowMessage(
        "Click on 'YES' for midnight emphemeris. Click on 'NO' for noon ephemeris.",
        "Midnight or Noon ephemeris", MessageIcon::Question, MessageButtons::YesNo);
    return answer == MessageAnswer::Yes ? EphemerisHour::Midnight : EphemerisHour::Noon;
}

}  // namespace

Workstation::Workstation(Session& session, Platform& platform, QObject* parent)
    : QObject(parent), session_(session), platform_(platform) {}

void Workstation::SetDataWindowFactory(std::function<DataWindowView&()> factory) {
    dataWindowFactory_ = std::move(factory);
}

DataWindowView& Workstation::DataWindow() {
    if (dataWindowFactory_) {
        return dataWindowFactory_();
    }
    if (!unshownReports_) {
        unshownReports_ = std::make_unique<RecordingDataWindow>();
    }
    return *unshownReports_;
}

void Workstation::SetPrinterChooser(PrinterChooser chooser) {
    printerChooser_ = std::move(chooser);
}

std::unique_ptr<Printer> Workstation::ChoosePrinter() {
    return printerChooser_ ? printerChooser_() : ChooseQtPrinter(QApplication::activeWindow());
}

bool Workstation::PrintHelp() {
    return PrintHelpFile(session_, platform_, [this] { return ChoosePrinter(); });
}

void Workstation::SetPaperChooser(PaperChooser chooser) { paperChooser_ = std::move(chooser); }

std::unique_ptr<QPrinter> Workstation::ChoosePaper(QWidget* owner) {
    return paperChooser_ ? paperChooser_() : ChooseQtPaper(owner);
}

const WheelData* Workstation::WheelFiles() {
    if (!wheelData) {
        WheelData data;
        if (const std::string problem = LoadWheelData(session_.folder, data); !problem.empty()) {
            platform_.ShowMessage(problem, "Warning!", MessageIcon::Exclamation);
            return nullptr;
        }
        wheelData = data;
    }
    return &*wheelData;
}

bool Workstation::ComputeChartSets() {
    if (!ComputeChartStore(session_, natalEntry, diurnalEntry, houseSystem, platform_)) {
        return false;
    }
    ephemeris.shown = false;
    Q_EMIT chartComputed();
    return true;
}

bool Workstation::RunWheel(WheelKind kind) {
    return ComputeChartSets() && RunWheelCommand(session_, kind, diurnalEntry, platform_);
}

bool Workstation::ComputeChart() {
    if (!ComputeCharts(session_, natalEntry, diurnalEntry, houseSystem, platform_, DataWindow())) {
        return false;
    }
    ephemeris.shown = false;
    Q_EMIT chartComputed();
    Q_EMIT reportShown();
    return true;
}

void Workstation::ActivateMainWindow() {
    if (mainWindow_ != nullptr) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
}

bool Workstation::ComputeNewChart() {
    session_.reports.EmptySession();
    return ComputeChart();
}

void Workstation::RunReport(const ReportCommand& command) {
    if (!ComputeChartSets()) {
        return;
    }
    ReportContext context{session_, platform_, DataWindow()};
    command.run(context);
    Q_EMIT reportShown();
}

std::string Workstation::NamesFile() {
    if (names.currentFile.empty()) {
        names.currentFile = session_.settings.dataFile;
    }
    return names.currentFile;
}

bool Workstation::SaveNatalPerson() {
    NamesFile();
    const bool saved = SaveCurrentPerson(natalEntry, names, platform_);
    if (!names.currentFile.empty()) {
        session_.settings.dataFile = names.currentFile;
    }
    if (saved) {
        Q_EMIT namesSaved();
    }
    return saved;
}

bool Workstation::StartEphemeris() {
    Q_EMIT entryWindowsHidden();
    const EphemerisHour hour = AskEphemerisHour(platform_);
    ReportContext context{session_, platform_, DataWindow()};
    const bool shown = solvaris::StartEphemeris(context, natalEntry, houseSystem, hour, ephemeris);
    Q_EMIT entryChanged();
    if (shown) {
        Q_EMIT ephemerisShown();
        Q_EMIT reportShown();
    }
    return shown;
}

void Workstation::ShowInterpretationsFrom(double dayNumber) {
    session_.charts.diurnalDayNumber = dayNumber;
    ReportContext context{session_, platform_, DataWindow()};
    InterpretationsNewDate(context, dayNumber);
    Q_EMIT reportShown();
}

void Workstation::ShowTimeline(const TimelineRangeWindow& window, const TimelineRange& range) {
    if (!ComputeChartSets()) {
        return;
    }
    ReportContext context{session_, platform_, DataWindow()};
    TimelineReport(context, window, range);
    Q_EMIT reportShown();
}

void Workstation::ShowDocument(std::string_view fileName) {
    ReportContext context{session_, platform_, DataWindow()};
    if (ShowTextDocument(context, fileName)) {
        Q_EMIT reportShown();
    }
}

void Workstation::SetSecondPerson(bool on) {
    diurnalEntry.chk2ndPerson = on;
    if (!on) {
        // Leaving the mode forgets the second person and turns the dual
        // transits wheel the right way out again.
        diurnalEntry.chk2ndPersonCaption = "2nd Person";
        session_.wheel.switched = false;
    }
    Q_EMIT secondPersonChanged(on);
}

}  // namespace solvaris
