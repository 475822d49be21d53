// What every window test stands on: a fresh program folder, its session, the
// scripted platform, the workstation with recording outputs; and a user's hands.
#pragma once

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "gui/common/workstation.hpp"
#include "gui/entry/diurnal_entry_form.hpp"
#include "gui/entry/natal_entry_form.hpp"
#include "gui/reports/data_form.hpp"
#include "gui/shell/main_form.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "platform/headless/recording_printer.hpp"
#include "support/golden_chart.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris::testing {

struct DeskOptions {
    bool goldenChart = true;    // the golden chart in the entry records
    bool entryWindows = false;  // InputD and InputD1 open on them
    bool dataForm = false;      // OutputD1 in place of the recording data window
    bool mainForm = false;      // the main window, whose Wheels menu opens the wheel
};

struct WindowDesk {
    explicit WindowDesk(DeskOptions options = {}) {
        std::filesystem::copy(SOLVARIS_DATA_DIR, folder.path(),
                              std::filesystem::copy_options::recursive);
        OpenShippedSession(session, folder.path());
        session.settings = DefaultSettings(folder.path());
        platform.SetNow({2026, 12, 5, 15, 7, 42});
        workstation.SetDataWindowFactory([this]() -> DataWindowView& { return dataWindow; });
        workstation.SetPrinterChooser(RecordingPrinterChooser(printed));
        // The wheel's paper: folder/paper.pdf.
        workstation.SetPaperChooser([this]() {
            auto paper = std::make_unique<QPrinter>(QPrinter::HighResolution);
            paper->setOutputFileName(QString::fromStdString((folder / "paper.pdf").string()));
            return paper;
        });
        if (options.dataForm) {
            InstallDataForm(workstation);
        }
        if (options.entryWindows) {
            natal = std::make_unique<NatalEntryForm>(workstation);
            diurnal = std::make_unique<DiurnalEntryForm>(workstation);
            natal->show();
            diurnal->show();
        }
        if (options.goldenChart) {
            TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
            workstation.AnnounceEntryChanged();
        }
        if (options.mainForm) {
            main = std::make_unique<MainForm>(workstation);
        }
    }
    ~WindowDesk() {
        // Top-level windows the test opened go with the desk.
        natal.reset();
        diurnal.reset();
        main.reset();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TempFolder folder;
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow dataWindow;
    PrintRecord printed;
    std::unique_ptr<NatalEntryForm> natal;
    std::unique_ptr<DiurnalEntryForm> diurnal;
    std::unique_ptr<MainForm> main;
};

template <typename T>
T& Control(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(name);
    if (control == nullptr) {
        ADD_FAILURE() << "no control " << name << " in " << window.objectName().toStdString();
        throw std::runtime_error(name);
    }
    return *control;
}

inline void TypeInto(QWidget& window, const char* name, const std::string& keys) {
    auto& field = Control<QLineEdit>(window, name);
    field.selectAll();
    QTest::keyClicks(&field, QString::fromStdString(keys));
}

// Near the left edge: a stretched option button only takes clicks on its
// mark and caption.
inline void ClickOn(QWidget& control) {
    QTest::mouseClick(&control, Qt::LeftButton, {},
                      QPoint(std::min(8, control.width() / 2), control.height() / 2));
}

inline void Click(QWidget& window, const char* name) { ClickOn(Control<QWidget>(window, name)); }

// A menu item chosen, and what it leaves to the event loop done.
inline void Choose(QWidget& window, const char* item) {
    Control<QAction>(window, item).trigger();
    QCoreApplication::processEvents();
}

// What a field or a text box shows, the box's line breaks as the files have them.
inline std::string Shown(QWidget& window, const char* name) {
    if (auto* text = window.findChild<QPlainTextEdit*>(name)) {
        return text->toPlainText().replace("\n", "\r\n").toStdString();
    }
    return Control<QLineEdit>(window, name).text().toStdString();
}

// The text box's first seven columns overtyped; what it then shows.
inline std::string OvertypeStart(QWidget& window, const char* name, const char* value) {
    auto& text = Control<QPlainTextEdit>(window, name);
    QTest::keyClick(&text, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(&text, Qt::Key_Delete);
    }
    QTest::keyClicks(&text, value);
    return Shown(window, name);
}

// Every text field and chosen option button of a window in Tab order, as
// "12|5|1950|...|optPM|..."; EntryOf gives the same line for a record.
inline std::string Showing(QWidget& window) {
    std::string shown;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            shown += field->text().toStdString() + "|";
        } else if (auto* option = qobject_cast<QRadioButton*>(w); option && option->isChecked()) {
            shown += option->objectName().toStdString() + "|";
        }
    }
    return shown;
}

