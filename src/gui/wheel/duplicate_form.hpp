// Duplicat, "Duplicate Chartwheel": a still picture of the wheel window,
// kept beside it for comparison while the wheel window goes on to other
// charts. It is not redrawn from chart data.
#pragma once

#include <QImage>
#include <QWidget>

namespace solvaris {

class Workstation;

class DuplicateForm : public QWidget {
    Q_OBJECT
public:
    explicit DuplicateForm(Workstation& workstation, QWidget* parent = nullptr);

    // The picture the window keeps, drawn scaled to its area with its
    // proportions; false (and the window cleared) when there is no picture
    // to copy.
    bool CopyPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }

Q_SIGNALS:
    // The wheel window takes its place and width back.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace solvaris
