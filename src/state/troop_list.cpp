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

int countUnits(const TroopList& list) {
  return static_cast<int>(
      std::count_if(list.begin(), list.end(), [](const std::string& slot) { return !slot.empty(); }));
}

}  // namespace vaskorath
