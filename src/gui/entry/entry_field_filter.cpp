#include "gui/entry/entry_field_filter.hpp"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "people/entry_keys.hpp"

namespace solvaris {

namespace {

// Keys that edit or move rather than type (Tab, Ctrl+C, Delete, arrows):
// no text, or a control character other than Backspace.
bool IsEditingKey(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty()) {
        return true;
    }
    const char16_t first = text.front().unicode();
    return text.size() == 1 && first != kBackspace && (first < 0x20 || first == 0x7f);
}

bool Refused(const std::string& control, const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        return !AcceptsText(control, QApplication::clipboard()->text().toStdString());
    }
    if (IsEditingKey(key)) {
        return false;
    }
    const std::string typed = key.text().toStdString();
    return typed.size() != 1 || !AcceptsKey(control, typed.front());
}

}  // namespace

bool EntryFieldFilter::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::FocusIn: {
            // Queued, so that the mouse press that gave the focus does not
            // place the cursor over the selection.
            QMetaObject::invokeMethod(field, &QLineEdit::selectAll, Qt::QueuedConnection);
            // A click into the window's focused field activates the window
            // first and places the cursor after: its release selects again.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            selectOnRelease_ = reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason;
            return false;
        }
        case QEvent::MouseButtonRelease:
            if (selectOnRelease_ && !field->hasSelectedText()) {
                field->selectAll();
            }
            selectOnRelease_ = false;
            return false;
        case QEvent::FocusOut: selectOnRelease_ = false; return false;
        case QEvent::KeyPress:
            selectOnRelease_ = false;
            return Refused(field->objectName().toStdString(), *static_cast<QKeyEvent*>(event));
        default: return false;
    }
}

void InstallEntryFieldFilter(QLineEdit& field) {
    if (!AcceptsText(field.objectName().toStdString(), "x")) {
        field.setAcceptDrops(false);
        field.setContextMenuPolicy(Qt::NoContextMenu);
    }
    field.installEventFilter(new EntryFieldFilter(&field));
}

}  // namespace solvaris
