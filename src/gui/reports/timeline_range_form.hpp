// TimelineRange, "Transit Timeline": Data > Transit timeline. It opens on a
// year from the diurnal day; OK computes the charts from the entry windows
// and shows the timeline of the range in the data window.
#pragma once

#include <QDialog>
#include <QGridLayout>

#include "reports/timeline_report.hpp"

namespace solvaris {

class Workstation;

class TimelineRangeForm : public QDialog {
    Q_OBJECT
public:
    // Show it modally with exec(); OK closes it once the report is shown.
    explicit TimelineRangeForm(Workstation& workstation, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The From and To dates' six fields, and the kinds' boxes below them.
    void AddDateFields(QGridLayout& grid);
    void AddKindBoxes(QGridLayout& grid);
    void cmdOK_Click();

    Workstation& workstation_;
    TimelineRangeWindow entry_;
};

}  // namespace solvaris
