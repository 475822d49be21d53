// The world atlas in the cities window: a search field whose every
// keystroke lists the places that match (name, region, country and
// population, the most populous first) and a list in which a click, the
// arrow keys or Enter picks a place into the entry window as a city is
// picked. Typing only lists: no place is picked, and no question asked,
// until the list is used.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

class QLineEdit;
class QLabel;
class QListWidgetItem;

namespace solvaris {

class ListBox;
class Workstation;
struct Atlas;

class AtlasSearchPanel : public QWidget {
public:
    // `onPicked` gets the rule line of the zone filled.
    AtlasSearchPanel(Workstation& workstation, std::function<void(const std::string&)> onPicked,
                     QWidget* parent);

private:
    void txtAtlasSearch_Change();
    void lstAtlasPlaces_Click(QListWidgetItem* item);

    Workstation& workstation_;
    std::function<void(const std::string&)> onPicked_;
    QLineEdit* txtAtlasSearch_;
    ListBox* lstAtlasPlaces_;
    QLabel* lblAtlasStatus_;
};

}  // namespace solvaris
