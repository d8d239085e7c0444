// Troop list slot rules.
#include "state/troop_list.h"

#include <algorithm>

namespace vaskorath {

bool addUnit(TroopList& list, std::string_view unitName) {
  for (std::string& slot : list) {
    if (slot.empty()) {
      slot = unitName;
      return true;
    }
  }
  return false;
}

void moveUnits(TroopList& from, TroopList& into) {
  // Slots below `free` are taken and only this loop fills slots, so the search never restarts:
  // a full list costs one pass, not one per unit.
  auto free = into.begin();
  for (std::string& unit : from) {
    if (unit.empty()) continue;
    free = std::find_if(free, into.end(), [](const std::string& slot) { return slot.empty(); });
    if (free == into.end()) return;
    *free = std::move(unit);
    unit.clear();
  }
}

int countUnits(const TroopList& list) {
  return static_cast<int>(
      std::count_if(list.begin(), list.end(), [](const std::string& slot) { return !slot.empty(); }));
}

}  // namespace vaskorath
