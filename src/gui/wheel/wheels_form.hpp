// Wheels, the chart-wheel window: the wheel the last Wheels command
// prepared, painted by the core's drawing code at the window's size, with
// its own menu to step a return, switch, restyle, copy, print, read the
// aspects and change their orbs.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <vector>

#include "app/wheel_drawing.hpp"
#include "app/window_placement.hpp"
#include "chart/chart_kinds.hpp"

class QAction;
class QMenu;

namespace solvaris {

class CwAspectForm;
class DuplicateForm;
class Workstation;

class WheelsForm : public QMainWindow {
    Q_OBJECT
public:
    explicit WheelsForm(Workstation& workstation, QWidget* parent = nullptr);

    // A Wheels command prepared the session's wheel of that kind: copy it,
    // set the menu items it offers and close the aspect grid.
    void Load(WheelKind kind);
    // Brings the window up: placed from the settings (option 209) or at the
    // display profile's default when it was not showing, onto one of
    // `screens`, and repainted.
    void ShowPlaced(const std::vector<PixelRect>& screens);
    // Closing keeps the placement in wh_var1 to wh_var6.
    void StorePlacementInSettings();

    const WheelState& State() const { return drawing_.state; }
    // The drawing area as painted in that mode (None: as on the screen;
    // HalfPage: white with black lines, for the half-page print). Null for
    // an area without width or height, or without the wheel's data files.
    QImage ClientImage(WheelPrintMode mode = WheelPrintMode::None);

    void mnuAsciiChart_Click();
    void mnuAspects_Click();
    void mnuReturnsNext_Click();
    void mnuReturnsPrevious_Click();
    void mnuDuplicate_Click();
    void mnuOrbsChange_Click();
    void mnuOrbsEdit_Click();
    void mnuPrintChartwheel_Click();
    void mnuSwitch_Click();
    void mnuCTAmerican_Click();
    void mnuCTEuropean_Click();
    void mnuHelp_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildMenus();
    void SetMenusOnLoad();
    void PaintArea(QPainter& painter, QSize area);
    // The state changed: the next paint draws it afresh.
    void Redraw();
    void ReloadPrepared();
    void StepReturn(ReturnStep step);
    void SetChartType(int type);
    void PrintAnswered(MessageAnswer answer);
    void PrintFullPage();
    void PrintHalfPage();
    // The paper the user chooses, `draw` given a painter on its page; a
    // printer that fails is said.
    void PrintOnPaper(const std::function<void(QPainter&, const QRectF&)>& draw);
    void DuplicateClosed();
    void KeepBesideDuplicate();

    Workstation& workstation_;
    WheelDrawing drawing_;
    bool hasData_ = false;  // the data files are in the drawing
    WheelKind kind_ = WheelKind::Natal;
    // The last paint, kept until the state or the size changes.
    QImage painted_;
    bool stale_ = true;
    bool painting_ = false;
    QPointer<DuplicateForm> duplicate_;
    // The aspect grid of this wheel, while it is open.
    QPointer<CwAspectForm> aspectGrid_;
    int leftBeforeDuplicate_ = 0;
    int widthBeforeDuplicate_ = 0;

    QAction* mnuAsciiChart_ = nullptr;
    QAction* mnuAspects_ = nullptr;
    QAction* mnuReturns_ = nullptr;
    QAction* mnuSwitch_ = nullptr;
    QAction* mnuChartType_ = nullptr;
    QAction* mnuCTAmerican_ = nullptr;
    QAction* mnuCTEuropean_ = nullptr;
};

}  // namespace solvaris
