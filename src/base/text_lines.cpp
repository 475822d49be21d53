#include "base/text_lines.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace solvaris {

namespace {

// Windows-1252 code points of bytes 0x80 to 0x9F; 0 where the code page
// leaves a byte undefined (read as the C1 control of the same number).
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

constexpr const char* kTooLarge = "larger than 64 MiB";

std::string ErrorText(int error) {
    switch (error) {
        case ENOENT: return "no such file";
        case EACCES: return "no permission to read it";
        case EISDIR: return "a folder";
        default: return std::strerror(error);
    }
}

// Why a file of this kind and size is no data file; empty when it may be.
std::string KindProblem(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) {
        return "a folder";
    }
    if (!S_ISREG(info.st_mode)) {
        return "not a plain file";
    }
    if (static_cast<std::uintmax_t>(info.st_size) > kLargestDataFileBytes) {
        return kTooLarge;
    }
    return {};
}

// Up to the limit and one byte more: a file may grow while it is read, and
// files of /proc report no size at all.
std::string ReadAll(int fd, std::string& bytes) {
    constexpr std::size_t kChunk = 64 * 1024;
    while (true) {
        const std::size_t had = bytes.size();
        bytes.resize(had + kChunk);
        const ssize_t n = ::read(fd, bytes.data() + had, kChunk);
        if (n < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        if (n < 0) {
            const int error = errno;
            bytes.clear();
            return "read error: " + std::string(std::strerror(error));
        }
        bytes.resize(had + static_cast<std::size_t>(n));
        if (n == 0) {
            return {};
        }
        if (bytes.size() > kLargestDataFileBytes) {
            bytes.clear();
            return kTooLarge;
        }
    }
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view bytes, std::size_t at) {
    const auto b = static_cast<unsigned char>(bytes[at]);
    std::size_t follow = 0;
    char32_t c = 0;
    if (b < 0x80) {
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        follow = 1;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        follow = 2;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        follow = 3;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (at + follow >= bytes.size()) {
        return 0;
    }
    for (std::size_t k = 1; k <= follow; ++k) {
        const auto f = static_cast<unsigned char>(bytes[at + k]);
        if ((f & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (f & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF.
    if ((follow == 2 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
        (follow == 3 && (c < 0x10000 || c > 0x10FFFF))) {
        return 0;
    }
    return follow + 1;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = Utf8SequenceLength(bytes, i);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && kCp1252High[b - 0x80] != 0) {
            AppendUtf8(out, kCp1252High[b - 0x80]);
        } else {
            AppendUtf8(out, b);
        }
    }
    return out;
}

Problem OpenDataFile(const std::filesystem::path& path, int& fd, std::uintmax_t& sizeBytes) {
    // Looked at before it is opened, so that no device is ever opened, and
    // again once open, in case the name was given to something else
    // between the two; non-blocking, so that a pipe put there meanwhile
    // opens at once and is then refused.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return ErrorText(errno);
    }
    if (Problem problem = KindProblem(info); !problem.empty()) {
        return problem;
    }
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return ErrorText(errno);
    }
    Problem problem = ::fstat(fd, &info) != 0 ? ErrorText(errno) : KindProblem(info);
    if (!problem.empty()) {
        ::close(fd);
        fd = -1;
        return problem;
    }
    sizeBytes = static_cast<std::uintmax_t>(info.st_size);
    return {};
}

Problem ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
    bytes.clear();
    int fd = -1;
    std::uintmax_t size = 0;
    if (Problem problem = OpenDataFile(path, fd, size); !problem.empty()) {
        return problem;
    }
    std::string read;
    read.reserve(static_cast<std::size_t>(size) + 1);
    Problem problem = ReadAll(fd, read);
    ::close(fd);
    if (problem.empty()) {
        bytes = std::move(read);
    }
    return problem;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
    std::string bytes;
    if (!ReadFileBytes(path, bytes).empty()) {
        return std::nullopt;
    }
    return bytes;
}

Problem FileReadProblem(const std::filesystem::path& path) {
    std::string ignored;
    return ReadFileBytes(path, ignored);
}

std::string DecodeText(std::string bytes) {
    // Editors on Windows open a UTF-8 file with a byte-order mark; it is no
    // part of the first line (a names file's first name, option 1).
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (std::string_view(bytes).starts_with(kByteOrderMark)) {
        bytes.erase(0, kByteOrderMark.size());
    }
    return IsValidUtf8(bytes) ? bytes : Windows1252ToUtf8(bytes);
}

std::optional<std::string> ReadText(const std::filesystem::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
        return std::nullopt;
    }
    return DecodeText(std::move(*bytes));
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    // Counted first, so that the list is made once at its size.
    std::size_t count = 0;
    ForEachLine(text, [&count](std::string_view) { ++count; });
    lines.reserve(count);
    ForEachLine(text, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::optional<std::vector<std::string>> ReadTextLines(const std::filesystem::path& path) {
    const auto text = ReadText(path);
    if (!text) {
        return std::nullopt;
    }
    return SplitLines(*text);
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string WithCrLfEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    ForEachLine(text, [&out](std::string_view line) { out.append(line).append("\r\n"); });
    return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::size_t CharacterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

}  // namespace solvaris
