// Python keywords as the command line's options: `house="koch"` is
// `--house koch`, `second_person="B"` is `--second-person B`, `from_=D` is
// `--from D`, `now=True` the flag `--now`; False and None leave the option
// out.
#pragma once

#include <pybind11/pybind11.h>

#include <string>
#include <vector>

namespace solvaris {

std::vector<std::string> CommandWords(const pybind11::kwargs& keywords);

// A TypeError for a keyword that `function` takes otherwise (`why`).
void RefuseKeyword(const pybind11::kwargs& keywords, const char* keyword, const char* function,
                   const char* why);

}  // namespace solvaris
