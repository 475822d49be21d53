#include "gui/shell/options_form.hpp"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/controls/text_file_box.hpp"

namespace solvaris {

OptionsForm::OptionsForm(Workstation& workstation, OptionsWindow content, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), content_(std::move(content)) {
    setObjectName("Options");
    setWindowTitle(QString::fromStdString(content_.caption));
    const TextFileBox box = AddTextFileBox(*this, content_.txtContent);
    txtContent_ = box.txtContent;
    QHBoxLayout* buttons = box.buttons;
    connect(AddButton(*buttons, "btnSave", "Save"), &QPushButton::clicked, this,
            &OptionsForm::btnSave_Click);
    connect(AddButton(*buttons, "cmdRestoreDefault", "Restore default"), &QPushButton::clicked,
            this, &OptionsForm::cmdRestoreDefault_Click);
    connect(AddButton(*buttons, "btnQuit", "Quit"), &QPushButton::clicked, this,
            &OptionsForm::btnQuit_Click);
    connect(txtContent_, &QPlainTextEdit::textChanged, this, [this]() { content_.changed = true; });
    resize(640, 480);
}

void OptionsForm::ShowContent() {
    const QSignalBlocker loading(txtContent_);
    txtContent_->setPlainText(QString::fromStdString(content_.txtContent).replace("\r\n", "\n"));
}

void OptionsForm::TakeContent() {
    content_.txtContent = txtContent_->toPlainText().replace("\n", "\r\n").toStdString();
}

void OptionsForm::btnSave_Click() {
    TakeContent();
    Session& session = workstation_.session();
    // A failed save has said so; the text stays in the window for another try.
    if (SaveOptionsWindow(session.folder, content_, session.options, workstation_.platform())) {
        workstation_.AnnounceOptionsReloaded();
    }
}

void OptionsForm::cmdRestoreDefault_Click() {
    TakeContent();
    RestoreDefaultOptions(workstation_.session().folder, content_, workstation_.platform());
    ShowContent();
}

void OptionsForm::btnQuit_Click() { close(); }

OptionsForm* OpenOptionsForm(Workstation& workstation, QWidget* parent) {
    auto content = OpenOptionsWindow(workstation.session().folder, workstation.platform());
    if (!content) {
        return nullptr;
    }
    auto* form = new OptionsForm(workstation, std::move(*content), parent);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}

}  // namespace solvaris
