// The Python module `solvaris`: the computations of the command line's
// positions, chart, batch and timeline commands, their answers as NumPy,
// pandas and Python objects equal to what the commands print. Each call
// releases the GIL while it computes.
#include <pybind11/pybind11.h>
#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "cli/command_line.hpp"
#include "python/charts_csv.hpp"
#include "python/charts_csv_file.hpp"
#include "python/charts_frame.hpp"
#include "python/json_commands.hpp"
#include "python/positions_array.hpp"

namespace py = pybind11;

PYBIND11_MODULE(solvaris, module) {
    module.doc() =
        "SOLVARIS's computations from Python: the positions, charts, batch and timeline of "
        "the solvaris command line (docs/python.md).";
    module.attr("__version__") = SOLVARIS_VERSION;
    module.def("positions", &solvaris::PositionsOf, py::arg("jd"),
               "positions(jd, **options) -> numpy structured array\n\n"
               "The rows of `solvaris positions --jd JD ...` for each Julian day (UT) of `jd`: "
               "fields jd, body, longitude, latitude, declination, right_ascension, "
               "next_day_longitude and speed (degrees a day). Options as the command's: "
               "jobs, ephemeris, ephemeris_files, zodiac, ayanamsa, ayanamsa_value, "
               "ayanamsa_epoch, points.");
    module.def("chart", &solvaris::ChartOf,
               "chart(**birth) -> dict\n\n"
               "The JSON of `solvaris chart` for the same options as keywords (date, time, zone, "
               "tz, lon, lat, place, house, person, names, home, zodiac, ayanamsa, ephemeris, "
               "points, harmonic, composite, ...): --second-person is second_person=, a flag "
               "is True.");
    module.def("charts", &solvaris::ChartsOf, py::arg("records"), py::kw_only(),
               py::arg("refused") = "raise",
               "charts(records, *, refused='raise', **options) -> pandas.DataFrame\n\n"
               "The natal chart of each record as `solvaris batch --format csv` casts the lines "
               "of a names file: records hold the columns name, date, time, meridiem, zone, "
               "longitude, latitude; the frame the batch's columns, equal to its CSV when written "
               "with to_csv(index=False, float_format='%.7f'). refused='skip' leaves out the "
               "records the batch skips, their messages in attrs['skipped']. Options: house, "
               "jobs, home, ephemeris, zodiac, ayanamsa, points.");
    module.def("charts_csv", &solvaris::ChartsCsvOf, py::arg("records"), py::kw_only(),
               py::arg("refused") = "raise",
               "charts_csv(records, *, refused='raise', **options) -> (bytes, list of str)\n\n"
               "The bytes `solvaris batch --format csv` writes for the records as charts() takes "
               "them, with the messages of the records skipped (refused='skip'), for a bulk "
               "that goes straight to a file. Options as charts()'.");
    module.def("charts_csv_file", &solvaris::ChartsCsvFileOf, py::arg("names"), py::kw_only(),
               py::arg("start") = 0, py::arg("stop") = py::none(), py::arg("refused") = "raise",
               "charts_csv_file(names, *, start=0, stop=None, refused='raise', **options) -> "
               "(bytes, list of str)\n\n"
               "The bytes `solvaris batch --names NAMES --format csv` writes for the lines of the "
               "names file that begin at a byte offset within [start, stop) (stop None: the "
               "file's end), read where they lie: ranges that follow one another hold each line "
               "once, so that each worker of a cluster casts its own part of one file. The "
               "messages of the lines skipped name the file and the line as the batch does. "
               "Options as charts()'.");
    module.def("timeline", &solvaris::TimelineOf,
               "timeline(**options) -> list of dict\n\n"
               "The events of `solvaris timeline --format json` for the same options (person or "
               "the birth options, from_ (--from), to, transits, "
               "progressions, directions, moon, minor).");
}
