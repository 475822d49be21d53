// The main window on the shipped folder with the golden chart typed in, the
// data window recorded and the wheel's page printed into a PDF file, for
// the wheel window's tests.
#pragma once

#include <QAction>
#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QPrinter>
#include <QTest>
#include <memory>
#include <string>

#include "gui/shell/main_form.hpp"
#include "gui/wheel/wheels_form.hpp"
#include "platform/headless/recording_data_window.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"
#include "support/window_desk.hpp"

namespace solvaris::testing {

struct WheelDesk {
    WheelDesk() {
        OpenShippedSession(session);
        TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
        workstation.SetDataWindowFactory([this]() -> DataWindowView& { return dataWindow; });
        workstation.SetPaperChooser([this]() {
            ++papersChosen;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(QString::fromStdString(PdfFile()));
            return printer;
        });
        main = std::make_unique<MainForm>(workstation);
    }
    ~WheelDesk() {
        // Windows without a parent (the duplicate) go with the desk.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == "Duplicat") {
                delete window;
            }
        }
    }

    QAction* Action(const char* name) const {
        return main->findChild<QAction*>(QString::fromLatin1(name));
    }
    // A main-menu item clicked; the wheel window, once there is one.
    WheelsForm* Open(const char* item) {
        Action(item)->trigger();
        return Wheels();
    }
    WheelsForm* Wheels() const { return main->findChild<WheelsForm*>("Wheels"); }
    void Click(const char* item) {
        QAction* action = Wheels()->findChild<QAction*>(QString::fromLatin1(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
        // A command may go on from the event loop (the print dialog).
        QCoreApplication::processEvents();
    }
    // What the drawing area shows now, as the screen gets it.
    QImage Shown() const {
        return Wheels()->centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    std::string PdfFile() const { return (printFolder / "wheel.pdf").string(); }
    QByteArray PdfBytes() const {
        QFile file(QString::fromStdString(PdfFile()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
    RecordingDataWindow dataWindow;
    TempFolder printFolder;
    int papersChosen = 0;
    std::unique_ptr<MainForm> main;
};

// The pages of a PDF file: its page objects, not the page tree.
inline int PdfPageCount(const QByteArray& pdf) {
    int pages = 0;
    for (qsizetype at = pdf.indexOf("/Type /Page"); at >= 0;
         at = pdf.indexOf("/Type /Page", at + 1)) {
        pages += pdf.mid(at, 12) != "/Type /Pages" ? 1 : 0;
    }
    return pages;
}

}  // namespace solvaris::testing
