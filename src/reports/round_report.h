// The round report that opens every turn from round 2 on.
#pragma once

#include "game.h"

namespace vaskorath {

// Compacts the player's march list, credits the income (70 per main planet, 40 per outpost, the
// balance going at most to 2,147,483,647), completes the production due this round at the
// player's locations, and prints the round's events: income, gift and messages, finished
// production, troop movements with mercenary arrivals (each arrived offer is replaced at once),
// battle activities, reconnaissance results and espionage findings. Everything shown is consumed.
// Ends with a pause. Requires player 0 to 4.
void showRoundReport(Game& game, int player);

}  // namespace vaskorath
