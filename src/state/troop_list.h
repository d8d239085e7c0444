// A list of 200 unit slots with holes: units go into the first empty slot, removal empties a slot.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "state/capacities.h"

namespace vaskorath {

using TroopList = std::array<std::string, kTroopSlots>;

// Puts the unit into the lowest empty slot; returns false (and changes nothing) when all are taken.
bool addUnit(TroopList& list, std::string_view unitName);

// Moves every unit of `from`, in slot order, into the lowest empty slot of `into`; the units that
// find no empty slot stay where they were in `from`.
void moveUnits(TroopList& from, TroopList& into);

// Number of slots that hold a unit.
int countUnits(const TroopList& list);

}  // namespace vaskorath
