// The casino of the forum: roulette on a wheel with the numbers 0 to 10.
#pragma once

#include "game.h"

namespace vaskorath {

// Lets the player stake credits on black, red or a single number, game after game, until the
// stake is 0 (forum entry 4). Each game changes the player's credits and raises drawCounter
// by 2. Requires player 0 to 4.
void runCasino(Game& game, int player);

}  // namespace vaskorath
