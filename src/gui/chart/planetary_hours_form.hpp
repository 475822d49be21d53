// PHOutput, "Planetary Hours": the twelve day and twelve night hours of a
// day at the natal place with their rulers. The day steps backward and
// forward, three days go side by side to the data window, and a click on a
// ruler shows what its hour favours.
#pragma once

#include <QWidget>

#include "chart/birth_data.hpp"
#include "chart/planetary_hours.hpp"

class QLabel;
class QTableWidget;

namespace solvaris {

class Workstation;

class PlanetaryHoursForm : public QWidget {
    Q_OBJECT
public:
    // The hours of `day` at `place`; `zoneTyped` is the natal time zone as
    // typed, shown after the place.
    PlanetaryHoursForm(Workstation& workstation, const BirthData& place, std::string zoneTyped,
                       const PlanetaryDay& day, QWidget* parent = nullptr);

    void cmdBackward_Click();
    void cmdForward_Click();
    void cmdSendtoOutput_Click();
    void cmdClose_Click();
    void grdOutput_Click(int row, int column);

Q_SIGNALS:
    // The three days went to the data window.
    void reportShown();

private:
    void ShowDay(const PlanetaryDay& day);
    void ComputeAndShow();

    Workstation& workstation_;
    BirthData place_;
    std::string zoneTyped_;
    double anchor_;
    QLabel* dateLabel_;
    QLabel* placeLabel_;
    QTableWidget* grdOutput_;
};

// The Data menu's Planetary Hours: the latitude checked (its message when
// refused, and nothing opens), then the window on the natal date and place
// as the natal entry stands. It deletes itself when closed.
PlanetaryHoursForm* OpenPlanetaryHoursForm(Workstation& workstation, QWidget* parent = nullptr);

}  // namespace solvaris
