// Attack, march and reconnaissance orders.
#pragma once

#include "game.h"

namespace vaskorath {

// Lets the player send units from an own location to attack, march or reconnoitre (main menu entry 6).
void runOrderDialogue(Game& game, int player);

}  // namespace vaskorath
