// The command-line program draws no pictures: `wheel` is handed to the
// workstation program before any option is read (main.cpp); only when that
// program cannot be started does a wheel come this far.
#include "cli/workstation_program.hpp"
#include "platform/image_file.hpp"

namespace solvaris {

Problem ExportImage(const ImageRequest&, const std::function<void(Canvas&)>&, const ReplaceFault&) {
    return std::string("pictures are drawn by ") + kWorkstationProgramName +
           ", which cannot be started from here";
}

}  // namespace solvaris
