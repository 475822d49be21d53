#include "engine/outer_planets.hpp"

#include <array>

#include "engine/angles.hpp"
#include "engine/perturbations.hpp"
#include "engine/pluto.hpp"

namespace solvaris {

namespace {

struct Cubic {
    double c0, c1, c2, c3;
    double At(double t) const { return c0 + t * (c1 + t * (c2 + t * c3)); }
};

// Mean elements of the equinox of date; L mean longitude, a semi-major axis
// (AU), e eccentricity, i inclination, w argument of perihelion, node.
struct OuterElementRow {
    Cubic meanLongitude;
    double a;
    Cubic e, i, w, node;
};

// Index 1 is the Sun's row: L is the Sun's geocentric mean longitude and w
// the longitude of the Earth's perihelion.
constexpr std::array<OuterElementRow, 9> kOuterElements{{
    {},
    {{279.696678, 36000.768925, 0.0003025, 0},
     1.0000002,
     {0.01675104, -0.0000418, -0.000000126, 0},
     {0, 0, 0, 0},
     {101.22085, 1.71917, 0.0004525, 0.0000033},
     {0, 0, 0, 0}},
    {},
    {},
    {},
    {{238.049257, 3036.301986, 0.0003347, -0.00000165},
     5.202561,
     {0.04833475, 0.00016418, -0.0000004676, -0.0000000017},
     {1.308736, -0.0056961, 0.0000039, 0},
     {273.277558, 0.5994317, 0.00070405, 0.00000508},
     {99.443414, 1.01053, 0.00035222, -0.00000851}},
    {{266.564377, 1223.509884, 0.0003245, -0.0000058},
     9.554747,
     {0.05589232, -0.0003455, -0.000000728, 0.00000000074},
     {2.492519, -0.0039189, -0.00001549, 0.00000004},
     {338.3078, 1.0852207, 0.00097854, 0.00000992},
     {112.790414, 0.8731951, -0.00015218, -0.00000531}},
    {{244.19747, 429.863546, 0.000316, -0.0000006},
     19.21814,
     {0.0463444, -0.00002658, 0.000000077, 0},
     {0.772464, 0.0006253, 0.0000395, 0},
     {98.071581, 0.985765, -0.0010745, -0.00000061},
     {73.477111, 0.4986678, 0.0013117, 0}},
    {{84.457994, 219.885914, 0.0003205, -0.0000006},
     30.10957,
     {0.00899704, 0.00000633, -0.000000002, 0},
     {1.779242, -0.0095436, -0.0000091, 0},
     {276.045975, 0.3256394, 0.00014095, 0.000004113},
     {130.681389, 1.098935, 0.00024987, -0.000004718}},
}};

}  // namespace

OrbitalElements OuterMeanElements(int index, double t) {
    const OuterElementRow& row = kOuterElements[index];
    const double node = row.node.At(t);
    const double w = row.w.At(t);
    double m = Normalize360(row.meanLongitude.At(t) - Normalize360(w + node));
    if (index == 1) {
        // The row's L is the Sun's; the Earth stands opposite.
        m += 180;
    }
    return {row.a * kAstronomicalUnitKm, row.e.At(t), row.i.At(t), node, w, m};
}

OuterPlanetResult OuterPlanet(int index, double t, EarthState& earth) {
    if (index == 9) {
        Heliocentric helio = PlutoSeries(t);
        helio.radius *= kAstronomicalUnitKm;
        return {helio, HelioToGeo(helio, earth), 0};
    }

    OrbitalElements el = OuterMeanElements(index, t);
    double extraLongitude = 0;
    if (index != 1) {
        const PerturbationArgs args = PerturbationArguments(t);
        const Perturbation p = PlanetPerturbation(index, args);
        // Uranus and Neptune take their own mean anomalies in place of L - w.
        if (index == 7) {
            el.meanAnomalyDeg = args.uranusAnomaly;
        } else if (index == 8) {
            el.meanAnomalyDeg = args.neptuneAnomaly;
        }
        const double e = el.eccentricity;
        el.meanAnomalyDeg = el.meanAnomalyDeg + p.meanLongitudeDeg - p.perihelionDeg / e;
        el.perihelionArg = el.perihelionArg + p.perihelionDeg / e;
        el.eccentricity = e + p.eccentricity;
        el.semiMajorAxisKm = el.semiMajorAxisKm + p.semiMajorAxisAu * kAstronomicalUnitKm;
        extraLongitude = p.extraLongitudeDeg;
    }

    const Heliocentric helio = SolveOrbit(el);
    if (index == 1) {
        earth = EarthFrom(helio);
        return {helio, {}, 0};
    }
    return {helio, HelioToGeo(helio, earth), extraLongitude};
}

}  // namespace solvaris
