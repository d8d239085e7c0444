// What a player knows about the other factions: the enemy troops view and the spy network.
#pragma once

#include "game.h"

namespace vaskorath {

// Shows the player's intelligence database: enemy troops at locations, enemy production and
// enemy marches (main menu entry 4). Changes nothing.
void showEnemyTroops(Game& game, int player);

// Lets the player recruit agents for 100 credits and move agents between the home service and
// other factions, until 0 is typed (main menu entry 5). A refused move changes nothing.
void runSpyNetworkDialogue(Game& game, int player);

}  // namespace vaskorath
