#include "gui/wheel/wheels_form.hpp"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <functional>
#include <optional>
#include <string_view>
#include <utility>

#include "app/wheel_window.hpp"
#include "base/option_numbers.hpp"
#include "base/text_lines.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/named_menu.hpp"
#include "gui/controls/qt_text.hpp"
#include "gui/wheel/cw_aspect_form.hpp"
#include "gui/wheel/duplicate_form.hpp"
#include "gui/wheel/orbs_edit_form.hpp"
#include "platform/qt/image_export.hpp"
#include "platform/qt/qt_canvas.hpp"
#include "reports/report_context.hpp"
#include "wheel/ascii_chart.hpp"

namespace solvaris {

namespace {

constexpr const char* kWheelsHelpFile = "WHEELS.HLP";
constexpr std::string_view kPrintQuestion =
    "Click 'YES' for full page chartwheel. Click 'NO' for half page chartwheel.";
constexpr std::string_view kPrintTitle = "Full page or half page chartwheel";
constexpr std::string_view kNoFormImage = "Unable to print the form";
// The duplicate is this much taller than the wheel window: room for its
// own caption above the same picture.
constexpr double kDuplicateExtraTwips = 325;

// The drawing area: it hands its paints and its right-button releases to
// the window.
class WheelView : public QWidget {
public:
    WheelView(std::function<void(QPainter&, QSize)> paint, std::function<void()> rightReleased,
              QWidget* parent)
        : QWidget(parent), paint_(std::move(paint)), rightReleased_(std::move(rightReleased)) {
        setObjectName("picWheel");
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        paint_(painter, size());
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            rightReleased_();
        }
        event->accept();
    }

private:
    std::function<void(QPainter&, QSize)> paint_;
    std::function<void()> rightReleased_;
};

std::string PrinterFailure(const QPrinter& printer) {
    return printer.outputFileName().isEmpty()
               ? "The printer " + printer.printerName().toStdString() + " could not be started."
               : "The file " + printer.outputFileName().toStdString() + " could not be written.";
}

}  // namespace

WheelsForm::WheelsForm(Workstation& workstation, QWidget* parent)
    : QMainWindow(parent), workstation_(workstation) {
    setObjectName("Wheels");
    setCentralWidget(
        new WheelView([this](QPainter& painter, QSize area) { PaintArea(painter, area); },
                      [this]() { workstation_.ActivateMainWindow(); }, this));
    BuildMenus();
    menuBar()->installEventFilter(this);
    drawing_.state.chartType = workstation_.session().settings.typeChart == 1 ? 1 : 0;
    setWindowTitle(QtText(WheelCaption(TitleText(workstation_.session().options))));
    connect(&workstation_, &Workstation::optionsReloaded, this, [this]() {
        setWindowTitle(QtText(WheelCaption(TitleText(workstation_.session().options))));
        Redraw();
    });
}

void WheelsForm::BuildMenus() {
    const auto item = [this](QWidget* owner, const char* name, const char* caption,
                             void (WheelsForm::*handler)()) {
        QAction* action = AddItem(owner, caption, name);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };
    QMenuBar* bar = menuBar();
    mnuAsciiChart_ = item(bar, "mnuAsciiChart", "AS&CII", &WheelsForm::mnuAsciiChart_Click);
    mnuAspects_ = item(bar, "mnuAspects", "&Aspects", &WheelsForm::mnuAspects_Click);
    QMenu* returns = AddMenu(bar, "&Returns", "mnuReturns");
    mnuReturns_ = returns->menuAction();
    item(returns, "mnuReturnsNext", "&Next", &WheelsForm::mnuReturnsNext_Click);
    item(returns, "mnuReturnsPrevious", "&Previous", &WheelsForm::mnuReturnsPrevious_Click);
    item(bar, "mnuDuplicate", "&Duplicate", &WheelsForm::mnuDuplicate_Click);
    QMenu* orbs = AddMenu(bar, "&Orbs", "mnuOrbs");
    item(orbs, "mnuOrbsChange", "&Select new orb file", &WheelsForm::mnuOrbsChange_Click);
    item(orbs, "mnuOrbsEdit", "&Edit orb file", &WheelsForm::mnuOrbsEdit_Click);
    item(bar, "mnuPrintChartwheel", "&Print", &WheelsForm::mnuPrintChartwheel_Click);
    mnuSwitch_ = item(bar, "mnuSwitch", "S&witch", &WheelsForm::mnuSwitch_Click);
    QMenu* type = AddMenu(bar, "&Type", "mnuChartType");
    mnuChartType_ = type->menuAction();
    mnuCTAmerican_ = item(type, "mnuCTAmerican", "&American", &WheelsForm::mnuCTAmerican_Click);
    mnuCTEuropean_ = item(type, "mnuCTEuropean", "&European", &WheelsForm::mnuCTEuropean_Click);
    mnuCTAmerican_->setCheckable(true);
    mnuCTEuropean_->setCheckable(true);
    mnuCTAmerican_->setChecked(true);
    item(bar, "mnuHelp", "&Help", &WheelsForm::mnuHelp_Click);
}

