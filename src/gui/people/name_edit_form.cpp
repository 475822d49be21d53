#include "gui/people/name_edit_form.hpp"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

#include "base/editor_text.hpp"
#include "base/text_lines.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/controls/text_file_box.hpp"
#include "people/names_file.hpp"

namespace solvaris {

NameEditForm::NameEditForm(Workstation& workstation, std::string file, EditorFile loaded,
                           QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      file_(std::move(file)),
      bytesRead_(std::move(loaded.bytesRead)) {
    setObjectName("NameEdit");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString("Edit: " + file_));
    const TextFileBox box = AddTextFileBox(*this, loaded.text);
    txtContent_ = box.txtContent;
    auto* hint = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.");
    hint->setObjectName("lblHint");
    box.column->insertWidget(0, hint);
    QPushButton* btnSave = AddButton(*box.buttons, "btnSave", "Save");
    QPushButton* btnQuit = AddButton(*box.buttons, "btnQuit", "Quit");
    connect(btnSave, &QPushButton::clicked, this, &NameEditForm::btnSave_Click);
    connect(btnQuit, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 420);
}

void NameEditForm::btnSave_Click() {
    const std::string text = txtContent_->toPlainText().toStdString();
    if (const std::string problem = NamesTextProblem(text); !problem.empty()) {
        workstation_.platform().ShowMessage(
            "The names file was not saved: " + problem + " The file " + file_ + " is as it was.",
            "Warning!", MessageIcon::Critical);
        return;
    }
    const std::string failure = SaveEditorText(file_, text, bytesRead_);
    if (!failure.empty()) {
        workstation_.platform().ShowMessage("The names file was not saved: " + failure +
                                                ". The file " + file_ +
                                                " is as it was; your text is still here.",
                                            "Error!", MessageIcon::Critical);
    }
}

void NameEditForm::closeEvent(QCloseEvent* event) {
    Q_EMIT closed();
    event->accept();
}

NameEditForm* OpenNameEdit(Workstation& workstation, QWidget* parent) {
    const std::string file = workstation.NamesFile();
    std::error_code ec;
    EditorFile text;
    if (std::filesystem::exists(file, ec)) {
        auto loaded = LoadEditorText(file);
        if (!loaded) {
            workstation.platform().ShowMessage("The names file " + file + " cannot be read (" +
                                                   FileReadProblem(file) +
                                                   "), so it cannot be edited.",
                                               "Error!", MessageIcon::Critical);
            return nullptr;
        }
        text = std::move(*loaded);
    }
    return new NameEditForm(workstation, file, std::move(text), parent);
}

}  // namespace solvaris
