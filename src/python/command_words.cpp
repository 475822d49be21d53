#include "python/command_words.hpp"

#include <algorithm>

namespace py = pybind11;

namespace solvaris {

std::vector<std::string> CommandWords(const py::kwargs& keywords) {
    std::vector<std::string> words;
    for (const auto& [key, value] : keywords) {
        std::string option = "--" + py::cast<std::string>(key);
        // from_ for --from: Python's own words take the underscore after them.
        if (option.size() > 3 && option.back() == '_') {
            option.pop_back();
        }
        std::replace(option.begin() + 2, option.end(), '_', '-');
        // The command's help is text, never the answer the function returns.
        if (option == "--help") {
            throw py::type_error(
                "solvaris takes no keyword 'help': help(solvaris) tells of its "
                "functions, `solvaris help COMMAND` of the options");
        }
        if (value.is_none() || (py::isinstance<py::bool_>(value) && !value.cast<bool>())) {
            continue;
        }
        words.push_back(option);
        if (!py::isinstance<py::bool_>(value)) {
            words.push_back(py::cast<std::string>(py::str(value)));
        }
    }
    return words;
}

void RefuseKeyword(const py::kwargs& keywords, const char* keyword, const char* function,
                   const char* why) {
    if (keywords.contains(keyword)) {
        throw py::type_error(std::string(function) + "() takes no keyword '" + keyword +
                             "': " + why);
    }
}

}  // namespace solvaris
