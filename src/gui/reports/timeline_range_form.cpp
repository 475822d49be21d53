#include "gui/reports/timeline_range_form.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/workstation.hpp"
#include "gui/entry/entry_controls.hpp"

namespace solvaris {

TimelineRangeForm::TimelineRangeForm(Workstation& workstation, QWidget* parent)
    : QDialog(parent),
      workstation_(workstation),
      entry_(TimelineRangeFieldsOf(workstation.session().charts.diurnalDayNumber,
                                   workstation.platform().Now())) {
    setObjectName("TimelineRange");
    setWindowTitle("Transit Timeline");
    auto* grid = new QGridLayout(this);
    const struct {
        const char* name;
        const char* caption;
        std::string TimelineRangeWindow::*member;
        int widthChars;
    } fields[] = {{"txtFromMonth", "From Month", &TimelineRangeWindow::txtFromMonth, 2},
                  {"txtFromDay", "From Day", &TimelineRangeWindow::txtFromDay, 2},
                  {"txtFromYear", "From Year", &TimelineRangeWindow::txtFromYear, 4},
                  {"txtToMonth", "To Month", &TimelineRangeWindow::txtToMonth, 2},
                  {"txtToDay", "To Day", &TimelineRangeWindow::txtToDay, 2},
                  {"txtToYear", "To Year", &TimelineRangeWindow::txtToYear, 4}};
    int row = 0;
    for (const auto& f : fields) {
        // The two dates side by side: From in the left pair of columns.
        const bool to = row >= 3;
        QLineEdit* field =
            AddEntryField(*grid, f.name, f.caption, row % 3, to ? 2 : 0, f.widthChars);
        field->setText(QString::fromStdString(entry_.*f.member));
        connect(field, &QLineEdit::textEdited, this,
                [this, member = f.member](const QString& text) {
                    entry_.*member = text.toStdString();
                });
        ++row;
    }
    const struct {
        const char* name;
        const char* caption;
        bool TimelineRangeWindow::*member;
    } checks[] = {
        {"chkTransits", "&Transits, stations, ingresses", &TimelineRangeWindow::chkTransits},
        {"chkMoon", "Transiting &Moon", &TimelineRangeWindow::chkMoon},
        {"chkProgressions", "&Progressions", &TimelineRangeWindow::chkProgressions},
        {"chkDirections", "Solar &arc", &TimelineRangeWindow::chkDirections}};
    int index = 0;
    for (const auto& c : checks) {
        auto* box = new QCheckBox(c.caption);
        box->setObjectName(c.name);
        box->setChecked(entry_.*c.member);
        connect(box, &QCheckBox::toggled, this,
                [this, member = c.member](bool on) { entry_.*member = on; });
        grid->addWidget(box, 3 + index / 2, (index % 2) * 2, 1, 2);
        ++index;
    }
    auto* cmdOK = new QPushButton("OK");
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    grid->addWidget(cmdOK, 5, 0, 1, 4);
    connect(cmdOK, &QPushButton::clicked, this, &TimelineRangeForm::cmdOK_Click);
}

void TimelineRangeForm::cmdOK_Click() {
    const auto range = TimelineRangeOf(entry_, workstation_.platform());
    if (!range) {
        return;
    }
    accept();
    workstation_.ShowTimeline(entry_, *range);
}

void TimelineRangeForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    PaintTwoToneBorders(*this);
}

}  // namespace solvaris
