#include "python/positions_array.hpp"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <sstream>

#include "base/option_numbers.hpp"
#include "base/parallel_indices.hpp"
#include "cli/command_line.hpp"
#include "cli/jobs_option.hpp"
#include "cli/position_instants.hpp"
#include "cli/position_rows.hpp"
#include "cli/positions_command.hpp"
#include "engine/positions.hpp"
#include "python/command_messages.hpp"
#include "python/command_words.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

// Instants a worker takes at a time, as the command takes them.
constexpr std::size_t kInstantsPerChunk = 64;

// The shortest text that reads back as `jd`: the instant as a refusal names
// it, as Python writes most (2500000000.5, nan).
std::string ShortestText(double jd) {
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, jd);
    return std::string(buffer, ec == std::errc() ? end : buffer);
}

// The command's options parsed from `words`, its session opened; the value
// of --jobs, empty when not given.
std::string OpenPositionsSession(const std::vector<std::string>& words, Session& session) {
    CLI::App app;
    PrepareParser(app);
    DeclarePositionsCommand(app);
    std::ostringstream err;
    if (OpenCommandSession(app, *FindCommand("positions"), words, session, err) != 0) {
        ThrowCommandError(err.str());
    }
    const CLI::Option* jobs = app.get_option("--jobs");
    return jobs->count() > 0 ? jobs->results().back() : std::string();
}

// The command's refusal of `jd` as --jd, where it refuses it.
void CheckInstant(double jd) {
    const std::string text = ShortestText(jd);
    if (JdProblem(text).empty()) {
        return;
    }
    CLI::App app;
    PrepareParser(app);
    DeclarePositionsCommand(app);
    std::ostringstream err;
    ParseArguments(app, {"--jd", text}, "positions", err);
    ThrowCommandError(err.str());
}

struct Field {
    const char* name;
    const char* format;
};

constexpr std::array<Field, 8> kFields{{{"jd", "f8"},
                                        {"body", "U"},
                                        {"longitude", "f8"},
                                        {"latitude", "f8"},
                                        {"declination", "f8"},
                                        {"right_ascension", "f8"},
                                        {"next_day_longitude", "f8"},
                                        {"speed", "f8"}}};

struct InstantRows {
    double jd;
    std::vector<PositionRow> rows;
};

py::array RowsArray(const std::vector<std::vector<InstantRows>>& chunks) {
    std::size_t count = 0;
    std::size_t nameLength = 1;
    for (const auto& chunk : chunks) {
        for (const InstantRows& instant : chunk) {
            count += instant.rows.size();
            for (const PositionRow& row : instant.rows) {
                nameLength = std::max(nameLength, row.body.size());
            }
        }
    }
    py::list fields;
    for (const Field& field : kFields) {
        const std::string format =
            field.format[0] == 'U' ? "U" + std::to_string(nameLength) : field.format;
        fields.append(py::make_tuple(field.name, format));
    }
    const py::module_ numpy = py::module_::import("numpy");
    const py::dtype dtype(numpy.attr("dtype")(fields));
    py::array array(dtype, std::vector<py::ssize_t>{static_cast<py::ssize_t>(count)});
    std::array<std::size_t, kFields.size()> offsets{};
    const py::dict layout = dtype.attr("fields");
    for (std::size_t f = 0; f < kFields.size(); ++f) {
        offsets[f] = layout[kFields[f].name].cast<py::tuple>()[1].cast<std::size_t>();
    }
    const auto itemSize = static_cast<std::size_t>(dtype.itemsize());
    auto* item = static_cast<char*>(array.mutable_data());
    std::memset(item, 0, count * itemSize);
    const auto put = [&](std::size_t f, double value) {
        std::memcpy(item + offsets[f], &value, sizeof value);
    };
    for (const auto& chunk : chunks) {
        for (const InstantRows& instant : chunk) {
            for (const PositionRow& row : instant.rows) {
                put(0, instant.jd);
                // The names are ASCII: each byte is its code point.
                for (std::size_t c = 0; c < row.body.size(); ++c) {
                    const auto code =
                        static_cast<char32_t>(static_cast<unsigned char>(row.body[c]));
                    std::memcpy(item + offsets[1] + c * sizeof code, &code, sizeof code);
                }
                put(2, row.longitudeDeg);
                put(3, row.latitudeDeg);
                put(4, row.declinationDeg);
                put(5, row.rightAscensionDeg);
                put(6, row.nextDayLongitudeDeg);
                put(7, DailyMotion(row.longitudeDeg, row.nextDayLongitudeDeg));
                item += itemSize;
            }
        }
    }
    return array;
}

}  // namespace

py::object PositionsOf(const py::object& jd, const py::kwargs& options) {
    for (const char* instant : {"jd", "from", "days", "step", "ut"}) {
        RefuseKeyword(options, instant, "positions", "the instants are its first argument");
    }
    const auto instants = py::array_t<double, py::array::c_style | py::array::forcecast>::ensure(
        py::module_::import("numpy").attr("atleast_1d")(jd));
    if (!instants || instants.ndim() != 1) {
        throw py::value_error("positions(): jd must be a number or a one-dimensional array");
    }
    Session session;
    const std::string jobs = OpenPositionsSession(CommandWords(options), session);
    const double* jds = instants.data();
    const auto count = static_cast<std::size_t>(instants.size());
    for (std::size_t i = 0; i < count; ++i) {
        CheckInstant(jds[i]);
    }
    const int workers = WorkerThreads(jobs);
    const Ephemeris ephemeris = session.ChosenEphemeris();
    const Zodiac zodiac = ChosenZodiac(session.options);
    const bool extraPoints = session.options(opt::ExtraPoints) == 1;
    std::vector<std::vector<InstantRows>> chunks((count + kInstantsPerChunk - 1) /
                                                 kInstantsPerChunk);
    // The first instant of each chunk that could not be computed, `count` where all were.
    std::vector<std::size_t> stoppedAt(chunks.size(), count);
    {
        const py::gil_scoped_release released;
        ForEachIndexInParallel(chunks.size(), workers, [&](int, std::size_t c) {
            const std::size_t end = std::min(count, (c + 1) * kInstantsPerChunk);
            for (std::size_t i = c * kInstantsPerChunk; i < end; ++i) {
                InstantRows& instant = chunks[c].emplace_back(InstantRows{jds[i], {}});
                if (!AppendPositionRows(ephemeris, zodiac, extraPoints, jds[i], instant.rows)) {
                    stoppedAt[c] = i;
                    return;
                }
            }
        });
    }
    for (const std::size_t stopped : stoppedAt) {
        if (stopped < count) {
            ThrowCommandError("solvaris positions: " + UncomputedInstantProblem(jds[stopped]));
        }
    }
    // The notes the command writes under its rows.
    std::string notes;
    if (const std::string note = PlutoApproximateNote(ephemeris, {jds, count}); !note.empty()) {
        notes += "solvaris positions: " + note + '\n';
    }
    if (ephemeris.Swiss()) {
        notes += "solvaris positions: " + EphemerisName(ephemeris) + '\n';
    }
    py::array rows = RowsArray(chunks);
    WarnCommandNotes(notes);
    return rows;
}

}  // namespace solvaris
