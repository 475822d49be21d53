// OrbsEdit, "Edit: " and the orb file's path: the orb file in force as
// plain text. Save writes it back crash-safely and leaves the window open
// (the orbs in use change at the aspect grid's next opening); Quit closes
// without asking.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace solvaris {

class Workstation;

class OrbsEditForm : public QWidget {
    Q_OBJECT
public:
    // Opens on the session's current orb file. A file that cannot be read
    // is shown in a message, and the window then holds nothing to save.
    explicit OrbsEditForm(Workstation& workstation, QWidget* parent = nullptr);

    bool Loaded() const { return loaded_; }

    void btnSave_Click();
    void btnQuit_Click();

private:
    Workstation& workstation_;
    std::string file_;  // the file shown, whatever the orb file in force becomes
    bool loaded_ = false;
    std::optional<std::string> bytesRead_;  // the file as the editor read it
    QPlainTextEdit* txtContent_ = nullptr;
    QPushButton* btnSave_ = nullptr;
};

// The wheel window's Edit orb file: the editor shown, or null when the file
// cannot be read (the message said why). The window deletes itself when
// closed.
OrbsEditForm* OpenOrbsEdit(Workstation& workstation, QWidget* parent = nullptr);

}  // namespace solvaris
