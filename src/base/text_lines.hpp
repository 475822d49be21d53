// Line-by-line reading and writing of the program's text files: read with
// CR LF or LF line ends, written with CR LF. Text is UTF-8 in memory; a file
// that is not valid UTF-8 was written on Windows and is read as
// Windows-1252.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/problem.hpp"

namespace solvaris {

// Every line without its line end; nothing when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path);

// A whole file's bytes as UTF-8 text, without a byte-order mark that opens
// it: as they are when valid UTF-8, else read as Windows-1252.
std::string DecodeText(std::string bytes);

// The whole file as UTF-8 text, line ends untouched.
std::optional<std::string> ReadText(const std::filesystem::path& path);

// No data file of the program comes near this; anything larger is refused
// unread rather than held in memory.
inline constexpr std::uintmax_t kLargestDataFileBytes = 64 * 1024 * 1024;

// The file's bytes as they are, into `bytes`. Why not in a few words ("no
// such file", "a folder", "not a plain file", "larger than 64 MiB", a read
// error), `bytes` then empty, when the path is no plain readable file
// within the limit: folders, devices and pipes are refused before they are
// read, so that none of them can hang or exhaust the program.
Problem ReadFileBytes(const std::filesystem::path& path, std::string& bytes);
// The bytes, or nothing when they cannot be read (the reason: FileReadProblem).
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

// Why the path cannot be read, as above; empty when it can.
Problem FileReadProblem(const std::filesystem::path& path);

// The path opened for reading under the same rules: `fd` then holds the
// open descriptor, which the caller closes, and `sizeBytes` the file's size.
// On a problem nothing is left open.
Problem OpenDataFile(const std::filesystem::path& path, int& fd, std::uintmax_t& sizeBytes);

// Calls `line` with each line of a text with CR LF or LF ends, as a view
// into the text (a break after the last line makes no empty line): a file
// of a million line ends is walked without a million strings.
template <typename LineFunction>
void ForEachLine(std::string_view text, LineFunction&& line) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        const std::size_t cut = end > start && text[end - 1] == '\r' ? end - 1 : end;
        line(text.substr(start, cut - start));
        start = end + 1;
    }
}

// Lines of a text with CR LF or LF ends; a break after the last line makes
// no empty line.
std::vector<std::string> SplitLines(std::string_view text);

bool IsValidUtf8(std::string_view bytes);
// The length of the UTF-8 character that starts at `at` (1 to 4), or 0 when
// no valid one starts there.
std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t at);
std::string Windows1252ToUtf8(std::string_view bytes);

// Each line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// The lines of a text, each followed by CR LF.
std::string WithCrLfEnds(std::string_view text);

// Equal but for the case of ASCII letters (names compared as the user sees
// them: "SAMPLE" and "Sample").
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The number of characters (not bytes) of UTF-8 text.
std::size_t CharacterCount(std::string_view text);

}  // namespace solvaris
