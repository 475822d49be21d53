#include "gui/platform/select_file_form.hpp"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>

#include "gui/controls/qt_text.hpp"
#include "people/file_choice.hpp"
#include "platform/platform.hpp"

namespace solvaris {

namespace {

// The entry that leads up to the folder above, as file lists show it.
constexpr const char* kFolderAbove = "..";

std::vector<std::string> MountPoints() {
    std::vector<std::string> mounts;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady()) {
            mounts.push_back(volume.rootPath().toStdString());
        }
    }
    return mounts;
}

// Absolute, without "." or ".." parts and without a trailing separator.
std::filesystem::path CleanFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::path clean = std::filesystem::absolute(folder, ec).lexically_normal();
    if (clean.has_relative_path() && clean.filename().empty()) {
        clean = clean.parent_path();
    }
    return clean;
}

}  // namespace

SelectFileForm::SelectFileForm(Platform& platform, std::string_view pattern,
                               std::string_view current, QWidget* parent)
    : QDialog(parent), platform_(platform), pattern_(pattern), current_(current) {
    setObjectName("SelectFIle");
    setWindowTitle("Select File  " + QtText(pattern));
    auto* grid = new QGridLayout(this);
    lstDrives_ = new QComboBox;
    lstDrives_->setObjectName("lstDrives");
    drives_ = DriveRoots(MountPoints());
    for (const std::string& root : drives_) {
        lstDrives_->addItem(QString::fromStdString(root));
    }
    lblFolder_ = new QLabel;
    lblFolder_->setObjectName("lblFolder");
    lstFolders_ = new QListWidget;
    lstFolders_->setObjectName("lstFolders");
    lstFiles_ = new QListWidget;
    lstFiles_->setObjectName("lstFiles");
    grid->addWidget(lstDrives_, 0, 0);
    grid->addWidget(new QLabel("Files: " + QtText(pattern)), 0, 1);
    grid->addWidget(lblFolder_, 1, 0);
    grid->addWidget(lstFolders_, 2, 0);
    grid->addWidget(lstFiles_, 1, 1, 2, 1);
    auto* row = new QHBoxLayout;
    grid->addLayout(row, 3, 0, 1, 2);
    cmdSelect_ = new QPushButton("Select");
    cmdSelect_->setObjectName("cmdSelect");
    cmdSelect_->setDefault(true);
    auto* cmdCancel = new QPushButton("Cancel");
    cmdCancel->setObjectName("cmdCancel");
    row->addStretch();
    row->addWidget(cmdSelect_);
    row->addWidget(cmdCancel);

    connect(lstDrives_, &QComboBox::activated, this, &SelectFileForm::lstDrives_Click);
    connect(lstFolders_, &QListWidget::itemDoubleClicked, this,
            &SelectFileForm::lstFolders_DblClick);
    connect(lstFiles_, &QListWidget::itemDoubleClicked, this, &SelectFileForm::lstFiles_DblClick);
    connect(lstFiles_, &QListWidget::currentRowChanged, this,
            [this](int row) { cmdSelect_->setEnabled(row >= 0); });
    connect(cmdSelect_, &QPushButton::clicked, this, &SelectFileForm::cmdSelect_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &SelectFileForm::cmdCancel_Click);

    ShowFolder(StartFolder(current_, QDir::homePath().toStdString()));
    resize(560, 360);
}

void SelectFileForm::ShowFolder(const std::filesystem::path& wanted) {
    const std::filesystem::path folder = CleanFolder(wanted);
    const FolderListing listing = ListFolder(folder, pattern_);
    if (!listing.readable) {
        platform_.ShowMessage("The folder " + folder.string() + " cannot be read.", "Warning!",
                              MessageIcon::Exclamation);
        if (!folder_.empty()) {
            return;  // the folder shown before stays
        }
    }
    folder_ = folder;
    lblFolder_->setText(QString::fromStdString(folder_.string()));
    lstDrives_->setCurrentIndex(DriveOf(drives_, folder_));
    lstFolders_->clear();
    if (folder_.has_relative_path()) {
        lstFolders_->addItem(kFolderAbove);
    }
    for (const std::string& name : listing.folders) {
        lstFolders_->addItem(QString::fromStdString(name));
    }
    lstFiles_->clear();
    for (const std::string& name : listing.files) {
        lstFiles_->addItem(QString::fromStdString(name));
    }
    lstFiles_->setCurrentRow(PreselectedFile(listing.files, current_));
    cmdSelect_->setEnabled(lstFiles_->currentRow() >= 0);
}

void SelectFileForm::lstDrives_Click(int index) {
    ShowFolder(lstDrives_->itemText(index).toStdString());
}

void SelectFileForm::lstFolders_DblClick() {
    const QListWidgetItem* item = lstFolders_->currentItem();
    if (item == nullptr) {
        return;
    }
    const std::string name = item->text().toStdString();
    ShowFolder(name == kFolderAbove ? folder_.parent_path() : folder_ / name);
}

void SelectFileForm::lstFiles_DblClick() { cmdSelect_Click(); }

void SelectFileForm::cmdSelect_Click() {
    const QListWidgetItem* item = lstFiles_->currentItem();
    if (item == nullptr) {
        return;
    }
    chosen_ = (folder_ / item->text().toStdString()).string();
    accept();
}

void SelectFileForm::cmdCancel_Click() {
    chosen_.clear();
    reject();
}

std::string ChooseWithSelectFile(Platform& platform, std::string_view pattern,
                                 std::string_view current, QWidget* parent) {
    SelectFileForm chooser(platform, pattern, current, parent);
    chooser.exec();
    return chooser.ChosenPath();
}

}  // namespace solvaris
