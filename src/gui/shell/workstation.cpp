#include "gui/shell/workstation.hpp"

#include <QApplication>

#include "app/compute_charts.hpp"
#include "app/text_documents.hpp"
#include "gui/platform/qt_printer.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

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

bool Workstation::ComputeChart() {
    if (!ComputeCharts(session_, natalEntry, diurnalEntry, houseSystem, platform_, DataWindow())) {
        return false;
    }
    ephemeris.shown = false;
    Q_EMIT chartComputed();
    Q_EMIT reportShown();
    return true;
}

void Workstation::RunReport(const ReportCommand& command) {
    if (!ComputeChartStore(session_, natalEntry, diurnalEntry, houseSystem, platform_)) {
        return;
    }
    ephemeris.shown = false;
    Q_EMIT chartComputed();
    ReportContext context{session_, platform_, DataWindow()};
    command.run(context);
    Q_EMIT reportShown();
}

void Workstation::SetSecondPerson(bool on) {
    diurnalEntry.chk2ndPerson = on;
    Q_EMIT secondPersonChanged(on);
}

}  // namespace solvaris
