// Initial values of a campaign.
#include "state/campaign_state.h"

#include <algorithm>

namespace vaskorath {

// A fresh campaign starts at once only while its empty records stay small: every table is
// reserved whole at start.
static_assert(sizeof(CampaignState) <= 8'000'000, "an empty record must cost next to nothing");

CampaignState::CampaignState() {
  creditgabehinweis.fill(kNobody);
  for (int faction = 0; faction < kFactionCount; ++faction) {
    spielerliste[faction].agents[faction] = 5;
  }
}

std::string& CampaignState::heimatplanet(int player) {
  return const_cast<std::string&>(static_cast<const CampaignState&>(*this).heimatplanet(player));
}

const std::string& CampaignState::heimatplanet(int player) const {
  switch (player) {
    case 0: return heimatplanet1;
    case 1: return heimatplanet2;
    case 2: return heimatplanet3;
    case 3: return heimatplanet4;
    default: return heimatplanet5;
  }
}

std::unique_ptr<CampaignState> makeCampaignState() { return std::make_unique<CampaignState>(); }

int finalRound(const CampaignState& state) { return std::min(state.endrunde, kMaxRound + 1); }

void clearBattleRecords(CampaignState& state) {
  for (auto& row : state.eventslist) row.fill(BattleRecord{});
}

}  // namespace vaskorath
