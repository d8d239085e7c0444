// Production orders at the player's locations.
#pragma once

#include "game.h"

namespace vaskorath {

// Lets the player order a unit or a fortification at an own location (main menu entry 7).
void runProductionDialogue(Game& game, int player);

}  // namespace vaskorath
