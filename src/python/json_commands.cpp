#include "python/json_commands.hpp"

#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"
#include "cli/exit_status.hpp"
#include "python/command_messages.hpp"
#include "python/command_words.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

// The command's JSON, for the options as keywords and then `tail`, as
// Python's json module reads it; the GIL released while it runs, so that
// other threads run too.
py::object RunJsonCommand(const char* command, const py::kwargs& options,
                          std::initializer_list<const char*> tail = {}) {
    std::vector<std::string> words{command};
    for (std::string& word : CommandWords(options)) {
        words.push_back(std::move(word));
    }
    words.insert(words.end(), tail.begin(), tail.end());
    std::ostringstream out;
    std::ostringstream err;
    int status = kExitDone;
    {
        const py::gil_scoped_release released;
        status = RunCommandLine(words, out, err);
    }
    if (status != kExitDone) {
        ThrowCommandError(err.str());
    }
    WarnCommandNotes(err.str());
    return py::module_::import("json").attr("loads")(py::str(out.str()));
}

}  // namespace

py::object ChartOf(const py::kwargs& options) {
    RefuseKeyword(options, "format", "chart", "it returns the chart JSON as a dict");
    return RunJsonCommand("chart", options);
}

py::object TimelineOf(const py::kwargs& options) {
    RefuseKeyword(options, "format", "timeline", "it returns the JSON events as a list");
    return RunJsonCommand("timeline", options, {"--format", "json"});
}

}  // namespace solvaris
