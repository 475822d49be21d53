// What a names-window test stands on: the entry desk with InputD and
// InputD1 open, a names file of the test's own (a copy, so that saves and
// edits never touch the shipped one) and the names window on it.
#pragma once

#include <QListWidget>
#include <QTest>
#include <filesystem>
#include <string>

#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/entry_desk.hpp"
#include "gui/entry/natal_entry_form.hpp"
#include "gui/people/names_form.hpp"
#include "support/temp_folder.hpp"

namespace solvaris::testing {

struct NamesDesk {
    explicit NamesDesk(const std::string& namesFileText) : file(UseNamesFile(namesFileText)) {
        natal.show();
        diurnal.show();
        names.resize(320, 420);
        names.show();
    }
    std::string UseNamesFile(const std::string& text) {
        const std::string path = folder.Write("NAMES.FIL", text).string();
        desk.workstation.names.currentFile = path;
        return path;
    }
    TempFolder folder;
    EntryDesk desk;
    std::string file;  // the names window opens on it
    NatalEntryForm natal{desk.workstation};
    DiurnalEntryForm diurnal{desk.workstation};
    NamesForm names{desk.workstation};

    QListWidget& List() { return Control<QListWidget>(names, "NamesOnFile"); }
    QStringList Listed() {
        QStringList shown;
        for (int row = 0; row < List().count(); ++row) {
            shown.append(List().item(row)->text());
        }
        return shown;
    }
    // A user's click (or double click) on the entry of that row.
    void ClickRow(int row, bool twice = false) {
        QListWidget& list = List();
        list.scrollToItem(list.item(row));
        const QPoint at = list.visualItemRect(list.item(row)).center();
        // A double click is a click and then the second press.
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
        }
    }
    int TopRow() { return List().indexAt(QPoint(4, 4)).row(); }
    int RowsShown() {
        return List().viewport()->height() / List().visualItemRect(List().item(0)).height();
    }
    bool RowShown(int row) {
        return List().viewport()->rect().contains(List().visualItemRect(List().item(row)));
    }
};

inline std::string ShippedNamesFile() {
    return *ReadFileBytes(std::filesystem::path(SOLVARIS_DATA_DIR) / "NAMES.FIL");
}

}  // namespace solvaris::testing
