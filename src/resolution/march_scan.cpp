// The snapshot of where the march lists end.
#include "resolution/march_scan.h"

namespace vaskorath {

MarchScan takeMarchScan(const CampaignState& state) {
  MarchScan scan;
  for (int faction = 0; faction < kFactionCount; ++faction) {
    const auto& marches = state.marschliste[faction];
    int end = 0;
    while (end < kMarchCount && !marches[end].orderText.empty()) ++end;
    scan.end[faction] = end;
  }
  return scan;
}

}  // namespace vaskorath
