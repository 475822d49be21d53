#include "base/text_range.hpp"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "base/text_lines.hpp"

namespace solvaris {

namespace {

// The parts of the file outside the range are walked a block at a time in
// one buffer: counting the lines before a range at the end of a large file
// holds no more than this.
constexpr std::size_t kBlockBytes = 1024 * 1024;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile() { ::close(fd_); }
    int fd() const { return fd_; }

private:
    int fd_;
};

// Up to `size` bytes from `at` into `bytes`, fewer at the end of the file.
Problem ReadAt(int fd, std::uintmax_t at, std::size_t size, std::string& bytes) {
    bytes.resize(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, bytes.data() + done, size - done, static_cast<off_t>(at + done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            return "read error: " + std::string(std::strerror(error));
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return {};
}

// Calls `block` with the bytes of [from, to) a block at a time and the
// offset of each, until it answers false or the file ends.
template <typename BlockFunction>
Problem ForEachBlock(int fd, std::uintmax_t from, std::uintmax_t to, std::string& buffer,
                     BlockFunction&& block) {
    for (std::uintmax_t at = from; at < to;) {
        const auto size = static_cast<std::size_t>(std::min<std::uintmax_t>(kBlockBytes, to - at));
        if (Problem problem = ReadAt(fd, at, size, buffer); !problem.empty()) {
            return problem;
        }
        if (buffer.empty() || !block(std::string_view(buffer), at)) {
            return {};
        }
        at += buffer.size();
    }
    return {};
}

// Whether [from, to) is valid UTF-8, `from` and `to` at line starts (no
// character spans a line end, so each run of whole lines is checked alone).
Problem IsUtf8Part(int fd, std::uintmax_t from, std::uintmax_t to, std::string& buffer,
                   bool& valid) {
    std::string lines;
    valid = true;
    Problem problem = ForEachBlock(fd, from, to, buffer, [&](std::string_view block, auto) {
        lines += block;
        const std::size_t end = lines.rfind('\n');
        if (end != std::string::npos) {
            valid = IsValidUtf8(std::string_view(lines).substr(0, end + 1));
            lines.erase(0, end + 1);
        }
        return valid;
    });
    valid = valid && IsValidUtf8(lines);
    return problem;
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Where the range's first line begins: `begin` itself after a line end,
// else just after the next line end (a line that begins before the range
// belongs to the range before), `stop` when there is none before it; with
// the number of line ends before that place.
Problem FirstLineStart(int fd, std::uintmax_t stop, std::string& buffer, std::uintmax_t& begin,
                       std::size_t& lineEnds) {
    lineEnds = 0;
    char before = '\n';
    Problem problem = ForEachBlock(fd, 0, begin, buffer, [&](std::string_view block, auto) {
        lineEnds += static_cast<std::size_t>(std::count(block.begin(), block.end(), '\n'));
        before = block.back();
        return true;
    });
    if (!problem.empty() || before == '\n') {
        return problem;
    }
    const std::uintmax_t from = begin;
    begin = stop;
    return ForEachBlock(fd, from, stop, buffer, [&](std::string_view block, auto at) {
        const std::size_t end = block.find('\n');
        if (end == std::string_view::npos) {
            return true;
        }
        begin = at + end + 1;
        ++lineEnds;
        return false;
    });
}

// The range's text, [begin, end) of the file, decoded as ReadText decodes
// the whole file: UTF-8 unless any part of the file is not, then
// Windows-1252. ASCII reads the same either way.
Problem DecodeAsTheWholeFile(int fd, std::uintmax_t begin, std::uintmax_t end, std::uintmax_t size,
                             std::string& buffer, std::string& text) {
    if (IsAscii(text)) {
        return {};
    }
    bool valid = IsValidUtf8(text);
    Problem problem;
    if (valid) {
        problem = IsUtf8Part(fd, 0, begin, buffer, valid);
    }
    if (valid && problem.empty()) {
        problem = IsUtf8Part(fd, end, size, buffer, valid);
    }
    if (!valid) {
        text = Windows1252ToUtf8(text);
    }
    return problem;
}

}  // namespace

Problem ReadTextRange(const std::filesystem::path& path, std::uintmax_t startByte,
                      std::uintmax_t stopByte, TextRange& range) {
    range = {};
    int fd = -1;
    std::uintmax_t size = 0;
    if (Problem problem = OpenDataFile(path, fd, size); !problem.empty()) {
        return problem;
    }
    const OpenFile file(fd);
    const std::uintmax_t stop = std::min(stopByte, size);
    std::uintmax_t begin = std::min(startByte, stop);
    std::string buffer;
    std::size_t lineEnds = 0;
    if (Problem problem = FirstLineStart(fd, stop, buffer, begin, lineEnds); !problem.empty()) {
        return problem;
    }
    range.firstLineNumber = lineEnds + 1;
    if (begin >= stop) {
        return {};
    }
    if (Problem read = ReadAt(fd, begin, static_cast<std::size_t>(stop - begin), range.text);
        !read.empty()) {
        return read;
    }
    // The last line runs on past the range to its end.
    Problem problem;
    if (!range.text.empty() && range.text.back() != '\n') {
        problem = ForEachBlock(
            fd, begin + range.text.size(), size, buffer, [&](std::string_view block, auto) {
                const std::size_t lineEnd = block.find('\n');
                range.text +=
                    block.substr(0, lineEnd == std::string_view::npos ? block.size() : lineEnd + 1);
                return lineEnd == std::string_view::npos;
            });
    }
    const std::uintmax_t end = begin + range.text.size();
    if (problem.empty() && begin == 0 && std::string_view(range.text).starts_with(kByteOrderMark)) {
        range.text.erase(0, kByteOrderMark.size());
    }
    if (problem.empty()) {
        problem = DecodeAsTheWholeFile(fd, begin, end, size, buffer, range.text);
    }
    if (!problem.empty()) {
        range = {};
    }
    return problem;
}

}  // namespace solvaris
