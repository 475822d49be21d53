// Names: the persons of the current names file. A click puts a person into
// the natal entry (or, in second-person mode, the diurnal entry), a double
// click also computes the chart; the list can be switched, edited, and
// left for the cities window.
#pragma once

#include <QWidget>
#include <vector>

#include "people/names_file.hpp"

class QCheckBox;

namespace solvaris {

class ListBox;
class Workstation;

class NamesForm : public QWidget {
    Q_OBJECT
public:
    explicit NamesForm(Workstation& workstation, QWidget* parent = nullptr);

    // The current names file read again into the list, the remembered
    // entry selected when the list is locked or a person was just saved.
    void LoadList();

Q_SIGNALS:
    // "Click here for cities": the names window has closed.
    void citiesRequested();

private:
    bool NamesOnFile_Click();
    void NamesOnFile_DblClick();
    void Check1_Click(bool checked);
    void cmdNewFileList_Click();
    void cmdEditList_Click();
    void Command1_Click();

    Workstation& workstation_;
    std::vector<NameRecord> records_;
    ListBox* namesOnFile_ = nullptr;
    QCheckBox* check1_ = nullptr;
};

}  // namespace solvaris
