#include "gui/wheel/cw_aspect_form.hpp"

#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "app/aspect_grid_window.hpp"
#include "gui/common/screen_areas.hpp"
#include "gui/common/workstation.hpp"
#include "platform/qt/qt_canvas.hpp"

namespace solvaris {

namespace {

constexpr int kGlyphPointSize = 12;
// Room for the widest line ("  AC bQ MC": two letters stand for a symbol
// that Unicode lacks) with the grid's own margins.
constexpr const char* kWidestLine = "    AC  bQ  MC  ";
constexpr int kDefaultHeightPixels = 600;

}  // namespace

CwAspectForm::CwAspectForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window), workstation_(workstation), Text1_(new QPlainTextEdit) {
    setObjectName("CWAspect");
    setAttribute(Qt::WA_DeleteOnClose);
    Text1_->setObjectName("Text1");
    Text1_->setReadOnly(true);
    Text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1_->setFont(QFont(kGlyphFontFamily, kGlyphPointSize));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Text1_);
    const QFontMetrics metrics(Text1_->font());
    resize(metrics.horizontalAdvance(kWidestLine) +
               Text1_->verticalScrollBar()->sizeHint().width() + 2 * Text1_->frameWidth(),
           kDefaultHeightPixels);
    Rebuild();
}

void CwAspectForm::Rebuild() {
    const BusyPointer busy(workstation_.platform());
    const std::string text = AspectGridWindowText(workstation_.session(), workstation_.platform());
    Text1_->setPlainText(QString::fromStdString(text).replace(QStringLiteral("\r\n"), "\n"));
}

void ReopenAspectGrid(Workstation& workstation, QPointer<CwAspectForm>& slot, QWidget* wheel) {
    std::optional<QRect> stood;
    if (slot) {
        stood = slot->geometry();
        slot->close();
    }
    slot = new CwAspectForm(workstation, wheel);
    if (stood) {
        slot->setGeometry(*stood);
    } else {
        const PixelRect screen = ScreenAreaOf(wheel);
        const int height = wheel != nullptr ? wheel->geometry().height() : slot->height();
        slot->resize(slot->width(), std::min(height, screen.height));
        if (wheel != nullptr) {
            // Not shown yet, the grid has no frame: it gets one like the wheel's.
            const QSize border = wheel->frameGeometry().size() - wheel->size();
            const PixelRect frame{0, 0, slot->width() + border.width(),
                                  slot->height() + border.height()};
            MoveFrame(*slot, BesideFrame(FrameOf(*wheel), frame, screen));
        }
    }
    slot->show();
}

}  // namespace solvaris
