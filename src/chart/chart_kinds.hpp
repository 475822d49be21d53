// What each item of the Wheels menu prepares for the wheel: the set in the
// centre, the rings around it, the seven header lines of each chart, the
// orb file and the chart kind. Only the house frames compute anything; the
// returns arrive already searched.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/options.hpp"
#include "chart/birth_data.hpp"
#include "chart/chart_store.hpp"
#include "chart/returns.hpp"
#include "platform/platform.hpp"

namespace solvaris {

enum class WheelKind {
    Natal,
    Progressed,
    SolarArc,
    Transits,
    SolarReturn,
    LunarReturn,
    Flat,
    Solar,
    SolarEquilibrium,
    WholeSignAsc,
    WholeSignMC,
    DualProgressed,
    DualSolarArc,
    DualTransits,
    DualSolarReturn,
    DualLunarReturn,
    TripleProgressed,
    TripleSolarArc,
    // The relationship charts of the natal person and the second person,
    // single wheels.
    Composite,
    Davison,
};

struct WheelKindInfo {
    WheelKind kind;
    std::string_view name;         // as the command line names it
    std::string_view menuItem;     // the Wheels menu item
    std::string_view menuCaption;  // the "&" marks the access key
};

inline constexpr std::array<WheelKindInfo, 20> kWheelKinds{{
    {WheelKind::Natal, "natal", "mnuWheelsSingleNatal", "&Natal"},
    {WheelKind::Progressed, "progressed", "mnuWheelsSingleProgressed", "&Progressed"},
    {WheelKind::SolarArc, "solar-arc", "mnuWheelsSingleSolarArc", "&Solar Arc"},
    {WheelKind::Transits, "transits", "mnuWheelsSingleTransits", "&Transits"},
    {WheelKind::SolarReturn, "solar-return", "mnuWheelsSingleSolarReturn", "Solar &Return"},
    {WheelKind::LunarReturn, "lunar-return", "mnuWheelsSingleLunarReturn", "&Lunar Return"},
    {WheelKind::Flat, "flat", "mnuWheelsSingleFlat", "&Flat"},
    {WheelKind::Solar, "solar", "mnuWheelsSingleSolar", "S&olar"},
    {WheelKind::SolarEquilibrium, "solar-equilibrium", "mnuWheelsSingleSolarEquilibrium",
     "Solar E&quilibrium"},
    {WheelKind::WholeSignAsc, "whole-sign-asc", "mnuWheelsSingleWholeSignAsc", "&Whole sign - Asc"},
    {WheelKind::WholeSignMC, "whole-sign-mc", "mnuWheelsSingleWholeSignMC", "Whole sign - &MC"},
    {WheelKind::DualProgressed, "dual-progressed", "mnuWheelsDualNatProg", "&Progressed vs Natal"},
    {WheelKind::DualSolarArc, "dual-solar-arc", "mnuWheelsDualNatSA", "&Solar Arc vs Natal"},
    {WheelKind::DualTransits, "dual-transits", "mnuWheelsDualNatTran", "&Transits vs Natal"},
    {WheelKind::DualSolarReturn, "dual-solar-return", "mnuWheelsDualNatSR",
     "Solar &Return vs Natal"},
    {WheelKind::DualLunarReturn, "dual-lunar-return", "mnuWheelsDualNatLR",
     "&Lunar Return vs Natal"},
    {WheelKind::TripleProgressed, "triple-progressed", "mnuWheelsTripleTranProgNat",
     "&Transits, Progressed, Natal"},
    {WheelKind::TripleSolarArc, "triple-solar-arc", "mnuWheelsTripleTranSANatal",
     "Transits, &Solar Arc, Natal"},
    {WheelKind::Composite, "composite", "mnuWheelsSingleComposite", "&Composite"},
    {WheelKind::Davison, "davison", "mnuWheelsSingleDavison", "&Davison"},
}};

std::optional<WheelKind> WheelKindFromName(std::string_view name);

// Whether the kind needs a solar (true) or lunar (false) return searched
// first; nothing for the others.
std::optional<bool> ReturnNeeded(WheelKind kind);

// Lines 1 to 7 at indexes 0 to 6.
using HeaderLines = std::array<std::string, 7>;

struct WheelRing {
    PointArray longitude{};
    std::string retrogradeMarks = kNoRetrogradeMarks;
    std::vector<ExtraPlace> extraPoints{};  // when the options show them
};

struct WheelSetup {
    // The set in the centre and its place.
    PointArray longitude{};
    CuspSet cusps{};
    ChartTexts texts;
    std::vector<ExtraPlace> extraPoints;  // the centre set's, when shown
    std::string dateText;
    float placeLongitude = 0;  // d.mm, west positive
    float placeLatitude = 0;   // d.mm, north positive
    std::string longitudeText;
    std::string latitudeText;
    WheelRing second;  // the dual wheel's second chart, the triple's middle
    WheelRing third;   // the triple wheel's third chart
    int layout = 0;    // rings outside the centre set: 0, 1 or 2
    int family = 1;    // 1 single, 2 dual, 3 triple commands
    HeaderLines innerHeader;
    HeaderLines secondHeader;
    std::string orbFileName;  // "NATAL.ORB", in the program folder
    ChartKind kind = ChartKind::Natal;
    bool switched = false;  // the dual transits wheel turned inside out
};

struct WheelInputs {
    const ChartStore& charts;
    const BirthData& natal;
    const BirthData& diurnal;
    bool secondPerson = false;                  // chk2ndPerson
    std::string secondPersonName;               // its caption
    const ReturnSet* found = nullptr;           // the searched return, for the return kinds
    const ReturnSearch* returnPlace = nullptr;  // where it was cast
    int harmonic = 1;                           // of the natal wheel
};

// The preparation of one Wheels-menu item. The single progressed wheel is
// refused when option 212 is 0 (the box shown, nothing prepared).
std::optional<WheelSetup> PrepareWheel(WheelKind kind, const WheelInputs& in,
                                       const OptionTable& options, Platform& platform);

// The house system, and the zodiac when it is the sidereal one:
// "Placidus, Sidereal (Lahiri)" (line 7 of a header).
std::string HouseSystemLine(const ChartStore& charts);

// The house frames: cusps in slot order for the natal Sun, Ascendant and
// Midheaven.
CuspSet FrameCusps(WheelKind frame, const ChartStore& charts);

// The wheel window's Switch of the dual transits wheel: the transit set in
// the centre with the diurnal place, the natal set outside, the header
// lists exchanged, and for a second person the centre's line 1 the name
// + " - natal". A second switch turns it back.
void SwitchDualTransits(WheelSetup& setup, const WheelInputs& in);

}  // namespace solvaris
