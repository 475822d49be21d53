#include "gui/controls/named_menu.hpp"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include "gui/controls/qt_text.hpp"

namespace solvaris {

namespace {

// Qt counts disabled items when items share an access key and then only
// moves the highlight between them: the key would do nothing. Here a key
// that one enabled item and only disabled others carry runs that item.
class AccessKeyMenu : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (QAction* item = OnlyEnabledItemWithKey(*event)) {
            setActiveAction(item);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QMenu::keyPressEvent(&enter);
            return;
        }
        QMenu::keyPressEvent(event);
    }

private:
    QAction* OnlyEnabledItemWithKey(const QKeyEvent& event) const {
        const QString typed = event.text().toUpper();
        if (typed.size() != 1 || !typed.front().isLetterOrNumber() ||
            (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) != 0) {
            return nullptr;
        }
        QAction* enabled = nullptr;
        int sharing = 0;
        for (QAction* action : actions()) {
            const QKeySequence key = QKeySequence::mnemonic(action->text());
            if (!action->isVisible() || key.isEmpty() ||
                key[0].key() != static_cast<Qt::Key>(typed.front().unicode())) {
                continue;
            }
            ++sharing;
            if (action->isEnabled()) {
                if (enabled != nullptr) {
                    return nullptr;  // two enabled: Qt steps between them
                }
                enabled = action;
            }
        }
        return sharing > 1 ? enabled : nullptr;
    }
};

}  // namespace

QMenu* AddMenu(QWidget* parent, std::string_view caption, std::string_view name) {
    auto* menu = new AccessKeyMenu(QtText(caption), parent);
    menu->setObjectName(QtText(name));
    menu->menuAction()->setObjectName(QtText(name));
    if (auto* bar = qobject_cast<QMenuBar*>(parent)) {
        bar->addMenu(menu);
    } else {
        qobject_cast<QMenu*>(parent)->addMenu(menu);
    }
    return menu;
}

QAction* AddItem(QWidget* parent, std::string_view caption, std::string_view name) {
    auto* action = new QAction(QtText(caption), parent);
    action->setObjectName(QtText(name));
    parent->addAction(action);
    return action;
}

}  // namespace solvaris
