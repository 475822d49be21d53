// The controls the entry windows share: a captioned text field with the
// key filter, a framed pair of option buttons, a link label, and the
// border drawn about the fields.
#pragma once

#include <functional>

class QGridLayout;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QPainter;
class QRect;
class QWidget;

namespace solvaris {

// The caption at (row, column) and the field named `name` beside it, wide
// enough for `widthChars` characters (0: stretched over `span` columns).
// Fields and frames take the focus in the order they are added.
QLineEdit* AddEntryField(QGridLayout& grid, const char* name, const char* caption, int row,
                         int column, int widthChars, int span = 1);

struct OptionPair {
    QGroupBox* frame;
    QRadioButton* first;
    QRadioButton* second;
};

OptionPair AddOptionPair(QGridLayout& grid, const char* frameCaption, const char* firstName,
                         const char* firstCaption, const char* secondName,
                         const char* secondCaption, int row, int column);

// An underlined label that runs `onClick` with itself when clicked.
QLabel* AddLink(QGridLayout& grid, const char* name, const char* caption, int row, int column,
                std::function<void(QLabel&)> onClick);

// Return or the keypad's Enter, without Shift, Ctrl or Alt.
bool IsEnterKey(const QKeyEvent& key);

// The windows' paint: every text field in a one-pixel border, grey above
// and left, white below and right.
// The two-tone frame, grey above and left, white below and right, about
// one control.
void PaintTwoToneBorder(QPainter& painter, const QRect& control);
void PaintTwoToneBorders(QWidget& window);

}  // namespace solvaris
