// OutputD1, the data window: the current report in a fixed-pitch text box,
// saved, printed, set in a larger or smaller font, and stepped in time for
// the ephemeris and the transit interpretations.
#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

#include "platform/data_window.hpp"

class QAction;
class QPlainTextEdit;

namespace solvaris {

class Workstation;
struct ReportContext;

class DataForm : public QMainWindow, public DataWindowView {
    Q_OBJECT
public:
    explicit DataForm(Workstation& workstation, QWidget* parent = nullptr);

    bool Minimised() const override;
    std::size_t TextCapacity() const override;
    void SetText(const std::string& text) override;
    void Show(const std::string& caption) override;
    void SetMoreMenuVisible(bool visible) override;
    void SetMoreNewDateVisible(bool visible) override;

    // The text as the report buffer gave it, with its CR LF line ends.
    const std::string& ReportText() const { return reportText_; }
    // Half the display profile's font step, in points.
    void SetFontStep(double points) { fontStepPoints_ = points; }
    // Closed and on its way out: the next report makes a new window.
    bool Closed() const { return closed_; }

Q_SIGNALS:
    // More > New Date: the slot connected here asks for the day and shows
    // the interpretations from it.
    void newDateRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void LoadPlacement();
    void StorePlacementInSettings();
    void LoadFont();
    void RefreshAfterFontChange();
    bool WriteReportFile(const std::string& path);
    void OpenPrintFile(const std::vector<std::string>& lines);
    void Step(bool forward);

    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFontsIncrease_Click();
    void mnuFontsDecrease_Click();
    void mnuFontsBold_Click();
    void mnuFontsItalic_Click();
    void mnuClearBuffer_Click();
    void mnuPrint_Click();
    void mnuPrintData_Click();
    void mnuMoreZForward_Click();
    void mnuMoreBackward_Click();
    void mnuMoreNewDate_Click();
    void mnuHelp_Click();

    Workstation& workstation_;
    QPlainTextEdit* text1_;
    QAction* mnuMore_ = nullptr;
    QAction* mnuMoreNewDate_ = nullptr;
    QAction* mnuFontsIncrease_ = nullptr;
    QAction* mnuFontsDecrease_ = nullptr;
    QAction* mnuFontsBold_ = nullptr;
    QAction* mnuFontsItalic_ = nullptr;
    std::string reportText_;
    double fontStepPoints_;
    // Moves and resizes made while the window loads are not stored.
    bool loading_ = true;
    bool closed_ = false;
};

// Makes the workstation's data window an OutputD1 created on first use and
// again after the user closes it; `created` sees each new window (to
// connect its signals).
void InstallDataForm(Workstation& workstation, std::function<void(DataForm&)> created = {});

}  // namespace solvaris
