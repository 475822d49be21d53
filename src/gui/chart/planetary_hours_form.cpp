#include "gui/chart/planetary_hours_form.hpp"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/common/twips_grid.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/controls/qt_text.hpp"
#include "people/entry_rules.hpp"
#include "reports/report_context.hpp"

namespace solvaris {

namespace {

constexpr int kHourRows = 12;
constexpr int kGridColumns = 4;
constexpr double kRowHeightTwips = 250;
constexpr double kColumnWidthTwips = 1000;

QLabel* AddLabel(QBoxLayout& layout, const char* name) {
    auto* label = new QLabel;
    label->setObjectName(name);
    layout.addWidget(label);
    return label;
}

}  // namespace

PlanetaryHoursForm::PlanetaryHoursForm(Workstation& workstation, const BirthData& place,
                                       std::string zoneTyped, const PlanetaryDay& day,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      place_(place),
      zoneTyped_(std::move(zoneTyped)),
      anchor_(day.anchor),
      grdOutput_(new QTableWidget(kHourRows, kGridColumns)) {
    setObjectName("PHOutput");
    setWindowTitle(QtText(kPlanetaryHoursCaption));
    auto* layout = new QVBoxLayout(this);
    dateLabel_ = AddLabel(*layout, "lblDate");
    placeLabel_ = AddLabel(*layout, "lblPlace");
    AddLabel(*layout, "lblNote")->setText(QtText(kPlanetaryHoursNote));

    grdOutput_->setObjectName("grdOutput");
    QFont courier("Courier New");
    courier.setStyleHint(QFont::TypeWriter);
    grdOutput_->setFont(courier);
    SetUpTwipsGrid(*grdOutput_, {kRowHeightTwips, kColumnWidthTwips}, workstation_.twipsPerPixel);
    layout->addWidget(grdOutput_);
    connect(grdOutput_, &QTableWidget::cellClicked, this, &PlanetaryHoursForm::grdOutput_Click);

    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    connect(AddButton(*buttons, "cmdBackward", "Backward"), &QPushButton::clicked, this,
            &PlanetaryHoursForm::cmdBackward_Click);
    connect(AddButton(*buttons, "cmdForward", "Forward"), &QPushButton::clicked, this,
            &PlanetaryHoursForm::cmdForward_Click);
    auto* quit = new QHBoxLayout;
    layout->addLayout(quit);
    connect(AddButton(*quit, "cmdSendtoOutput", "Write to Data window"), &QPushButton::clicked,
            this, &PlanetaryHoursForm::cmdSendtoOutput_Click);
    connect(AddButton(*quit, "cmdClose", "Quit"), &QPushButton::clicked, this,
            &PlanetaryHoursForm::cmdClose_Click);
    ShowDay(day);
}

void PlanetaryHoursForm::ShowDay(const PlanetaryDay& day) {
    anchor_ = day.anchor;
    dateLabel_->setText(QtText(day.dateHeading));
    placeLabel_->setText(QtText(PlaceLabel(place_, zoneTyped_)));
    for (int row = 0; row < kHourRows; ++row) {
        const HourRow& hour = day.rows[static_cast<std::size_t>(row)];
        const std::string* cells[kGridColumns] = {&hour.dayRuler, &hour.dayStart, &hour.nightRuler,
                                                  &hour.nightStart};
        for (int column = 0; column < kGridColumns; ++column) {
            grdOutput_->setItem(row, column, new QTableWidgetItem(QtText(*cells[column])));
        }
    }
}

void PlanetaryHoursForm::ComputeAndShow() {
    BusyPointer busy(workstation_.platform());
    ShowDay(ComputePlanetaryDay(workstation_.session().ChosenEphemeris(), anchor_, place_,
                                workstation_.platform()));
}

void PlanetaryHoursForm::cmdBackward_Click() {
    anchor_ = BackwardDay(anchor_);
    ComputeAndShow();
}

void PlanetaryHoursForm::cmdForward_Click() {
    anchor_ = ForwardDay(anchor_);
    ComputeAndShow();
}

void PlanetaryHoursForm::cmdSendtoOutput_Click() {
    Platform& platform = workstation_.platform();
    const Ephemeris ephemeris = workstation_.session().ChosenEphemeris();
    std::vector<std::string> lines;
    {
        BusyPointer busy(platform);
        lines = ThreeDayReport(ephemeris, anchor_, place_, platform);
    }
    ReportContext report{workstation_.session(), platform, workstation_.DataWindow()};
    report.Begin();
    for (const std::string& line : lines) {
        report.Line(line);
    }
    report.ShowComputed(ephemeris);
    Q_EMIT reportShown();
    ComputeAndShow();
}

void PlanetaryHoursForm::cmdClose_Click() { close(); }

void PlanetaryHoursForm::grdOutput_Click(int row, int column) {
    if (const QTableWidgetItem* cell = grdOutput_->item(row, column)) {
        ShowRulerKeywords(cell->text().toStdString(), workstation_.platform());
    }
}

PlanetaryHoursForm* OpenPlanetaryHoursForm(Workstation& workstation, QWidget* parent) {
    Platform& platform = workstation.platform();
    const BirthData natal = ReadNatalData(workstation.natalEntry, platform.UserDateOrder());
    std::optional<PlanetaryDay> day;
    {
        BusyPointer busy(platform);
        day = OpenPlanetaryHours(workstation.session().ChosenEphemeris(), natal, platform);
    }
    if (!day) {
        return nullptr;
    }
    auto* form = new PlanetaryHoursForm(workstation, natal, workstation.natalEntry.fields.zone,
                                        *day, parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

}  // namespace solvaris
