// LongLat, the cities-file editor: the whole file in one text box, Save
// writing it back crash-safely, Quit closing the window. A failed save says
// so and keeps the text in the window.
#pragma once

#include <QWidget>

#include "people/cities_editor.hpp"

class QPlainTextEdit;

namespace solvaris {

class Workstation;

class LongLatForm : public QWidget {
    Q_OBJECT
public:
    // The editor on a file already opened (OpenCitiesEditor); the window
    // is discarded when closed.
    LongLatForm(Workstation& workstation, CitiesEditor editor, QWidget* parent = nullptr);

private:
    void btnSave_Click();
    void btnQuit_Click();

    Workstation& workstation_;
    CitiesEditor editor_;
    QPlainTextEdit* txtContent_ = nullptr;
};

}  // namespace solvaris
