#include "gui/people/geograph_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/program_folder.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/list_box.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/people/atlas_search_panel.hpp"
#include "gui/people/fold_question.hpp"
#include "gui/people/long_lat_form.hpp"
#include "people/cities_editor.hpp"
#include "people/entry_zone.hpp"

namespace solvaris {

namespace {

constexpr int kHeightPixels = 640;

std::filesystem::path CitiesFile(Workstation& workstation) {
    const Session& session = workstation.session();
    return CurrentCitiesFile(session.settings.geoDataFile, session.folder);
}

}  // namespace

GeographForm::GeographForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      CitiesOnFile_(new ListBox(this)),
      lblZoneRule_(new QLabel(this)) {
    setObjectName("Geograph");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Cities");
    CitiesOnFile_->setObjectName("CitiesOnFile");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CitiesOnFile_);
    // The rule of the zone filled from the tz database at the last click.
    lblZoneRule_->setObjectName("lblZoneRule");
    lblZoneRule_->setWordWrap(true);
    layout->addWidget(lblZoneRule_);
    layout->addWidget(new AtlasSearchPanel(
        workstation_,
        [this](const std::string& rule) { lblZoneRule_->setText(QString::fromStdString(rule)); },
        this));
    auto* listButtons = new QHBoxLayout;
    layout->addLayout(listButtons);
    QPushButton* cmdNewFileList = AddButton(*listButtons, "cmdNewFileList", "Change List");
    QPushButton* cmdEditList = AddButton(*listButtons, "cmdEditList", "Edit this List");
    QPushButton* Command1 = AddButton(*layout, "Command1", "Click here for names");
    connect(CitiesOnFile_, &QListWidget::itemClicked, this, &GeographForm::CitiesOnFile_Click);
    CitiesOnFile_->SetOnKeyMove([this]() { CitiesOnFile_Click(CitiesOnFile_->currentItem()); });
    connect(cmdNewFileList, &QPushButton::clicked, this, &GeographForm::cmdNewFileList_Click);
    connect(cmdEditList, &QPushButton::clicked, this, &GeographForm::cmdEditList_Click);
    connect(Command1, &QPushButton::clicked, this, &GeographForm::Command1_Click);
    resize(kOpeningWidthPixels, kHeightPixels);
    LoadList();
}

void GeographForm::LoadList() {
    cities_ = ReadCitiesList(CitiesFile(workstation_), workstation_.platform());
    zones_ = ReadCityZones(FindInFolder(workstation_.session().folder, kCityZonesFile));
    QStringList lines;
    for (const CityRecord& city : cities_) {
        lines.append(QString::fromStdString(CityListText(city)));
    }
    // One redraw for the whole list.
    CitiesOnFile_->setUpdatesEnabled(false);
    CitiesOnFile_->clear();
    CitiesOnFile_->addItems(lines);
    CitiesOnFile_->setUpdatesEnabled(true);
}

void GeographForm::CitiesOnFile_Click(QListWidgetItem* item) {
    const CityRecord* city = CityOfListText(cities_, item->text().toStdString());
    if (city == nullptr) {
        return;
    }
    // A record that fails part way has filled some fields: shown either way.
    std::string zoneRule;
    Fold fold = Fold::Earlier;
    const auto zoneName = ZoneNameOfCity(zones_, city->city, city->region);
    if (zoneName) {
        fold = AskFold(workstation_.platform(), *zoneName,
                       CityPickTarget(workstation_.natalEntry, workstation_.diurnalEntry));
    }
    PickCityRecord(*city, workstation_.natalEntry, workstation_.diurnalEntry,
                   workstation_.session().options, workstation_.platform(), zones_, fold,
                   &zoneRule);
    if (zoneName && !zoneRule.empty() && !workstation_.diurnalEntry.chk2ndPerson) {
        workstation_.session().natalZoneNote =
            NoteOfNatalZone(*zoneName, zoneRule, workstation_.natalEntry);
    }
    lblZoneRule_->setText(QString::fromStdString(zoneRule));
    workstation_.AnnounceEntryChanged();
}

void GeographForm::cmdNewFileList_Click() {
    const std::string chosen =
        workstation_.platform().ChooseFile("*.LL", CitiesFile(workstation_).string());
    if (chosen.empty()) {
        return;
    }
    workstation_.session().settings.geoDataFile = chosen;
    LoadList();
}

void GeographForm::cmdEditList_Click() {
    if (editor_ && editor_->isVisible()) {
        editor_->raise();
        editor_->activateWindow();
        return;
    }
    auto editor = OpenCitiesEditor(CitiesFile(workstation_), workstation_.platform());
    if (!editor) {
        return;
    }
    auto* form = new LongLatForm(workstation_, std::move(*editor));
    // The list shows the file as the editor leaves it.
    connect(form, &QObject::destroyed, this, &GeographForm::LoadList);
    editor_ = form;
    form->show();
}

void GeographForm::Command1_Click() {
    close();
    Q_EMIT namesRequested();
}

}  // namespace solvaris
