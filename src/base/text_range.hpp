// A byte range of a text file read as whole lines, so that the workers of a
// cluster can each take their own part of one file: the lines that begin
// within the range, decoded as ReadText decodes the whole file, and the
// number of the first.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/problem.hpp"

namespace solvaris {

struct TextRange {
    std::string text;                 // the lines, each with its line end as the file has it
    std::size_t firstLineNumber = 1;  // in the whole file, counted from 1
};

// The lines of the file that begin at a byte offset within [startByte,
// stopByte): ranges that follow one another without a gap hold each line
// once. UTF-8 as ReadText makes the whole file (without the byte-order mark
// that opens it; read as Windows-1252 when any part of the file is not valid
// UTF-8). The file is read under ReadFileBytes's rules, a problem told in
// its words; only the range is held in memory.
Problem ReadTextRange(const std::filesystem::path& path, std::uintmax_t startByte,
                      std::uintmax_t stopByte, TextRange& range);

}  // namespace solvaris
