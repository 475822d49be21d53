// What the cities, time-zone and atlas window tests share: both entry
// windows on the entry desk, a click on a list line, the top-level window
// of a name, and the place an entry window shows, in one line.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QRadioButton>
#include <memory>

#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/entry_desk.hpp"
#include "gui/entry/natal_entry_form.hpp"

namespace solvaris::testing {

struct PeopleDesk : EntryDesk {
    PeopleDesk() {
        natal.show();
        diurnal.show();
    }
    NatalEntryForm natal{workstation};
    DiurnalEntryForm diurnal{workstation};
};

inline void ClickLine(QListWidget& list, int row) {
    QListWidgetItem* item = list.item(row);
    ASSERT_NE(item, nullptr) << "no line " << row;
    list.scrollToItem(item);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

// The first line starting with `start`.
inline void ClickLine(QListWidget& list, const char* start) {
    const auto found = list.findItems(QString::fromUtf8(start), Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << "no line " << start;
    ClickLine(list, list.row(found.front()));
}

inline std::vector<std::string> Lines(const QListWidget& list) {
    std::vector<std::string> lines;
    for (int row = 0; row < list.count(); ++row) {
        lines.push_back(list.item(row)->text().toStdString());
    }
    return lines;
}

// The shown top-level window of that name, or null.
template <typename T>
T* OpenWindow(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible()) {
            return qobject_cast<T*>(window);
        }
    }
    return nullptr;
}

// Windows closed with deletion on close are gone.
inline void DiscardClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline bool Checked(QWidget& window, const char* name) {
    return Control<QRadioButton>(window, name).isChecked();
}

// "zone|long deg|long min|E or W|lat deg|lat min|N or S" as the window
// shows it.
inline std::string NatalPlaceShown(QWidget& natal) {
    return Shown(natal, "txtTZ") + "|" + Shown(natal, "txtLongDeg") + "|" +
           Shown(natal, "txtLongMin") + "|" + (Checked(natal, "optEast") ? "E" : "W") + "|" +
           Shown(natal, "txtLatDeg") + "|" + Shown(natal, "txtLatMin") + "|" +
           (Checked(natal, "optSouth") ? "S" : "N");
}

inline std::string DiurnalPlaceShown(QWidget& diurnal) {
    return Shown(diurnal, "txtDiurnalTZ") + "|" + Shown(diurnal, "txtDiurnalLongDeg") + "|" +
           Shown(diurnal, "txtDiurnalLongMin") + "|" +
           (Checked(diurnal, "optDiurnalEast") ? "E" : "W") + "|" +
           Shown(diurnal, "txtDiurnalLatDeg") + "|" + Shown(diurnal, "txtDiurnalLatMin") + "|" +
           (Checked(diurnal, "optDiurnalSouth") ? "S" : "N");
}

// The same line from an entry record.
inline std::string PlaceOf(const NatalEntryWindow& w) {
    return w.txtTZ + "|" + w.txtLongDeg + "|" + w.txtLongMin + "|" + (w.optEast ? "E" : "W") + "|" +
           w.txtLatDeg + "|" + w.txtLatMin + "|" + (w.optSouth ? "S" : "N");
}

inline std::string PlaceOf(const DiurnalEntryWindow& w) {
    return w.txtDiurnalTZ + "|" + w.txtDiurnalLongDeg + "|" + w.txtDiurnalLongMin + "|" +
           (w.optDiurnalEast ? "E" : "W") + "|" + w.txtDiurnalLatDeg + "|" + w.txtDiurnalLatMin +
           "|" + (w.optDiurnalSouth ? "S" : "N");
}

}  // namespace solvaris::testing
