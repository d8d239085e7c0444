// The main menu of a player's turn.
#pragma once

#include "game.h"

namespace vaskorath {

// Shows the menu until the player ends the turn with "9".
void runMainMenu(Game& game, int player);

}  // namespace vaskorath
