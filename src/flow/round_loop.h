// The round loop: calculation phase, last player check, rebel production and the players' turns.
#pragma once

#include "game.h"

namespace vaskorath {

// Plays rounds from round 1 while runde is below endrunde and at most kMaxRound; returns the last
// round that was played.
int runCampaign(Game& game);

// Number of player records 0 to 4 whose playerName is neither empty nor "Rebellen".
int countRemainingPlayers(const CampaignState& state);

}  // namespace vaskorath
