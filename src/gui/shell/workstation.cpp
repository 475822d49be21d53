#include "gui/shell/workstation.hpp"

#include "app/compute_charts.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "reports/report_context.hpp"
#include "reports/text_documents.hpp"

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

bool Workstation::ComputeChart() {
    if (!ComputeCharts(session_, natalEntry, diurnalEntry, houseSystem, platform_, DataWindow())) {
        return false;
    }
    Q_EMIT chartComputed();
    Q_EMIT reportShown();
    return true;
}

void Workstation::RunReport(const ReportCommand& command) {
    if (!ComputeChartStore(session_, natalEntry, diurnalEntry, houseSystem, platform_)) {
        return;
    }
    Q_EMIT chartComputed();
    ReportContext context{session_, platform_, DataWindow()};
    command.run(context);
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
    Q_EMIT secondPersonChanged(on);
}

}  // namespace solvaris
