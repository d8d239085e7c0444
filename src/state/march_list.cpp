// Compaction of a march list at the end of a turn.
#include "state/march_list.h"

#include <utility>

namespace vaskorath {

void compactMarchList(CampaignState& state, int faction) {
  auto& marches = state.marschliste[faction];
  int last = kMarchCount - 1;  // candidate to move down: the highest used record above j
  for (int j = 0; j < kMarchCount; ++j) {
    if (!isFree(marches[j])) continue;
    while (last > j && isFree(marches[last])) --last;
    if (last <= j) break;  // nothing used above j: the list is dense
    marches[j] = std::move(marches[last]);
    marches[last] = MarchRecord{};
  }
}

}  // namespace vaskorath
