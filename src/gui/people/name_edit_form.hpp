// NameEdit: the current names file as plain text. Save writes it back
// crash-safely (a failed save says so and the text stays in the window);
// Quit closes the editor and the names list is read again.
#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "base/editor_text.hpp"

class QPlainTextEdit;

namespace solvaris {

class Workstation;

class NameEditForm : public QWidget {
    Q_OBJECT
public:
    // `loaded`: the file's lines, each followed by a line break, and its
    // bytes as read (none for a file not there yet).
    NameEditForm(Workstation& workstation, std::string file, EditorFile loaded,
                 QWidget* parent = nullptr);

Q_SIGNALS:
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void btnSave_Click();

    Workstation& workstation_;
    std::string file_;
    std::optional<std::string> bytesRead_;
    QPlainTextEdit* txtContent_ = nullptr;
};

// The editor on the current names file, shown by the caller; an empty one
// when the file is not there yet. Null, with a message, when the file
// cannot be read.
NameEditForm* OpenNameEdit(Workstation& workstation, QWidget* parent);

}  // namespace solvaris
