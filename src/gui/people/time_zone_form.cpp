#include "gui/people/time_zone_form.hpp"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/program_folder.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/list_box.hpp"
#include "gui/people/fold_question.hpp"
#include "people/entry_zone.hpp"

namespace solvaris {

namespace {

constexpr int kHeightPixels = 640;
// Room beside the longest line for the frame and the scroll bar.
constexpr int kBesideTextPixels = 48;

}  // namespace

TimeZoneForm::TimeZoneForm(Workstation& workstation, EntryFields& caller, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      caller_(&caller),
      lstTimeZones_(new ListBox(this)),
      txtZoneSearch_(new QLineEdit(this)),
      lstZoneNames_(new ListBox(this)),
      lblZoneRule_(new QLabel(this)) {
    setObjectName("TimeZone");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Time Zones");
    lstTimeZones_->setObjectName("lstTimeZones");
    // The list lines are padded into columns.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    lstTimeZones_->setFont(fixed);
    auto* Command1 = new QPushButton("Quit", this);
    Command1->setObjectName("Command1");
    txtZoneSearch_->setObjectName("txtZoneSearch");
    txtZoneSearch_->setPlaceholderText("City or area, e.g. new york");
    lstZoneNames_->setObjectName("lstZoneNames");
    lblZoneRule_->setObjectName("lblZoneRule");
    lblZoneRule_->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZones_, 3);
    layout->addWidget(
        new QLabel("Or the zone of a place at the date and time typed (tz database):", this));
    layout->addWidget(txtZoneSearch_);
    layout->addWidget(lstZoneNames_, 2);
    layout->addWidget(lblZoneRule_);
    layout->addWidget(Command1);
    connect(lstTimeZones_, &QListWidget::itemClicked, this, &TimeZoneForm::lstTimeZones_Click);
    lstTimeZones_->SetOnKeyMove([this]() { lstTimeZones_Click(lstTimeZones_->currentItem()); });
    connect(txtZoneSearch_, &QLineEdit::textChanged, this, &TimeZoneForm::txtZoneSearch_Change);
    connect(lstZoneNames_, &QListWidget::itemClicked, this, &TimeZoneForm::lstZoneNames_Click);
    lstZoneNames_->SetOnKeyMove([this]() { lstZoneNames_Click(lstZoneNames_->currentItem()); });
    connect(Command1, &QPushButton::clicked, this, &TimeZoneForm::Command1_Click);

    Session& session = workstation_.session();
    zones_ = ReadTimeZones(FindInFolder(session.folder, kTimeZoneFile), workstation_.platform());
    for (const TimeZoneRecord& zone : zones_) {
        lstTimeZones_->addItem(QString::fromStdString(TimeZoneListLine(zone)));
    }
    txtZoneSearch_Change();
    resize(lstTimeZones_->sizeHintForColumn(0) + kBesideTextPixels, kHeightPixels);
}

void TimeZoneForm::txtZoneSearch_Change() {
    lstZoneNames_->clear();
    for (const std::string& name : ZoneNamesContaining(txtZoneSearch_->text().toStdString())) {
        lstZoneNames_->addItem(QString::fromStdString(name));
    }
}

void TimeZoneForm::lstZoneNames_Click(QListWidgetItem* item) {
    const std::string zoneName = item->text().toStdString();
    const Fold fold = AskFold(workstation_.platform(), zoneName, *caller_);
    const auto rule = PickZoneName(zoneName, *caller_, fold, workstation_.platform());
    if (rule) {
        if (caller_ == &workstation_.natalEntry.fields) {
            workstation_.session().natalZoneNote =
                NoteOfNatalZone(zoneName, *rule, workstation_.natalEntry);
        }
        lblZoneRule_->setText(QString::fromStdString(*rule));
        workstation_.AnnounceEntryChanged();
    }
}

void TimeZoneForm::lstTimeZones_Click(QListWidgetItem* item) {
    if (PickTimeZoneLine(item->text().toStdString(), zones_, *caller_, workstation_.platform())) {
        workstation_.AnnounceEntryChanged();
    }
}

void TimeZoneForm::Command1_Click() { close(); }

TimeZoneForm& ShowTimeZoneWindow(Workstation& workstation, EntryFields& caller) {
    TimeZoneForm* form = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // A closed window is hidden until it is discarded: not reused.
        auto* open = qobject_cast<TimeZoneForm*>(window);
        if (open != nullptr && open->isVisible() && &open->workstation() == &workstation) {
            form = open;
        }
    }
    if (form == nullptr) {
        form = new TimeZoneForm(workstation, caller);
        // It points into the workstation's entry records: it goes with them.
        QObject::connect(&workstation, &QObject::destroyed, form, [form] { delete form; });
    }
    form->SetCaller(caller);
    form->show();
    form->raise();
    form->activateWindow();
    return *form;
}

}  // namespace solvaris
