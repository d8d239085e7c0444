// Espionage: the agents' fights once per round and what each player is told about them.
#pragma once

#include "game.h"

namespace vaskorath {

// Clears the round's espionage results, then lets every faction's home service hunt the spies
// placed at it and every faction's spies kill home-service agents where they are placed.
// Effects apply only between factions that are both in the campaign (non-empty names).
void resolveEspionage(Game& game);

// Prints the player's espionage results of the round and the findings of the player's agents
// and returns how many entries were printed; the report prints the heading before and
// "- keine -" when this returns 0.
int reportEspionageFindings(Game& game, int player);

}  // namespace vaskorath
