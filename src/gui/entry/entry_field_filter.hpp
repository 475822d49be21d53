// What every text field of the entry windows does as the user types: the
// keys its control refuses are discarded (the control's object name says
// which rule applies), and entering the field selects its whole content.
#pragma once

#include <QObject>

class QLineEdit;

namespace solvaris {

class EntryFieldFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Entered by the mouse or with its window, until the button is released.
    bool selectOnRelease_ = false;
};

// The filter onto the field, named beforehand; numeric fields also take no
// drops and offer no context menu, whose Paste would bypass the filter.
void InstallEntryFieldFilter(QLineEdit& field);

}  // namespace solvaris
