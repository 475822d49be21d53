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
#include "gui/shell/workstation.hpp"

namespace solvaris {

NameEditForm::NameEditForm(Workstation& workstation, std::string file, const std::string& text,
                           QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), file_(std::move(file)) {
    setObjectName("NameEdit");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString("Edit: " + file_));
    auto* column = new QVBoxLayout(this);
    auto* hint = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.");
    hint->setObjectName("lblHint");
    column->addWidget(hint);
    txtContent_ = new QPlainTextEdit;
    txtContent_->setObjectName("txtContent");
    txtContent_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont fixed("Courier New");
    fixed.setStyleHint(QFont::TypeWriter);
    txtContent_->setFont(fixed);
    // The box keeps plain line breaks; the file gets CR LF again on Save.
    txtContent_->setPlainText(
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    column->addWidget(txtContent_);
    auto* row = new QHBoxLayout;
    column->addLayout(row);
    auto* btnSave = new QPushButton("Save");
    btnSave->setObjectName("btnSave");
    auto* btnQuit = new QPushButton("Quit");
    btnQuit->setObjectName("btnQuit");
    row->addWidget(btnSave);
    row->addWidget(btnQuit);
    connect(btnSave, &QPushButton::clicked, this, &NameEditForm::btnSave_Click);
    connect(btnQuit, &QPushButton::clicked, this, &QWidget::close);
    resize(640, 420);
}

void NameEditForm::btnSave_Click() {
    const std::string failure = SaveEditorText(file_, txtContent_->toPlainText().toStdString());
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
    std::string text;
    if (std::filesystem::exists(file, ec)) {
        const auto loaded = LoadEditorText(file);
        if (!loaded) {
            workstation.platform().ShowMessage("The names file " + file + " cannot be read (" +
                                                   FileReadProblem(file) +
                                                   "), so it cannot be edited.",
                                               "Error!", MessageIcon::Critical);
            return nullptr;
        }
        text = *loaded;
    }
    return new NameEditForm(workstation, file, text, parent);
}

}  // namespace solvaris
