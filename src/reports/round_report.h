// The round report that opens every turn from round 2 on.
#pragma once

#include "game.h"

namespace vaskorath {

// Credits the income, completes production and tells the player what happened this round.
void showRoundReport(Game& game, int player);

}  // namespace vaskorath
