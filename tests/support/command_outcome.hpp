// A command line run in the test's process: its status and what it wrote.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "cli/command_line.hpp"

namespace solvaris::testing {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome RunArgs(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

// The numbers of "key":[1.5,2,...] or "key":number at the first `key` of
// a JSON text after `from`; none where there is no such key.
inline std::vector<double> JsonNumbers(const std::string& json, const std::string& key,
                                       const std::string& from = "") {
    const auto start = json.find("\"" + key + "\":", json.find(from));
    if (start == std::string::npos) {
        return {};
    }
    const std::string rest = json.substr(start + key.size() + 3);
    const bool list = rest.front() == '[';
    std::istringstream in(list ? rest.substr(1) : rest);
    std::vector<double> values;
    double value = 0;
    char separator = ',';
    while (separator == ',' && in >> value >> separator) {
        values.push_back(value);
        if (!list) {
            break;
        }
    }
    return values;
}

}  // namespace solvaris::testing
