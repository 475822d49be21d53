#include "gui/shell/about_form.hpp"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace solvaris {

namespace {
constexpr int kTitleRows = 7;
// The room under the title rows for the version and the credits.
constexpr int kFooterPixels = 84;
}  // namespace

AboutForm::AboutForm(Workstation&, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QStringLiteral("About SOLVARIS"));
    setFixedSize(420, 300);
    auto* version = new QLabel(QStringLiteral("Version 1.00"), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setAlignment(Qt::AlignCenter);
    version->setStyleSheet(QStringLiteral("color: white; font-size: 14pt; font-weight: bold;"));
    // The label lets clicks through, so a click anywhere closes the window.
    version->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* credits =
        new QLabel(QStringLiteral("Free software under the GNU AGPL, version 3 or later.\n"
                                  "Places of the atlas: GeoNames (geonames.org), CC BY 4.0."),
                   this);
    credits->setObjectName(QStringLiteral("lblCredits"));
    credits->setAlignment(Qt::AlignCenter);
    credits->setStyleSheet(QStringLiteral("color: white; font-size: 8pt;"));
    credits->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(version);
    layout->addWidget(credits);
    layout->setContentsMargins(0, 0, 0, 8);
}

void AboutForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 128));
    QFont font(QStringLiteral("Serif"), 20, QFont::Bold);
    painter.setFont(font);
    const int rowHeight = (height() - kFooterPixels) / kTitleRows;
    for (int row = 0; row < kTitleRows; ++row) {
        painter.setPen(QColor(255, 255, 0));
        painter.drawText(QRect(0, 10 + row * rowHeight, width(), rowHeight), Qt::AlignCenter,
                         QStringLiteral("SOLVARIS"));
    }
}

void AboutForm::mousePressEvent(QMouseEvent*) { close(); }

}  // namespace solvaris
