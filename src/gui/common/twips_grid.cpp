#include "gui/common/twips_grid.hpp"

#include <QHeaderView>
#include <QTableWidget>
#include <cmath>

namespace solvaris {

namespace {

int Pixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

void SetUpTwipsGrid(QTableWidget& grid, GridTwips cell, double twipsPerPixel) {
    grid.horizontalHeader()->hide();
    grid.verticalHeader()->hide();
    grid.setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid.setSelectionMode(QAbstractItemView::NoSelection);
    grid.setFocusPolicy(Qt::NoFocus);
    grid.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The style's least row height would otherwise overrule the twips.
    grid.verticalHeader()->setMinimumSectionSize(1);
    grid.horizontalHeader()->setMinimumSectionSize(1);
    grid.verticalHeader()->setDefaultSectionSize(Pixels(cell.rowHeight, twipsPerPixel));
    grid.horizontalHeader()->setDefaultSectionSize(Pixels(cell.columnWidth, twipsPerPixel));
    grid.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid.horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const int frame = 2 * grid.frameWidth();
    grid.setFixedSize(grid.columnCount() * grid.horizontalHeader()->defaultSectionSize() + frame,
                      grid.rowCount() * grid.verticalHeader()->defaultSectionSize() + frame);
}

}  // namespace solvaris
