// The text box of the windows that edit a file of the program folder (the
// options, an orb file, a names file, the cities): `txtContent` in a fixed
// pitch without wrapping, so that the file's columns stand under one
// another, above a row for the window's buttons.
#pragma once

#include <string>

class QHBoxLayout;
class QPlainTextEdit;
class QVBoxLayout;
class QWidget;

namespace solvaris {

struct TextFileBox {
    QVBoxLayout* column;  // the window's layout: the box, then the row
    QPlainTextEdit* txtContent;
    QHBoxLayout* buttons;
};

// Lays `window` out as the box over the row, the box showing `text` (CR LF
// shown as plain line breaks; the editors write CR LF again on Save).
TextFileBox AddTextFileBox(QWidget& window, const std::string& text);

}  // namespace solvaris
