// Emptying the march records whose march has ended; the message for the round report stays.
#pragma once

#include <string>
#include <utility>

#include "state/records.h"

namespace vaskorath {

// Frees the record but keeps its message and its units: units that found no garrison slot stay
// behind in the record.
inline void endMarchKeepingUnits(MarchRecord& march) {
  TroopList units = std::move(march.units);
  std::string reportText = std::move(march.reportText);
  march = MarchRecord{};
  march.units = std::move(units);
  march.reportText = std::move(reportText);
}

// Frees the record with all its units; only its message stays.
inline void endMarchWithUnits(MarchRecord& march) {
  std::string reportText = std::move(march.reportText);
  march = MarchRecord{};
  march.reportText = std::move(reportText);
}

}  // namespace vaskorath
