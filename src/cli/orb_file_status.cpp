#include "cli/orb_file_status.hpp"

#include "base/text_lines.hpp"
#include "cli/exit_status.hpp"

namespace solvaris {

int OrbFileStatus(const std::string& file, std::string_view command, std::ostream& err) {
    const std::string problem = FileReadProblem(file);
    err << "solvaris " << command << ": " << file << " cannot be read ("
        << (problem.empty() ? std::string("no lines") : problem) << ")\n";
    return kExitFileProblem;
}

}  // namespace solvaris
