// A list whose selection moved by the keyboard (arrows, Page Up and Down,
// Home, End) runs the same handler as a click, as the platform's list box
// does; a selection set by the program runs nothing. Typing to search only
// moves the highlight: Enter picks the line found, so a question that the
// pick may ask never takes the keystrokes still meant for the list.
#pragma once

#include <QListWidget>
#include <functional>

namespace solvaris {

class ListBox : public QListWidget {
public:
    using QListWidget::QListWidget;

    // The pick handler; the list's tip then says how a found line is picked.
    void SetOnKeyMove(std::function<void()> onKeyMove);
    void keyboardSearch(const QString& search) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> onKeyMove_;
    // The highlight was moved by a search and not yet picked.
    bool foundUnpicked_ = false;
};

}  // namespace solvaris
