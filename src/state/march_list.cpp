// Compaction of a march list, before the round report and at the end of a turn.
#include "state/march_list.h"

#include <utility>

namespace vaskorath {

namespace {

// Moves every field of `source` into the free record `target` and clears `source`; both keep
// their own reportText.
void moveOrderDown(MarchRecord& target, MarchRecord& source) {
  std::string targetText = std::move(target.reportText);
  std::string sourceText = std::move(source.reportText);
  target = std::move(source);
  target.reportText = std::move(targetText);
  source = MarchRecord{};
  source.reportText = std::move(sourceText);
}

}  // namespace

void compactMarchList(CampaignState& state, int faction) {
  auto& marches = state.marschliste[faction];
  int last = kMarchCount - 1;  // candidate to move down: the highest used record above j
  for (int j = 0; j < kMarchCount; ++j) {
    if (!isFree(marches[j])) continue;
    while (last > j && isFree(marches[last])) --last;
    if (last <= j) break;  // nothing used above j: the list is dense
    moveOrderDown(marches[j], marches[last]);
  }
}

}  // namespace vaskorath
