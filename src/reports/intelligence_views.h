// What a player knows about the other factions: the enemy troops view and the spy network.
#pragma once

#include "game.h"

namespace vaskorath {

// Shows the player's intelligence about enemy locations and marches (main menu entry 4).
void showEnemyTroops(Game& game, int player);

// Lets the player recruit agents and move them between the home service and other factions
// (main menu entry 5).
void runSpyNetworkDialogue(Game& game, int player);

}  // namespace vaskorath
