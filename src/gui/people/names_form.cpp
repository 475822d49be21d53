#include "gui/people/names_form.hpp"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/common/workstation.hpp"
#include "gui/controls/list_box.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/people/name_edit_form.hpp"
#include "people/names_save.hpp"

namespace solvaris {

NamesForm::NamesForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation) {
    setObjectName("Names");
    setWindowTitle("Names");
    auto* column = new QVBoxLayout(this);
    namesOnFile_ = new ListBox;
    namesOnFile_->SetOnKeyMove([this]() { NamesOnFile_Click(); });
    namesOnFile_->setObjectName("NamesOnFile");
    namesOnFile_->setUniformItemSizes(true);
    column->addWidget(namesOnFile_);
    check1_ = new QCheckBox("Lock list");
    check1_->setObjectName("Check1");
    check1_->setChecked(workstation_.names.lockList);
    column->addWidget(check1_);
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    QPushButton* cmdNewFileList = AddButton(*row, "cmdNewFileList", "Change List");
    QPushButton* cmdEditList = AddButton(*row, "cmdEditList", "Edit this List");
    QPushButton* command1 = AddButton(*column, "Command1", "Click here for cities");

    connect(namesOnFile_, &QListWidget::itemClicked, this, &NamesForm::NamesOnFile_Click);
    connect(namesOnFile_, &QListWidget::itemDoubleClicked, this, &NamesForm::NamesOnFile_DblClick);
    connect(check1_, &QCheckBox::clicked, this, &NamesForm::Check1_Click);
    connect(cmdNewFileList, &QPushButton::clicked, this, &NamesForm::cmdNewFileList_Click);
    connect(cmdEditList, &QPushButton::clicked, this, &NamesForm::cmdEditList_Click);
    connect(command1, &QPushButton::clicked, this, &NamesForm::Command1_Click);
    connect(&workstation_, &Workstation::namesSaved, this, &NamesForm::LoadList);
    connect(&workstation_, &Workstation::entryWindowsHidden, this, &QWidget::hide);

    LoadList();
}

void NamesForm::LoadList() {
    records_ = ReadNamesList(workstation_.NamesFile(), workstation_.platform());
    QStringList names;
    names.reserve(static_cast<qsizetype>(records_.size()));
    for (const NameRecord& record : records_) {
        names.append(QString::fromStdString(record.name));
    }
    namesOnFile_->clear();
    namesOnFile_->addItems(names);
    const ListSelection selection =
        SelectAfterLoad(workstation_.names, static_cast<int>(records_.size()));
    if (selection.selected >= 0) {
        namesOnFile_->setCurrentRow(selection.selected);
        namesOnFile_->scrollToItem(namesOnFile_->item(selection.top),
                                   QAbstractItemView::PositionAtTop);
        // A short window still shows the selection, fewer entries above it.
        namesOnFile_->scrollToItem(namesOnFile_->item(selection.selected));
    }
}

bool NamesForm::NamesOnFile_Click() {
    const QListWidgetItem* item = namesOnFile_->currentItem();
    if (item == nullptr) {
        return false;
    }
    const NameRecord* record = RecordNamed(records_, item->text().toStdString());
    if (record == nullptr) {
        return false;
    }
    Session& session = workstation_.session();
    const bool filled = PickNameRecord(*record, workstation_.natalEntry, workstation_.diurnalEntry,
                                       session.options, workstation_.platform());
    if (workstation_.names.lockList) {
        workstation_.names.rememberedIndex = namesOnFile_->currentRow();
    }
    workstation_.AnnounceEntryChanged();
    return filled;
}

void NamesForm::NamesOnFile_DblClick() {
    if (NamesOnFile_Click()) {
        workstation_.ComputeChart();
    }
}

void NamesForm::Check1_Click(bool checked) { workstation_.names.lockList = checked; }

void NamesForm::cmdNewFileList_Click() {
    workstation_.NamesFile();
    if (ChangeNamesList(workstation_.names, workstation_.platform())) {
        workstation_.session().settings.dataFile = workstation_.names.currentFile;
        LoadList();
    }
}

void NamesForm::cmdEditList_Click() {
    // One editor at a time, so that two texts never race for one file.
    for (NameEditForm* open : findChildren<NameEditForm*>()) {
        if (open->isVisible()) {  // a closed one is on its way out
            open->raise();
            open->activateWindow();
            return;
        }
    }
    NameEditForm* editor = OpenNameEdit(workstation_, this);
    if (editor != nullptr) {
        connect(editor, &NameEditForm::closed, this, &NamesForm::LoadList);
        editor->show();
    }
}

void NamesForm::Command1_Click() {
    close();
    Q_EMIT citiesRequested();
}

}  // namespace solvaris
