// Which engine computes the positions: the built-in theories, or Swiss
// Ephemeris (from its files where the user has them, else its analytical
// mode), and the line that names it under a report.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "base/options.hpp"

namespace solvaris {

enum class EphemerisEngine { BuiltIn = 0, Swiss = 1 };

// What Swiss Ephemeris's calls answered they used: a folder of files can
// lack the file of a body or of the years asked for, and then the library
// computes in its analytical mode instead.
struct SwissSourcesUsed {
    std::atomic<bool> files{false};
    std::atomic<bool> analytical{false};
};

struct Ephemeris {
    EphemerisEngine engine = EphemerisEngine::BuiltIn;
    // Swiss Ephemeris only: the folder its files are read from; empty for
    // its analytical mode.
    std::string filesFolder;
    // Shared by the copies of one resolved choice, so that the line under a
    // result names what its calls used; null when nothing records.
    std::shared_ptr<SwissSourcesUsed> sourcesUsed;

    bool Swiss() const { return engine == EphemerisEngine::Swiss; }
};

// The same choice with a record of its own, for a result named apart from
// the others computed with it (a row of a batch).
Ephemeris WithOwnSourceRecord(const Ephemeris& ephemeris);

// The engine of the option value (1 Swiss Ephemeris, anything else the
// built-in theories). With Swiss Ephemeris the files are looked for in
// `userFolder`, else in $SE_EPHE_PATH; a folder that holds none of its
// planet or Moon files (sepl*, semo*) leaves the analytical mode.
Ephemeris ResolveEphemeris(EphemerisEngine engine, const std::string& userFolder);

// The engine option PositionsEngine chooses, resolved as above.
Ephemeris ChosenEphemeris(const OptionTable& options, const std::string& userFolder);

// "Swiss Ephemeris 2.10, analytical" or "Swiss Ephemeris 2.10, files in
// DIR", as the calls made with it answered: files named that the library
// could not use for any call read "analytical", files used for some calls
// only "files in DIR and analytical". "built-in theories" for the built-in
// engine.
std::string EphemerisName(const Ephemeris& ephemeris);

// "builtin" or "swiss", as --ephemeris and the chart JSON name them.
std::string EphemerisWord(const Ephemeris& ephemeris);

// The line that ends a text report computed with Swiss Ephemeris
// ("Positions: Swiss Ephemeris 2.10, analytical"); empty for the built-in
// engine, whose reports stay as they are.
std::string EphemerisReportLine(const Ephemeris& ephemeris);

// Whether Pluto at this day lies outside the years its theory holds: only
// the built-in series has such years.
bool PlutoBeyondTheory(const Ephemeris& ephemeris, double dayNumber);

}  // namespace solvaris
