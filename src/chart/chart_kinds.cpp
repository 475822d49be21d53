#include "chart/chart_kinds.hpp"

#include <cmath>
#include <utility>
#include <vector>

#include "base/format_pattern.hpp"
#include "base/number_text.hpp"
#include "base/option_numbers.hpp"
#include "chart/harmonic_chart.hpp"
#include "chart/house_cusps.hpp"
#include "chart/moving_extra_points.hpp"
#include "chart/relationship_wheels.hpp"
#include "engine/angles.hpp"
#include "engine/ayanamsa.hpp"

namespace solvaris {

std::string HouseSystemLine(const ChartStore& charts) {
    std::string line(Info(charts.houseSystem).displayName);
    if (const std::string zodiac = ZodiacHeading(charts.zodiac); !zodiac.empty()) {
        line += ", " + zodiac;
    }
    return line;
}

namespace {

// Lines 2 to 5: date, clock time with meridiem and zone, longitude and
// latitude.
void MomentAndPlace(HeaderLines& h, const BirthData& b) {
    h[1] = FormatDate(b.year, b.month, b.day);
    h[2] = FormatNumber(b.time, "#0.00") + " " + b.meridiem + " (" + SignedNumberText(b.timeZone) +
           ")";
    h[3] = FormatNumber(std::fabs(b.longitude), "##0.00") + " " + b.longitudeText;
    h[4] = FormatNumber(std::fabs(b.latitude), "#0.00") + " " + b.latitudeText;
}

HeaderLines NatalHeader(const WheelInputs& in) {
    HeaderLines h;
    h[0] = in.natal.name + " - natal";
    MomentAndPlace(h, in.natal);
    h[5] = in.charts.natal.texts.siderealTimeText;
    h[6] = HouseSystemLine(in.charts);
    return h;
}

HeaderLines DiurnalHeader(const WheelInputs& in) {
    HeaderLines h;
    h[0] = "Diurnal data";
    MomentAndPlace(h, in.diurnal);
    h[5] = "Inner = transits";
    h[6] = HouseSystemLine(in.charts);
    return h;
}

HeaderLines ReturnHeader(const WheelInputs& in, const std::string& line1) {
    HeaderLines h;
    h[0] = line1;
    h[1] = FormatDate(in.found->date.year, in.found->date.month, in.found->date.day);
    h[2] = ReturnTimeLine(*in.found);
    h[3] = FormatNumber(std::fabs(in.returnPlace->longitude), "##0.00") + " " +
           in.returnPlace->longitudeText;
    h[4] = FormatNumber(std::fabs(in.returnPlace->latitude), "#0.00") + " " +
           in.returnPlace->latitudeText;
    h[5] = in.found->texts.siderealTimeText;
    h[6] = HouseSystemLine(in.charts);
    return h;
}

void PlaceOf(WheelSetup& w, const BirthData& b) {
    w.dateText = b.dateText;
    w.placeLongitude = b.longitude;
    w.placeLatitude = b.latitude;
    w.longitudeText = b.longitudeText;
    w.latitudeText = b.latitudeText;
}

void CentreNatal(WheelSetup& w, const WheelInputs& in) {
    w.longitude = in.charts.natal.points.longitude;
    w.cusps = in.charts.natal.cusps;
    w.texts = in.charts.natal.texts;
    w.extraPoints = in.charts.natal.extraPoints;
    PlaceOf(w, in.natal);
}

void CentreTransit(WheelSetup& w, const WheelInputs& in, std::vector<ExtraPlace> extraPoints) {
    w.longitude = in.charts.transit.points.longitude;
    w.cusps = in.charts.transit.cusps;
    w.texts = in.charts.transit.texts;
    w.extraPoints = std::move(extraPoints);
    PlaceOf(w, in.diurnal);
}

void CentreReturn(WheelSetup& w, const WheelInputs& in) {
    w.longitude = in.found->longitude;
    w.cusps = in.found->cusps;
    w.texts = in.found->texts;
    w.dateText = FormatDate(in.found->date.year, in.found->date.month, in.found->date.day);
    w.placeLongitude = in.returnPlace->longitude;
    w.placeLatitude = in.returnPlace->latitude;
    w.longitudeText = in.returnPlace->longitudeText;
    w.latitudeText = in.returnPlace->latitudeText;
}

// Cusps 30 degrees apart, `first` on the 1st house.
CuspSet EqualFrom(double first) {
    CuspSet cusps{};
    for (int house = 1; house <= kCuspCount; ++house) {
        cusps[SlotOfHouse(house)] = Normalize360(first + 30.0 * (house - 1));
    }
    return cusps;
}

double SignStart(double longitude) { return std::floor(longitude / 30) * 30; }

std::string FrameTitle(WheelKind kind) {
    switch (kind) {
        case WheelKind::Flat: return " - flat";
        case WheelKind::Solar: return " - solar";
        case WheelKind::SolarEquilibrium: return " - solar equilibrium";
        case WheelKind::WholeSignAsc: return " - whole sign Asc";
        default: return " - whole sign MC";
    }
}

// The natal chart, or its harmonic when one other than the first is asked.
void SingleNatal(WheelSetup& w, const WheelInputs& in) {
    CentreNatal(w, in);
    w.orbFileName = "NATAL.ORB";
    if (in.harmonic != 1) {
        const HarmonicChart harmonic = HarmonicOf(in.charts.natal, in.harmonic);
        w.longitude = harmonic.longitude;
        w.cusps = harmonic.cusps;
        w.texts = harmonic.texts;
        // The extra points are cast for the natal chart alone.
        w.extraPoints.clear();
        // In place of the house system: the houses are equal ones.
        const std::string zodiac = ZodiacHeading(in.charts.zodiac);
        w.innerHeader[6] = HarmonicTitle(in.harmonic) + (zodiac.empty() ? "" : ", " + zodiac);
    }
}

void SingleProgressed(WheelSetup& w, const WheelInputs& in, const OptionTable& options) {
    w.longitude = in.charts.progressed.points.longitude;
    w.cusps = in.charts.progressed.cusps;
    w.texts = in.charts.progressed.texts;
    PlaceOf(w, in.diurnal);
    w.innerHeader[0] = in.natal.name + " - progressed";
    w.secondHeader = DiurnalHeader(in);
    w.secondHeader[5] = "House cusps are cusps";
    w.secondHeader[6] = "at last birthday.";
    w.extraPoints = ProgressedExtraPoints(in.charts, options);
    w.orbFileName = "PROGRESS.ORB";
    w.kind = ChartKind::Progressed;
}

void SingleSolarArc(WheelSetup& w, const WheelInputs& in, const OptionTable& options) {
    CentreNatal(w, in);
    w.longitude = in.charts.solarArc.longitude;
    w.cusps = in.charts.solarArc.cusps;
    w.texts.retrogradeMarks = kNoRetrogradeMarks;
    w.extraPoints = SolarArcExtraPoints(in.charts, options);
    HousePositions(w.longitude, w.cusps, w.texts.housePositionText);
    w.innerHeader[0] = in.natal.name + " - solar arc";
    w.secondHeader = DiurnalHeader(in);
    w.orbFileName = "SOLARARC.ORB";
    w.kind = ChartKind::SolarArc;
}

// The transit chart, or the second person's natal chart cast as one.
void SingleTransits(WheelSetup& w, const WheelInputs& in, const OptionTable& options) {
    CentreTransit(w, in, TransitExtraPoints(in.charts, options));
    w.innerHeader = DiurnalHeader(in);
    w.innerHeader[0] = "Transit chart";
    w.orbFileName = "TRANSIT.ORB";
    if (in.secondPerson) {
        w.innerHeader[0] = in.secondPersonName;
        w.innerHeader[5] = in.charts.transit.texts.siderealTimeText;
        w.orbFileName = "NATAL.ORB";
    }
    w.kind = ChartKind::Transit;
}

void SingleReturn(WheelSetup& w, bool solar, const WheelInputs& in) {
    CentreReturn(w, in);
    w.innerHeader =
        ReturnHeader(in, in.natal.name + (solar ? " - solar return" : " - lunar return"));
    w.orbFileName = solar ? "SOLARRTN.ORB" : "LUNARRTN.ORB";
    w.kind = solar ? ChartKind::SolarReturn : ChartKind::LunarReturn;
}

// The natal chart in one of the house frames.
void SingleFrame(WheelSetup& w, WheelKind frame, const WheelInputs& in) {
    CentreNatal(w, in);
    w.cusps = FrameCusps(frame, in.charts);
    HousePositions(w.longitude, w.cusps, w.texts.housePositionText);
    w.innerHeader[0] = in.natal.name + FrameTitle(frame);
    w.innerHeader[6].clear();
    w.orbFileName = "NATAL.ORB";
}

void Single(WheelSetup& w, WheelKind kind, const WheelInputs& in, const OptionTable& options) {
    w.layout = 0;
    w.family = 1;
    w.innerHeader = NatalHeader(in);
    switch (kind) {
        case WheelKind::Natal: SingleNatal(w, in); break;
        case WheelKind::Progressed: SingleProgressed(w, in, options); break;
        case WheelKind::SolarArc: SingleSolarArc(w, in, options); break;
        case WheelKind::Transits: SingleTransits(w, in, options); break;
        case WheelKind::SolarReturn:
        case WheelKind::LunarReturn: SingleReturn(w, kind == WheelKind::SolarReturn, in); break;
        default: SingleFrame(w, kind, in); break;  // the house frames
    }
}

void Dual(WheelSetup& w, WheelKind kind, const WheelInputs& in, const OptionTable& options) {
    CentreNatal(w, in);
    w.layout = 1;
    w.family = 2;
    w.innerHeader = NatalHeader(in);
    const std::string side = options(opt::SecondChartOutside) != 0 ? "Outer = " : "Inner = ";
    std::string ring;
    switch (kind) {
        case WheelKind::DualProgressed:
            w.second = {in.charts.progressed.points.longitude,
                        in.charts.progressed.texts.retrogradeMarks,
                        ProgressedExtraPoints(in.charts, options)};
            w.secondHeader = DiurnalHeader(in);
            ring = "progressed";
            w.orbFileName = "NAT2PROG.ORB";
            break;
        case WheelKind::DualSolarArc:
            w.second = {in.charts.solarArc.longitude, kNoRetrogradeMarks,
                        SolarArcExtraPoints(in.charts, options)};
            w.secondHeader = DiurnalHeader(in);
            ring = "solar arc";
            w.orbFileName = "NAT2SA.ORB";
            break;
        case WheelKind::DualTransits:
            w.second = {in.charts.transit.points.longitude, in.charts.transit.texts.retrogradeMarks,
                        TransitExtraPoints(in.charts, options)};
            w.secondHeader = DiurnalHeader(in);
            ring = "transits";
            w.orbFileName = "NAT2TRAN.ORB";
            break;
        default: {
            const bool solar = kind == WheelKind::DualSolarReturn;
            w.second = {in.found->longitude, in.found->texts.retrogradeMarks};
            w.secondHeader = ReturnHeader(in, solar ? "Solar return" : "Lunar return");
            ring = solar ? "Solar return" : "Lunar return";
            w.orbFileName = solar ? "NAT2SR.ORB" : "NAT2LR.ORB";
            break;
        }
    }
    w.secondHeader[5] = side + ring;
    if (kind == WheelKind::DualTransits && in.secondPerson) {
        w.secondHeader[0] = in.secondPersonName;
        w.secondHeader[5] = in.charts.transit.texts.siderealTimeText;
        w.secondHeader[6] = "Inner - natal";
        w.orbFileName = "SYNASTRY.ORB";
    }
}

void Triple(WheelSetup& w, WheelKind kind, const WheelInputs& in, const OptionTable& options) {
    CentreNatal(w, in);
    w.layout = 2;
    w.family = 3;
    w.innerHeader = NatalHeader(in);
    w.secondHeader = DiurnalHeader(in);
    if (kind == WheelKind::TripleProgressed) {
        w.second = {in.charts.progressed.points.longitude,
                    in.charts.progressed.texts.retrogradeMarks,
                    ProgressedExtraPoints(in.charts, options)};
        w.secondHeader[6] = "Middle = progressions";
        w.orbFileName = "NAT2PROG.ORB";
    } else {
        w.second = {in.charts.solarArc.longitude, kNoRetrogradeMarks,
                    SolarArcExtraPoints(in.charts, options)};
        w.secondHeader[6] = "Middle = solar arc";
        w.orbFileName = "NAT2SA.ORB";
    }
    w.third = {in.charts.transit.points.longitude, in.charts.transit.texts.retrogradeMarks,
               TransitExtraPoints(in.charts, options)};
}

}  // namespace

std::optional<WheelKind> WheelKindFromName(std::string_view name) {
    for (const WheelKindInfo& info : kWheelKinds) {
        if (info.name == name) {
            return info.kind;
        }
    }
    return std::nullopt;
}

std::optional<bool> ReturnNeeded(WheelKind kind) {
    if (kind == WheelKind::SolarReturn || kind == WheelKind::DualSolarReturn) {
        return true;
    }
    if (kind == WheelKind::LunarReturn || kind == WheelKind::DualLunarReturn) {
        return false;
    }
    return std::nullopt;
}

CuspSet FrameCusps(WheelKind frame, const ChartStore& charts) {
    const PointArray& natal = charts.natal.points.longitude;
    switch (frame) {
        case WheelKind::Flat: return EqualFrom(0);
        case WheelKind::Solar: return EqualFrom(SignStart(natal[Sun]));
        case WheelKind::SolarEquilibrium: return EqualFrom(natal[Sun]);
        case WheelKind::WholeSignAsc: return EqualFrom(SignStart(natal[Ascendant]));
        // The 10th house on the start of the Midheaven's sign.
        case WheelKind::WholeSignMC: return EqualFrom(SignStart(natal[Midheaven]) + 90);
        default: return charts.natal.cusps;
    }
}

std::optional<WheelSetup> PrepareWheel(WheelKind kind, const WheelInputs& in,
                                       const OptionTable& options, Platform& platform) {
    if (kind == WheelKind::Progressed && options(opt::ProgressedAnglesByTime) == 0) {
        platform.ShowMessage("This feature is NOT allowed when option #212 is set to zero.",
                             "INFORMATION", MessageIcon::Information);
        return std::nullopt;
    }
    if (ReturnNeeded(kind) && (in.found == nullptr || in.returnPlace == nullptr)) {
        return std::nullopt;
    }
    if (kind == WheelKind::Composite || kind == WheelKind::Davison) {
        return PrepareRelationshipWheel(kind, in, options, platform);
    }
    WheelSetup w;
    if (kind <= WheelKind::WholeSignMC) {
        Single(w, kind, in, options);
    } else if (kind <= WheelKind::DualLunarReturn) {
        Dual(w, kind, in, options);
    } else {
        Triple(w, kind, in, options);
    }
    return w;
}

void SwitchDualTransits(WheelSetup& w, const WheelInputs& in) {
    w.switched = !w.switched;
    std::swap(w.innerHeader, w.secondHeader);
    // The rings trade their extra points with their charts.
    std::vector<ExtraPlace> centreExtra = std::move(w.second.extraPoints);
    std::vector<ExtraPlace> secondExtra = std::move(w.extraPoints);
    if (w.switched) {
        CentreTransit(w, in, std::move(centreExtra));
        w.second = {in.charts.natal.points.longitude, in.charts.natal.texts.retrogradeMarks,
                    std::move(secondExtra)};
        if (in.secondPerson) {
            w.innerHeader[0] = in.secondPersonName + " - natal";
        }
    } else {
        CentreNatal(w, in);
        w.extraPoints = std::move(centreExtra);
        w.second = {in.charts.transit.points.longitude, in.charts.transit.texts.retrogradeMarks,
                    std::move(secondExtra)};
        if (in.secondPerson) {
            w.secondHeader[0] = in.secondPersonName;
        }
    }
}

}  // namespace solvaris
