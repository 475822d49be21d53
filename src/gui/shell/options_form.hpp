// Options, "Edit: OPTIONS.OPT": the options file as plain text. Save writes
// it back crash-safely and reloads the option table; Restore default copies
// the master file over it; Quit closes without asking.
#pragma once

#include <QWidget>

#include "app/options_window.hpp"

class QPlainTextEdit;

namespace solvaris {

class Workstation;

class OptionsForm : public QWidget {
    Q_OBJECT
public:
    OptionsForm(Workstation& workstation, OptionsWindow content, QWidget* parent = nullptr);

    void btnSave_Click();
    void cmdRestoreDefault_Click();
    void btnQuit_Click();

private:
    void ShowContent();
    void TakeContent();

    Workstation& workstation_;
    OptionsWindow content_;
    QPlainTextEdit* txtContent_ = nullptr;
};

// The main menu's Options: the window over OPTIONS.OPT, or "File Not Found"
// and nothing when the file cannot be read. The window deletes itself when
// closed.
OptionsForm* OpenOptionsForm(Workstation& workstation, QWidget* parent = nullptr);

}  // namespace solvaris
