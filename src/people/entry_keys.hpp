// What the entry fields do as the user types: which keys each accepts, the
// hour field's rule and the hemisphere buttons' effect on the zone.
#pragma once

#include <string>
#include <string_view>

#include "platform/platform.hpp"

namespace solvaris {

inline constexpr char kBackspace = '\b';

// Whether the text control named `control` (txtDay, txtDiurnalTZ, ...)
// accepts the key; names accept anything, numeric fields digits and
// Backspace, minutes also ".", zones also "." and "-".
bool AcceptsKey(std::string_view control, char key);

// Whether pasted text may go into the control: every character one the
// control accepts as a key (UTF-8 text beyond ASCII only into names).
bool AcceptsText(std::string_view control, std::string_view text);

// A change of the hour field: empty shows the field's message, 0 becomes
// 12, above 12 selects P.M. and loses 12.
void OnHourChanged(std::string& hourText, bool& pm, Platform& platform, bool diurnal);

// East makes the zone -|zone|, West |zone|; a zone that is no number stays.
std::string ZoneForEast(const std::string& zoneText);
std::string ZoneForWest(const std::string& zoneText);

}  // namespace solvaris
