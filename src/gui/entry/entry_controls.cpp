#include "gui/entry/entry_controls.hpp"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>

#include "gui/entry/entry_field_filter.hpp"

namespace solvaris {

QLineEdit* AddEntryField(QGridLayout& grid, const char* name, const char* caption, int row,
                         int column, int widthChars, int span) {
    auto* label = new QLabel(caption);
    auto* field = new QLineEdit;
    field->setObjectName(name);
    label->setBuddy(field);
    grid.addWidget(label, row, column);
    grid.addWidget(field, row, column + 1, 1, span);
    if (widthChars > 0) {
        const QString sample(widthChars + 1, QLatin1Char('0'));
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(sample) + 12);
    }
    InstallEntryFieldFilter(*field);
    return field;
}

OptionPair AddOptionPair(QGridLayout& grid, const char* frameCaption, const char* firstName,
                         const char* firstCaption, const char* secondName,
                         const char* secondCaption, int row, int column) {
    auto* frame = new QGroupBox(frameCaption);
    grid.addWidget(frame, row, column, 1, 2);
    // Created after the frame is placed, so that they follow it in the
    // focus order.
    auto* first = new QRadioButton(firstCaption, frame);
    auto* second = new QRadioButton(secondCaption, frame);
    first->setObjectName(firstName);
    second->setObjectName(secondName);
    auto* pairLayout = new QHBoxLayout(frame);
    pairLayout->setContentsMargins(6, 2, 6, 2);
    pairLayout->addWidget(first);
    pairLayout->addWidget(second);
    return {frame, first, second};
}

namespace {

// A click on the label: the left button pressed and released over it.
class LinkClickFilter : public QObject {
public:
    LinkClickFilter(QLabel& link, std::function<void(QLabel&)> onClick)
        : QObject(&link), link_(link), onClick_(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool press = event->type() == QEvent::MouseButtonPress;
        const bool release = event->type() == QEvent::MouseButtonRelease;
        if ((!press && !release) || !link_.isEnabled() ||
            static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
            return QObject::eventFilter(watched, event);
        }
        // The press is taken here, so that the release comes here too.
        if (release &&
            link_.rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            onClick_(link_);
        }
        return true;
    }

private:
    QLabel& link_;
    std::function<void(QLabel&)> onClick_;
};

}  // namespace

QLabel* AddLink(QGridLayout& grid, const char* name, const char* caption, int row, int column,
                std::function<void(QLabel&)> onClick) {
    auto* link = new QLabel(caption);
    link->setObjectName(name);
    QFont underlined = link->font();
    underlined.setUnderline(true);
    link->setFont(underlined);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(new LinkClickFilter(*link, std::move(onClick)));
    grid.addWidget(link, row, column, 1, 2);
    return link;
}

bool IsEnterKey(const QKeyEvent& key) {
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return enter && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void PaintTwoToneBorder(QPainter& painter, const QRect& control) {
    const QRect around = control.adjusted(-1, -1, 1, 1);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(around.topLeft(), around.topRight());
    painter.drawLine(around.topLeft(), around.bottomLeft());
    painter.setPen(QColor(0xff, 0xff, 0xff));
    painter.drawLine(around.bottomLeft(), around.bottomRight());
    painter.drawLine(around.topRight(), around.bottomRight());
}

void PaintTwoToneBorders(QWidget& window) {
    QPainter painter(&window);
    for (const QLineEdit* field : window.findChildren<QLineEdit*>()) {
        if (field->parentWidget() == &window && field->isVisible()) {
            PaintTwoToneBorder(painter, field->geometry());
        }
    }
}

}  // namespace solvaris
