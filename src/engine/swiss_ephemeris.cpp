#include "engine/swiss_ephemeris.hpp"

#include <swephexp.h>

#include <array>
#include <cmath>
#include <limits>

namespace solvaris {

namespace {

constexpr double kNotComputed = std::numeric_limits<double>::quiet_NaN();

// The library keeps its file folder per thread: each thread that reads
// files names the folder once, before its first call.
void UseFolder(const Ephemeris& ephemeris) {
    thread_local std::string folderInUse;
    thread_local bool named = false;
    if (ephemeris.filesFolder.empty() || (named && folderInUse == ephemeris.filesFolder)) {
        return;
    }
    folderInUse = ephemeris.filesFolder;
    named = true;
    swe_set_ephe_path(folderInUse.c_str());
}

// Notes the source a call answered it used: asked for files, the library
// falls back to its analytical mode where it finds none for the body or
// the date.
void RecordSource(const Ephemeris& ephemeris, int answeredFlags) {
    SwissSourcesUsed* used = ephemeris.sourcesUsed.get();
    if (!used) {
        return;
    }
    std::atomic<bool>& source =
        (answeredFlags & SEFLG_SWIEPH) != 0 ? used->files : used->analytical;
    // Read first: the batch's workers would otherwise write one line of
    // memory on every call.
    if (!source.load(std::memory_order_relaxed)) {
        source.store(true, std::memory_order_relaxed);
    }
}

// One call; the flags answered, negative on failure. Only the Sun, Moon
// and planets are recorded: the nodes and the nutation are computed
// without files whatever the library finds, and answer the flags asked.
int CalcInto(const Ephemeris& ephemeris, int body, double jdUt, double (&x)[6]) {
    char error[AS_MAXCH];
    const int answered = swe_calc_ut(jdUt, body, SwissFlags(ephemeris), x, error);
    if (answered >= 0 && body >= SE_SUN && body <= SE_PLUTO) {
        RecordSource(ephemeris, answered);
    }
    return answered;
}

// Longitude and latitude of one body, NaN on failure.
std::array<double, 2> Calc(const Ephemeris& ephemeris, int body, double jdUt) {
    double x[6];
    if (CalcInto(ephemeris, body, jdUt, x) < 0) {
        return {kNotComputed, kNotComputed};
    }
    return {x[0], x[1]};
}

}  // namespace

int SwissFlags(const Ephemeris& ephemeris) {
    return ephemeris.filesFolder.empty() ? SEFLG_MOSEPH : SEFLG_SWIEPH;
}

int SwissBody(int point) {
    static constexpr std::array<int, NorthNode + 1> kBodies{
        -1,        SE_SUN,    SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER,
        SE_SATURN, SE_URANUS, SE_NEPTUNE, SE_PLUTO, SE_MOON, SE_MEAN_NODE};
    return kBodies[point];
}

SwissBodies SwissBodiesAt(const Ephemeris& ephemeris, double jdUt) {
    UseFolder(ephemeris);
    SwissBodies b;
    for (int p = Sun; p <= Moon; ++p) {
        const auto [longitude, latitude] = Calc(ephemeris, SwissBody(p), jdUt);
        b.longitude[p] = longitude;
        b.latitude[p] = latitude;
    }
    b.meanNode = Calc(ephemeris, SE_MEAN_NODE, jdUt)[0];
    b.trueNode = Calc(ephemeris, SE_TRUE_NODE, jdUt)[0];
    return b;
}

double SwissLongitude(const Ephemeris& ephemeris, int point, double jdUt) {
    UseFolder(ephemeris);
    return Calc(ephemeris, SwissBody(point), jdUt)[0];
}

std::optional<SwissPlace> SwissMinorBodyAt(const Ephemeris& ephemeris, SwissMinorBody body,
                                           double jdUt) {
    static constexpr std::array<int, 7> kBodies{SE_MEAN_APOG, SE_OSCU_APOG, SE_CHIRON, SE_CERES,
                                                SE_PALLAS,    SE_JUNO,      SE_VESTA};
    UseFolder(ephemeris);
    const auto [longitude, latitude] = Calc(ephemeris, kBodies[static_cast<int>(body)], jdUt);
    if (!std::isfinite(longitude)) {
        return std::nullopt;
    }
    return SwissPlace{longitude, latitude};
}

SwissEarthFrame SwissFrameAt(const Ephemeris& ephemeris, double jdUt) {
    UseFolder(ephemeris);
    // x[0] is the true obliquity, x[2] the nutation in longitude.
    double x[6];
    const double obliquity = CalcInto(ephemeris, SE_ECL_NUT, jdUt, x) < 0 ? kNotComputed : x[0];
    return {swe_sidtime(jdUt) * 15, obliquity};
}

double SwissAyanamsaAt(const Ephemeris& ephemeris, const Zodiac& zodiac, double jdUt,
                       SwissNutation nutation) {
    static constexpr std::array<int, 5> kModes{SE_SIDM_LAHIRI, SE_SIDM_FAGAN_BRADLEY,
                                               SE_SIDM_KRISHNAMURTI, SE_SIDM_RAMAN, SE_SIDM_USER};
    const int mode = kModes[static_cast<std::size_t>(zodiac.ayanamsa)];
    // The library keeps the mode like its folder: set again only when it
    // changes on this thread.
    thread_local int modeInUse = -1;
    thread_local double userDegInUse = 0;
    thread_local double userEpochInUse = 0;
    const bool user = mode == SE_SIDM_USER;
    if (mode != modeInUse ||
        (user && (userDegInUse != zodiac.userDeg || userEpochInUse != zodiac.userEpochJd))) {
        swe_set_sid_mode(mode, user ? zodiac.userEpochJd : 0, user ? zodiac.userDeg : 0);
        modeInUse = mode;
        userDegInUse = zodiac.userDeg;
        userEpochInUse = zodiac.userEpochJd;
    }
    UseFolder(ephemeris);
    char error[AS_MAXCH];
    double ayanamsa = kNotComputed;
    const int flags = SwissFlags(ephemeris) | (nutation == SwissNutation::Left ? SEFLG_NONUT : 0);
    return swe_get_ayanamsa_ex_ut(jdUt, flags, &ayanamsa, error) < 0 ? kNotComputed : ayanamsa;
}

std::string SwissVersion() {
    char text[AS_MAXCH];
    const std::string version = swe_version(text);
    // "2.10.03" -> "2.10"
    const auto second = version.find('.', version.find('.') + 1);
    return second == std::string::npos ? version : version.substr(0, second);
}

}  // namespace solvaris
