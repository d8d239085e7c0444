// Espionage resolution, once per round calculation.
#pragma once

#include "game.h"

namespace vaskorath {

// Lets the agents fight each other and find out enemy troops, production and marches.
void resolveEspionage(Game& game);

// Prints the player's espionage results of the round and the findings of the player's agents
// and returns how many entries were printed; the report prints the heading before and
// "- keine -" when this returns 0.
int reportEspionageFindings(Game& game, int player);

}  // namespace vaskorath
