#include "gui/shell/title_form.hpp"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace solvaris {

TitleForm::TitleForm(Workstation&, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TITLE"));
    setWindowTitle(QStringLiteral("SOLVARIS"));
    auto* name = new QLabel(QStringLiteral("SOLVARIS"), this);
    name->setObjectName(QStringLiteral("lblTitle"));
    name->setAlignment(Qt::AlignCenter);
    name->setStyleSheet(
        QStringLiteral("color: #ffff00; background: #000080; font-size: 28pt; "
                       "font-weight: bold; padding: 18px;"));
    auto* subtitle = new QLabel(QStringLiteral("Astrology workstation\nVersion 1.00"), this);
    subtitle->setAlignment(Qt::AlignCenter);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TitleForm::cmdOK_Click);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(subtitle);
    layout->addWidget(ok, 0, Qt::AlignCenter);
}

void TitleForm::cmdOK_Click() { accept(); }

}  // namespace solvaris
