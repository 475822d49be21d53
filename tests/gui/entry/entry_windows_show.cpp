// Not a check: shows InputD, InputD1 and NewDate on a real display for
// review by eye, until the windows are closed (or the process is ended).
// Run with DISPLAY and QT_QPA_PLATFORM=xcb set, and the options
// --gtest_also_run_disabled_tests --gtest_filter=EntryWindows.DISABLED_Show
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/entry_desk.hpp"
#include "gui/entry/natal_entry_form.hpp"
#include "gui/entry/new_date_form.hpp"

namespace solvaris {
namespace {

TEST(EntryWindows, DISABLED_Show) {
    testing::EntryDesk desk;
    testing::TypeGoldenNewYork(desk.workstation.natalEntry, desk.workstation.diurnalEntry);
    ASSERT_TRUE(desk.workstation.ComputeChart());
    NatalEntryForm natal(desk.workstation);
    DiurnalEntryForm diurnal(desk.workstation);
    NewDateForm newDate(desk.workstation);
    natal.move(20, 20);
    natal.show();
    diurnal.move(20, natal.frameGeometry().bottom() + 30);
    diurnal.show();
    newDate.move(natal.frameGeometry().right() + 30, 20);
    newDate.show();
    QApplication::exec();
}

}  // namespace
}  // namespace solvaris
