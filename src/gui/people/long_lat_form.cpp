#include "gui/people/long_lat_form.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "gui/common/workstation.hpp"
#include "gui/controls/named_button.hpp"
#include "gui/controls/text_file_box.hpp"

namespace solvaris {

namespace {

constexpr int kWidthPixels = 560;
constexpr int kHeightPixels = 480;

}  // namespace

LongLatForm::LongLatForm(Workstation& workstation, CitiesEditor editor, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), editor_(std::move(editor)) {
    setObjectName("LongLat");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromStdString(editor_.caption));
    const TextFileBox box = AddTextFileBox(*this, editor_.txtContent);
    txtContent_ = box.txtContent;
    QHBoxLayout* buttons = box.buttons;
    auto* hint = new QLabel("Ctrl-C to copy.  Ctrl-X to cut.  Ctrl-V to paste.");
    buttons->addWidget(hint);
    buttons->addStretch();
    QPushButton* btnSave = AddButton(*buttons, "btnSave", "&Save");
    QPushButton* btnQuit = AddButton(*buttons, "btnQuit", "&Quit");
    connect(btnSave, &QPushButton::clicked, this, &LongLatForm::btnSave_Click);
    connect(btnQuit, &QPushButton::clicked, this, &LongLatForm::btnQuit_Click);
    resize(kWidthPixels, kHeightPixels);
}

void LongLatForm::btnSave_Click() {
    editor_.txtContent = txtContent_->toPlainText().toStdString();
    SaveCitiesEditor(editor_, workstation_.platform());
}

void LongLatForm::btnQuit_Click() { close(); }

}  // namespace solvaris
