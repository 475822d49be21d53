#include "python/charts_csv.hpp"

#include <vector>

#include "base/parallel_indices.hpp"
#include "platform/headless/headless_platform.hpp"
#include "python/batch_records.hpp"

namespace py = pybind11;

namespace solvaris {

py::tuple ChartsCsvOf(const py::object& records, const std::string& refused,
                      const py::kwargs& options) {
    const bool raise = RaisesRefused(refused, "charts_csv");
    Session session;
    const RecordsBatch batch = OpenRecordsBatch(options, session);
    const std::vector<std::optional<std::string>> lines = RecordLines(records);
    std::vector<PersonText> people(lines.size());
    std::string text;
    py::list skipped;
    {
        const py::gil_scoped_release released;
        std::vector<HeadlessPlatform> quiet(static_cast<std::size_t>(batch.workers));
        ForEachIndexInParallel(lines.size(), batch.workers, [&](int worker, std::size_t i) {
            // A record no names file line holds is cast as a line holding
            // none, which the batch skips.
            people[i] = CastPerson(lines[i] ? *lines[i] : std::string(), i + 1, batch.request,
                                   session, quiet[static_cast<std::size_t>(worker)]);
        });
        text = BatchCsvHeader(batch.request);
        std::size_t size = text.size();
        for (const PersonText& person : people) {
            size += person.text.size();
        }
        text.reserve(size);
        for (const PersonText& person : people) {
            if (person.kind == PersonText::Kind::Chart) {
                text += person.text;
            }
        }
    }
    for (const PersonText& person : people) {
        if (person.kind == PersonText::Kind::Skipped) {
            TakeRefusal(person.text, raise, skipped);
        }
    }
    return py::make_tuple(py::bytes(text), skipped);
}

}  // namespace solvaris
