// The fixed grids of the Keywords and Planetary Hours windows: cells of a
// size given in twips, no headings, nothing to edit or select, the whole
// grid in view.
#pragma once

class QTableWidget;

namespace solvaris {

struct GridTwips {
    double rowHeight;
    double columnWidth;
};

void SetUpTwipsGrid(QTableWidget& grid, GridTwips cell, double twipsPerPixel);

}  // namespace solvaris
