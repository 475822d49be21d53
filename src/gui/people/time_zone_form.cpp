#include "gui/people/time_zone_form.hpp"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/program_folder.hpp"
#include "gui/shell/workstation.hpp"

namespace solvaris {

namespace {

constexpr int kHeightPixels = 420;
// Room beside the longest line for the frame and the scroll bar.
constexpr int kBesideTextPixels = 48;

}  // namespace

TimeZoneForm::TimeZoneForm(Workstation& workstation, const PlaceFields& caller, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      caller_(caller),
      lstTimeZones_(new QListWidget(this)) {
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
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZones_);
    layout->addWidget(Command1);
    connect(lstTimeZones_, &QListWidget::itemClicked, this, &TimeZoneForm::lstTimeZones_Click);
    connect(Command1, &QPushButton::clicked, this, &TimeZoneForm::Command1_Click);

    Session& session = workstation_.session();
    zones_ = ReadTimeZones(FindInFolder(session.folder, kTimeZoneFile), workstation_.platform());
    for (const TimeZoneRecord& zone : zones_) {
        lstTimeZones_->addItem(QString::fromStdString(TimeZoneListLine(zone)));
    }
    resize(lstTimeZones_->sizeHintForColumn(0) + kBesideTextPixels, kHeightPixels);
}

void TimeZoneForm::lstTimeZones_Click(QListWidgetItem* item) {
    if (PickTimeZoneLine(item->text().toStdString(), zones_, caller_, workstation_.platform())) {
        workstation_.AnnounceEntryChanged();
    }
}

void TimeZoneForm::Command1_Click() { close(); }

TimeZoneForm& ShowTimeZoneWindow(Workstation& workstation, const PlaceFields& caller) {
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
