#include "gui/wheel/orbs_edit_form.hpp"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/editor_text.hpp"
#include "base/text_lines.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/shell/workstation.hpp"

namespace solvaris {

OrbsEditForm::OrbsEditForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      file_(workstation.session().currentOrbFile),
      txtContent_(new QPlainTextEdit) {
    setObjectName("OrbsEdit");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString("Edit: " + file_));
    txtContent_->setObjectName("txtContent");
    // The orbs stand in the first seven columns: a fixed pitch keeps them
    // under one another.
    txtContent_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtContent_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtContent_);
    auto* buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    btnSave_ = AddButton(*buttons, "btnSave", "&Save");
    connect(btnSave_, &QPushButton::clicked, this, &OrbsEditForm::btnSave_Click);
    connect(AddButton(*buttons, "btnQuit", "&Quit"), &QPushButton::clicked, this,
            &OrbsEditForm::btnQuit_Click);
    resize(480, 420);

    const auto text = LoadEditorText(file_);
    loaded_ = text.has_value();
    if (!loaded_) {
        // Nothing to save: an empty text must never overwrite the file.
        txtContent_->setReadOnly(true);
        btnSave_->setEnabled(false);
        workstation_.platform().ShowMessage("The orb file " + file_ + " cannot be read (" +
                                                FileReadProblem(file_) +
                                                "), so it cannot be edited.",
                                            "Error!", MessageIcon::Critical);
        return;
    }
    // The box keeps plain line breaks; the file gets CR LF again on Save.
    txtContent_->setPlainText(QString::fromStdString(*text).replace(QStringLiteral("\r\n"), "\n"));
}

void OrbsEditForm::btnSave_Click() {
    const std::string failure = SaveEditorText(file_, txtContent_->toPlainText().toStdString());
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
