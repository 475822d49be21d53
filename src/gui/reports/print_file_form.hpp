// PrntFile, the print-file window: the text about to be printed, read from
// PRNTFILE.XXX, open to edits, printed in Courier New at 12 points, or 10
// when a line is wider than option 117 allows.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace solvaris {

class Workstation;

class PrintFileForm : public QDialog {
    Q_OBJECT
public:
    explicit PrintFileForm(Workstation& workstation, QWidget* parent = nullptr);

    // A line of the file is wider than option 117 allows.
    bool WideText() const { return wideText_; }

private:
    void LoadPrintFile();
    void FitWidthToText();
    void btnPrint_Click();
    void btnCancel_Click();

    Workstation& workstation_;
    QPlainTextEdit* txtContent_;
    QPushButton* btnPrint_;
    bool wideText_ = false;
};

}  // namespace solvaris
