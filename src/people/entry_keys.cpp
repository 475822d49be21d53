#include "people/entry_keys.hpp"

#include <array>

#include "base/lenient_number.hpp"

namespace solvaris {

namespace {

enum class FieldKind { Any, Digits, Minute, Zone };

struct ControlKind {
    std::string_view control;
    FieldKind kind;
};

constexpr std::array<ControlKind, 21> kControls{{
    {"txtName", FieldKind::Any},
    {"txtMonth", FieldKind::Digits},
    {"txtDay", FieldKind::Digits},
    {"txtYear", FieldKind::Digits},
    {"txtBirthHour", FieldKind::Digits},
    {"txtBirthMinute", FieldKind::Minute},
    {"txtTZ", FieldKind::Zone},
    {"txtLongDeg", FieldKind::Digits},
    {"txtLongMin", FieldKind::Digits},
    {"txtLatDeg", FieldKind::Digits},
    {"txtLatMin", FieldKind::Digits},
    {"txtDiurnalMonth", FieldKind::Digits},
    {"txtDiurnalDay", FieldKind::Digits},
    {"txtDiurnalYear", FieldKind::Digits},
    {"txtDiurnalHour", FieldKind::Digits},
    {"txtDiurnalMinute", FieldKind::Minute},
    {"txtDiurnalTZ", FieldKind::Zone},
    {"txtDiurnalLongDeg", FieldKind::Digits},
    {"txtDiurnalLongMin", FieldKind::Digits},
    {"txtDiurnalLatDeg", FieldKind::Digits},
    {"txtDiurnalLatMin", FieldKind::Digits},
}};

// The zone's magnitude as typed: leading blanks and signs removed.
std::string Magnitude(const std::string& zone) {
    const auto first = zone.find_first_not_of(" +-");
    return first == std::string::npos ? std::string() : zone.substr(first);
}

}  // namespace

bool AcceptsKey(std::string_view control, char key) {
    // The New Transit Date window's txtMonth, txtDay and txtYear take digits
    // like the natal fields of the same names.
    FieldKind kind = FieldKind::Digits;
    for (const ControlKind& c : kControls) {
        if (c.control == control) {
            kind = c.kind;
            break;
        }
    }
    if (kind == FieldKind::Any) {
        return true;
    }
    if ((key >= '0' && key <= '9') || key == kBackspace) {
        return true;
    }
    return (kind == FieldKind::Minute && key == '.') ||
           (kind == FieldKind::Zone && (key == '.' || key == '-'));
}

bool AcceptsText(std::string_view control, std::string_view text) {
    for (const char c : text) {
        if (!AcceptsKey(control, c) || c == kBackspace) {
            return false;
        }
    }
    return true;
}

void OnHourChanged(std::string& hourText, bool& pm, Platform& platform, bool diurnal) {
    if (hourText.empty()) {
        platform.ShowMessage(diurnal ? "Please fill in a value for diurnal hour."
                                     : "Please fill in a value for birth hour.",
                             "Warning!", MessageIcon::Information);
        return;
    }
    const double hour = LenientNumber(hourText);
    if (hour == 0) {
        hourText = "12";
    } else if (hour > 12 && hour < 1e6) {
        pm = true;
        hourText = std::to_string(static_cast<long long>(hour) - 12);
    }
}

std::string ZoneForEast(const std::string& zoneText) {
    const std::string m = Magnitude(zoneText);
    return LenientNumber(m) == 0 ? zoneText : "-" + m;
}

std::string ZoneForWest(const std::string& zoneText) {
    const std::string m = Magnitude(zoneText);
    return LenientNumber(m) == 0 ? zoneText : m;
}

}  // namespace solvaris
