// A workstation on a copy of the shipped program folder (the data window
// writes PRNTFILE.XXX and saved reports there), the golden New York chart
// typed in, OutputD1 installed as its data window and a recording printer.
#pragma once

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <filesystem>

#include "gui/reports/data_form.hpp"
#include "gui/shell/workstation.hpp"
#include "gui/support/golden_session.hpp"
#include "platform/headless/recording_printer.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"

namespace solvaris::testing {

struct DataWindowFixture {
    DataWindowFixture() {
        OpenShippedSession(session);
        std::filesystem::copy(SOLVARIS_DATA_DIR, folder.path(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        session.folder = folder.path();
        TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
        workstation.SetPrinterChooser(RecordingPrinterChooser(printed));
        InstallDataForm(workstation);
    }
    ~DataWindowFixture() {
        // Deleting a window deletes the windows it owns (PrntFile).
        std::vector<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            windows.emplace_back(window);
        }
        for (const QPointer<QWidget>& window : windows) {
            if (window && window->objectName() == "OutputD1") {
                delete window.data();
            }
        }
    }

    // The data window as the reports see it (created on first use).
    DataForm* Form() { return dynamic_cast<DataForm*>(&workstation.DataWindow()); }
    QAction* Item(const char* name) { return Form()->findChild<QAction*>(name); }
    QPlainTextEdit* Text1() { return Form()->findChild<QPlainTextEdit*>("Text1"); }
    // What Text1 shows, with the CR LF line ends the report was given.
    std::string Shown() { return Text1()->toPlainText().replace("\n", "\r\n").toStdString(); }
    const ReportCommand& Command(std::string_view name) {
        for (const ReportCommand& command : DataMenuCommands()) {
            if (command.name == name) {
                return command;
            }
        }
        throw std::logic_error("no such report");
    }

    TempFolder folder;
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    PrintRecord printed;
};

}  // namespace solvaris::testing
