// The forum: messages, credit transfers, mercenaries and the casino.
#pragma once

#include "game.h"

namespace vaskorath {

// Opens the forum menu of the player (main menu entry 8).
void runForum(Game& game, int player);

}  // namespace vaskorath
