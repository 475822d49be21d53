#include "gui/entry/new_date_form.hpp"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "gui/common/workstation.hpp"
#include "gui/entry/entry_controls.hpp"

namespace solvaris {

NewDateForm::NewDateForm(Workstation& workstation, QWidget* parent)
    : QDialog(parent),
      workstation_(workstation),
      entry_(NewDateFieldsOf(workstation.session().charts.diurnalDayNumber)) {
    setObjectName("NewDate");
    setWindowTitle("New Transit Date");
    auto* grid = new QGridLayout(this);
    const struct {
        const char* name;
        const char* caption;
        std::string NewDateWindow::*member;
        int widthChars;
    } fields[] = {{"txtMonth", "Transit Month", &NewDateWindow::txtMonth, 2},
                  {"txtDay", "Transit Day", &NewDateWindow::txtDay, 2},
                  {"txtYear", "Transit Year", &NewDateWindow::txtYear, 4}};
    int row = 0;
    for (const auto& f : fields) {
        QLineEdit* field = AddEntryField(*grid, f.name, f.caption, row++, 0, f.widthChars);
        field->setText(QString::fromStdString(entry_.*f.member));
        connect(field, &QLineEdit::textEdited, this,
                [this, member = f.member](const QString& text) {
                    entry_.*member = text.toStdString();
                });
    }
    auto* cmdOK = new QPushButton("OK");
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    grid->addWidget(cmdOK, row, 0, 1, 2);
    connect(cmdOK, &QPushButton::clicked, this, &NewDateForm::cmdOK_Click);
}

void NewDateForm::cmdOK_Click() {
    const auto dayNumber = NewDateDayNumber(entry_, workstation_.platform());
    if (!dayNumber) {
        return;
    }
    accept();
    workstation_.ShowInterpretationsFrom(*dayNumber);
}

void NewDateForm::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    PaintTwoToneBorders(*this);
}

}  // namespace solvaris
