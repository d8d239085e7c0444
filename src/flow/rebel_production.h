// Rebel production, once per round before the players' turns.
#pragma once

#include "game.h"

namespace vaskorath {

// At every location owned by "Rebellen": delivers a unit due this round into the rebels' list of
// the garrison race, then starts a randomly drawn unit of that race when fewer than 10 slot
// indices hold a rebel unit and nothing is being built. Prints nothing; drawCounter is only read.
// A location whose rebelRace names no race only has its due round cleared.
void runRebelProduction(Game& game);

}  // namespace vaskorath
