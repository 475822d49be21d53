#include "python/charts_csv.hpp"

#include <vector>

#include "platform/headless/headless_platform.hpp"
#include "python/batch_records.hpp"
#include "python/bytes_builder.hpp"
#include "python/record_columns.hpp"

namespace py = pybind11;

namespace solvaris {

py::tuple ChartsCsvOf(const py::object& records, const std::string& refused,
                      const py::kwargs& options) {
    const bool raise = RaisesRefused(refused, "charts_csv");
    Session session;
    const RecordsBatch batch = OpenRecordsBatch(options, session);
    const RecordColumns columns = ReadRecordColumns(records);
    BytesBuilder csv;
    const std::string header = BatchCsvHeader(batch.request);
    csv.Reserve(header.size());
    csv.Append(header);
    py::list skipped;
    std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(batch.workers));
    std::vector<PersonText> people(kRecordsPerBlock);
    CastRecordBlocks(
        columns, batch.workers,
        [&](int worker, std::size_t slot, std::size_t record, std::string_view line) {
            // A record no line holds is cast as an empty line, which the batch skips.
            people[slot] = CastPerson(line, record + 1, batch.request, session,
                                      quiet[static_cast<std::size_t>(worker)]);
        },
        [&](const RecordTexts&, std::size_t first, std::size_t count) {
            std::size_t size = 0;
            for (std::size_t slot = 0; slot < count; ++slot) {
                size += people[slot].text.size();
            }
            // The first block's size tells the whole's, an eighth more
            // reserved at once: a block that grows moves, its pages losing
            // their huge size.
            if (first == 0) {
                size = size * columns.count / count * 9 / 8;
            }
            csv.Reserve(size);
            for (std::size_t slot = 0; slot < count; ++slot) {
                if (people[slot].kind == PersonText::Kind::Skipped) {
                    TakeRefusal(people[slot].text, raise, skipped);
                } else {
                    csv.Append(people[slot].text);
                }
            }
        });
    return py::make_tuple(csv.Take(), skipped);
}

}  // namespace solvaris
