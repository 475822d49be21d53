// Keywords, the quick reference of the keyword texts: a 12 x 4 grid of
// planets, signs, houses, elements, qualities and general topics; a click on
// a named cell shows its keywords in a box titled with the cell's label.
#pragma once

#include <QWidget>

class QTableWidget;

namespace solvaris {

class Workstation;

class KeywordsForm : public QWidget {
    Q_OBJECT
public:
    explicit KeywordsForm(Workstation& workstation, QWidget* parent = nullptr);

    void grdOutput_Click(int row, int column);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Workstation& workstation_;
    QTableWidget* grdOutput_;
};

}  // namespace solvaris
