// The main menu of a player's turn.
#pragma once

#include "game.h"

namespace vaskorath {

// Shows the menu until the player ends the turn with "9". In the last round and for a player
// slot without a name the turn ends at once, without any screen.
void runMainMenu(Game& game, int player);

}  // namespace vaskorath
