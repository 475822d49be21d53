#include "gui/wheel/duplicate_form.hpp"

#include <QCloseEvent>
#include <QPainter>

namespace solvaris {

DuplicateForm::DuplicateForm(Workstation&, QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("Duplicat");
    setWindowTitle(QStringLiteral("Duplicate Chartwheel"));
    setAttribute(Qt::WA_DeleteOnClose);
}

bool DuplicateForm::CopyPicture(const QImage& picture) {
    picture_ = picture;
    update();
    return !picture_.isNull();
}

void DuplicateForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(rect()), picture_);
    }
}

void DuplicateForm::closeEvent(QCloseEvent* event) {
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

}  // namespace solvaris
