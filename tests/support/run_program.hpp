// Runs a shell command line as a user would type it and keeps what it
// wrote and how it ended.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/temp_folder.hpp"

namespace solvaris::testing {

struct ProgramRun {
    int status = -1;  // the exit status; -1 when killed by a signal
    std::string out;
    std::string err;
};

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// `prefix` (environment settings, a program) and the quoted arguments.
inline ProgramRun RunShell(const std::string& prefix, const std::vector<std::string>& args) {
    const TempFolder scratch;
    std::string command = prefix;
    for (const std::string& a : args) {
        command += " " + ShellQuoted(a);
    }
    command += " >" + ShellQuoted((scratch / "out").string()) + " 2>" +
               ShellQuoted((scratch / "err").string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, scratch.Read("out"), scratch.Read("err")};
}

#ifdef SOLVARIS_BINARY
// The program of this build tree, headless.
inline ProgramRun RunSolvaris(const std::vector<std::string>& args) {
    return RunShell("QT_QPA_PLATFORM=offscreen " + ShellQuoted(SOLVARIS_BINARY), args);
}
#endif

}  // namespace solvaris::testing
