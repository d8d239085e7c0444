// Rules of a faction's march list, which is kept dense: the first free record ends it.
#pragma once

#include "state/campaign_state.h"

namespace vaskorath {

// True when the record holds no order (its orderText is empty).
inline bool isFree(const MarchRecord& march) { return march.orderText.empty(); }

// Fills every free position with the last used record above it, so the used records stand in the
// lowest positions; the moved record's old place is cleared. Every field moves except reportText,
// which stays in its slot: a text waiting for the owner's round report is never lost or merged.
void compactMarchList(CampaignState& state, int faction);

}  // namespace vaskorath
