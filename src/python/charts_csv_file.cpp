#include "python/charts_csv_file.hpp"

#include <limits>
#include <vector>

#include "base/text_range.hpp"
#include "cli/batch_blocks.hpp"
#include "python/batch_records.hpp"
#include "python/bytes_builder.hpp"

namespace py = pybind11;

namespace solvaris {

namespace {

constexpr std::size_t kCsvBytesPerNamesByte = 8;

}  // namespace

py::tuple ChartsCsvFileOf(const std::filesystem::path& names, long long start,
                          std::optional<long long> stop, const std::string& refused,
                          const py::kwargs& options) {
    const bool raise = RaisesRefused(refused, "charts_csv_file");
    if (start < 0 || (stop && *stop < start)) {
        throw py::value_error(
            "charts_csv_file(): start and stop are byte offsets, 0 <= start <= "
            "stop, not " +
            std::to_string(start) + " and " + (stop ? std::to_string(*stop) : std::string("None")));
    }
    Session session;
    RecordsBatch batch = OpenRecordsBatch(options, session);
    BatchRequest& request = batch.request;
    request.file = names.string();
    BytesBuilder csv;
    const std::string header = BatchCsvHeader(request);
    csv.Reserve(header.size());
    csv.Append(header);
    std::vector<std::string> refusals;
    Problem problem;
    {
        const py::gil_scoped_release released;
        TextRange range;
        problem = ReadTextRange(
            names, static_cast<std::uintmax_t>(start),
            stop ? static_cast<std::uintmax_t>(*stop) : std::numeric_limits<std::uintmax_t>::max(),
            range);
        if (problem.empty()) {
            // Reserved at once: a line of a names file makes a CSV line about
            // seven times its size with the default options, and a block
            // that grows moves, its pages losing their huge size.
            csv.ReserveWithoutGil(range.text.size() * kCsvBytesPerNamesByte);
            CastNamesText(range.text, range.firstLineNumber, request, session, batch.workers,
                          [&](const PersonText& person) {
                              if (person.kind == PersonText::Kind::Skipped) {
                                  refusals.push_back(person.text);
                                  return !raise;
                              }
                              csv.ReserveWithoutGil(person.text.size());
                              csv.Append(person.text);
                              return true;
                          });
        }
    }
    if (!problem.empty()) {
        throw py::value_error("solvaris batch: " + request.file + " cannot be read (" + problem +
                              ")");
    }
    py::list skipped;
    for (std::string& message : refusals) {
        TakeRefusal(std::move(message), raise, skipped);
    }
    return py::make_tuple(csv.Take(), skipped);
}

}  // namespace solvaris
