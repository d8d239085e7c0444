// Production orders at the player's locations (main menu entry 7).
#pragma once

#include "game.h"

namespace vaskorath {

// Lists the player's locations with their running production and lets the player order a unit
// of the own race or a fortification step (paid at once, completed by the round report in its
// due round), accelerate a running order by one round for 100 credits, or cancel it without a
// refund; returns when the player enters 0 at the site prompt. A player whose race is not one
// of the five is told that nothing can be produced. Requires player 0 to 4.
void runProductionDialogue(Game& game, int player);

}  // namespace vaskorath
