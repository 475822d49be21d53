// A list whose selection moved by the keyboard (arrows, Page Up and Down,
// Home, End, a typed first letter) runs the same handler as a click, as the
// platform's list box does; a selection set by the program runs nothing.
#pragma once

#include <QListWidget>
#include <functional>

namespace solvaris {

class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

    void SetOnKeyMove(std::function<void()> onKeyMove) { onKeyMove_ = std::move(onKeyMove); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> onKeyMove_;
};

}  // namespace solvaris
