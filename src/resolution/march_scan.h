// Where each faction's march list ends when a round calculation begins, for its scans.
#pragma once

#include <array>

#include "state/campaign_state.h"

namespace vaskorath {

// Per faction, the index of the first record that was free when the calculation began. Records
// freed during the calculation lie below it and are passed over, so the records behind them are
// still seen.
struct MarchScan {
  std::array<int, kFactionCount> end{};
};

// Takes the snapshot; call it before the arrivals, and hand the same one to every pass.
MarchScan takeMarchScan(const CampaignState& state);

// Calls visit(record) for every record of the faction in use within the snapshot.
template <typename Visit>
void forEachScannedMarch(CampaignState& state, const MarchScan& scan, int faction, Visit visit) {
  auto& marches = state.marschliste[faction];
  for (int index = 0; index < scan.end[faction]; ++index) {
    if (!marches[index].orderText.empty()) visit(marches[index]);
  }
}

}  // namespace vaskorath
