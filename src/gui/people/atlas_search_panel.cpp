#include "gui/people/atlas_search_panel.hpp"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/session_atlas.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/list_box.hpp"
#include "gui/people/fold_question.hpp"
#include "people/atlas_pick.hpp"
#include "people/atlas_search.hpp"
#include "people/cities_file.hpp"

namespace solvaris {

namespace {

// As many as a user scrolls through; a longer query narrows the rest.
constexpr std::size_t kPlacesListed = 200;
constexpr int kPlaceIndexRole = Qt::UserRole;

// The field hands Down and Enter to the list: the first place is picked
// and the list takes the keys from there, as a user reaches a place
// without leaving the field by hand.
class SearchField : public QLineEdit {
public:
    SearchField(std::function<bool()> toList, QWidget* parent)
        : QLineEdit(parent), toList_(std::move(toList)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) && toList_()) {
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    std::function<bool()> toList_;
};

}  // namespace

AtlasSearchPanel::AtlasSearchPanel(Workstation& workstation,
                                   std::function<void(const std::string&)> onPicked,
                                   QWidget* parent)
    : QWidget(parent),
      workstation_(workstation),
      onPicked_(std::move(onPicked)),
      lstAtlasPlaces_(new ListBox(this)),
      lblAtlasStatus_(new QLabel(this)) {
    setObjectName("AtlasSearch");
    txtAtlasSearch_ = new SearchField(
        [this]() {
            if (lstAtlasPlaces_->count() == 0) {
                return false;
            }
            lstAtlasPlaces_->setFocus();
            lstAtlasPlaces_->setCurrentRow(0);
            lstAtlasPlaces_Click(lstAtlasPlaces_->item(0));
            return true;
        },
        this);
    txtAtlasSearch_->setObjectName("txtAtlasSearch");
    txtAtlasSearch_->setPlaceholderText("World atlas: type a place (name, region, country)");
    lstAtlasPlaces_->setObjectName("lstAtlasPlaces");
    lblAtlasStatus_->setObjectName("lblAtlasStatus");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(txtAtlasSearch_);
    layout->addWidget(lstAtlasPlaces_);
    layout->addWidget(lblAtlasStatus_);
    connect(txtAtlasSearch_, &QLineEdit::textChanged, this,
            &AtlasSearchPanel::txtAtlasSearch_Change);
    connect(lstAtlasPlaces_, &QListWidget::itemClicked, this,
            &AtlasSearchPanel::lstAtlasPlaces_Click);
    connect(lstAtlasPlaces_, &QListWidget::itemActivated, this,
            &AtlasSearchPanel::lstAtlasPlaces_Click);
    lstAtlasPlaces_->SetOnKeyMove(
        [this]() { lstAtlasPlaces_Click(lstAtlasPlaces_->currentItem()); });
}

void AtlasSearchPanel::txtAtlasSearch_Change() {
    lstAtlasPlaces_->clear();
    const std::string query = txtAtlasSearch_->text().toStdString();
    if (query.find_first_not_of(" ,") == std::string::npos) {
        lblAtlasStatus_->clear();
        return;
    }
    Problem problem;
    const Atlas* atlas = SessionAtlas(workstation_.session(), problem);
    if (atlas == nullptr) {
        lblAtlasStatus_->setText(QString::fromStdString(problem));
        return;
    }
    const std::vector<const WorldPlace*> found = FindAtlasPlaces(*atlas, query, kPlacesListed);
    lstAtlasPlaces_->setUpdatesEnabled(false);
    for (const WorldPlace* place : found) {
        auto* item =
            new QListWidgetItem(QString::fromStdString(AtlasPlaceText(*atlas, *place) + "  (" +
                                                       std::to_string(place->population) + ")"),
                                lstAtlasPlaces_);
        item->setData(kPlaceIndexRole, static_cast<qulonglong>(place - atlas->places.data()));
    }
    lstAtlasPlaces_->setUpdatesEnabled(true);
    lblAtlasStatus_->setText(found.empty()                   ? "No place of the atlas matches."
                             : found.size() == kPlacesListed ? "The first 200 places: type more."
                                                             : "");
}

void AtlasSearchPanel::lstAtlasPlaces_Click(QListWidgetItem* item) {
    Problem problem;
    const Atlas* atlas = SessionAtlas(workstation_.session(), problem);
    if (item == nullptr || atlas == nullptr) {
        return;
    }
    const auto index = item->data(kPlaceIndexRole).toULongLong();
    if (index >= atlas->places.size()) {
        return;
    }
    const WorldPlace& place = atlas->places[index];
    const std::string zoneName(atlas->zones[place.zone]);
    NatalEntryWindow& natal = workstation_.natalEntry;
    DiurnalEntryWindow& diurnal = workstation_.diurnalEntry;
    const Fold fold = AskFold(workstation_.platform(), zoneName, CityPickTarget(natal, diurnal));
    const std::optional<std::string> rule =
        PickAtlasPlaceForEntry(*atlas, place, natal, diurnal, workstation_.session().options,
                               workstation_.platform(), fold);
    if (!rule) {
        return;
    }
    if (!diurnal.chk2ndPerson) {
        workstation_.session().natalZoneNote = NoteOfNatalZone(zoneName, *rule, natal);
    }
    onPicked_(AtlasPlaceText(*atlas, place) + ": " + *rule);
    workstation_.AnnounceEntryChanged();
}

}  // namespace solvaris
