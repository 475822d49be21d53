// One person of `solvaris batch` cast: the line of the names file read, its
// natal chart computed with the entry windows' checks, and its row as the
// CSV holds it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/session.hpp"
#include "chart/chart_store.hpp"
#include "chart/house_system.hpp"
#include "chart/zodiac.hpp"
#include "engine/ephemeris.hpp"
#include "people/names_file.hpp"
#include "platform/headless/headless_platform.hpp"

namespace solvaris {

struct BatchRequest {
    std::string file;  // named in the messages of the records skipped
    bool json = false;
    HouseSystem system = HouseSystem::Placidus;
    Ephemeris ephemeris;
    Zodiac zodiac;
    bool extraPoints = false;
};

// The session's engine, zodiac and point set, the house system of --house
// (`house` as typed and checked, empty for Placidus).
BatchRequest BatchRequestFor(const Session& session, const std::string& house);

struct BatchColumn {
    std::string name;  // the header's field
    bool number;       // a longitude, else a text
};

// The CSV's columns in order.
std::vector<BatchColumn> BatchCsvColumns(const BatchRequest& request);
// Their names as the CSV's first line, its line end included.
std::string BatchCsvHeader(const BatchRequest& request);

struct PersonChart {
    NatalSet natal;
    // As its calls answered: each row names the source its own calls used.
    Ephemeris ephemeris;
};

// The person's natal chart, or false with why it was refused in `why`
// ("NAME: a field cannot be read"). `quiet` answers the checks' messages;
// each worker keeps its own.
bool CastRecord(const NameRecord& record, const BatchRequest& request, const Session& session,
                HeadlessPlatform& quiet, PersonChart& chart, std::string& why);

// A row's fields in the order of BatchCsvColumns: the record's seven as the
// file holds them, a control character shown as an escape (a name must not
// steer the terminal the rows are read on), then the longitudes of the
// points, the cusps in house order and the extra points shown (NaN where one
// cannot be computed), then the texts naming Swiss Ephemeris and the
// sidereal zodiac when chosen.
struct BatchRow {
    std::array<std::string, 7> fields;
    std::vector<double> numbers;
    std::vector<std::string> tail;
};

BatchRow BatchRowOf(const NameRecord& record, const PersonChart& chart,
                    const BatchRequest& request);

// What one line of the names file gives: the person's CSV row or JSON
// object, or the reason it was skipped.
struct PersonText {
    enum class Kind { Chart, Skipped } kind = Kind::Chart;
    std::string text;
};

// Why a record is refused, as the batch names it on stderr.
std::string SkippedRecordText(const std::string& file, std::size_t lineNumber,
                              const std::string& why);

// The names file's words for a line that does not hold a record.
inline constexpr const char* kNotARecord = "not a record of seven comma-separated fields";

PersonText CastPerson(std::string_view line, std::size_t lineNumber, const BatchRequest& request,
                      const Session& session, HeadlessPlatform& quiet);

}  // namespace solvaris
