#include "cli/workstation_program.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/trusted_path.hpp"
#include "cli/command_help.hpp"
#include "cli/workstation_start.hpp"

namespace solvaris {

bool NeedsWorkstationProgram(const std::vector<std::string>& args) {
    std::string home;
    if (IsWorkstationCommand(args, home)) {
        return true;
    }
    return args[0] == "wheel" && !AsksForHelp({args.begin() + 1, args.end()});
}

std::filesystem::path WorkstationProgramPath(const std::filesystem::path& thisProgram) {
    const std::filesystem::path folder = thisProgram.parent_path();
    const std::filesystem::path beside = folder / kWorkstationProgramName;
    if (::access(beside.c_str(), X_OK) == 0) {
        return beside;
    }
    return (folder / SOLVARIS_LIBEXEC_FROM_BIN / kWorkstationProgramName).lexically_normal();
}

WorkstationStartFailure RunWorkstationProgram(char** argv) {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return {"this program's own path cannot be read (" + error.message() + ")", false};
    }
    const std::filesystem::path program = WorkstationProgramPath(self);
    // A program another user could have put there never runs as this user.
    if (const Problem untrusted = UntrustedPathProblem(program, TrustedUsersOfProcess());
        !untrusted.empty() && std::filesystem::exists(program, error)) {
        return {program.string() + " is not started: " + untrusted, true};
    }
    ::execv(program.c_str(), argv);
    return {program.string() + " cannot be started (" + std::strerror(errno) + ")", false};
}

}  // namespace solvaris