void WheelsForm::Load(WheelKind kind) {
    kind_ = kind;
    const WheelData* data = workstation_.WheelFiles();
    hasData_ = data != nullptr;
    if (hasData_) {
        drawing_.data = *data;
    }
    LoadWheel(drawing_.state, workstation_.session().wheel);
    setWindowTitle(QtText(WheelCaption(TitleText(workstation_.session().options))));
    SetMenusOnLoad();
    if (aspectGrid_) {
        aspectGrid_->close();
    }
    Redraw();
}

void WheelsForm::SetMenusOnLoad() {
    WheelState& state = drawing_.state;
    const Session& session = workstation_.session();
    const WheelMenus menus = WheelMenusOnLoad(state, workstation_.diurnalEntry.chk2ndPerson);
    state.switchFlag = menus.switchItem && session.wheel.switched;
    mnuReturns_->setVisible(menus.returns);
    mnuSwitch_->setVisible(menus.switchItem);
    mnuAsciiChart_->setVisible(menus.asciiChart);
    mnuChartType_->setVisible(menus.chartType);
    mnuCTAmerican_->setChecked(!menus.european);
    mnuCTEuropean_->setChecked(menus.european);
    mnuAspects_->setEnabled(AspectsMenuEnabled(state));
}

void WheelsForm::ShowPlaced(const std::vector<PixelRect>& screens) {
    if (!isVisible()) {
        const Session& session = workstation_.session();
        const double twipsPerPixel = workstation_.twipsPerPixel;
        if (session.options(opt::WheelPlacementFromSettings) != 0) {
            Place(*this, PlacementFromSettings(session.settings, KeptWindow::Wheel, twipsPerPixel,
                                               screens));
        } else {
            std::optional<int> belowMain;
            if (const QWidget* main = parentWidget(); main != nullptr && main->isVisible()) {
                const PixelRect frame = FrameOf(*main);
                belowMain = frame.top + frame.height;
            }
            Place(*this, DefaultWheelPlacement(workstation_.displayProfile, twipsPerPixel, screens,
                                               belowMain));
        }
    }
    Redraw();
    show();
    raise();
    activateWindow();
}

void WheelsForm::StorePlacementInSettings() {
    Settings& s = workstation_.session().settings;
    StorePlacement(s, KeptWindow::Wheel, PlacementOf(*this), workstation_.twipsPerPixel);
    s.wheelScaleHeight = workstation_.displayProfile.logicalHeight;
    s.wheelScaleWidth = workstation_.displayProfile.logicalWidth;
}

QImage WheelsForm::ClientImage(WheelPrintMode mode) {
    if (!hasData_) {
        return {};
    }
    const QSize area = centralWidget()->size();
    Session& session = workstation_.session();
    Platform& platform = workstation_.platform();
    const WheelPrintMode before = drawing_.state.printMode;
    drawing_.state.printMode = mode;
    QImage image =
        PaintImage(area.width(), area.height(), devicePixelRatioF(), [&](Canvas& canvas) {
            PaintSessionWheel(session, drawing_, canvas, platform, area.width(), area.height());
        });
    drawing_.state.printMode = before;
    return image;
}

void WheelsForm::PaintArea(QPainter& painter, QSize area) {
    // A message box of the pass (a missing glyph font) repaints the window
    // while the pass is still on; that paint shows what there is.
    if (!painting_) {
        const bool sizeChanged = painted_.isNull() ||
                                 painted_.deviceIndependentSize().toSize() != area ||
                                 painted_.devicePixelRatio() != devicePixelRatioF();
        if (stale_ || sizeChanged) {
            painting_ = true;
            painted_ = ClientImage();
            painting_ = false;
            stale_ = false;
        }
    }
    if (!painted_.isNull()) {
        painter.drawImage(QPointF(0, 0), painted_);
    }
    mnuAspects_->setEnabled(AspectsMenuEnabled(drawing_.state));
}

void WheelsForm::Redraw() {
    stale_ = true;
    centralWidget()->update();
}

void WheelsForm::ReloadPrepared() { LoadWheel(drawing_.state, workstation_.session().wheel); }

