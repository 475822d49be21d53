// CWAspect: the aspects of the charts on the wheel, one line of symbols
// (point, aspect, point) per aspect, found with the orbs of the orb file in
// force. The text is built when the window opens; the wheel window's
// Aspects command and a newly chosen orb file open it afresh.
#pragma once

#include <QPointer>
#include <QWidget>

class QPlainTextEdit;

namespace solvaris {

class Workstation;

class CwAspectForm : public QWidget {
    Q_OBJECT
public:
    explicit CwAspectForm(Workstation& workstation, QWidget* parent = nullptr);

    // The orb file loaded again and the text built for the wheel now shown.
    void Rebuild();

private:
    Workstation& workstation_;
    QPlainTextEdit* Text1_;
};

// The Aspects command of the wheel window: the grid in `slot` closed and a
// new one shown, where the old one stood, else beside `wheel`. The window
// deletes itself when closed, which empties `slot`.
void ReopenAspectGrid(Workstation& workstation, QPointer<CwAspectForm>& slot, QWidget* wheel);

}  // namespace solvaris
