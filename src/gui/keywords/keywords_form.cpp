#include "gui/keywords/keywords_form.hpp"

#include <QPainter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/common/twips_grid.hpp"
#include "gui/common/workstation.hpp"
#include "gui/controls/qt_text.hpp"
#include "gui/entry/entry_controls.hpp"
#include "keywords/keyword_texts.hpp"

namespace solvaris {

namespace {

constexpr double kRowHeightTwips = 250;
constexpr double kColumnWidthTwips = 1200;

}  // namespace

KeywordsForm::KeywordsForm(Workstation& workstation, QWidget* parent)
    : QWidget(parent, Qt::Window),
      workstation_(workstation),
      grdOutput_(new QTableWidget(kKeywordGridRows, kKeywordGridColumns)) {
    setObjectName("Keywords");
    setWindowTitle("Keywords");
    grdOutput_->setObjectName("grdOutput");
    for (int row = 0; row < kKeywordGridRows; ++row) {
        for (int column = 0; column < kKeywordGridColumns; ++column) {
            grdOutput_->setItem(row, column,
                                new QTableWidgetItem(QtText(KeywordCellLabel(row, column))));
        }
    }
    SetUpTwipsGrid(*grdOutput_, {kRowHeightTwips, kColumnWidthTwips}, workstation_.twipsPerPixel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(grdOutput_);
    connect(grdOutput_, &QTableWidget::cellClicked, this, &KeywordsForm::grdOutput_Click);
}

void KeywordsForm::grdOutput_Click(int row, int column) {
    const std::string_view label = KeywordCellLabel(row, column);
    const std::string message = KeywordMessage(label);
    if (message.empty()) {
        return;
    }
    workstation_.platform().ShowMessage(message, label, MessageIcon::Information);
}

void KeywordsForm::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // The entry windows' frame about the grid.
    QPainter painter(this);
    PaintTwoToneBorder(painter, grdOutput_->geometry());
}

}  // namespace solvaris