void WheelsForm::mnuAsciiChart_Click() {
    // The chart is read from the main ring's last placement.
    if (stale_) {
        painted_ = ClientImage();
        stale_ = false;
    }
    Session& session = workstation_.session();
    ReportContext context{session, workstation_.platform(), workstation_.DataWindow()};
    context.Begin();
    AppendAsciiChart(drawing_.state, session.reports, workstation_.platform());
    context.Show();
}

void WheelsForm::mnuAspects_Click() { ReopenAspectGrid(workstation_, aspectGrid_, this); }

void WheelsForm::mnuReturnsNext_Click() { StepReturn(ReturnStep::Next); }

void WheelsForm::mnuReturnsPrevious_Click() { StepReturn(ReturnStep::Previous); }

void WheelsForm::StepReturn(ReturnStep step) {
    BusyPointer busy(workstation_.platform());
    if (StepReturnWheel(workstation_.session(), step, workstation_.diurnalEntry,
                        workstation_.platform())) {
        ReloadPrepared();
    }
    Redraw();
}

void WheelsForm::mnuDuplicate_Click() {
    Platform& platform = workstation_.platform();
    BusyPointer busy(platform);
    if (!duplicate_) {
        leftBeforeDuplicate_ = x();
        widthBeforeDuplicate_ = width();
    }
    const PixelRect screen = ScreenAreaOf(this);
    Place(*this, RightHalf(PlacementOf(*this), screen));
    if (QLayout* frame = layout()) {
        frame->activate();
    }
    if (!duplicate_) {
        duplicate_ = new DuplicateForm(workstation_);
        connect(duplicate_, &DuplicateForm::closed, this, &WheelsForm::DuplicateClosed);
    }
    const int extra =
        TwipsToPixels({0, 0, 0, kDuplicateExtraTwips}, workstation_.twipsPerPixel).height;
    Place(*duplicate_, LeftOfWheel(PlacementOf(*this), screen, extra));
    if (!duplicate_->CopyPicture(ClientImage())) {
        delete duplicate_.data();
        platform.ShowMessage(kNoFormImage, "Warning!", MessageIcon::Information);
        return;
    }
    duplicate_->show();
}

void WheelsForm::DuplicateClosed() {
    // No longer kept beside it.
    duplicate_ = nullptr;
    move(leftBeforeDuplicate_, y());
    resize(widthBeforeDuplicate_, height());
}

void WheelsForm::KeepBesideDuplicate() {
    if (!duplicate_ || !duplicate_->isVisible()) {
        return;
    }
    const PixelRect right = RightHalf(PlacementOf(*this), ScreenAreaOf(this));
    if (width() > right.width) {
        Place(*this, right);
    }
}

void WheelsForm::mnuOrbsChange_Click() {
    Session& session = workstation_.session();
    Platform& platform = workstation_.platform();
    const std::string current = session.currentOrbFile.empty()
                                    ? (session.folder / "NATAL.ORB").string()
                                    : session.currentOrbFile;
    if (const std::string problem = FileReadProblem(current); !problem.empty()) {
        platform.ShowMessage("The orb file " + current + " cannot be opened (" + problem +
                                 "); the orbs in use are kept.",
                             "Error!", MessageIcon::Critical);
        return;
    }
    const std::string chosen = platform.ChooseFile("*.ORB", current);
    if (chosen.empty()) {
        return;
    }
    session.currentOrbFile = chosen;
    // The orb file decides the kind of orbs the aspect lines use.
    Redraw();
    mnuAspects_Click();
}

void WheelsForm::mnuOrbsEdit_Click() { OpenOrbsEdit(workstation_, this); }

void WheelsForm::mnuPrintChartwheel_Click() {
    const MessageAnswer answer =
        workstation_.platform().ShowMessage(kPrintQuestion, kPrintTitle, MessageIcon::Question,
                                            MessageButtons::YesNoCancel, MessageAnswer::Cancel);
    if (answer == MessageAnswer::Cancel) {
        return;
    }
    // The command runs inside the menu bar's mouse or key handler, and the
    // question box has only just left its modal loop: its window is not yet
    // gone, nor is what it covered repainted, and no window is active to
    // own a dialog. The print dialog's own modal loop starts from the event
    // loop instead, once all of that is done, over this window.
    QTimer::singleShot(0, this, [this, answer]() { PrintAnswered(answer); });
}

void WheelsForm::PrintAnswered(MessageAnswer answer) {
    if (answer == MessageAnswer::Yes) {
        PrintFullPage();
    } else {
        PrintHalfPage();
    }
    drawing_.state.printMode = WheelPrintMode::None;
    // The printed pass placed the rings for the page; the window's own
    // placement comes back with the next paint.
    Redraw();
}

