// SelectFIle: the file chooser of the names, cities and orb lists. A drive
// list, the folders of the folder shown and its files matching the pattern,
// the current file preselected; Select or a double click on a file gives
// its full path, Cancel an empty one.
#pragma once

#include <QDialog>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace solvaris {

class Platform;

class SelectFileForm : public QDialog {
    Q_OBJECT
public:
    SelectFileForm(Platform& platform, std::string_view pattern, std::string_view current,
                   QWidget* parent = nullptr);

    // The chosen file's full path; empty until Select, and after Cancel.
    const std::string& ChosenPath() const { return chosen_; }

private:
    void ShowFolder(const std::filesystem::path& wanted);
    void lstDrives_Click(int index);
    void lstFolders_DblClick();
    void lstFiles_DblClick();
    void cmdSelect_Click();
    void cmdCancel_Click();

    Platform& platform_;
    std::string pattern_;
    std::string current_;
    std::filesystem::path folder_;
    std::string chosen_;
    std::vector<std::string> drives_;
    QComboBox* lstDrives_ = nullptr;
    QLabel* lblFolder_ = nullptr;
    QListWidget* lstFolders_ = nullptr;
    QListWidget* lstFiles_ = nullptr;
    QPushButton* cmdSelect_ = nullptr;
};

// The chooser shown modally: the chosen full path, empty when cancelled.
std::string ChooseWithSelectFile(Platform& platform, std::string_view pattern,
                                 std::string_view current, QWidget* parent);

}  // namespace solvaris