// The fields' line of either window, its option buttons named from `opt`.
inline std::string LineOf(const EntryFields& f, const std::string& opt) {
    const auto chosen = [&opt](bool second, const char* one, const char* other) {
        return opt + (second ? other : one) + "|";
    };
    return f.month + "|" + f.day + "|" + f.year + "|" + f.hour + "|" + f.minute + "|" +
           chosen(f.pm, "AM", "PM") + f.zone + "|" + f.longDeg + "|" + f.longMin + "|" +
           chosen(f.east, "West", "East") + f.latDeg + "|" + f.latMin + "|" +
           chosen(f.south, "North", "South");
}

inline std::string EntryOf(const NatalEntryWindow& w) {
    return w.txtName + "|" + LineOf(w.fields, "opt");
}

inline std::string EntryOf(const DiurnalEntryWindow& w) { return LineOf(w.fields, "optDiurnal"); }

// A line as EntryOf gives it, typed field by field, its option buttons clicked.
inline void TypeEntry(QWidget& window, const std::string& line) {
    const QStringList parts = QString::fromStdString(line).split('|');
    qsizetype next = 0;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            field->selectAll();
            QTest::keyClicks(field, parts.value(next++));
        } else if (qobject_cast<QRadioButton*>(w) && w->objectName() == parts.value(next)) {
            ClickOn(*w);
            ++next;
        }
    }
}

inline void ClickLine(QListWidget& list, int row, bool twice = false) {
    QListWidgetItem* item = list.item(row);
    ASSERT_NE(item, nullptr) << "no line " << row;
    list.scrollToItem(item);
    const QPoint at = list.visualItemRect(item).center();
    // A double click is a click and then the second press.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    if (twice) {
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }
}

// The first line starting with `start`.
inline void ClickLine(QListWidget& list, const char* start, bool twice = false) {
    const auto found = list.findItems(QString::fromUtf8(start), Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << "no line " << start;
    ClickLine(list, list.row(found.front()), twice);
}

inline std::vector<std::string> Lines(const QListWidget& list) {
    std::vector<std::string> lines;
    for (int row = 0; row < list.count(); ++row) {
        lines.push_back(list.item(row)->text().toStdString());
    }
    return lines;
}

// The shown top-level windows of that name, or all of them.
inline std::vector<QWidget*> OpenWindows(const char* name = nullptr) {
    std::vector<QWidget*> shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if ((name == nullptr || window->objectName() == QLatin1String(name)) &&
            window->isVisible()) {
            shown.push_back(window);
        }
    }
    return shown;
}

template <typename T>
T* OpenWindow(const char* name) {
    const auto shown = OpenWindows(name);
    return shown.empty() ? nullptr : qobject_cast<T*>(shown.front());
}

// The text of the only message shown, else how many there were.
inline std::string Said(const ScriptedPlatform& platform) {
    const auto& shown = platform.Messages();
    return shown.size() == 1 ? shown[0].text : std::to_string(shown.size()) + " messages";
}

// The pages of a PDF file: its page objects, not the page tree.
inline long PdfPageCount(const std::string& pdf) {
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page),
                         std::sregex_iterator());
}

// Windows closed with deletion on close are gone.
inline void DiscardClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace solvaris::testing