void WheelsForm::PrintFullPage() {
    // Without the data files there is no wheel to print; they are read
    // again, and while they still fail their message says why.
    if (!hasData_) {
        const WheelData* data = workstation_.WheelFiles();
        if (data == nullptr) {
            return;
        }
        drawing_.data = *data;
        hasData_ = true;
    }
    PrintOnPaper([this](QPainter& painter, const QRectF& page) {
        drawing_.state.printMode = WheelPrintMode::FullPage;
        QtCanvas canvas(painter, page);
        PaintSessionWheel(workstation_.session(), drawing_, canvas, workstation_.platform(),
                          page.width(), page.height());
        drawing_.state.printMode = WheelPrintMode::None;
    });
}

void WheelsForm::PrintHalfPage() {
    const QSize area = centralWidget()->size();
    if (!hasData_ || area.isEmpty()) {
        workstation_.platform().ShowMessage(kNoFormImage, "Warning!", MessageIcon::Information);
        return;
    }
    // The window's picture drawn again as vectors at the paper's
    // resolution, black on white, in the upper half of the page with the
    // window's proportions.
    PrintOnPaper([this, area](QPainter& painter, const QRectF& page) {
        const QSizeF room(page.width(), page.height() / 2.0);
        const QSizeF size = QSizeF(area).scaled(room, Qt::KeepAspectRatio);
        const QRectF target(QPointF((room.width() - size.width()) / 2, 0), size);
        drawing_.state.printMode = WheelPrintMode::HalfPage;
        PaintPictureOnDevice(painter, target, area.width(), area.height(), [&](Canvas& canvas) {
            PaintSessionWheel(workstation_.session(), drawing_, canvas, workstation_.platform(),
                              area.width(), area.height());
        });
        drawing_.state.printMode = WheelPrintMode::None;
    });
}

void WheelsForm::PrintOnPaper(const std::function<void(QPainter&, const QRectF&)>& draw) {
    Platform& platform = workstation_.platform();
    const std::unique_ptr<QPrinter> printer = workstation_.ChoosePaper(this);
    if (!printer) {
        return;
    }
    BusyPointer busy(platform);
    QPainter painter;
    if (!painter.begin(printer.get())) {
        platform.ShowMessage(PrinterFailure(*printer), "Error!", MessageIcon::Critical);
        return;
    }
    draw(painter, QRectF(0, 0, printer->width(), printer->height()));
    if (!painter.end()) {
        platform.ShowMessage("The print job could not be finished.", "Error!",
                             MessageIcon::Critical);
    }
}

void WheelsForm::mnuSwitch_Click() {
    Session& session = workstation_.session();
    if (SwitchWheel(session, kind_, workstation_.diurnalEntry)) {
        ReloadPrepared();
    }
    drawing_.state.switchFlag = session.wheel.switched;
    Redraw();
}

void WheelsForm::SetChartType(int type) {
    BusyPointer busy(workstation_.platform());
    mnuCTAmerican_->setChecked(type == 0);
    mnuCTEuropean_->setChecked(type == 1);
    drawing_.state.chartType = type;
    workstation_.session().settings.typeChart = static_cast<std::int16_t>(type);
    Redraw();
}

void WheelsForm::mnuCTAmerican_Click() { SetChartType(0); }

void WheelsForm::mnuCTEuropean_Click() {
    if (IsNinetyDegreeWheel(drawing_.state)) {
        // The check the click moved goes back.
        mnuCTAmerican_->setChecked(drawing_.state.chartType == 0);
        mnuCTEuropean_->setChecked(drawing_.state.chartType == 1);
        return;
    }
    SetChartType(1);
}

void WheelsForm::mnuHelp_Click() { workstation_.ShowDocument(kWheelsHelpFile); }

void WheelsForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        workstation_.ActivateMainWindow();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool WheelsForm::eventFilter(QObject* watched, QEvent* event) {
    // After Alt or an Alt+letter the menu bar keeps the keyboard, and would
    // take Escape only to leave its own keyboard mode: on this window Escape
    // brings the main window up however the menus were used (an open menu
    // still closes first, taking its own Escape).
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (watched == menuBar() && key && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        QApplication::activePopupWidget() == nullptr) {
        menuBar()->setActiveAction(nullptr);
        centralWidget()->setFocus();
        workstation_.ActivateMainWindow();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void WheelsForm::closeEvent(QCloseEvent* event) {
    if (isVisible() && !isMinimized()) {
        StorePlacementInSettings();
    }
    QMainWindow::closeEvent(event);
}

void WheelsForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    KeepBesideDuplicate();
}

}  // namespace solvaris
