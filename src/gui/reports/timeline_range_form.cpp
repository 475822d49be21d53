#include "gui/reports/timeline_range_form.hpp"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
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
    entry_.kinds = workstation_.timelineKinds;
    setObjectName("TimelineRange");
    setWindowTitle("Transit Timeline");
    auto* grid = new QGridLayout(this);
    AddDateFields(*grid);
    AddKindBoxes(*grid);
    // As the command line's flags read.
    auto* lblKinds = new QLabel(
        "With none of Transits, Progressions and Solar arc ticked, "
        "all three are shown.");
    lblKinds->setObjectName("lblKinds");
    lblKinds->setWordWrap(true);
    grid->addWidget(lblKinds, 5, 0, 1, 4);
    auto* cmdOK = new QPushButton("OK");
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    grid->addWidget(cmdOK, 6, 0, 1, 4);
    connect(cmdOK, &QPushButton::clicked, this, &TimelineRangeForm::cmdOK_Click);
}

void TimelineRangeForm::AddDateFields(QGridLayout& grid) {
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
            AddEntryField(grid, f.name, f.caption, row % 3, to ? 2 : 0, f.widthChars);
        field->setText(QString::fromStdString(entry_.*f.member));
        connect(field, &QLineEdit::textEdited, this,
                [this, member = f.member](const QString& text) {
                    entry_.*member = text.toStdString();
                });
        ++row;
    }
}

void TimelineRangeForm::AddKindBoxes(QGridLayout& grid) {
    const struct {
        const char* name;
        const char* caption;
        bool TimelineKinds::*member;
    } checks[] = {{"chkTransits", "&Transits, stations, ingresses", &TimelineKinds::transits},
                  {"chkMoon", "Transiting &Moon", &TimelineKinds::moon},
                  {"chkProgressions", "&Progressions", &TimelineKinds::progressions},
                  {"chkDirections", "Solar &arc", &TimelineKinds::directions}};
    int index = 0;
    for (const auto& c : checks) {
        auto* box = new QCheckBox(c.caption);
        box->setObjectName(c.name);
        box->setChecked(entry_.kinds.*c.member);
        // The next opening in this session starts from the boxes as left.
        connect(box, &QCheckBox::toggled, this, [this, member = c.member](bool on) {
            entry_.kinds.*member = on;
            workstation_.timelineKinds = entry_.kinds;
        });
        grid.addWidget(box, 3 + index / 2, (index % 2) * 2, 1, 2);
        ++index;
    }
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
