#include <QApplication>
#include <iostream>

#include "cli/command_line.hpp"
#include "cli/exit_status.hpp"
#include "cli/workstation_start.hpp"
#include "gui/shell/start_up.hpp"
#include "platform/qt/runtime_folder.hpp"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string home;
    if (!solvaris::IsWorkstationCommand(args, home)) {
        return solvaris::RunCommandLine(args, std::cout, std::cerr);
    }
    if (!solvaris::DisplayAvailable(solvaris::DisplayEnvironmentOfProcess())) {
        std::cerr << solvaris::kNoDisplayMessage << '\n';
        return solvaris::kExitBadCommandLine;
    }
    solvaris::EnsureRuntimeFolder();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("SOLVARIS"));
    return solvaris::RunWorkstation(home);
}
