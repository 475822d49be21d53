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
        // As large as the area allows, its circles kept round.
        const QSizeF size =
            picture_.deviceIndependentSize().scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF((width() - size.width()) / 2, 0), size), picture_);
    }
}

void DuplicateForm::closeEvent(QCloseEvent* event) {
    Q_EMIT closed();
    QWidget::closeEvent(event);
}

}  // namespace solvaris
