// New campaign setup: players, races, planets, outposts, rebels and the round limit.
#pragma once

#include "game.h"

namespace vaskorath {

// Asks for everything a new campaign needs and fills the state with it.
void runNewCampaignSetup(Game& game);

}  // namespace vaskorath
