#include "gui/controls/text_file_box.hpp"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace solvaris {

TextFileBox AddTextFileBox(QWidget& window, const std::string& text) {
    auto* column = new QVBoxLayout(&window);
    auto* box = new QPlainTextEdit;
    box->setObjectName("txtContent");
    box->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setPlainText(
        QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    column->addWidget(box);
    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    return {column, box, buttons};
}

}  // namespace solvaris
