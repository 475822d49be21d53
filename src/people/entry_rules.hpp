// The rules of the natal and diurnal entry windows as plain functions: the
// present moment and home place, "Use natal data", reading the fields into
// the birth records, and the checks made before a chart is computed.
#pragma once

#include "base/options.hpp"
#include "chart/birth_data.hpp"
#include "chart/house_system.hpp"
#include "people/entry_fields.hpp"
#include "platform/platform.hpp"

namespace solvaris {

// The years the entry windows accept: natal from the first, natal and
// diurnal to the last.
inline constexpr int kFirstNatalYear = 100;
inline constexpr int kLastEntryYear = 2099;

// "Now": the present date and time and the home place of options 18 to 24.
void FillNow(EntryFields& fields, const OptionTable& options, const Platform& platform);
// The natal window's "Now" also names the person "Now".
void FillNatalNow(NatalEntryWindow& window, const OptionTable& options, const Platform& platform);

// "Use natal data": time, zone and place (not the date) into the diurnal
// window.
void CopyTimeAndPlace(const EntryFields& from, EntryFields& to);

// After a person or place is picked into the natal window: with "Use natal
// data" the natal time and place go into the diurnal window, otherwise it
// returns to the present moment and the home place.
void AfterNatalPick(const NatalEntryWindow& natal, DiurnalEntryWindow& diurnal,
                    const OptionTable& options, const Platform& platform);

// The typed fields as a birth record, the date text in the user's order.
BirthData ReadBirthData(const EntryFields& fields, DateOrder order);

// The natal record carries the name; the diurnal one keeps its zone in
// single precision.
BirthData ReadNatalData(const NatalEntryWindow& window, DateOrder order);
BirthData ReadDiurnalData(const DiurnalEntryWindow& window, DateOrder order);

// Every check of both windows in order, each failure shown at once; true
// when all pass. The latitudes are checked against what `houseSystem` is
// computed at.
bool ValidateEntries(const NatalEntryWindow& natal, const DiurnalEntryWindow& diurnal,
                     HouseSystem houseSystem, Platform& platform);

}  // namespace solvaris
