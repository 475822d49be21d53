// What the aspect grid and orb editor tests stand on: the golden chart
// computed, the shipped orb files copied into a folder of the test's own
// (so that edits never touch the shipped ones), and a Wheels command run.
#pragma once

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <filesystem>
#include <string>

#include "app/wheel_command.hpp"
#include "gui/common/workstation.hpp"
#include "support/scripted_platform.hpp"
#include "support/temp_folder.hpp"
#include "support/window_desk.hpp"

namespace solvaris::testing {

struct GridDesk {
    GridDesk() {
        OpenShippedSession(session);
        TypeGoldenNewYork(workstation.natalEntry, workstation.diurnalEntry);
        if (!workstation.ComputeChart()) {
            ADD_FAILURE() << "the golden chart was not computed";
        }
        for (const auto& entry : std::filesystem::directory_iterator(session.folder)) {
            if (entry.path().extension() == ".ORB") {
                std::filesystem::copy_file(entry.path(), folder / entry.path().filename().string());
            }
        }
        session.folder = folder.path();
        session.currentOrbFile = (folder / "NATAL.ORB").string();
    }
    bool Wheel(WheelKind kind) {
        return RunWheelCommand(session, kind, workstation.diurnalEntry, platform);
    }

    TempFolder folder;
    Session session;
    ScriptedPlatform platform;
    Workstation workstation{session, platform};
};

// What a text box shows, its line breaks as the files have them.
inline std::string ShownText(QWidget& window, const char* name) {
    auto* box = window.findChild<QPlainTextEdit*>(name);
    if (box == nullptr) {
        ADD_FAILURE() << "no control " << name;
        return {};
    }
    return box->toPlainText().replace("\n", "\r\n").toStdString();
}

// Windows closed with deletion on close are gone.
inline void DiscardClosed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace solvaris::testing
