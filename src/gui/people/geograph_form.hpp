// Geograph, the cities window: the cities of the current cities file; a
// click puts the place into InputD, or into InputD1 in second-person mode.
// Change List chooses another file, Edit this List opens LongLat on it,
// "Click here for names" closes the window and asks for the names window.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "people/cities_file.hpp"

class QLabel;
class QListWidgetItem;

namespace solvaris {

class ListBox;
class Workstation;

class GeographForm : public QWidget {
    Q_OBJECT
public:
    // The window reads the current cities file at once; it is discarded
    // when closed.
    explicit GeographForm(Workstation& workstation, QWidget* parent = nullptr);

    // Its width on opening, for the room kept where it opens.
    static constexpr int kOpeningWidthPixels = 460;

Q_SIGNALS:
    // "Click here for names": whoever owns the windows opens Names.
    void namesRequested();

private:
    void LoadList();
    void CitiesOnFile_Click(QListWidgetItem* item);
    void cmdNewFileList_Click();
    void cmdEditList_Click();
    void Command1_Click();

    Workstation& workstation_;
    std::vector<CityRecord> cities_;
    CityZones zones_;
    ListBox* CitiesOnFile_;
    QLabel* lblZoneRule_;
    // The editor this window opened: raised again rather than a second
    // one, whose Save would undo the first one's.
    QPointer<QWidget> editor_;
};

}  // namespace solvaris
