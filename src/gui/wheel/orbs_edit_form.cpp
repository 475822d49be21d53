#include "gui/wheel/orbs_edit_form.hpp"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

#include "base/editor_text.hpp"
#include "base/text_lines.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/controls/text_file_box.hpp"

namespace solvaris {

OrbsEditForm::OrbsEditForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      file_(workstation.session().currentOrbFile) {
    setObjectName("OrbsEdit");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString("Edit: " + file_));
    const auto loaded = LoadEditorText(file_);
    loaded_ = loaded.has_value();
    if (loaded) {
        bytesRead_ = loaded->bytesRead;
    }
    const TextFileBox box = AddTextFileBox(*this, loaded ? loaded->text : std::string());
    txtContent_ = box.txtContent;
    QHBoxLayout* buttons = box.buttons;
    btnSave_ = AddButton(*buttons, "btnSave", "&Save");
    connect(btnSave_, &QPushButton::clicked, this, &OrbsEditForm::btnSave_Click);
    connect(AddButton(*buttons, "btnQuit", "&Quit"), &QPushButton::clicked, this,
            &OrbsEditForm::btnQuit_Click);
    resize(480, 420);
    if (!loaded_) {
        // Nothing to save: an empty text must never overwrite the file.
        txtContent_->setReadOnly(true);
        btnSave_->setEnabled(false);
        workstation_.platform().ShowMessage("The orb file " + file_ + " cannot be read (" +
                                                FileReadProblem(file_) +
                                                "), so it cannot be edited.",
                                            "Error!", MessageIcon::Critical);
    }
}

void OrbsEditForm::btnSave_Click() {
    const std::string failure =
        SaveEditorText(file_, txtContent_->toPlainText().toStdString(), bytesRead_);
    if (!failure.empty()) {
        workstation_.platform().ShowMessage("The orb file was not saved: " + failure +
                                                ". The file " + file_ +
                                                " is as it was; your text is still here.",
                                            "Error!", MessageIcon::Critical);
    }
}

void OrbsEditForm::btnQuit_Click() { close(); }

OrbsEditForm* OpenOrbsEdit(Workstation& workstation, QWidget* parent) {
    auto* form = new OrbsEditForm(workstation, parent);
    if (!form->Loaded()) {
        delete form;
        return nullptr;
    }
    form->show();
    return form;
}

}  // namespace solvaris
