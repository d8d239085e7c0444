// The campaigns the fuzzers start from, built in code, and the state memory they live in.
#pragma once

#include <memory>

#include "state/campaign_state.h"

namespace vaskorath::fuzzing {

struct StateDeleter {
  void operator()(CampaignState* state) const;
};
using StatePointer = std::unique_ptr<CampaignState, StateDeleter>;

// A fresh campaign state in memory the system may back with huge pages, so that forking a
// process that holds it copies a few page table entries instead of about a thousand.
StatePointer makeForkFriendlyState();

// Three players (Anna, Bert, Cara) and the rebels, eight rounds, marches that arrive in round 2:
// an attack on Bert's home planet, an attack on a rebel outpost, a reconnaissance of Anna's home
// planet, two attacks on one planet of Cara's and a reinforcement. Turn order and names as in the
// campaign tests; the state stands at round 1.
void buildBattlesCampaign(CampaignState& state);

// The same three players and the rebels, each player's intelligence database full: 100 location
// reports and 1000 march reports with troops, expiring from round 2 on; agents placed everywhere.
void buildIntelligenceCampaign(CampaignState& state);

}  // namespace vaskorath::fuzzing
